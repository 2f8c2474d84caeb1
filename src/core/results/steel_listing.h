#pragma once

#include <cstdint>

#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"

namespace trabeo {

// What the BS 5950 beam check hands to the results listing. The steel check adds here what its
// listing blocks read (part capacities, shear limits, factor m, segment peaks, effective lengths,
// intermediate restraints and its check text).
struct SteelListingInputs {
  int32_t ComplianceState = 0;  // -1 does not comply; 1, 2, 3 comply; 4 not checked
};

// The steel summary with its verdict lines (SteelVerdictLines, SteelSummaryPrintLines) and the
// code-check section of each part of the beam (SteelListLines 0 ... 11). The steel check fills
// it in; until then it writes nothing.
void WriteSteelSummaryBlock(const ListingContext& context, const SteelListingInputs& steel,
                            ListingLines& list, ListingStores& stores);

// The detailed check text after the results at twentieths. The steel check fills it in; it may
// replace the whole list by its warning lines. Until then it writes nothing.
void WriteSteelCheckText(const ListingContext& context, const SteelListingInputs& steel,
                         ListingLines& list);

}  // namespace trabeo
