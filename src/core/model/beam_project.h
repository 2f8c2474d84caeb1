#pragma once

#include <cstdint>

#include "model/beam_model.h"
#include "model/national_annex.h"
#include "model/section_values.h"
#include "model/steel_beam_state.h"
#include "model/timber_beam_state.h"

namespace trabeo {

// The one beam being worked on: its model and the section it was given, as the entry forms
// leave them and the project file keeps them.
struct BeamProject {
  BeamModel model;
  SectionValues section;
  int32_t LoadRowCount = 0;    // load rows in use in the load form; 0 before any loads
  SteelRestraints restraints;  // from the span and cantilever restraint forms
  TimberBeamValues timber;     // from the timber section window and the timber check
  // The National Annex of an EN 1993 check; the beam data file does not keep it.
  NationalAnnex SteelAnnex = NationalAnnex::UK;
};

}  // namespace trabeo
