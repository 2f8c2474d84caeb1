#pragma once

#include <optional>

namespace trabeo {

// The Robertson constant a of a strut curve letter "a" to "d" (BS 5950 Table 27), as the
// Perry-Robertson formula takes it (2.0 / 1000 for curve a); nullopt for any other letter.
std::optional<double> RobertsonConstant(char curveLetter);

// Compressive strength pc in N/mm2 by the Perry-Robertson strut formula with pi = 3.1415927,
// for slenderness lambda, design strength py and modulus E, never above py. The imperfection
// factor a (lambda - lambda0) is not floored at 0; a slenderness at or below 0, or a formula
// that gives no finite value, gives py.
double StrutCompressiveStrength(double lambda, double py, double E, double robertson);

}  // namespace trabeo
