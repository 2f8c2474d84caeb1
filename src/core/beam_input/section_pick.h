#pragma once

#include <cstdint>

#include "beam_input/beam_project.h"
#include "beam_input/section_entry.h"
#include "sections/section_record.h"
#include "settings/unit_settings.h"

namespace trabeo {

// Picking a record of a section table for the beam, as the beam section form does: the kind and
// area are forgotten first; a separator (Width 0) stands for no section, its blank designation
// with zero properties, and keeps the property list it found; any other record rebuilds the
// property list. Then the section values and the fibre distance are taken from the record, and
// py and the class follow from the grade (the grade list's current choice). E and Ixx are not
// touched: the form shows the record's in its boxes, from which "Next >" takes them.
SectionDesignUpdate PickSectionForBeam(const SectionRecord& picked, int32_t grade,
                                       const UnitSettings& units, BeamProject& project);

}  // namespace trabeo
