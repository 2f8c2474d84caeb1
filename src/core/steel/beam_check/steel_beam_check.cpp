#include "steel/beam_check/steel_beam_check.h"

#include <string>

#include "settings/sig_fig.h"
#include "steel/beam_check/angle_check.h"
#include "steel/beam_check/average_load_factor.h"
#include "steel/beam_check/check_parts.h"
#include "steel/beam_check/check_text.h"
#include "steel/beam_check/compliance.h"
#include "steel/beam_check/hollow_section_check.h"
#include "steel/beam_check/lateral_torsional_buckling.h"
#include "steel/beam_check/moment_factors.h"
#include "steel/beam_check/restrained_i_section.h"

namespace trabeo {
namespace {

void StartAfresh(SteelCheckState& check) {
  check.InputError = 0;
  check.ComplianceState = kComplianceNotChecked;
  for (auto& block : check.CheckText)
    block.Clear();
  check.CheckWarnings.fill(std::string());
  check.PartMb.fill(0);
  check.PartMc.fill(0);
  check.PartShearLimit.fill(0);
  check.PartChecked.fill(0);
  check.SegmentMaxShear.fill(0);
  check.SegmentMaxMoment.fill(0);
}

std::string Heading(int p) {
  if (p == kLhCantileverPart) return " LH CANTILEVER";
  if (p == kRhCantileverPart) return " RH CANTILEVER";
  if (p == kMainSpanPart) return " BEAM SPAN";
  return " INTERMEDIATE SPAN " + std::to_string(p);
}

// An I-section, joist or channel: fully restrained without an effective length, else checked
// for lateral-torsional buckling.
bool CheckISection(const SteelCheckInputs& in, const CheckedPart& part, SectionClass sectionClass,
                   SteelCheckState& check, CheckTextWriter& out) {
  if (part.Le > 0) return CheckLateralTorsionalBuckling(in, part, sectionClass, check, out);
  if (!SetMomentFactors(in, part, check)) return false;
  check.PartM[part.index()] = 1;  // m belongs to buckling resistance, not to a capacity
  CheckRestrainedISection(in, part, sectionClass, check, out);
  return true;
}

// Checks one part by the section's kind; true when its capacity and shear limit were worked out.
bool CheckPart(const SteelCheckInputs& in, const CheckedPart& part, SteelCheckState& check,
               CheckTextWriter& out) {
  const SectionValues& s = in.section;
  if (check.InputError == 1 || s.SectionWidth == 0) return false;
  if (s.SectionKind == SectionKind::RSA) return CheckAngle(in, part, check, out);
  if (IsISectionKind(s.SectionKind) && s.SectionArea == 0) {
    in.dialogs.Message(kNoSectionDataMessage);
    return false;
  }
  // A section without a class or a design strength (no grade, a thickness beyond the table)
  // has no capacity to check against.
  const std::optional<SectionClass> sectionClass = s.SectionClass;
  if (!sectionClass || !(s.DesignStrength > 0)) return false;
  if (IsISectionKind(s.SectionKind)) return CheckISection(in, part, *sectionClass, check, out);
  if (s.SectionKind == SectionKind::Box) return CheckBox(in, part, *sectionClass, check, out);
  if (s.SectionKind == SectionKind::Tube) return CheckTube(in, part, *sectionClass, check, out);
  return false;
}

}  // namespace

void WriteCheckHeaderBlock(const SectionValues& s, const UnitSettings& units, double E,
                           SteelCheckState& check) {
  const CheckValues values(units);
  CheckTextWriter out(check, kCheckHeaderBlock);
  out.Line("  " + s.SectionDescription);
  out.Line("  Section is " + std::string(SectionClassText(s.SectionClass)));
  out.Line("  Py = " + values.Stress(s.DesignStrength));
  out.Line(s.SectionKind == SectionKind::RSA ? std::string()
                                             : "  Sxx = " + values.Modulus(s.SectionSxx));
  out.Line("  Zxx = " + values.Modulus(s.SectionZxx));
  out.Line("  Ryy = " + values.Length(s.SectionRy, SigFig3Dec3));
  out.Line("  E = " + values.E(E));
  out.Line("  ");
}

void RunSteelBeamCheck(const SteelCheckInputs& in, SteelCheckState& check) {
  StartAfresh(check);
  check.AvgLoadFactor = AverageLoadFactor(in.model.Loads);
  WriteCheckHeaderBlock(in.section, in.units, in.model.MainSpan.E, check);

  const std::vector<int> parts = PartsOfBeam(in.model, in.restraints, in.section);
  for (int p : parts) {
    CheckTextWriter out(check, p);
    out.Line(Heading(p));
    const CheckedPart part{p, static_cast<float>(PartEffectiveLength(in.restraints, p))};
    if (CheckPart(in, part, check, out)) check.PartChecked[part.index()] = 1;
    if (p >= 1 && p <= 9) {
      const PartPeaks peaks = SegmentPeaksOfSpan(in.results, in.restraints, p);
      check.SegmentMaxShear[part.index()] = static_cast<float>(peaks.shear);
      check.SegmentMaxMoment[part.index()] = static_cast<float>(peaks.moment);
    }
  }
  check.ComplianceState = ComplianceOf(in.model, in.results, parts, check);
  SetCheckTextCounts(check);
}

}  // namespace trabeo
