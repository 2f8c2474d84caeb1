#pragma once

#include <cstdint>

#include "engine/beam_results.h"
#include "model/beam_project.h"
#include "platform/canvas.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"
#include "results/steel_listing.h"
#include "results/timber_listing.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The code checks' part of the listing: what they hand over, and the timber verdict the
// listing evaluates.
struct CodeCheckListing {
  SteelListingInputs steel;
  TimberListingInputs timber;
};

struct ResultsListing {
  ListingLines lines;            // exactly as the results list shows them
  Color color = colors::kBlack;  // the list's text colour
  // The steel check's warning block replaced the whole list: Print, Save and Save As are then
  // disabled.
  bool warningBlockShown = false;
};

// The results listing after an analysis: the summary block chosen by the design code, the load
// tables and the results at twentieths, followed by the code checks' closing lines. Every
// store is emptied first and then filled with the lines it keeps. `codeCheck.timber` receives
// the timber verdict.
ResultsListing WriteResultsListing(const BeamProject& project, const BeamResults& results,
                                   const UnitSettings& units, CodeCheckListing& codeCheck,
                                   ListingStores& stores);

// Black, or red when a steel beam does not comply (checked first) or a timber beam fails.
Color ListingColor(DesignCode designCode, int32_t complianceState, int32_t timberCheckFailed);

}  // namespace trabeo
