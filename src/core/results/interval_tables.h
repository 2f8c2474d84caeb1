#pragma once

#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"

namespace trabeo {

// The results at twentieths of each segment: the heading, then a block for the LH cantilever
// (when present), the span and the RH cantilever (when present), each of 21 rows of distance,
// shear, moment (sagging positive) and deflection (upward positive).
void WriteIntervalTables(const ListingContext& context, ListingLines& list, ListingStores& stores);

}  // namespace trabeo
