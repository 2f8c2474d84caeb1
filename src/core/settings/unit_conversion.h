#pragma once

#include <string>
#include <string_view>

#include "settings/unit_settings.h"

namespace trabeo {

// How every typed number in the program is read, whatever the user's locale: leading blanks are
// skipped, then the longest leading part of the form [+|-]digits[.digits][e[+|-]digits] is taken
// ("." is the only decimal separator, so "1,5" reads as 1). Text with no leading number, and a
// number beyond the range of a double, read as 0. Never fails.
double TextToNumber(std::string_view text);

// The same reading, telling apart a number beyond the range of a double (too large, or too small
// to be told from 0), whose value then reads as 0.
struct LeadingNumber {
  double value = 0;
  bool outOfRange = false;
};
LeadingNumber ReadLeadingNumber(std::string_view text);

using Formatter = std::string (*)(double);

// The value in the quantity's current unit, and back: entry factors give internal = shown x
// factor, result factors shown = internal x factor. This and the functions below are the one
// path between internal values and what the user types and sees.
double ToShownUnits(const UnitSettings& settings, UnitQuantity quantity, double internal);
double ToInternalUnits(const UnitSettings& settings, UnitQuantity quantity, double shown);
// Typed text in the quantity's current unit, as an internal value.
double TypedToInternal(const UnitSettings& settings, UnitQuantity quantity, std::string_view typed);

// The formatted value in the quantity's current unit, without and with its unit name
// ("4.50" and "4.50 kN-m").
std::string ShowValue(const UnitSettings& settings, UnitQuantity quantity, double internal,
                      Formatter format);
std::string ShowValueWithUnit(const UnitSettings& settings, UnitQuantity quantity, double internal,
                              Formatter format);

// "value unit", the way a number and its unit stand in labels, lists and reports.
std::string WithUnit(std::string_view valueText, std::string_view unitName);
// "(unit)", the unit line under a column heading.
std::string UnitHeading(std::string_view unitName);

// Edit boxes show a formatted zero ("0.0", "0.00", "0.000") as an empty box.
std::string EmptyIfZeroText(std::string text);

}  // namespace trabeo
