#pragma once

#include <string_view>

namespace trabeo::en1993 {

// The buckling curves of Table 6.1.
enum class BucklingCurve { a0, a, b, c, d };

// alpha of Table 6.1 (and Table 6.3 for lateral-torsional buckling).
double ImperfectionFactor(BucklingCurve curve);
// "a0", "a", "b", "c" or "d".
std::string_view CurveName(BucklingCurve curve);

// chi of 6.3.1.2 (6.49) for a non-dimensional slenderness; 1 up to 0.2.
double FlexuralReduction(double lambdaBar, BucklingCurve curve);

}  // namespace trabeo::en1993
