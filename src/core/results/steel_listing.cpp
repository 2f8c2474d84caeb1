#include "results/steel_listing.h"

namespace trabeo {

void WriteSteelSummaryBlock(const ListingContext&, const SteelListingInputs&, ListingLines&,
                            ListingStores&) {}

void WriteSteelCheckText(const ListingContext&, const SteelListingInputs&, ListingLines&) {}

}  // namespace trabeo
