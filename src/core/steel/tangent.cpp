#include "steel/tangent.h"

#include <cmath>

namespace trabeo {

double TangentOfRadians(double angle) {
  return std::sin(angle) / std::cos(angle);
}

}  // namespace trabeo
