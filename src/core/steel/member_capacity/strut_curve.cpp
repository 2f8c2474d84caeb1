#include "steel/member_capacity/strut_curve.h"

#include <cmath>

namespace trabeo {

std::optional<double> RobertsonConstant(char curveLetter) {
  switch (curveLetter) {
    case 'a':
      return 0.002;
    case 'b':
      return 0.0035;
    case 'c':
      return 0.0055;
    case 'd':
      return 0.008;
    default:
      return std::nullopt;
  }
}

double StrutCompressiveStrength(double lambda, double py, double E, double robertson) {
  constexpr double kPi = 3.1415927;
  if (!(lambda > 0) || !(py > 0)) return py;
  const double lambda0 = 0.2 * std::sqrt(kPi * kPi * E / py);
  const double eta = robertson * (lambda - lambda0);
  const double pE = kPi * kPi * E / (lambda * lambda);
  const double phi = (py + (eta + 1) * pE) / 2;
  const double pc = pE * py / (phi + std::sqrt(phi * phi - pE * py));
  if (!std::isfinite(pc) || pc > py) return py;
  return pc;
}

}  // namespace trabeo
