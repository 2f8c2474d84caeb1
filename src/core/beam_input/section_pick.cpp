#include "beam_input/section_pick.h"

#include "beam_input/property_lines.h"

namespace trabeo {

bool CodeOffered(const UnitSettings& units, DesignCode beamCode, DesignCode code) {
  if (code == beamCode || code == DesignCode::None) return true;
  if (code == DesignCode::BS5950) return units.EnableSteel5950 == kSettingOn;
  if (code == DesignCode::BS5268) return units.EnableTimber5268 == kSettingOn;
  return false;
}

SectionPick ApplyPickedSection(const SectionRecord& picked, std::optional<SteelGrade> grade,
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
  pick.code = CodeOffered(units, project.model.DesignCode, DesignCode::BS5950) ? DesignCode::BS5950
                                                                               : DesignCode::None;
  return pick;
}

}  // namespace trabeo
