#include <algorithm>
#include <cmath>

#include "settings/sig_fig.h"
#include "steel/beam_check/hollow_section_check.h"
#include "steel/beam_check/moment_factors.h"
#include "steel/beam_check/plastic_moment_limit.h"
#include "steel/beam_check/restrained_i_section.h"
#include "steel/beam_check/slender_strength.h"

namespace trabeo {
namespace {

// The slender box's reduced py from its flange b / T. The factor is kept within 0 ... 1 (taken
// as 1 where the formula turns negative, as for I-sections): a box that is slender only in its
// web would otherwise have its py raised above the unreduced value.
double SlenderBoxStrength(const SectionValues& s, double py, double epsilon) {
  double factor = 31 / (SectionRatio(s.SectionOutstand, s.SectionFlgThk) / epsilon - 8);
  if (factor < 0) factor = 1;
  return py * std::min(factor, 1.0);
}

double BoxCapacity(const SteelCheckInputs& in, SectionClass sectionClass, float gamma,
                   CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const CheckValues values(in.units);
  const std::string& elastic = in.units.ElasticXLabel;
  const double py = s.DesignStrength;
  switch (sectionClass) {
    case SectionClass::Plastic:
    case SectionClass::Compact: {
      const PlasticMomentCapacity capacity =
          LimitPlasticMoment(s.SectionSxx, s.SectionZxx, py, gamma);
      WriteGammaLines(capacity, gamma, out);
      out.LineThenGap("  Mb x-x = " + values.Moment(capacity.Mc));
      return capacity.Mc;
    }
    case SectionClass::SemiCompact: {
      const double Mc = s.SectionZxx * py;
      out.Line("  Mb = " + elastic + "  x  Py ");
      out.Line("  Mb x-x := " + values.Moment(Mc));
      return Mc;
    }
    case SectionClass::Slender: {
      const double epsilon = std::sqrt(275 / py);
      const double pyr = SlenderBoxStrength(s, py, epsilon);
      const double Mc = s.SectionZxx * pyr;
      out.Line("  Reduced Py for slender section ");
      out.LineThenGap("  Pyr = " + values.Stress(pyr));
      out.Line("  Mb = " + elastic + "  x  Py ");
      out.Line("  Mb x-x = " + values.Moment(Mc));
      return Mc;
    }
  }
  return 0;
}

// The effective length below which a box needs no lateral-torsional buckling check, by D / B:
// none is needed at all up to D / B = 1 (nullopt).
std::optional<double> NoBucklingLength(const SteelCheckInputs& in, CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const double ratio = SectionRatio(s.SectionDepth, s.SectionWidth);
  if (!(ratio > 1)) {
    out.Line("");
    out.Line("");
    return std::nullopt;
  }
  double limit = 350;
  if (ratio > 2) limit = 225;
  if (ratio > 3) limit = 170;
  const double Lmax = s.SectionRy * limit * 275 / s.DesignStrength;
  out.Line("  and an effective length of ");
  if (ratio > 4) {
    in.dialogs.Message(kBoxTooDeepMessage);
    out.Line("  for an effective length of ?");
  } else {
    out.Line("  less than " + CheckValues(in.units).Length(Lmax));
  }
  return Lmax;
}

void WriteBoxWarning(const SteelCheckInputs& in, double Le, double Lmax, SteelCheckState& check) {
  const CheckValues values(in.units);
  check.CheckWarnings[1] = "  Effective length of box section (" + values.Length(Le) + ")";
  check.CheckWarnings[2] = "  greater than that that allowed for analysis without considering";
  check.CheckWarnings[3] = "  lateral torsional buckling (" + values.Length(Lmax) + ").";
  check.CheckWarnings[4] = CutToCapacity(
      "  Lateral torsional buckling of closed sections not within the scope of the program",
      kResultLineCapacity);
}

}  // namespace

bool CheckBox(const SteelCheckInputs& in, const CheckedPart& part, SectionClass sectionClass,
              SteelCheckState& check, CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const BeamModel& model = in.model;
  const CheckValues values(in.units);
  auto& lengths = in.restraints.EffectiveLengths;
  lengths[kLhCantileverPart] = model.LhCantilever.IsPresent() ? model.LhCantilever.Length : 0;
  lengths[kMainSpanPart] = model.MainSpan.Length;
  lengths[kRhCantileverPart] = model.RhCantilever.IsPresent() ? model.RhCantilever.Length : 0;
  const CheckedPart actual{part.p, static_cast<float>(lengths[part.index()])};
  if (!SetMomentFactors(in, actual, check)) return false;
  check.PartM[part.index()] = 1;  // m belongs to buckling resistance, not to a capacity

  out.Line("  " + in.units.PlasticXLabel + " = " + values.Modulus(s.SectionSxx, SigFig4));
  out.Line("  " + in.units.ElasticXLabel + " = " + values.Modulus(s.SectionZxx, SigFig4));
  const double shearArea = s.SectionDepth / (s.SectionDepth + s.SectionWidth) * s.SectionArea;
  const double shearLimit = 0.36 * shearArea * s.DesignStrength;
  const double Mc = BoxCapacity(in, sectionClass, check.AvgLoadFactor, out);
  if (sectionClass == SectionClass::Slender) {
    out.Line("  for a shear load of ");
    out.Line("  less than " + values.Shear(shearLimit));
  } else {
    out.Line("  for a shear load of less than " + values.Shear(shearLimit));
  }
  const std::optional<double> Lmax = NoBucklingLength(in, out);
  if (Lmax && actual.Le > *Lmax) WriteBoxWarning(in, actual.Le, *Lmax, check);
  WriteWebBucklingNote(s.SectionDepth, s.SectionWebThk, out);

  check.PartMb[part.index()] = static_cast<float>(Mc);
  check.PartMc[part.index()] = static_cast<float>(Mc);
  check.PartShearLimit[part.index()] = static_cast<float>(shearLimit);
  return true;
}

}  // namespace trabeo
