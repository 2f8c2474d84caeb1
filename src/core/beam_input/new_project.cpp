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

// The restraint forms start again, and the timber section loses its computed stiffness and
// result lines (slots 41 onwards are not kept with a beam and stay as they are). The effective
// lengths, spacing and clear span are kept, as the restraint forms work them out again.
void ResetRestraintsAndTimber(BeamProject& project) {
  SteelRestraints& r = project.restraints;
  r.IntermediateRestraints = 0;
  r.SpanRestraintFlags.fill(0);
  r.LhCantRestraintFlags.fill(0);
  r.RhCantRestraintFlags.fill(0);
  r.SpanLeText.clear();
  r.LhCantLeText.clear();
  r.RhCantLeText.clear();
  project.timber.TimberShearStiffness = 0;
  project.timber.TimberSummaryLines.Clear(0, 40);
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
  ResetRestraintsAndTimber(project);

  units = ReadUnitsFileForNewBeam(startFolder, units).settings;
  model.DesignCode = units.DesignCode;
}

}  // namespace trabeo
