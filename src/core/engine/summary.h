#pragma once

#include "engine/beam_results.h"

namespace trabeo {

// End of the factored pass (and of opening a saved beam): takes the stored single-precision
// copies, turns the LH cantilever rows round to run from the free end in the beam's sign
// conventions, and works out the extremes, support shears, reactions, the governing span
// moment, the tip deflections and the diagram polylines.
void Summarise(const BeamModel& model, BeamResults& results);

// The shear, moment and deflection polylines of the result diagrams, from the summarised arrays.
void BuildPolylines(const BeamModel& model, BeamResults& results);

}  // namespace trabeo
