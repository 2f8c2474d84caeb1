#include "calculators/ibeam_calculator.h"

#include <cmath>
#include <numbers>

#include "sections/section_properties.h"

namespace trabeo {
namespace {

using std::numbers::pi;

std::string_view FirstFailedCheck(const IBeamInput& in) {
  const double D = Typed(in.D), B = Typed(in.B), t = Typed(in.t), T = Typed(in.T), r = Typed(in.r);
  if (!(T <= D / 4)) return "Flange thickness is too large";
  if (!(t <= B / 3)) return "Web thickness is too large";
  if (!AllTyped({&in.D, &in.B, &in.t, &in.T, &in.r})) return "One of the boxes is empty";
  if (!(t <= B / 4)) return "Web thickness is too great";
  if (!(r <= B / 4)) return "Root radius is too large";
  if (!(2 * (t + r) > T && 2 * (r + T) > t)) return "Cannot evaluate max inscribed circle ";
  // Zero or negative plates would give empty or negative areas, and a zero root radius an
  // infinite torsion fibre; fillets that meet leave no web between them.
  if (!(D > 0 && B > 0 && t > 0 && T > 0 && r > 0)) return kDimensionsNotPositiveMessage;
  if (D - 2 * T - 2 * r < 0) return "Root radius is too large";
  return {};
}

// Torsion constant of a rolled I-section: the plates, the web-flange junctions (alpha N^4) and
// the flange tips.
double TorsionConstant(double D, double B, double t, double T, double r) {
  const double N = ((T + r) * (T + r) + t * (r + t / 4)) / (T + 2 * r);
  const double alpha = -0.042 + 0.2204 * t / T + 0.1355 * r / T - 0.0865 * r * t / (T * T) -
                       0.0725 * t * t / (T * T);
  return 2.0 / 3.0 * B * T * T * T + (D - 2 * T) * t * t * t / 3 + 2 * alpha * std::pow(N, 4) -
         0.42 * std::pow(T, 4);
}

}  // namespace

CalculatorOutcome<IBeamResults> CalculateIBeam(const IBeamInput& input) {
  if (const std::string range = OutOfRangeDimension({{"Depth", &input.D},
                                                     {"Width", &input.B},
                                                     {"Web", &input.t},
                                                     {"Flange", &input.T},
                                                     {"Root Radius", &input.r}});
      !range.empty())
    return CalculatorOutcome<IBeamResults>::Failed(range);
  if (const std::string_view failed = FirstFailedCheck(input); !failed.empty())
    return CalculatorOutcome<IBeamResults>::Failed(failed);

  IBeamResults r;
  const double D = r.D = Typed(input.D);
  const double B = r.B = Typed(input.B);
  const double t = r.t = Typed(input.t);
  const double T = r.T = Typed(input.T);
  const double rr = r.r = Typed(input.r);

  const double filletArea = (4 - pi) * rr * rr / 4;  // one root fillet
  const double filletOwnI = 0.0076 * std::pow(rr, 4);
  const double webHeight = D - 2 * T;

  r.Area = 2 * B * T + t * webHeight + (4 - pi) * rr * rr;
  r.Ixx = 2 * (B * T * T * T / 12 + B * T * std::pow(D / 2 - T / 2, 2)) +
          t * std::pow(webHeight, 3) / 12 +
          4 * (filletArea * std::pow(D / 2 - T - 0.223 * rr, 2) + filletOwnI);
  r.Iyy = 2 * T * B * B * B / 12 + webHeight * t * t * t / 12 +
          4 * (filletArea * std::pow(t / 2 + 0.223 * rr, 2) + filletOwnI);
  r.ExtremeX = B / 2;
  r.ExtremeY = D / 2;
  r.Zxx = r.Ixx / r.ExtremeY;
  r.Zyy = r.Iyy / r.ExtremeX;
  r.K = TorsionConstant(D, B, t, T, rr);
  if (!(r.K > 0)) return CalculatorOutcome<IBeamResults>::Failed(kTorsionConstantOutOfRangeMessage);
  r.InscribedCircle = ((T + rr) * (T + rr) + rr * t + t * t / 4) / (2 * rr + T);
  r.TorsionFibre = RootTorsionFibre(r.InscribedCircle, r.Area, rr, 1.0);
  r.Rx = std::sqrt(r.Ixx / r.Area);
  r.Ry = std::sqrt(r.Iyy / r.Area);
  r.Sxx = B * T * (D - T) + t * webHeight * webHeight / 4 +
          (4 - pi) * rr * rr * (D / 2 - T - 0.223 * rr);
  // The four root fillets' share about y-y: their area times the distance of their centroids
  // from the axis, t/2 + 0.223 r, like every other term of the plastic modulus.
  r.Syy = B * B * T / 2 + t * t * webHeight / 4 + (4 - pi) * rr * rr * (t / 2 + 0.223 * rr);
  r.WebDepth = D - 2 * T - 2 * rr;
  r.H = r.Iyy * (D - T) * (D - T) / 4;
  r.u = BucklingParameter(r.Sxx, r.Area, r.Ixx, r.Iyy, r.H);
  r.x = TorsionalIndex(r.Area, r.H, r.Iyy, r.K);
  r.Weight = SteelWeight(r.Area);

  r.design = ISectionDesignStrengthAndClass(input.grade, {B, t, T, rr, r.WebDepth});
  return FiniteOutcome(r, IBeamSectionRecord(r, {}), {r.Zxx, r.Zyy, r.InscribedCircle, r.Weight});
}

SectionRecord IBeamSectionRecord(const IBeamResults& r, std::string_view description) {
  SectionRecord rec = CalculatorRecordBase(description, "Beam", r.design.grade);
  CopySectionProperties(r, rec);
  rec.RootRad = static_cast<float>(r.r);
  rec.Outstand = static_cast<float>(r.B / 2);
  return rec;
}

}  // namespace trabeo
