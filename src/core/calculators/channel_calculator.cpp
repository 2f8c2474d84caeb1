#include "calculators/channel_calculator.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "calculators/channel_geometry.h"
#include "sections/section_properties.h"

namespace trabeo {
namespace {

using std::numbers::pi;

std::optional<std::string_view> FirstFailedCheck(const ChannelInput& in) {
  if (in.description.empty()) return "Section needs a description";
  // The dimension checks meet empty boxes as 0; the empty-box check comes after them.
  const double B = Typed(in.B), D = Typed(in.D), T = Typed(in.T), t = Typed(in.t),
               r1 = Typed(in.r1), r2 = Typed(in.r2), degrees = Typed(in.thetaDeg);
  const double tau = std::tan(degrees * pi / 180);
  if (!(degrees <= 20)) return "Max flange taper for accurate results = 20\u00B0";
  if (!(T <= D / 4)) return "Flange thickness is too large";
  if (!(t <= B / 3)) return "Web thickness is too large";
  if (!(r2 <= T - tau * B / 2)) return "Toe radius is too large";
  if (!(r1 <= T + t)) return "Root radius is too large";
  if (!AllTyped({&in.B, &in.D, &in.T, &in.t, &in.r1, &in.r2, &in.thetaDeg}))
    return "One of the boxes is empty";
  // Zero or negative plates give empty areas, and a zero root radius an infinite torsion fibre.
  if (!(B > 0 && D > 0 && T > 0 && t > 0 && r1 > 0 && r2 >= 0 && degrees >= 0))
    return kDimensionsNotPositiveMessage;
  // The root and toe fillets must both fit on the flange.
  if (t + r1 + r2 > B) return "Root radius is too large";
  return std::nullopt;
}

// Diameter of the circle in the corner touching the back of the web, the outer face of the
// flange and the root fillet, by twenty fixed steps from a = T/2.
double InscribedCircle(const ChannelGeometry& g) {
  double a = g.T / 2;
  for (int i = 0; i < 20; ++i) {
    const double c = std::sqrt((g.xf - a) * (g.xf - a) + (g.yf - a) * (g.yf - a));
    a += (c - (a + g.r1)) / 2;
  }
  return 2 * a;
}

double Area(const ChannelGeometry& g) {
  const double rootCorner = (4 - pi) * g.r1 * g.r1, toeCorner = (4 - pi) * g.r2 * g.r2;
  return g.D * g.t + 2 * (g.B - g.t) * g.T + rootCorner / 2 - toeCorner / 2 - g.tau * g.r1 * g.r1;
}

double CentroidFromBack(const ChannelGeometry& g, double A) {
  const double B = g.B, t = g.t, outstand = B - t;
  const double rootCorners = (4 - pi) * g.r1 * g.r1 / 2, toeCorners = (4 - pi) * g.r2 * g.r2 / 2;
  return (t * t * g.D / 2 + 2 * outstand * (g.T - g.tau * outstand / 2) * (B - outstand / 2) +
          g.tau * outstand * outstand * (t + outstand / 3) + rootCorners * (t + 0.2118 * g.r1) -
          toeCorners * (B - 0.2118 * g.r2)) /
         A;
}

struct SecondMoments {
  double Ixx = 0, Iyy = 0;
};

// Each piece: count x (own second moment + area x lever^2), the toe fillets taken away.
SecondMoments SumSecondMoments(const ChannelGeometry& g, double Cy) {
  const double D = g.D, B = g.B, t = g.t, Tt = g.Tt, Tk = g.Tk, xt = g.xt, hw = g.hw;
  const double step = Tk - Tt;
  struct Piece {
    double count, area, ownX, leverX, ownY, leverY;
  };
  const double toeOwn = 0.0076 * std::pow(g.r2, 4), rootOwn = 0.0076 * std::pow(g.r1, 4);
  const Piece pieces[] = {
      {2, B * Tt, B * Tt * Tt * Tt / 12, D / 2 - Tt / 2, Tt * B * B * B / 12, B / 2 - Cy},
      {1, hw * t, t * hw * hw * hw / 12, 0, t * t * t * hw / 12, Cy - t / 2},
      {2, xt * step, xt * step * step * step / 12, D / 2 - Tk + step / 2, step * xt * xt * xt / 12,
       Cy - xt / 2},
      {2, (B - xt) * step / 2, (B - xt) * std::pow(step, 3) / 48, D / 2 - Tt - step / 3,
       step * std::pow(B - xt, 3) / 36, Cy - xt - (B - xt) / 3},
      {-2, g.a2, toeOwn, D / 2 - Tt + 0.223 * g.r2, toeOwn, B - Cy - 0.223 * g.r2},
      {2, g.a1, rootOwn, D / 2 - g.yf + 0.777 * g.r1, rootOwn, Cy - t - 0.223 * g.r1},
  };
  SecondMoments sums;
  for (const Piece& p : pieces) {
    sums.Ixx += p.count * (p.ownX + p.area * p.leverX * p.leverX);
    sums.Iyy += p.count * (p.ownY + p.area * p.leverY * p.leverY);
  }
  return sums;
}

double PlasticModulusXX(const ChannelGeometry& g) {
  const double D = g.D, B = g.B, Tt = g.Tt, Tk = g.Tk, xt = g.xt, step = Tk - Tt;
  return 2 * B * Tt * (D / 2 - Tt / 2) + g.t * g.hw * g.hw / 4 +
         2 * xt * step * (D / 2 - Tk + step / 2) + (B - xt) * step * (D / 2 - Tt - step / 3) -
         2 * g.a2 * (D / 2 - Tt + 0.223 * g.r2) + 2 * g.a1 * (D / 2 - g.yf + 0.777 * g.r1);
}

// Torsion constant of a tapered-flange channel: plates, the web-flange junctions (alpha N^4,
// blended between the parallel- and taper-flange fits), the flange tips.
double TorsionConstant(const ChannelGeometry& g) {
  const double B = g.B, t = g.t, r1 = g.r1;
  const double T1 = g.T - g.tau * (B - t) / 2, T2 = g.T + g.tau * (B - t) / 2;
  const double alpha1 = -0.1325 + 0.3015 * t / T2 + 0.14 * r1 / T2 - 0.107 * t * r1 / (T2 * T2) -
                        0.0956 * t * t / (T2 * T2);
  const double alpha2 = -0.0908 + 0.2621 * t / T2 + 0.1231 * r1 / T2 - 0.0752 * t * r1 / (T2 * T2) -
                        0.0945 * t * t / (T2 * T2);
  const double alpha = alpha2 + (alpha1 - alpha2) * g.tau / std::tan(0.165);
  const double F = (T2 - T1) / (B - t);
  const double S =
      0.10504 + 0.1 * F + 0.0848 * F * F + 0.06746 * std::pow(F, 3) + 0.05153 * std::pow(F, 4);
  const double Tj = T2 - (F + 1 - std::sqrt(F + 1)) * r1;
  const double N = 2 * (3 * r1 + t + Tj - std::sqrt(2 * (t + 2 * r1) * (Tj + 2 * r1)));
  return 2.0 / 3.0 * t * std::pow(T2, 3) + (T1 * T1 + T2 * T2) * (B - t) * (T1 + T2) / 6 +
         std::pow(t, 3) * (g.D - 2 * T2) / 3 + 2 * alpha * std::pow(N, 4) -
         2 * S * std::pow(T1, 4) - 0.21 * std::pow(T2, 4);
}

// The shear centre's distance from the web, the warping constant between the plates' mid-lines,
// and the buckling parameter and torsional index that follow from them.
void SetShearCentreAndWarping(const ChannelGeometry& g, ChannelResults& r) {
  r.Cs = (1 + r.D * r.D * r.Area / (4 * r.Ixx)) * (r.Cy - r.t / 2);
  r.eo = r.Cs - r.Cy + r.t / 2;
  const double b = r.B - r.t / 2, h = r.D - g.Tk;
  r.H = r.eo * r.eo * r.Ixx + r.T * b * b * h * h * (b - 3 * r.eo) / 6;
  r.u = BucklingParameter(r.Sxx, r.Area, r.Ixx, r.Iyy, r.H);
  r.x = TorsionalIndex(r.Area, r.H, r.Iyy, r.K);
}

}  // namespace

CalculatorOutcome<ChannelResults> CalculateChannel(const ChannelInput& input) {
  if (const std::string range = OutOfRangeDimension({{"Depth", &input.D},
                                                     {"Width", &input.B},
                                                     {"Web", &input.t},
                                                     {"Flange", &input.T},
                                                     {"Root Radius", &input.r1},
                                                     {"Toe Radius", &input.r2},
                                                     {"Flange angle", &input.thetaDeg}});
      !range.empty())
    return CalculatorOutcome<ChannelResults>::Failed(range);
  if (const auto failed = FirstFailedCheck(input))
    return CalculatorOutcome<ChannelResults>::Failed(*failed);

  ChannelResults r;
  r.B = Typed(input.B);
  r.D = Typed(input.D);
  r.T = Typed(input.T);
  r.t = Typed(input.t);
  r.r1 = Typed(input.r1);
  r.r2 = Typed(input.r2);
  r.theta = Typed(input.thetaDeg) * pi / 180;
  const ChannelGeometry g = MakeChannelGeometry(r.D, r.B, r.t, r.T, r.r1, r.r2, r.theta);

  r.WebDepth = r.D - 2 * g.yf;
  // Fillets that meet across the web leave no valid section.
  if (r.WebDepth < 0) return CalculatorOutcome<ChannelResults>::Failed("Root radius is too large");

  r.InscribedCircle = InscribedCircle(g);
  r.Area = Area(g);
  r.Cy = CentroidFromBack(g, r.Area);
  const SecondMoments moments = SumSecondMoments(g, r.Cy);
  r.Ixx = moments.Ixx;
  r.Iyy = moments.Iyy;
  r.ExtremeX = r.B - r.Cy;
  r.ExtremeY = r.D / 2;
  r.Zxx = r.Ixx / r.ExtremeY;
  r.Zyy = r.Iyy / r.ExtremeX;
  r.Rx = std::sqrt(r.Ixx / r.Area);
  r.Ry = std::sqrt(r.Iyy / r.Area);
  r.Sxx = PlasticModulusXX(g);
  const ChannelPlasticAxis axis = ChannelPlasticModulusYY(g, r.Area);
  r.Ceq = axis.xp;
  r.Syy = axis.Syy;
  r.PlasticAxisCase = axis.axisCase;
  r.K = TorsionConstant(g);
  if (!(r.K > 0))
    return CalculatorOutcome<ChannelResults>::Failed(kTorsionConstantOutOfRangeMessage);
  r.TorsionFibre = RootTorsionFibre(r.InscribedCircle, r.Area, r.r1, pi / 2 - r.theta);
  SetShearCentreAndWarping(g, r);
  r.Weight = SteelWeight(r.Area);
  r.design = ISectionDesignStrengthAndClass(input.grade, {r.B, r.t, r.T, r.r1, r.WebDepth});
  return FiniteOutcome(r, ChannelSectionRecord(r, {}),
                       {r.Zxx, r.Zyy, r.InscribedCircle, r.Ceq, r.eo, r.Weight});
}

SectionRecord ChannelSectionRecord(const ChannelResults& r, std::string_view description) {
  SectionRecord rec = CalculatorRecordBase(description, "RSC", r.design.grade);
  CopySectionProperties(r, rec);
  rec.Outstand = static_cast<float>(r.B);
  rec.FlgAngle = static_cast<float>(r.theta * 180 / pi);
  return rec;
}

}  // namespace trabeo
