#include "beam_input/section_pick.h"

#include "beam_input/property_lines.h"

namespace trabeo {

SectionDesignUpdate PickSectionForBeam(const SectionRecord& picked, int32_t grade,
                                       const UnitSettings& units, BeamProject& project) {
  SectionValues& section = project.section;
  section.SectionArea = 0;
  section.SectionKind.clear();
  SectionRecord taken = picked;
  if (picked.IsSeparator()) {
    taken = SectionRecord{};
    taken.Designation = picked.Designation;
  } else {
    section.PropertyLines = BuildPropertyLines(taken, units);
  }
  TakeSectionRecord(taken, project);
  return ApplySteelGrade(section, grade);
}

}  // namespace trabeo
