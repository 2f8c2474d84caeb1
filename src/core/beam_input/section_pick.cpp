#include "beam_input/section_pick.h"

#include "beam_input/property_lines.h"

namespace trabeo {

bool CodeOffered(const UnitSettings& units, int32_t beamCode, int32_t code) {
  if (code == beamCode || code == kCodeNone) return true;
  if (code == kCodeBS5950) return units.EnableSteel5950 == kSettingOn;
  if (code == kCodeBS5268) return units.EnableTimber5268 == kSettingOn;
  return false;
}

SectionPick ApplyPickedSection(const SectionRecord& picked, int32_t grade,
                               const UnitSettings& units, BeamProject& project) {
  SectionPick pick;
  pick.descriptionText = " " + picked.Designation;
  SectionRecord taken = picked;
  if (picked.IsSeparator()) {
    taken = SectionRecord{};
    taken.Designation = picked.Designation;
  } else {
    project.section.PropertyLines = BuildPropertyLines(taken, units);
  }
  pick.Ixx = taken.Ixx;
  pick.E = taken.E;
  TakeSectionRecord(taken, project);
  pick.design = ApplySteelGrade(project.section, grade);
  pick.code = CodeOffered(units, project.model.DesignCode, kCodeBS5950) ? kCodeBS5950 : kCodeNone;
  return pick;
}

}  // namespace trabeo
