#pragma once

#include "engine/analysis.h"

namespace trabeo {

// Brings back the results of a beam opened from its file: the stations from the stored
// single-precision copies, then the summary of the factored pass (200 intervals), which turns
// the LH cantilever rows round and works out the extremes, support values, tip deflections and
// diagram polylines again.
//
// The file does not keep the point loads that sit on a support, which reach the reactions
// alone; they are resolved again from the opened load table, so the reactions and the applied
// total are those of the opened beam and not of whatever beam was analysed before.
void RestoreSavedResults(const BeamModel& model, AnalysisState& state);

}  // namespace trabeo
