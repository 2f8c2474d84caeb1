#include "steel/beam_check/restrained_i_section.h"

#include "settings/sig_fig.h"
#include "steel/beam_check/plastic_moment_limit.h"
#include "steel/beam_check/slender_strength.h"

namespace trabeo {
namespace {

// The low-shear limit: 0.6 of the shear capacity 0.6 py D t.
double LowShearLimit(const SectionValues& s) {
  return 0.6 * (0.6 * s.SectionDepth * s.SectionWebThk) * s.DesignStrength;
}

}  // namespace

double RestrainedISectionCapacity(const SectionValues& s, SectionClass sectionClass, float gamma) {
  const double py = s.DesignStrength;
  switch (sectionClass) {
    case SectionClass::Plastic:
    case SectionClass::Compact:
      return LimitPlasticMoment(s.SectionSxx, s.SectionZxx, py, gamma).Mc;
    case SectionClass::SemiCompact:
      return s.SectionZxx * py;
    case SectionClass::Slender:
      return s.SectionZxx * SlenderISectionStrength(s, py).pyr;
  }
  return 0;
}

void CheckRestrainedISection(const SteelCheckInputs& in, const CheckedPart& part,
                             SectionClass sectionClass, SteelCheckState& check,
                             CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const CheckValues values(in.units);
  const double py = s.DesignStrength;
  const double shearLimit = LowShearLimit(s);
  double Mc = 0;
  out.LineThenGap("  Fully restrained ");
  switch (sectionClass) {
    case SectionClass::Plastic:
    case SectionClass::Compact: {
      const PlasticMomentCapacity capacity =
          LimitPlasticMoment(s.SectionSxx, s.SectionZxx, py, check.AvgLoadFactor);
      Mc = capacity.Mc;
      WriteGammaLines(capacity, check.AvgLoadFactor, out);
      WriteFormulaLine(capacity, out);
      out.Line("  Allowable bending moment = " + values.Moment(Mc, SigFig4));
      break;
    }
    case SectionClass::SemiCompact:
      Mc = s.SectionZxx * py;
      out.Line("  Mb = Zxx  x  Py  ");
      out.LineThenGap("  Allowable bending moment = " + values.Moment(Mc, SigFig4));
      break;
    case SectionClass::Slender: {
      const SlenderStrength strength = SlenderISectionStrength(s, py);
      out.Line("  Epsilon = " + SigFig3(strength.epsilon));
      WriteSlenderElements(strength, out);
      out.Gap();
      out.Line(std::string("  Reduced Py for slender section ") +
               "  Pyr = " + values.Stress(strength.pyr));
      Mc = s.SectionZxx * strength.pyr;
      out.Line("  Zxx = " + values.Modulus(s.SectionZxx));
      out.Line("  Allowable bending moment = " + values.Moment(Mc, SigFig4));
      break;
    }
  }
  out.Line("  For shear load of less than  " + values.Shear(shearLimit));
  WriteWebBucklingNote(s.SectionWebDepth, s.SectionWebThk, out);
  check.PartMb[part.index()] = static_cast<float>(Mc);
  check.PartMc[part.index()] = static_cast<float>(Mc);
  check.PartShearLimit[part.index()] = static_cast<float>(shearLimit);
}

void WriteWebBucklingNote(double webDepth, double webThickness, CheckTextWriter& out) {
  if (SectionRatio(webDepth, webThickness) > 63) out.Line("  Check local web buckling");
}

}  // namespace trabeo
