#pragma once

#include "engine/beam_results.h"

namespace trabeo {

// Absurd but representable input (a span of 1e38 mm, an Ixx of 1e-37 mm4) can make an analysis
// overflow. Its results are then not numbers a user could sign off: the caller shows this
// message and no results.
inline constexpr const char* kResultsNotFiniteMessage =
    "The results of this beam are not all finite numbers; check its lengths, section and loads";

// True when every result that is shown, listed, drawn or saved is a finite number that single
// precision can hold (the beam data file keeps them as singles).
bool ResultsAreFinite(const BeamResults& results);

}  // namespace trabeo
