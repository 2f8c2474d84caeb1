#include "settings/sig_fig.h"
#include "steel/beam_check/hollow_section_check.h"
#include "steel/beam_check/moment_factors.h"
#include "steel/beam_check/plastic_moment_limit.h"
#include "steel/beam_check/slender_strength.h"

namespace trabeo {
namespace {

constexpr const char* kTubeShearPrefix = " for a shear load of less than =";

// The slender tube's reduced py: 80 x 275 / (D/t) where that is below py. D/t is the ratio the
// class was judged by (diameter over wall).
double SlenderTubeStrength(const SectionValues& s, double py) {
  const double reduced = 80 * 275 / SectionRatio(s.SectionWidth, s.SectionFlgThk);
  return reduced < py ? reduced : py;
}

// Writes the class's lines, the shear line included; returns Mc.
double TubeCapacity(const SteelCheckInputs& in, SectionClass sectionClass, float gamma,
                    double shearLimit, CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const CheckValues values(in.units);
  const double py = s.DesignStrength;
  switch (sectionClass) {
    case SectionClass::Plastic:
    case SectionClass::Compact: {
      const PlasticMomentCapacity capacity =
          LimitPlasticMoment(s.SectionSxx, s.SectionZxx, py, gamma);
      WriteGammaLines(capacity, gamma, out);
      out.LineThenGap("  Buckling resistance moment = " + values.Moment(capacity.Mc));
      out.Line(kTubeShearPrefix + values.Shear(shearLimit));
      return capacity.Mc;
    }
    case SectionClass::SemiCompact: {
      const double Mc = s.SectionZxx * py;
      out.Line("  Mb = Z  x  Py  ");
      out.Line("  Buckling resistance moment");
      out.Line("  Mb x-x = " + values.Moment(Mc));
      out.Line(kTubeShearPrefix + values.Shear(shearLimit));
      return Mc;
    }
    case SectionClass::Slender: {
      const double pyr = SlenderTubeStrength(s, py);
      const double Mc = s.SectionZxx * pyr;
      out.Line("  Reduced Py for slender section");
      out.Line("  pyr = " + values.Stress(pyr));
      out.Line("  Mb = Z  x  Pyr ");
      out.Line("  Buckling resistance moment = " + values.Moment(Mc));
      out.Line("  for a shear load of less than " + values.Shear(shearLimit));
      return Mc;
    }
  }
  return 0;
}

}  // namespace

bool CheckTube(const SteelCheckInputs& in, const CheckedPart& part, SectionClass sectionClass,
               SteelCheckState& check, CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const CheckValues values(in.units);
  if (!SetMomentFactors(in, part, check)) return false;
  check.PartM[part.index()] = 1;  // m belongs to buckling resistance, not to a capacity

  out.Line("  Sxx = " + values.Modulus(s.SectionSxx, SigFig4));
  out.LineThenGap("  Zxx = " + values.Modulus(s.SectionZxx, SigFig4));
  const double shearLimit = 0.36 * (0.6 * s.SectionArea) * s.DesignStrength;
  const double Mc = TubeCapacity(in, sectionClass, check.AvgLoadFactor, shearLimit, out);
  check.PartMb[part.index()] = static_cast<float>(Mc);
  check.PartMc[part.index()] = static_cast<float>(Mc);
  check.PartShearLimit[part.index()] = static_cast<float>(shearLimit);
  return true;
}

}  // namespace trabeo
