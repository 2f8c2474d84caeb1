#pragma once

#include "results/listing_writer.h"

namespace trabeo {

// Input far beyond any real beam (a span of 1e30 m, a load of 1e30 kN) gives finite results
// too large for their format, which are listed as "#####". They are not numbers a user could
// sign off: the caller shows this message and no results, as for results that are not finite.
inline constexpr const char* kResultsTooLargeMessage =
    "Some results of this beam are too large to show; check its lengths, section and loads";

// True when a listed result did not fit its format. A ratio line is left out: its "#####" stands
// for no measurable deflection (span/0) or no capacity, which the line's verdict says.
bool ListingHasUnshownResult(const ListingLines& lines);

}  // namespace trabeo
