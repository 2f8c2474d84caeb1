#pragma once

#include "model/beam_project.h"
#include "model/section_record.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The section form's property list for a picked section: kind and designation, dimensions,
// E, area, second moments, radii, elastic moduli, torsion, plastic moduli, u, x, H and weight,
// in the current units. Slot 0 holds the number of slots in use.
TextStore<51, 50> BuildPropertyLines(const SectionRecord& record, const UnitSettings& units);

// Copies what the beam takes from a picked record into the section values and the model's fibre
// distance (not the property lines, design strength or class).
void TakeSectionRecord(const SectionRecord& record, BeamProject& project);

}  // namespace trabeo
