#pragma once

#include <string_view>

#include "calculators/calculator_common.h"

namespace trabeo {

// A calculator box's text as a dimension: nullopt for an empty box; otherwise the number its
// leading part gives ("12.5mm" reads 12.5), or 0 when it does not start with one. "." is the
// decimal separator whatever the locale; "inf" and "nan" are not numbers. A number beyond the
// range of a double reads as NaN, which every calculator refuses as out of range.
TypedDimension ReadTypedNumber(std::string_view text);

// A dimension as typed back: the shortest text that reads as the same number ("203.2").
std::string TypedText(double value);

}  // namespace trabeo
