#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/section_record.h"
#include "model/steel_grade.h"
#include "steel/classification.h"

namespace trabeo {

// A dimension as typed into a calculator's box: nullopt while the box is empty, otherwise the
// number (text that is not a number reads as 0, see ReadTypedNumber).
using TypedDimension = std::optional<double>;

// What a calculation gives: its results, or the message of the first check that failed (a check
// may also fail without a message, leaving the results empty).
template <typename Results>
struct CalculatorOutcome {
  std::optional<Results> results;
  std::string message;

  bool ok() const { return results.has_value(); }
  static CalculatorOutcome Failed(std::string_view text) {
    return {std::nullopt, std::string(text)};
  }
};

// The grade, design strength and classes that the steel calculators show after the properties.
struct CalculatorDesign {
  SteelGrade grade = SteelGrade::S275;
  double py = 0;        // 0 when the thickness lies beyond the table
  std::string classXX;  // empty when the class could not be evaluated
  std::string classYY;
  std::vector<std::string> messages;  // to be shown once each, in order
};

inline constexpr std::string_view kDimensionsNotPositiveMessage =
    "Dimensions must be greater than 0";
// The torsion constants of rolled shapes are fits over the usual proportions of web, flange and
// fillet; far outside them (a web much thicker than the flange) they turn negative.
inline constexpr std::string_view kTorsionConstantOutOfRangeMessage =
    "Cannot evaluate the torsion constant for these proportions";

// Every calculator first refuses a box whose value single precision cannot hold (the section is
// saved in singles), naming the box, and last refuses results that are not all finite numbers,
// which absurd but representable dimensions can still give.
inline constexpr std::string_view kCalculationNotFiniteMessage =
    "The results of this section are not all finite numbers; check its dimensions";

struct NamedDimension {
  std::string_view name;  // as the window labels the box: "Outside dia"
  const TypedDimension* value;
};
// The message for the first typed box out of range; empty when all fit.
std::string OutOfRangeDimension(std::initializer_list<NamedDimension> boxes);

// True when every value of the saved record and the other results is finite as a single.
bool CalculationIsFinite(const SectionRecord& saved, std::initializer_list<double> others);

template <typename Results>
CalculatorOutcome<Results> FiniteOutcome(Results results, const SectionRecord& saved,
                                         std::initializer_list<double> others) {
  if (!CalculationIsFinite(saved, others))
    return CalculatorOutcome<Results>::Failed(kCalculationNotFiniteMessage);
  return {std::move(results), {}};
}

// The boxes' value, an empty box counting as 0.
inline double Typed(const TypedDimension& value) {
  return value.value_or(0.0);
}
bool AllTyped(std::initializer_list<const TypedDimension*> boxes);

// Mass per metre of a steel section, kg/m, from its area in mm2 (kSteelDensity).
double SteelWeight(double area);

// py from the grade and the governing thickness, then the class from the given routine; when py
// is 0 the classification is skipped and the class texts stay empty.
using BendingClassifier = BendingClassification (*)(const ClassificationSection&, float);
CalculatorDesign DesignStrengthAndClass(SteelGrade grade, float thickness,
                                        const ClassificationSection& section,
                                        BendingClassifier classify);

// py and the classes of a rolled I section, joist or channel: the flange decides py, and the
// section is classed in bending as an I section is.
struct ISectionPlates {
  double width, web, flange, rootRadius, webDepth;  // mm
};
CalculatorDesign ISectionDesignStrengthAndClass(SteelGrade grade, const ISectionPlates& plates);

// Equivalent distance to the extreme fibre for elastic torsional stress at a root fillet: the
// larger of the two fits C1 and C2 from the inscribed circle Dc, the area A and the root radius
// r. tanhArgument weights the fillet term: 1 for I-sections and angles; the joist and channel
// vary it with the flange taper.
double RootTorsionFibre(double Dc, double A, double r, double tanhArgument);

// BS 5950's buckling parameter u and torsional index x. Where the root would be of a number that
// is not positive (Iyy >= Ixx, so no lateral-torsional buckling; or a wide-flanged channel whose
// warping fit H or torsion fit K is no longer positive) u is the conservative 1.0 the code allows
// and x is 0, for which the buckling check takes v at its safe upper bound of 1.
double BucklingParameter(double Sxx, double A, double Ixx, double Iyy, double H);
double TorsionalIndex(double A, double H, double Iyy, double K);

// A record with the fields every calculator sets: designation (cut to its 25 characters), E,
// type and grade; the caller fills the rest.
SectionRecord CalculatorRecordBase(std::string_view description, std::string_view type,
                                   std::optional<SteelGrade> grade);

}  // namespace trabeo
