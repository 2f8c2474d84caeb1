#include "calculators/tube_calculator.h"

#include <cmath>
#include <numbers>

#include "sections/section_properties.h"

namespace trabeo {
namespace {

using std::numbers::pi;

std::string_view FirstFailedCheck(const TubeInput& in) {
  if (!AllTyped({&in.D, &in.t})) return "Enter values in all the boxes for Section Dimensions";
  const double D = Typed(in.D), t = Typed(in.t);
  if (!(D / 2 >= t)) return "Wall thickness too great";
  if (!(D > 0 && t > 0)) return kDimensionsNotPositiveMessage;
  return {};
}

}  // namespace

CalculatorOutcome<TubeResults> CalculateTube(const TubeInput& input) {
  if (const std::string range =
          OutOfRangeDimension({{"Outside dia", &input.D}, {"Wall thickness", &input.t}});
      !range.empty())
    return CalculatorOutcome<TubeResults>::Failed(range);
  if (const std::string_view failed = FirstFailedCheck(input); !failed.empty())
    return CalculatorOutcome<TubeResults>::Failed(failed);

  TubeResults r;
  const double D = r.D = Typed(input.D);
  const double t = r.t = Typed(input.t);
  const double d = D - 2 * t;
  r.Area = pi * (D * D - d * d) / 4;
  r.I = pi * (std::pow(D, 4) - std::pow(d, 4)) / 64;
  r.R = std::sqrt(r.I / r.Area);
  r.K = pi * (std::pow(D, 4) - std::pow(d, 4)) / 32;
  r.TorsionFibre = D / 2;
  r.Extreme = D / 2;
  // The program's long-standing constant, a little below the exact 1/6 of (D^3 - d^3).
  r.S = 0.16650441064025903 * (D * D * D - d * d * d);
  r.Z = 2 * r.I / D;
  r.Weight = SteelWeight(r.Area);

  ClassificationSection section;
  section.Depth = section.Width = static_cast<float>(D);
  section.WebThk = section.FlgThk = static_cast<float>(t);
  r.design = DesignStrengthAndClass(input.grade, section.FlgThk, section, ClassifyTube);
  return FiniteOutcome(r, TubeSectionRecord(r, {}), {r.Z, r.Weight});
}

SectionRecord TubeSectionRecord(const TubeResults& r, std::string_view description) {
  SectionRecord rec = CalculatorRecordBase(description, "Tube", r.design.grade);
  CopySectionProperties(r, rec);
  rec.Width = static_cast<float>(r.D);
  rec.FlgThk = static_cast<float>(r.t);
  rec.Ixx = rec.Iyy = static_cast<float>(r.I);
  rec.Rx = rec.Ry = static_cast<float>(r.R);
  rec.ExtremeX = rec.ExtremeY = static_cast<float>(r.Extreme);
  rec.Sxx = rec.Syy = static_cast<float>(r.S);
  return rec;
}

}  // namespace trabeo
