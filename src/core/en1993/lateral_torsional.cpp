#include "en1993/lateral_torsional.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "en1993/material.h"
#include "model/restraint_forms.h"

namespace trabeo::en1993 {

double C1FromEndMoments(double M1, double M2) {
  if (std::abs(M2) > std::abs(M1)) std::swap(M1, M2);
  const double psi = M1 == 0 ? 1.0 : M2 / M1;
  return std::min(kMaxC1, 1.88 - 1.40 * psi + 0.52 * psi * psi);
}

double QuarterPointC1(double Mmax, double MA, double MB, double MC) {
  const double denominator = Mmax * Mmax + 9 * MA * MA + 16 * MB * MB + 9 * MC * MC;
  if (!(denominator > 0)) return 1.0;
  return std::min(kMaxC1, std::sqrt(35 * Mmax * Mmax / denominator));
}

bool CanBuckleLaterally(const Ec3Section& s) {
  if (s.IsOpen()) return true;
  return s.kind == SectionKind::Box && BoxBucklesLaterally(s.h, s.b);
}

BucklingCurve LateralTorsionalCurve(const Ec3Section& s, NationalAnnex annex) {
  if (s.IsChannel()) return BucklingCurve::d;
  const double ratio = s.h / s.b;
  if (ratio <= 2) return BucklingCurve::b;
  if (annex == NationalAnnex::Recommended || ratio <= 3.1) return BucklingCurve::c;
  return BucklingCurve::d;
}

double ElasticCriticalMoment(const Ec3Section& s, double C1, double L) {
  const double pi2 = std::numbers::pi * std::numbers::pi;
  const double euler = pi2 * kE * s.Iz / (L * L);
  return C1 * euler * std::sqrt(s.Iw / s.Iz + L * L * kG * s.It / (pi2 * kE * s.Iz));
}

LateralTorsional LateralTorsionalBuckling(double wyFy, double C1, double Mcr, BucklingCurve curve,
                                          const AnnexParameters& annex) {
  LateralTorsional r;
  r.C1 = C1;
  r.Mcr = Mcr;
  r.curve = curve;
  r.lambdaLT = std::sqrt(wyFy / Mcr);
  r.kc = std::min(1.0, 1 / std::sqrt(C1));
  const double lambda2 = r.lambdaLT * r.lambdaLT;
  if (r.lambdaLT > annex.lambdaLT0) {
    const double phi = 0.5 * (1 + ImperfectionFactor(curve) * (r.lambdaLT - annex.lambdaLT0) +
                              annex.betaLT * lambda2);
    r.chiLT =
        std::min({1.0, 1 / lambda2, 1 / (phi + std::sqrt(phi * phi - annex.betaLT * lambda2))});
  }
  const double d = r.lambdaLT - 0.8;
  r.f = std::min(1.0, 1 - 0.5 * (1 - r.kc) * (1 - 2 * d * d));
  r.chiLTmod = std::min({1.0, 1 / lambda2, r.chiLT / r.f});
  r.MbRd = r.chiLTmod * wyFy / annex.gammaM1;
  return r;
}

}  // namespace trabeo::en1993
