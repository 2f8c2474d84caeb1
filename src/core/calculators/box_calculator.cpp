#include "calculators/box_calculator.h"

#include <cmath>
#include <numbers>

#include "sections/section_properties.h"

namespace trabeo {
namespace {

using std::numbers::pi;

constexpr double k1 = 4 - pi;                // corner square less its quarter circle, in r^2
constexpr double k2 = 1 - pi / 4;            // one corner fillet's area, in r^2
constexpr double k3 = 0.22336793894575205;   // fillet centroid from its two straight edges, in r
constexpr double k4 = 0.007545115641596598;  // a fillet's own second moment, in r^4

std::string_view FirstFailedCheck(const BoxInput& in) {
  if (!AllTyped({&in.B, &in.D, &in.t}))
    return "Enter values in all the boxes for Section Dimensions";
  const double B = Typed(in.B), D = Typed(in.D), t = Typed(in.t);
  if (!(t <= B / 4 && t <= D / 4)) return "Wall thickness too great";
  if (!(B <= D)) return "Make larger dimension depth";
  if (!(B > 0 && D > 0 && t > 0)) return kDimensionsNotPositiveMessage;
  return {};
}

// Second moment about the axis parallel to the side of length `width`: the outer rectangle less
// the inner, less the four outer corner fillets, plus the four inner ones.
double SecondMoment(double width, double depth, double t) {
  const double ri = t, ro = 1.25 * t;
  const double yo = depth / 2 - k3 * ro;
  const double yi = (depth - 2 * t) / 2 - k3 * ri;
  const double outerCorners = 4 * (yo * yo * k2 * ro * ro + k4 * std::pow(ro, 4));
  const double innerCorners = 4 * (yi * yi * k2 * ri * ri + k4 * std::pow(ri, 4));
  return width * std::pow(depth, 3) / 12 - (width - 2 * t) * std::pow(depth - 2 * t, 3) / 12 -
         (outerCorners - innerCorners);
}

double PlasticModulus(double width, double depth, double t) {
  const double ri = t, ro = 1.25 * t;
  return width * t * (depth - t) + t * (depth - 2 * t) * (depth - 2 * t) / 2 +
         k1 * ri * ri * (depth / 2 - t - 0.223 * ri) - k1 * ro * ro * (depth / 2 - 0.223 * ro);
}

}  // namespace

CalculatorOutcome<BoxResults> CalculateBox(const BoxInput& input) {
  if (const std::string range =
          OutOfRangeDimension({{"Depth", &input.D}, {"Width", &input.B}, {"Thickness", &input.t}});
      !range.empty())
    return CalculatorOutcome<BoxResults>::Failed(range);
  if (const std::string_view failed = FirstFailedCheck(input); !failed.empty())
    return CalculatorOutcome<BoxResults>::Failed(failed);

  BoxResults r;
  const double B = r.B = Typed(input.B);
  const double D = r.D = Typed(input.D);
  const double t = r.t = Typed(input.t);
  const double ri = t, ro = 1.25 * t, rm = 1.125 * t;

  r.Outstand = B - 3 * t;
  r.WebDepth = D - 3 * t;
  r.Area = 2 * t * (B + D - 2 * t) - k1 * (ro * ro - ri * ri);
  r.Ixx = SecondMoment(B, D, t);
  r.Iyy = SecondMoment(D, B, t);
  r.Rx = std::sqrt(r.Ixx / r.Area);
  r.Ry = std::sqrt(r.Iyy / r.Area);
  // Thin-walled closed section on the wall's mid-line.
  const double perimeter = 2 * ((B - t) + (D - t)) - 2 * k1 * rm;
  const double enclosed = (B - t) * (D - t) - k1 * rm * rm;
  const double k = 2 * enclosed * t / perimeter;
  r.K = perimeter * t * t * t / 3 + 2 * k * enclosed;
  r.TorsionFibre = t + k / t;
  r.Sxx = PlasticModulus(B, D, t);
  r.Syy = PlasticModulus(D, B, t);
  r.ExtremeX = B / 2;
  r.ExtremeY = D / 2;
  r.Zxx = r.Ixx / r.ExtremeY;
  r.Zyy = r.Iyy / r.ExtremeX;
  r.Weight = SteelWeight(r.Area);

  ClassificationSection section;
  section.Depth = static_cast<float>(D);
  section.Width = static_cast<float>(B);
  section.WebThk = section.FlgThk = static_cast<float>(t);
  section.Outstand = static_cast<float>(r.Outstand);
  section.WebDepth = static_cast<float>(r.WebDepth);
  r.design = DesignStrengthAndClass(input.grade, section.FlgThk, section, ClassifyBoxBending);
  return FiniteOutcome(r, BoxSectionRecord(r, {}), {r.Zxx, r.Zyy, r.Weight});
}

SectionRecord BoxSectionRecord(const BoxResults& r, std::string_view description) {
  SectionRecord rec = CalculatorRecordBase(description, "Box", r.design.grade);
  CopySectionProperties(r, rec);
  rec.FlgThk = static_cast<float>(r.t);
  return rec;
}

}  // namespace trabeo
