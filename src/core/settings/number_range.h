#pragma once

#include <string>
#include <string_view>

namespace trabeo {

// The program keeps the beam, its loads and the section properties in single precision. A value
// that single precision cannot hold (a magnitude above about 3.4e38, or non-zero and below about
// 1.2e-38, where it would turn into infinity, 0 or an imprecise subnormal) is refused wherever
// it is typed or read, with a message naming the field. NaN and infinities do not fit either.
bool FitsSinglePrecision(double value);

// "<field> is out of range".
std::string OutOfRangeMessage(std::string_view field);

// Whether a typed entry box holds a number and nothing else: blank (read as 0), or a decimal
// number with an optional sign and exponent between optional spaces. Text that holds letters is
// refused rather than read as 0 or as its leading digits.
bool IsNumberText(std::string_view typed);

// "<where>: "<typed>" is not a number.", where names the row and column of the box.
std::string NotANumberMessage(std::string_view where, std::string_view typed);

// A typed entry box: empty when its value, in internal units (typed x entry factor), fits single
// precision (text that is not a number reads as 0 and fits); otherwise the message for the field.
std::string TypedEntryRangeProblem(std::string_view typed, double entryFactor,
                                   std::string_view field);

}  // namespace trabeo
