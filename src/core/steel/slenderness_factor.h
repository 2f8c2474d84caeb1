#pragma once

namespace trabeo {

// BS 5950's slenderness factor v for lateral-torsional buckling of I-sections and channels:
// (1 + 0.05 (lambda / x)^2)^(-1/4), from the torsional index x and the minor-axis slenderness
// lambda. A section without a positive torsional index gets v = 1, the factor's upper bound,
// which keeps the buckling check on the safe side instead of dividing by zero.
float BucklingSlendernessFactorV(float x, float lambda);

}  // namespace trabeo
