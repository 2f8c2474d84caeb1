#include "en1993/cross_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trabeo::en1993 {

double WebShearHeight(const Ec3Section& s) {
  if (s.kind == SectionKind::Tube) return 0;
  return s.h - 2 * s.tf;
}

double ShearArea(const Ec3Section& s, double eta) {
  switch (s.kind) {
    case SectionKind::Tube:
      return 2 * s.A / std::numbers::pi;
    case SectionKind::Box:
      return s.A * s.h / (s.b + s.h);
    case SectionKind::RSC:
      return s.A - 2 * s.b * s.tf + (s.tw + s.r) * s.tf;
    default:
      return std::max(s.A - 2 * s.b * s.tf + (s.tw + 2 * s.r) * s.tf,
                      eta * WebShearHeight(s) * s.tw);
  }
}

double ShearResistance(const Ec3Section& s, double fy, const AnnexParameters& annex) {
  return ShearArea(s, annex.eta) * fy / (std::sqrt(3.0) * annex.gammaM0);
}

bool WebMayBuckleInShear(const Ec3Section& s, double epsilon, double eta) {
  if (s.kind == SectionKind::Tube) return false;
  return WebShearHeight(s) / s.tw > 72 * epsilon / eta;
}

double ShearInteractionRho(double VEd, double VplRd) {
  if (!(VEd > 0.5 * VplRd)) return 0;
  const double r = 2 * VEd / VplRd - 1;
  return r * r;
}

double ShearReducedMomentY(const Ec3Section& s, int sectionClass, double fy, double rho,
                           double McyRd, double gammaM0) {
  if (rho <= 0) return McyRd;
  // Shear beyond V_pl,Rd makes rho exceed 1; the resistance stops at 0, it never turns negative.
  if (IsHollowKind(s.kind)) return std::max(0.0, 1 - rho) * McyRd;
  const double hw = WebShearHeight(s);
  const double modulus = sectionClass <= 2 ? s.Wply - rho * hw * hw * s.tw / 4
                                           : s.Wely - rho * s.tw * hw * hw * hw / (6 * s.h);
  return std::clamp(modulus * fy / gammaM0, 0.0, McyRd);
}

AxialReducedMoments AxialReduced(const Ec3Section& s, double n, double Mply, double Mplz) {
  if (n >= 1) return {0, 0};
  if (s.kind == SectionKind::Tube) {
    const double factor = 1 - std::pow(n, 1.7);
    return {Mply * factor, Mplz * factor};
  }
  if (s.kind == SectionKind::Box) {
    const double aw = std::min(0.5, (s.A - 2 * s.b * s.tw) / s.A);
    const double af = std::min(0.5, (s.A - 2 * s.h * s.tw) / s.A);
    return {std::min(Mply, Mply * (1 - n) / (1 - 0.5 * aw)),
            std::min(Mplz, Mplz * (1 - n) / (1 - 0.5 * af))};
  }
  const double a = std::clamp((s.A - 2 * s.b * s.tf) / s.A, 0.0, 0.5);
  const double y = std::min(Mply, Mply * (1 - n) / (1 - 0.5 * a));
  if (n <= a) return {y, Mplz};
  const double q = (n - a) / (1 - a);
  return {y, Mplz * (1 - q * q)};
}

NMExponents InteractionExponents(const Ec3Section& s, double n) {
  if (s.kind == SectionKind::Tube) return {2, 2};
  if (s.kind == SectionKind::Box) {
    const double denominator = 1 - 1.13 * n * n;
    const double e = denominator > 0 ? std::min(6.0, 1.66 / denominator) : 6.0;
    return {e, e};
  }
  return {2, std::max(1.0, 5 * n)};
}

}  // namespace trabeo::en1993
