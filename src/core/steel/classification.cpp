#include "steel/classification.h"

#include <algorithm>
#include <cmath>

namespace trabeo {
namespace {

// Every limit is a multiple of epsilon = sqrt(275 / py); a ratio equal to its limit passes.
double Epsilon(float py) {
  return std::sqrt(275.0 / py);
}

// Returns the first class whose test holds, "Slender" when none does.
template <typename Test>
SectionClass FirstClassWhere(Test holds) {
  for (SectionClass c : {SectionClass::Plastic, SectionClass::Compact, SectionClass::SemiCompact})
    if (holds(c)) return c;
  return SectionClass::Slender;
}

int Rank(SectionClass c) {
  return static_cast<int>(c);
}

struct ClassLimits {
  double plastic, compact, semiCompact;
  double For(SectionClass c) const {
    return c == SectionClass::Plastic   ? plastic
           : c == SectionClass::Compact ? compact
                                        : semiCompact;
  }
};

constexpr ClassLimits kRolledFlange{8.5, 9.5, 15};
constexpr ClassLimits kWebInBending{79, 98, 120};
constexpr ClassLimits kBoxFlange{26, 32, 39};
constexpr double kWebInCompression = 39;

BendingClassification BothAxes(SectionClass c) {
  return {c, c, {}};
}

}  // namespace

BendingClassification ClassifyISectionBending(const ClassificationSection& s, float py) {
  if (s.Width == 0 || s.WebThk == 0 || s.FlgThk == 0 || s.RootRad == 0)
    return {{}, {}, std::string(kCannotEvaluateSectionTypeMessage)};
  if (!(py > 0)) return {};
  const double e = Epsilon(py);
  const double flange = (s.Width / 2.0) / s.FlgThk;
  const double web = static_cast<double>(s.WebDepth) / s.WebThk;
  return BothAxes(FirstClassWhere([&](SectionClass c) {
    return flange <= kRolledFlange.For(c) * e && web <= kWebInBending.For(c) * e;
  }));
}

AxialClassification ClassifyISectionCompression(const ClassificationSection& s, float py) {
  if (s.Width == 0 || s.WebThk == 0 || s.FlgThk == 0)
    return {{}, std::string(kCannotEvaluateSectionTypeMessage)};
  if (!(py > 0)) return {};
  const double e = Epsilon(py);
  const double flange = (s.Width / 2.0) / s.FlgThk;
  const double web = static_cast<double>(s.WebDepth) / s.WebThk;
  if (web > kWebInCompression * e) return {SectionClass::Slender, {}};
  return {FirstClassWhere([&](SectionClass c) { return flange <= kRolledFlange.For(c) * e; }), {}};
}

BendingClassification ClassifyBoxBending(const ClassificationSection& s, float py) {
  if (s.Depth == 0 || s.Width == 0 || s.FlgThk == 0 || !(py > 0)) return {};
  const double e = Epsilon(py);
  const double flange = static_cast<double>(s.Outstand) / s.FlgThk;
  const double web = static_cast<double>(s.WebDepth) / s.WebThk;
  // About y-y the webs are the compression flanges: the same limits with the ratios exchanged.
  const auto classFor = [e](double compressedFlange, double webInBending) {
    return FirstClassWhere([&](SectionClass c) {
      return compressedFlange <= kBoxFlange.For(c) * e && webInBending <= kWebInBending.For(c) * e;
    });
  };
  return {classFor(flange, web), classFor(web, flange), {}};
}

AxialClassification ClassifyBoxCompression(const ClassificationSection& s, float py) {
  if (s.Depth == 0 || s.Width == 0 || s.FlgThk == 0 || !(py > 0)) return {};
  const double e = Epsilon(py);
  const double flange = static_cast<double>(s.Outstand) / s.FlgThk;
  const double web = static_cast<double>(s.WebDepth) / s.WebThk;
  // Each wall is judged against the flange limits and is slender when the other wall is; the
  // section takes the worse of the two.
  const auto wallClass = [e](double wall, double other) {
    if (other > kBoxFlange.semiCompact * e) return SectionClass::Slender;
    return FirstClassWhere([&](SectionClass c) { return wall <= kBoxFlange.For(c) * e; });
  };
  const SectionClass first = wallClass(flange, web);
  const SectionClass second = wallClass(web, flange);
  return {Rank(first) >= Rank(second) ? first : second, {}};
}

BendingClassification ClassifyTube(const ClassificationSection& s, float py) {
  if (s.Width == 0 || s.FlgThk == 0 || !(py > 0)) return {};
  const double epsilonSquared = 275.0 / py;
  const double ratio = static_cast<double>(s.Width) / s.FlgThk;
  constexpr ClassLimits kTube{40, 57, 80};
  return BothAxes(
      FirstClassWhere([&](SectionClass c) { return ratio <= kTube.For(c) * epsilonSquared; }));
}

BendingClassification ClassifyAngleBending(const ClassificationSection& s, float py) {
  if (s.Width == 0 || s.WebThk == 0 || s.RootRad == 0)
    return {{}, {}, std::string(kCannotEvaluateSectionTypeMessage)};
  if (!(py > 0)) return {};
  const double e = Epsilon(py);
  const double b = static_cast<double>(s.Width) / s.WebThk;
  const double d = static_cast<double>(s.WebDepth) / s.WebThk;
  constexpr double kCombinedLegs = 23;
  return BothAxes(FirstClassWhere([&](SectionClass c) {
    const double limit = kRolledFlange.For(c) * e;
    if (b > limit || d > limit) return false;
    return c != SectionClass::SemiCompact || b + d <= kCombinedLegs * e;
  }));
}

}  // namespace trabeo
