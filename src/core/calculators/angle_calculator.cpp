#include "calculators/angle_calculator.h"

#include <array>
#include <cmath>
#include <numbers>

#include "sections/section_properties.h"

namespace trabeo {
namespace {

using std::numbers::pi;

std::string_view FirstFailedCheck(const AngleInput& in) {
  if (!AllTyped({&in.d, &in.t, &in.b, &in.r1, &in.r2})) return "One of the boxes is empty";
  const double d = Typed(in.d), b = Typed(in.b), t = Typed(in.t), r1 = Typed(in.r1),
               r2 = Typed(in.r2);
  if (!(t <= b / 4)) return "Flange is too thick";
  if (!(r1 <= b / 4)) return "Root radius is too large";
  if (!(r2 <= t / 1.02)) return "Toe radius is too large";
  if (!(b <= d)) return "Vertical leg must be the larger";
  if (!(d <= 2.5 * b)) return "Horizontal leg must greater than 0.4 x Vertical leg";
  // Zero or negative plates give empty areas, and a zero root radius an infinite torsion fibre.
  if (!(d > 0 && b > 0 && t > 0 && r1 > 0 && r2 >= 0)) return kDimensionsNotPositiveMessage;
  return {};
}

// One piece of the moment sums: area (negative for a toe fillet taken away), its own second
// moments about axes parallel to x-x and y-y through its centroid, and that centroid measured
// from the back of the vertical leg (x) and of the horizontal leg (y).
struct Piece {
  double area, ownX, ownY, x, y;
};

// The vertical leg whole, the horizontal leg without the corner square, the root fillet, and
// the two toe fillets taken away. Fillets count with 0.2146 r^2 and their own 0.0076 r^4.
// Ixx, Iyy and the product moment all sum these pieces: splitting the corner square off the
// other leg instead covers the same region and gives the same exact rectangle moments.
std::array<Piece, 5> Pieces(double d, double b, double t, double r1, double r2) {
  const double a1 = 0.2146 * r1 * r1, a2 = 0.2146 * r2 * r2;
  const double own1 = 0.0076 * std::pow(r1, 4), own2 = 0.0076 * std::pow(r2, 4);
  return {{
      {d * t, t * d * d * d / 12, t * t * t * d / 12, t / 2, d / 2},
      {t * (b - t), t * t * t * (b - t) / 12, t * std::pow(b - t, 3) / 12, t + (b - t) / 2, t / 2},
      {a1, own1, own1, t + 0.223 * r1, t + 0.223 * r1},
      {-a2, -own2, -own2, t - 0.223 * r2, d - 0.223 * r2},
      {-a2, -own2, -own2, b - 0.223 * r2, t - 0.223 * r2},
  }};
}

struct PrincipalAxes {
  double Iuu, Ivv, alpha;  // alpha in radians
};

// The minor axis by sweeping a trial axis, turned from y-y towards the back of the vertical leg,
// through 250 steps from 1.25 atan(Cy / (d - Cx)) to 50 degrees; a smaller value replaces the
// current one only when strictly smaller. The major axis is perpendicular to it.
PrincipalAxes SweepPrincipalAxes(const AngleResults& r) {
  const auto secondMoment = [&r](double phi) {
    const double s = std::sin(phi), c = std::cos(phi);
    return r.Ixx * s * s + r.Iyy * c * c + 2 * r.Pxy * s * c;
  };
  const double from = 1.25 * std::atan(r.Cy / (r.d - r.Cx)), to = 50 * pi / 180;
  PrincipalAxes axes{0, 1e18, from};
  constexpr int kSteps = 250;
  for (int i = 1; i <= kSteps; ++i) {
    const double phi = from + (to - from) * i / kSteps;
    const double I = secondMoment(phi);
    if (I < axes.Ivv) {
      axes.Ivv = I;
      axes.alpha = phi;
    }
  }
  const double s = std::sin(axes.alpha), c = std::cos(axes.alpha);
  axes.Iuu = r.Ixx * c * c + r.Iyy * s * s - 2 * r.Pxy * s * c;
  return axes;
}

// St Venant's constant: the two legs as rectangles, one free end each, and the root's bulb.
double AngleTorsionConstant(double d, double b, double t, double r1, double inscribedCircle) {
  const double K1 =
      t * t * t * d * (0.3333 - 0.21 * (t / d) * (1 - std::pow(t, 4) / (12 * std::pow(d, 4))));
  const double leg = b - t;
  const double K2 =
      t * t * t * leg *
      (1.0 / 3.0 - 0.105 * (t / leg) * (1 - std::pow(t, 4) / (192 * std::pow(leg, 4))));
  const double alphaK = 0.07 + 0.076 * r1 / t;
  return K1 + K2 + alphaK * std::pow(inscribedCircle, 4);
}

}  // namespace

CalculatorOutcome<AngleResults> CalculateAngle(const AngleInput& input) {
  if (const std::string range = OutOfRangeDimension({{"Depth", &input.d},
                                                     {"Width", &input.b},
                                                     {"Thickness", &input.t},
                                                     {"Root Radius", &input.r1},
                                                     {"Toe Radius", &input.r2}});
      !range.empty())
    return CalculatorOutcome<AngleResults>::Failed(range);
  if (const std::string_view failed = FirstFailedCheck(input); !failed.empty())
    return CalculatorOutcome<AngleResults>::Failed(failed);

  AngleResults r;
  const double d = r.d = Typed(input.d);
  const double b = r.b = Typed(input.b);
  const double t = r.t = Typed(input.t);
  const double r1 = r.r1 = Typed(input.r1);
  const double r2 = r.r2 = Typed(input.r2);

  // Area and centroid take the fillets' exact area.
  const double f1 = (4 - pi) * r1 * r1 / 4, f2 = (4 - pi) * r2 * r2 / 4;
  r.Area = t * (b + d - t) + f1 - 2 * f2;
  const auto centroid = [&](double ownLeg, double otherLeg) {
    return (t * t * (otherLeg - t) / 2 - f2 * (t - 0.223 * r2) + ownLeg * ownLeg * t / 2 -
            f2 * (ownLeg - 0.223 * r2) + f1 * (t + 0.223 * r1)) /
           r.Area;
  };
  r.Cx = centroid(d, b);
  r.Cy = centroid(b, d);

  for (const Piece& p : Pieces(d, b, t, r1, r2)) {
    const double dx = p.x - r.Cy, dy = p.y - r.Cx;
    r.Ixx += p.ownX + p.area * dy * dy;
    r.Iyy += p.ownY + p.area * dx * dx;
    r.Pxy += p.area * dx * dy;
  }
  r.ExtremeX = b - r.Cy;
  r.ExtremeY = d - r.Cx;
  r.Zxx = r.Ixx / r.ExtremeY;
  r.Zyy = r.Iyy / r.ExtremeX;
  r.Rx = std::sqrt(r.Ixx / r.Area);
  r.Ry = std::sqrt(r.Iyy / r.Area);

  r.InscribedCircle = (2.8284 * t + 0.8284 * r1) / 2.4142;
  r.K = AngleTorsionConstant(d, b, t, r1, r.InscribedCircle);
  r.TorsionFibre = RootTorsionFibre(r.InscribedCircle, r.Area, r1, 1.0);

  const PrincipalAxes axes = SweepPrincipalAxes(r);
  r.Iuu = axes.Iuu;
  r.Ivv = axes.Ivv;
  r.Ru = std::sqrt(r.Iuu / r.Area);
  r.Rv = std::sqrt(r.Ivv / r.Area);
  r.Alpha = axes.alpha * 180 / pi;
  r.Weight = SteelWeight(r.Area);
  return FiniteOutcome(r, AngleSectionRecord(r, {}), {r.Zxx, r.Zyy, r.InscribedCircle, r.Weight});
}

SectionRecord AngleSectionRecord(const AngleResults& r, std::string_view description) {
  SectionRecord rec = CalculatorRecordBase(description, "RSA", std::nullopt);
  CopySectionProperties(r, rec);
  rec.Depth = static_cast<float>(r.d);
  rec.Width = static_cast<float>(r.b);
  rec.FlgThk = static_cast<float>(r.t);
  return rec;
}

}  // namespace trabeo
