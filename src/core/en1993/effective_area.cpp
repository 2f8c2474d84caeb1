#include "en1993/effective_area.h"

#include <algorithm>
#include <cmath>

namespace trabeo::en1993 {
namespace {

double PlateSlenderness(double cOverT, double epsilon, double kSigma) {
  return cOverT / (28.4 * epsilon * std::sqrt(kSigma));
}

// The area an element loses: (1 - rho) c t when it is class 4.
double Loss(const ElementClass& e, double rho) {
  return e.sectionClass == 4 ? (1 - rho) * e.c * e.t : 0;
}

}  // namespace

double InternalReduction(double cOverT, double epsilon) {
  const double lambdaP = PlateSlenderness(cOverT, epsilon, 4.0);
  if (lambdaP <= 0.673) return 1.0;
  return std::min(1.0, (lambdaP - 0.055 * (3 + 1)) / (lambdaP * lambdaP));
}

double OutstandReduction(double cOverT, double epsilon) {
  const double lambdaP = PlateSlenderness(cOverT, epsilon, 0.43);
  if (lambdaP <= 0.748) return 1.0;
  return std::min(1.0, (lambdaP - 0.188) / (lambdaP * lambdaP));
}

double EffectiveArea(const Ec3Section& s, const SectionElements& e, double epsilon) {
  const double web = Loss(e.web, InternalReduction(e.web.Ratio(), epsilon));
  if (s.kind == SectionKind::Box) {
    const double side = Loss(e.flange, InternalReduction(e.flange.Ratio(), epsilon));
    return std::max(0.0, s.A - 2 * side - 2 * web);
  }
  const double outstands = s.IsChannel() ? 2 : 4;
  const double flange = Loss(e.flange, OutstandReduction(e.flange.Ratio(), epsilon));
  return std::max(0.0, s.A - outstands * flange - web);
}

}  // namespace trabeo::en1993
