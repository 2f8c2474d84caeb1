#include "steel/slenderness_factor.h"

#include <cmath>

namespace trabeo {

float BucklingSlendernessFactorV(float x, float lambda) {
  if (!(x > 0)) return 1.0f;
  const double ratio = static_cast<double>(lambda) / x;
  return static_cast<float>(std::sqrt(1.0 / std::sqrt(1.0 + 0.05 * ratio * ratio)));
}

}  // namespace trabeo
