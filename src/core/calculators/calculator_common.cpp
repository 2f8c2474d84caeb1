#include "calculators/calculator_common.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "fileio/fixed_text.h"
#include "model/steel_density.h"
#include "settings/number_range.h"
#include "steel/design_strength.h"

namespace trabeo {

bool AllTyped(std::initializer_list<const TypedDimension*> boxes) {
  for (const TypedDimension* box : boxes)
    if (!box->has_value()) return false;
  return true;
}

std::string OutOfRangeDimension(std::initializer_list<NamedDimension> boxes) {
  for (const NamedDimension& box : boxes) {
    if (box.value->has_value() && !FitsSinglePrecision(**box.value))
      return OutOfRangeMessage(box.name);
  }
  return {};
}

bool CalculationIsFinite(const SectionRecord& r, std::initializer_list<double> others) {
  const double saved[] = {
      r.Depth,        r.Width,    r.WebThk, r.FlgThk, r.RootRad, r.ToeRad, r.Outstand, r.WebDepth,
      r.FlgAngle,     r.Area,     r.Ixx,    r.Iyy,    r.Rx,      r.Ry,     r.Cx,       r.Cy,
      r.ExtremeX,     r.ExtremeY, r.Iuu,    r.Ivv,    r.Ru,      r.Rv,     r.Alpha,    r.K,
      r.TorsionFibre, r.Cs,       r.Sxx,    r.Syy,    r.u,       r.x,      r.H,        r.Extra};
  const auto finite = [](double value) {
    return std::fabs(value) <= std::numeric_limits<float>::max();  // false for NaN too
  };
  return std::ranges::all_of(saved, finite) && std::ranges::all_of(others, finite);
}

double SteelWeight(double area) {
  return area * kSteelDensity / 1000;
}

CalculatorDesign DesignStrengthAndClass(SteelGrade grade, float thickness,
                                        const ClassificationSection& section,
                                        BendingClassifier classify) {
  CalculatorDesign design;
  design.grade = grade;
  const DesignStrength strength = DesignStrengthForThickness(grade, thickness);
  design.py = strength.py;
  if (!strength.message.empty()) design.messages.push_back(strength.message);
  if (strength.py <= 0) return design;
  const BendingClassification classes = classify(section, strength.py);
  if (!classes.message.empty()) design.messages.push_back(classes.message);
  if (classes.classXX) design.classXX = std::string(SectionClassText(*classes.classXX));
  if (classes.classYY) design.classYY = std::string(SectionClassText(*classes.classYY));
  return design;
}

CalculatorDesign ISectionDesignStrengthAndClass(SteelGrade grade, const ISectionPlates& plates) {
  ClassificationSection section;
  section.Width = static_cast<float>(plates.width);
  section.WebThk = static_cast<float>(plates.web);
  section.FlgThk = static_cast<float>(plates.flange);
  section.RootRad = static_cast<float>(plates.rootRadius);
  section.WebDepth = static_cast<float>(plates.webDepth);
  return DesignStrengthAndClass(grade, section.FlgThk, section, ClassifyISectionBending);
}

double RootTorsionFibre(double Dc, double A, double r, double tanhArgument) {
  constexpr double kPiSquaredOver16 = 0.61685;
  const double Q = kPiSquaredOver16 * std::pow(Dc, 4) / (A * A);
  const double C1 = Dc / (1 + Q) * (1 + 0.15 * Q);
  const double C2 =
      Dc / (1 + Q) *
      (1 + std::tanh(tanhArgument) * (0.118 * std::log(1 + Dc / (2 * r)) + 0.238 * Dc / (2 * r)));
  return std::max(C1, C2);
}

double BucklingParameter(double Sxx, double A, double Ixx, double Iyy, double H) {
  const double base = Sxx * Sxx * Iyy * (1 - Iyy / Ixx) / (A * A * H);
  if (!(base > 0) || !std::isfinite(base)) return 1.0;
  return std::pow(base, 0.25);
}

double TorsionalIndex(double A, double H, double Iyy, double K) {
  const double base = A * H / (Iyy * K);
  if (!(base > 0) || !std::isfinite(base)) return 0.0;
  return 1.132 * std::sqrt(base);
}

SectionRecord CalculatorRecordBase(std::string_view description, std::string_view type,
                                   std::optional<SteelGrade> grade) {
  SectionRecord record;
  record.Designation = CutToCapacity(description, kDesignationCapacity);
  record.E = 205000;
  record.Type = std::string(type);
  record.Grade = grade ? static_cast<float>(SteelGradeNumber(*grade)) : 0;
  return record;
}

}  // namespace trabeo
