#include "en1993/flexural_buckling.h"

#include <cmath>
#include <numbers>

#include "en1993/material.h"

namespace trabeo::en1993 {
namespace {

FlexuralCurves RolledICurves(const Ec3Section& s, bool s460) {
  using enum BucklingCurve;
  if (s.h / s.b > 1.2) {
    if (s.tf <= 40) return s460 ? FlexuralCurves{a0, a0} : FlexuralCurves{a, b};
    return s460 ? FlexuralCurves{a, a} : FlexuralCurves{b, c};
  }
  return s460 ? FlexuralCurves{a, a} : FlexuralCurves{b, c};
}

}  // namespace

FlexuralCurves FlexuralBucklingCurves(const Ec3Section& s, SteelGrade grade) {
  const bool s460 = grade == SteelGrade::S460;
  if (IsHollowKind(s.kind)) {
    const BucklingCurve curve = s460 ? BucklingCurve::a0 : BucklingCurve::a;
    return {curve, curve};
  }
  if (s.IsChannel()) return {BucklingCurve::c, BucklingCurve::c};
  return RolledICurves(s, s460);
}

FlexuralBuckling BuckleAbout(double area, double secondMoment, double fy, double Lcr,
                             BucklingCurve curve, double gammaM1) {
  FlexuralBuckling result;
  if (Lcr > 0) {
    const double Ncr = std::numbers::pi * std::numbers::pi * kE * secondMoment / (Lcr * Lcr);
    result.lambdaBar = std::sqrt(area * fy / Ncr);
  }
  result.chi = FlexuralReduction(result.lambdaBar, curve);
  result.NbRd = result.chi * area * fy / gammaM1;
  return result;
}

}  // namespace trabeo::en1993
