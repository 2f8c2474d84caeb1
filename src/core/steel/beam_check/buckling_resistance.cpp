#include "steel/beam_check/buckling_resistance.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "steel/slenderness_factor.h"

namespace trabeo {

BucklingSlenderness LateralTorsionalSlenderness(double Le, double ry, double u, double x, double n,
                                                double E, double py) {
  BucklingSlenderness s;
  if (py == 0) py = 1e-7;
  s.lambdaLO = 0.4 * std::sqrt(kBucklingPiSquared * E / py);
  if (!(ry > 0) && Le > 0) {
    // Without a radius of gyration the part is as slender as can be: no buckling resistance.
    constexpr double kUnbounded = std::numeric_limits<double>::infinity();
    s.lambda = s.lambdaLT = s.etaLT = kUnbounded;
    s.v = 0;
    return s;
  }
  s.lambda = ry > 0 ? Le / ry : 0.0;
  s.v = BucklingSlendernessFactorV(static_cast<float>(x), static_cast<float>(s.lambda));
  s.lambdaLT = n * u * s.v * s.lambda;
  s.etaLT = std::max(0.0, kRolledSectionAlphaLT * (s.lambdaLT - s.lambdaLO));
  return s;
}

double BucklingResistanceMoment(double Mp, double E, double py, double lambdaLT, double etaLT) {
  if (!(lambdaLT > 0) || !(Mp > 0)) return std::max(Mp, 0.0);
  if (!std::isfinite(lambdaLT)) return 0;
  const double ME = Mp * kBucklingPiSquared * E / (py * lambdaLT * lambdaLT);
  const double phiB = (Mp + (etaLT + 1) * ME) / 2;
  const double root = std::sqrt(std::max(0.0, phiB * phiB - Mp * ME));
  return Mp * ME / (phiB + root);
}

}  // namespace trabeo
