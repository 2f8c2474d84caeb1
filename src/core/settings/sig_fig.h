#pragma once

#include <string>

namespace trabeo {

// The program's number formatters. Each prints plain fixed-point text with "." as the decimal
// separator, whatever the process locale, rounding half away from zero.

std::string SigFig2(double value);      // 2 significant figures
std::string SigFig3(double value);      // 3 significant figures: the usual display
std::string SigFig4(double value);      // 4 significant figures
std::string SigFig5(double value);      // 5 significant figures
std::string SigFig3Dec3(double value);  // 3 decimals up to 1, then 3 significant figures
std::string SigFig4Dec3(double value);  // 3 decimals up to 1, then 4 significant figures

// listDecimals decimals (0 to 3) in a field at least 5 wide, for the aligned columns of the
// results listing; beyond 1e5 the SigFig5 text.
std::string FixedDecimals(double value, int listDecimals);

// decimals decimals with no padding, rounded to nearest as a C "%1.<decimals>f" format does: the
// fixed formats of the timber factors and of the check ratios. A value that is not finite (a ratio
// to a permissible value of 0) prints as the overflow text.
std::string FixedPointText(double value, int decimals);

// Shown for a value beyond a formatter's limit, and for infinities and NaN.
inline constexpr const char* kOverflowText = "#####";

}  // namespace trabeo
