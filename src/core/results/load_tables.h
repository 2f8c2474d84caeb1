#pragma once

#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"

namespace trabeo {

// The distributed-load table (rows 1 to 26, the self weight labelled " S/Wt") and the point-load
// table (rows 1 to 25), written even when they have no rows, numbers aligned on their decimal
// points.
void WriteUdlTable(const ListingContext& context, ListingLines& list, ListingStores& stores);
void WritePointLoadTable(const ListingContext& context, ListingLines& list, ListingStores& stores);

}  // namespace trabeo
