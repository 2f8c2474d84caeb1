#include "steel/tangent.h"

#include <cmath>

namespace trabeo {

double Func_Tan(double angle) {
  return std::sin(angle) / std::cos(angle);
}

}  // namespace trabeo
