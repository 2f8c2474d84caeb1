#include "beam_input/new_project.h"

#include "settings/units_file.h"

namespace trabeo {
namespace {

void ZeroSegment(SegmentRecord& segment) {
  segment.Present = 0;
  segment.Length = 0;
  segment.E = 0;
  segment.Ixx = 0;
}

// The whole section is forgotten, not only its sizes, grade, description and property list:
// a kind, area or class left from the previous beam would give a beam typed after New the old
// section's self weight and code check.
void ResetSection(SectionValues& section) {
  section = SectionValues{};
}

// The restraint forms start again from nothing; the effective lengths and the spacing rule are
// left for the forms to recompute.
void ResetRestraints(SteelRestraints& restraints) {
  restraints.IntermediateRestraints = 0;
  restraints.SpanRestraintFlags = {};
  restraints.LhCantRestraintFlags = {};
  restraints.RhCantRestraintFlags = {};
  restraints.SpanLeText.clear();
  restraints.LhCantLeText.clear();
  restraints.RhCantLeText.clear();
}

// The timber section's sizes go with the section; its shear stiffness and result lines go too.
void ResetTimber(TimberBeamValues& timber) {
  timber.TimberShearStiffness = 0;
  timber.TimberSummaryLines.Clear(0, 40);
}

}  // namespace

void ResetProjectForNew(BeamProject& project, HeaderTexts& header, UnitSettings& units,
                        const std::filesystem::path& startFolder) {
  BeamModel& model = project.model;
  header.CurrentFileName.clear();
  ClearProjectHeaderTexts(header);
  model.Loads = LoadTable{};
  ZeroSegment(model.LhCantilever);
  ZeroSegment(model.MainSpan);
  ZeroSegment(model.RhCantilever);
  model.SectionIxx = 0;
  model.FibreDistance = 0;
  model.TotalLength = 0;
  model.LhSupportKind = 0;
  model.RhSupportKind = 0;
  project.LoadRowCount = 0;
  ResetSection(project.section);
  ResetRestraints(project.restraints);
  ResetTimber(project.timber);

  units = ReadUnitsFileForNewBeam(startFolder, units).settings;
  model.DesignCode = units.DesignCode;
}

}  // namespace trabeo
