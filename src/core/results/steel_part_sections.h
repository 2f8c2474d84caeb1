#pragma once

#include <string>

#include "model/steel_beam_state.h"
#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"

namespace trabeo {

// The deflection lines that close the span's and the cantilevers' sections: the ratio, and the
// limit it exceeds.
std::string SpanDeflectionLine(const ListingContext& context);
std::string CantileverDeflectionLine(const ListingContext& context, bool lh);

// The code-check section of each part of a steel beam, after the steel summary: the LH
// cantilever, the span or its restrained lengths (followed by the span's deflection line), the RH
// cantilever; each stored in its own section of SteelListLines. Ratios are those the verdict was
// reached by; a part that was not checked shows "not checked" instead of its limit, capacity and
// ratios.
void WriteSteelPartSections(const ListingContext& context, const SteelCheckState& check,
                            ListingLines& list, ListingStores& stores);

}  // namespace trabeo
