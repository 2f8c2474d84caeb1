#include "en1993/utilisation.h"

namespace trabeo::en1993 {

double Utilisation(double action, double resistance) {
  if (action == 0) return 0;
  if (!(resistance > 0)) return kNoResistance;
  return action / resistance;
}

}  // namespace trabeo::en1993
