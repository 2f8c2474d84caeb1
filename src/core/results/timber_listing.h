#pragma once

#include <cstdint>

#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"

namespace trabeo {

// What the BS 5268 beam check hands to the results listing, and the verdict the listing
// evaluates. The timber check adds here what its blocks read (the timber section's result lines,
// its check values) and the verdict texts it produces.
struct TimberListingInputs {
  int32_t TimberCheckFailed = 0;  // 0 complies, -1 does not; set when the verdict is evaluated
};

// The timber summary (SummaryPrintLines) after evaluating the verdict, and " CODE CHECK DATA"
// with the check sections (TimberPrintLines). The timber check fills it in; until then it writes
// nothing.
void WriteTimberSummaryBlock(const ListingContext& context, TimberListingInputs& timber,
                             ListingLines& list, ListingStores& stores);

// The timber section's result lines after the results at twentieths. The timber check fills it
// in; until then it writes nothing.
void WriteTimberSectionLines(const ListingContext& context, const TimberListingInputs& timber,
                             ListingLines& list);

}  // namespace trabeo
