#pragma once

#include <cstdint>
#include <string_view>

#include "model/steel_beam_state.h"
#include "results/listing_context.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"
#include "steel/beam_check/ec3_beam_check.h"

namespace trabeo {

// What the steel beam check (BS 5950 or EN 1993) hands to the results listing: its state after the
// check (or as a project file restored it). Without one the steel blocks write nothing and the beam
// reads as not checked.
struct SteelListingInputs {
  const SteelCheckState* check = nullptr;
  // An EN 1993 check's parts; without them the part sections are the BS 5950 check's.
  const Ec3BeamCheck* ec3 = nullptr;

  int32_t ComplianceState() const { return check != nullptr ? check->ComplianceState : 0; }
};

// The verdict lines of states the listing would otherwise leave as they were: an angle too
// slender to check, and a check abandoned for want of an answer or of section data.
inline constexpr std::string_view kAngleTooSlenderVerdict =
    " BEAM NOT CHECKED: ANGLE TOO SLENDER (L/rvv ABOVE 300)";
inline constexpr std::string_view kNotCheckedVerdict =
    " BEAM NOT CHECKED: CHECK INCOMPLETE, SEE PARTS NOT CHECKED";
// What a part's limit, capacity and ratio lines show when the part was not checked.
inline constexpr std::string_view kNotCheckedText = "not checked";

// The three verdict lines (SteelVerdictLines) for a compliance state, the beam's code and its
// cantilevers.
std::array<std::string, 3> SteelVerdictLines(int32_t complianceState, const BeamModel& model);

// The steel summary with its verdict lines (SteelVerdictLines, SteelSummaryPrintLines) and the
// code-check section of each part of the beam (SteelListLines 0 ... 11).
void WriteSteelSummaryBlock(const ListingContext& context, const SteelListingInputs& steel,
                            ListingLines& list, ListingStores& stores);

// The detailed check text after the results at twentieths: the header block, then the blocks of
// the parts. When the check filled the warning block (its second line), the whole list is
// replaced by the five warning lines and the function returns true: the caller then disables
// Print, Save and Save As.
bool WriteSteelCheckText(const ListingContext& context, const SteelListingInputs& steel,
                         ListingLines& list);

}  // namespace trabeo
