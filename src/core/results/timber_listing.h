#pragma once

#include <cstdint>
#include <string>

#include "model/timber_beam_state.h"
#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"

namespace trabeo {

// The verdict of the BS 5268 beam check, which the results listing evaluates from the timber
// values the beam keeps (project.timber) and the results. The caller keeps it with the beam
// (StoreTimberVerdict), as the project file saves it.
struct TimberListingInputs {
  std::string TimberCodeLine;
  std::string TimberVerdict;
  std::string TimberTorsionNote;
  int32_t TimberCheckFailed = 0;  // 0 complies, -1 does not; set when the verdict is evaluated
};

// The timber summary after evaluating the verdict (SummaryPrintLines): description, verdict,
// reactions, shear, moments and deflections; then " CODE CHECK DATA" with the check section of
// each segment (TimberPrintLines).
void WriteTimberSummaryBlock(const ListingContext& context, TimberListingInputs& timber,
                             ListingLines& list, ListingStores& stores);

// The timber section's result lines after the results at twentieths.
void WriteTimberSectionLines(const ListingContext& context, const TimberListingInputs& timber,
                             ListingLines& list);

// Copies the evaluated verdict into the beam's timber values.
void StoreTimberVerdict(const TimberListingInputs& timber, TimberBeamValues& values);

}  // namespace trabeo
