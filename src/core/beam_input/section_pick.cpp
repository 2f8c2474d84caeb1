#include "beam_input/section_pick.h"

#include "beam_input/property_lines.h"

namespace trabeo {

bool CodeOffered(const UnitSettings& units, DesignCode beamCode, DesignCode code) {
  if (code == beamCode || code == DesignCode::None) return true;
  if (code == DesignCode::BS5950) return units.EnableSteel5950 == kSettingOn;
  if (code == DesignCode::BS5268) return units.EnableTimber5268 == kSettingOn;
  if (code == DesignCode::EN1993) return units.EnableSteelEN1993 == kSettingOn;
  return false;
}

DesignCode SteelCodeForPick(const UnitSettings& units, DesignCode beamCode) {
  if (beamCode == DesignCode::EN1993 && CodeOffered(units, beamCode, beamCode)) return beamCode;
  if (CodeOffered(units, beamCode, DesignCode::BS5950)) return DesignCode::BS5950;
  if (CodeOffered(units, beamCode, DesignCode::EN1993)) return DesignCode::EN1993;
  return DesignCode::None;
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
  project.section.Record = taken;
  pick.design = ApplySteelGrade(project.section, grade);
  pick.code = SteelCodeForPick(units, project.model.DesignCode);
  return pick;
}

}  // namespace trabeo
