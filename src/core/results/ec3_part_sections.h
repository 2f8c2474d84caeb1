#pragma once

#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"
#include "steel/beam_check/ec3_beam_check.h"

namespace trabeo {

// The EN 1993 section of each part checked, after the steel summary, in the user's units: the
// part's length and L_cr, its design moment and shear, its resistances, each utilisation with
// its verdict; the span's and the cantilevers' deflection lines close their sections. Each is
// stored in its own section of SteelListLines, as the BS 5950 sections are.
void WriteEc3PartSections(const ListingContext& context, const Ec3BeamCheck& check,
                          ListingLines& list, ListingStores& stores);

}  // namespace trabeo
