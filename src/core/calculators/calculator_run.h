#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calculators/shown_values.h"
#include "model/section_record.h"

#include "model/steel_grade.h"

namespace trabeo {

// The six section property calculator windows.
enum class CalculatorShape { Tube, Box, IBeam, Joist, Channel, Angle };

// What a calculator window's boxes hold when "Calculate Section Properties" runs.
struct CalculatorEntry {
  CalculatorShape shape = CalculatorShape::Tube;
  std::string description;
  // The dimension boxes' texts in the order DimensionSymbols gives; a missing text is an empty
  // box.
  std::vector<std::string> dimensions;
  SteelGrade grade = SteelGrade::S275;
  ModulusLabels labels;  // the preference names of the moduli
};

// The dimensions a shape takes, in entry order: first those the printout shows as typed, in the
// order of its lines, then the flange taper (joist and channel, degrees).
//   tube D t; box D B t; I-beam D B t T r; joist and channel D B t T r1 r2 theta; angle d b t r1 r2
std::span<const std::string_view> DimensionSymbols(CalculatorShape shape);
bool HasGrade(CalculatorShape shape);

// What the window prints and copies after a calculation: its lines from the dimensions to the
// weight (the dimensions as typed) and the grade, py and class lines.
struct CalculatorSheet {
  CalculatorShape shape = CalculatorShape::Tube;
  std::vector<ShownValue> values;
  std::vector<std::string> designLines;  // none for the angle
};

// The unrounded results of the shape calculated.
using CalculatorResults =
    std::variant<TubeResults, BoxResults, IBeamResults, JoistResults, ChannelResults, AngleResults>;

// One run of "Calculate Section Properties", for the calculator windows and trabeo-cli calc.
struct CalculatorRun {
  // The first failing check's message (a check may also fail without one); empty on success.
  std::string message;
  std::optional<CalculatorSheet> sheet;      // present when the properties were computed
  std::optional<CalculatorResults> results;  // likewise
  // The record "Save to File" appends, under the entry's description (the window takes the
  // description anew when saving).
  SectionRecord record;
  std::string py;  // lbl_Py's text
  std::string classXX;
  std::string classYY;                      // the box only
  std::vector<std::string> designMessages;  // to show once each, in order

  bool ok() const { return sheet.has_value(); }
};

CalculatorRun RunCalculator(const CalculatorEntry& entry);

// A dimension line's value: the text as typed (blanks trimmed), so that "203.20" stays
// "203.20", when it is a plain number equal to the value the calculation used; otherwise the
// value used itself ("12mm" was read as 12, and the printout must not claim otherwise).
std::string DimensionText(std::string_view typed, double used);

}  // namespace trabeo
