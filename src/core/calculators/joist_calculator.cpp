#include "calculators/joist_calculator.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "sections/section_properties.h"
#include "steel/tangent.h"

namespace trabeo {
namespace {

using std::numbers::pi;

// nullopt when every check passes; otherwise the message, empty for a negative taper, which
// stops the calculation without one.
std::optional<std::string_view> FirstFailedCheck(const JoistInput& in) {
  if (!AllTyped({&in.B, &in.D, &in.T, &in.t, &in.r1, &in.r2, &in.thetaDeg}))
    return "Enter a value in all the boxes for Section Dimensions";
  const double B = Typed(in.B), D = Typed(in.D), T = Typed(in.T), t = Typed(in.t),
               r1 = Typed(in.r1), r2 = Typed(in.r2), theta = Typed(in.thetaDeg);
  if (theta < 0) return "";
  if (!(T <= D / 8)) return "Flange thickness is too great";
  if (!(t <= B / 5)) return "Web thickness is too great";
  if (!(r1 <= 2 * T)) return "Root radius is too large";
  if (!(r2 <= T / 1.5)) return "Toe radius is too large";
  if (!(theta <= 20)) return "Flange taper is too steep";
  // Zero or negative plates give empty areas, and a zero root radius an undefined torsion
  // constant.
  if (!(B > 0 && D > 0 && T > 0 && t > 0 && r1 > 0 && r2 >= 0))
    return kDimensionsNotPositiveMessage;
  // The root and toe fillets must both fit on the flange outstand.
  if (t / 2 + r1 + r2 > B / 2) return "Root radius is too large";
  return std::nullopt;
}

// The flange and fillet geometry shared by every property.
struct JoistGeometry {
  double tau;  // taper slope
  double Tt;   // flange thickness at the toe
  double Tc;   // flange thickness on the centre line
  double xf;   // root fillet centre from the centre line
  double yf;   // root fillet centre below the outer flange face
  double hw;   // web height between the flange faces on the centre line
};

JoistGeometry Geometry(double B, double D, double T, double t, double r1, double theta) {
  JoistGeometry g;
  g.tau = TangentOfRadians(theta);
  g.Tt = T - g.tau * (B - t) / 4;
  g.Tc = T + g.tau * ((B - t) / 4 + t / 2);
  const double slope = (g.Tc - g.Tt) / (B / 2);
  g.xf = t / 2 + r1;
  g.yf = g.Tc - slope * g.xf + r1 / std::cos(theta);
  g.hw = D - 2 * g.Tc;
  return g;
}

// Sums of one column per property over the section's pieces.
struct PieceSums {
  double A = 0, Ixx = 0, Iyy = 0, Sxx = 0, Syy = 0;
  void Add(double area, double ixx, double iyy, double sxx, double syy) {
    A += area;
    Ixx += ixx;
    Iyy += iyy;
    Sxx += sxx;
    Syy += syy;
  }
};

// Flanges, taper triangles, toe and root fillets, the web and its wedges, each kind counted
// four times (twice for the flange rectangles), toe fillets and fillet taper triangles taken away.
PieceSums SumPieces(double B, double D, double t, double r1, double r2, const JoistGeometry& g) {
  const double tau = g.tau, Tt = g.Tt, Tc = g.Tc, taper = Tc - Tt;
  PieceSums s;
  // 1: the two flange rectangles B x Tt.
  const double y1 = D / 2 - Tt / 2;
  s.Add(2 * B * Tt, 2 * (B * Tt * Tt * Tt / 12 + B * Tt * y1 * y1), 2 * B * B * B * Tt / 12,
        2 * B * Tt * y1, B * B * Tt / 2);
  // 2: the four flange taper triangles, legs B/2 and Tc - Tt.
  const double a2 = taper * (B / 2) / 2, y2 = D / 2 - Tt - taper / 3;
  s.Add(4 * a2, 4 * (a2 * y2 * y2 + (B / 2) * std::pow(taper, 3) / 48),
        4 * taper * std::pow(B / 2, 3) / 12, 4 * a2 * y2, 4 * a2 * B / 6);
  // 3: the four toe fillets, taken away.
  const double a3 = 0.2146 * r2 * r2, y3 = D / 2 - Tt - tau * r2 + 0.223 * r2,
               x3 = B / 2 - 0.223 * r2, own3 = 0.0076 * std::pow(r2, 4);
  s.Add(-4 * a3, -4 * (a3 * y3 * y3 + own3), -4 * (a3 * x3 * x3 + own3), -4 * a3 * y3,
        -4 * a3 * x3);
  // 4: the four toe triangles.
  const double a4 = tau * r2 * r2 / 2, y4 = D / 2 - Tt - 2.0 / 3.0 * tau * r2, x4 = B / 2 - r2 / 3;
  s.Add(4 * a4, 4 * (a4 * y4 * y4 + r2 * std::pow(tau * r2, 3) / 48),
        4 * (a4 * x4 * x4 + tau * std::pow(r2, 4) / 36), 4 * a4 * y4, 4 * a4 * x4);
  // 5: the web; its area also counts the strip tau r1 t that its moments leave out.
  s.Add((g.hw + tau * r1) * t, t * std::pow(g.hw, 3) / 12, t * t * t * g.hw / 12,
        t * g.hw * g.hw / 4, t * t * g.hw / 4);
  // 6: the four wedges on top of the web, legs t/2 and tau t/2.
  const double a6 = tau * (t / 2) * (t / 2) / 2, y6 = D / 2 - Tc + tau * t / 6;
  s.Add(4 * a6, 4 * (a6 * y6 * y6 + (t / 2) * std::pow(tau * t / 2, 3) / 48),
        4 * (a6 * (t / 3) * (t / 3) + tau * std::pow(t / 2, 4) / 36), 4 * a6 * y6, 4 * a6 * t / 3);
  // 7: the four root fillets.
  const double a7 = (4 * r1 * r1 - pi * r1 * r1) / 4, y7 = D / 2 - g.yf + 0.777 * r1,
               x7 = t / 2 + 0.223 * r1, own7 = 0.0076 * std::pow(r1, 4);
  s.Add(4 * a7, 4 * (a7 * y7 * y7 + own7), 4 * (a7 * x7 * x7 + own7), 4 * a7 * y7, 4 * a7 * x7);
  // 8: the four fillet taper triangles, taken away.
  const double a8 = tau * r1 * r1 / 2, y8 = D / 2 - Tc + 2.0 / 3.0 * tau * r1, x8 = t / 2 + r1 / 3;
  s.Add(-4 * a8, -4 * (a8 * y8 * y8 + r1 * std::pow(tau * r1, 3) / 48),
        -4 * (a8 * x8 * x8 + tau * std::pow(r1, 4) / 36), -4 * a8 * y8, -4 * a8 * x8);
  return s;
}

// Diameter of the largest circle on the centre line touching the outer flange face and both
// root fillets, by a fixed ten halving steps from a = T.
double InscribedCircle(double T, double r1, const JoistGeometry& g) {
  double a = T;
  for (int i = 0; i < 10; ++i) {
    const double reach = std::sqrt(g.xf * g.xf + (a - g.yf) * (a - g.yf));
    a -= ((a + r1) - reach) / 2;
  }
  return 2 * a;
}

// Torsion constant of a taper-flanged I-section: the plates, the junctions (alpha N^4, alpha
// blended between the parallel- and taper-flange fits) and the flange tips.
double TorsionConstant(double B, double D, double T, double t, double r1, const JoistGeometry& g) {
  const double T1 = g.Tt;
  const double T2 = T + g.tau * (B - t) / 4;
  double F = (g.Tc - T1) * 2 / B;
  if (F == 0) F = 1e-8;
  const double S =
      0.10504 + 0.1 * F + 0.0848 * F * F + 0.06746 * std::pow(F, 3) + 0.05153 * std::pow(F, 4);
  const double U = (std::sqrt(1 + 1 / (F * F)) - 1 - t / (2 * r1)) * r1 * F;
  const double N = ((U + g.Tc) * (U + g.Tc) + t * (t / 4 + r1)) / (U + r1 + g.Tc);
  const double alpha1 = -0.0836 + 0.2536 * t / T2 + 0.1268 * r1 / T2 - 0.0806 * t * r1 / (T2 * T2) -
                        0.0858 * t * t / (T2 * T2);
  const double alpha2 = -0.042 + 0.2204 * t / T2 + 0.1355 * r1 / T2 - 0.0865 * t * r1 / (T2 * T2) -
                        0.0725 * t * t / (T2 * T2);
  const double alpha = alpha2 + (alpha1 - alpha2) * g.tau / TangentOfRadians(0.165);
  return (B - t) * (T1 + T2) * (T1 * T1 + T2 * T2) / 6 + 2.0 / 3.0 * t * std::pow(T2, 3) +
         std::pow(t, 3) * (D - 2 * T2) / 3 + 2 * alpha * std::pow(N, 4) - 4 * S * std::pow(T1, 4);
}

}  // namespace

CalculatorOutcome<JoistResults> CalculateJoist(const JoistInput& input) {
  if (const std::string range = OutOfRangeDimension({{"Depth", &input.D},
                                                     {"Width", &input.B},
                                                     {"Web", &input.t},
                                                     {"Flange", &input.T},
                                                     {"Root Radius", &input.r1},
                                                     {"Toe Radius", &input.r2},
                                                     {"Flange angle", &input.thetaDeg}});
      !range.empty())
    return CalculatorOutcome<JoistResults>::Failed(range);
  if (const auto failed = FirstFailedCheck(input))
    return CalculatorOutcome<JoistResults>::Failed(*failed);

  JoistResults r;
  const double B = r.B = Typed(input.B);
  const double D = r.D = Typed(input.D);
  const double T = r.T = Typed(input.T);
  const double t = r.t = Typed(input.t);
  const double r1 = r.r1 = Typed(input.r1);
  const double r2 = r.r2 = Typed(input.r2);
  // A parallel flange is taken as a minute taper so that every taper term stays defined.
  r.theta = Typed(input.thetaDeg) * pi / 180;
  if (r.theta == 0) r.theta = 1e-8;

  const JoistGeometry g = Geometry(B, D, T, t, r1, r.theta);
  r.WebDepth = D - 2 * g.yf;
  // A taper that thins the toe away, or fillets that meet across the web, leave no valid section.
  if (!(g.Tt > 0)) return CalculatorOutcome<JoistResults>::Failed("Flange taper is too steep");
  if (r.WebDepth < 0) return CalculatorOutcome<JoistResults>::Failed("Root radius is too large");

  r.InscribedCircle = InscribedCircle(T, r1, g);
  const PieceSums sums = SumPieces(B, D, t, r1, r2, g);
  r.Area = sums.A;
  r.Ixx = sums.Ixx;
  r.Iyy = sums.Iyy;
  r.Sxx = sums.Sxx;
  r.Syy = sums.Syy;
  r.ExtremeX = B / 2;
  r.ExtremeY = D / 2;
  r.Zxx = r.Ixx / r.ExtremeY;
  r.Zyy = r.Iyy / r.ExtremeX;
  r.Rx = std::sqrt(r.Ixx / r.Area);
  r.Ry = std::sqrt(r.Iyy / r.Area);
  r.K = TorsionConstant(B, D, T, t, r1, g);
  if (!(r.K > 0)) return CalculatorOutcome<JoistResults>::Failed(kTorsionConstantOutOfRangeMessage);
  r.TorsionFibre = RootTorsionFibre(r.InscribedCircle, r.Area, r1, (pi / 2 + r.theta) / (pi / 2));
  r.H = std::pow(D - (g.Tt + g.Tc) / 2, 2) * r.Iyy / 4;
  r.u = BucklingParameter(r.Sxx, r.Area, r.Ixx, r.Iyy, r.H);
  r.x = TorsionalIndex(r.Area, r.H, r.Iyy, r.K);
  r.Weight = SteelWeight(r.Area);

  r.design = ISectionDesignStrengthAndClass(input.grade, {B, t, T, r1, r.WebDepth});
  return FiniteOutcome(r, JoistSectionRecord(r, {}), {r.Zxx, r.Zyy, r.InscribedCircle, r.Weight});
}

SectionRecord JoistSectionRecord(const JoistResults& r, std::string_view description) {
  SectionRecord rec = CalculatorRecordBase(description, "RSJ", r.design.grade);
  CopySectionProperties(r, rec);
  rec.Outstand = static_cast<float>(r.B / 2);
  rec.FlgAngle = static_cast<float>(r.theta * 180 / pi);
  return rec;
}

}  // namespace trabeo
