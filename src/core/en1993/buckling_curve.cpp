#include "en1993/buckling_curve.h"

#include <algorithm>
#include <cmath>

namespace trabeo::en1993 {

double ImperfectionFactor(BucklingCurve curve) {
  switch (curve) {
    case BucklingCurve::a0:
      return 0.13;
    case BucklingCurve::a:
      return 0.21;
    case BucklingCurve::b:
      return 0.34;
    case BucklingCurve::c:
      return 0.49;
    case BucklingCurve::d:
      return 0.76;
  }
  return 0.76;
}

std::string_view CurveName(BucklingCurve curve) {
  switch (curve) {
    case BucklingCurve::a0:
      return "a0";
    case BucklingCurve::a:
      return "a";
    case BucklingCurve::b:
      return "b";
    case BucklingCurve::c:
      return "c";
    case BucklingCurve::d:
      return "d";
  }
  return "d";
}

double FlexuralReduction(double lambdaBar, BucklingCurve curve) {
  if (lambdaBar <= 0.2) return 1.0;
  const double phi =
      0.5 * (1 + ImperfectionFactor(curve) * (lambdaBar - 0.2) + lambdaBar * lambdaBar);
  return std::min(1.0, 1 / (phi + std::sqrt(phi * phi - lambdaBar * lambdaBar)));
}

}  // namespace trabeo::en1993
