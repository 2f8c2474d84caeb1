#pragma once

#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"

namespace trabeo {

// The summary of a beam without a design code: description, length, Ixx and E, reactions, the
// largest shear, moments and deflections, the deflection/span ratios and the bending stress.
void WritePlainSummary(const ListingContext& context, ListingLines& list, ListingStores& stores);

// " Maximum Stress = " when the last applied load row carries a factor of 1 (or 0), otherwise
// " Maximum Factored Elastic Stress = ", also when no row is applied.
const char* StressLabel(const LoadTable& loads);

}  // namespace trabeo
