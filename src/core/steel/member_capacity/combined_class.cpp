#include "steel/member_capacity/combined_class.h"

#include <algorithm>
#include <cmath>

#include "steel/classification.h"

namespace trabeo {
namespace {

struct FlangeLimits {
  double semiCompact, compact, plastic;
};

constexpr FlangeLimits kRolledFlange{15, 9.5, 8.5};
constexpr FlangeLimits kBoxFlange{39, 32, 26};
constexpr double kWholeWebInCompression = 39;

std::optional<CombinedClass> TubeClass(const MemberSection& sec, double py) {
  ClassificationSection section;
  section.Width = sec.Width;
  section.FlgThk = sec.FlgThk;
  const BendingClassification tube = ClassifyTube(section, static_cast<float>(py));
  if (!tube.classXX) return std::nullopt;
  return CombinedClass{*tube.classXX, 0};
}

}  // namespace

std::optional<CombinedClass> ClassifyForCombinedLoad(const MemberCapacityState& s, double F,
                                                     double py) {
  const MemberSection& sec = s.McSection;
  if (!(py > 0)) return std::nullopt;
  if (s.McType == SectionKind::Tube) return TubeClass(sec, py);
  const double D = sec.Depth, T = sec.FlgThk, B = sec.Width, t = sec.WebThk;
  const double d = sec.WebDepth, A = sec.Area, r1 = sec.RootRad;
  if (!(t > 0) || !(T > 0) || !(d > 0) || !(A > 0) || !(B > 0)) return std::nullopt;
  const double eps = std::sqrt(275 / py);
  // The depth of web that carries the axial load; past the web the flanges take the rest.
  double d1 = F / (py * t);
  if (D - 2 * T < d1) d1 = D - (py * A - F) / (py * B);
  const double h = d1 + ((D - d1) / 2 - T) - r1;
  const double alpha = 2 * h / d;
  const double r = (F / A) / py;
  const double semiLimit = std::min(120 / (1.5 * r + 1), 41 / r - 2);
  double plasticWeb = 79 / (0.6 * alpha + 0.4);
  double compactWeb = 98 / alpha;
  double semiWeb = semiLimit;
  if (alpha > 2) plasticWeb = compactWeb = semiWeb = kWholeWebInCompression;
  const FlangeLimits& flangeLimits = s.McType == SectionKind::Box ? kBoxFlange : kRolledFlange;
  const double flange = static_cast<double>(sec.Outstand) / T;
  const double web = d / t;
  SectionClass cls = SectionClass::Slender;
  if (flange <= flangeLimits.semiCompact * eps && web <= semiWeb * eps)
    cls = SectionClass::SemiCompact;
  if (flange <= flangeLimits.compact * eps && web <= compactWeb * eps) cls = SectionClass::Compact;
  if (flange <= flangeLimits.plastic * eps && web <= plasticWeb * eps) cls = SectionClass::Plastic;
  if (!(flange < flangeLimits.semiCompact * eps && web < semiWeb * eps))
    cls = SectionClass::Slender;
  return CombinedClass{cls, semiLimit};
}

}  // namespace trabeo
