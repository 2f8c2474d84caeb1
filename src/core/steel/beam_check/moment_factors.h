#pragma once

#include <string_view>

#include "steel/beam_check/check_inputs.h"
#include "steel/beam_check/n_factor_question.h"

namespace trabeo {

inline constexpr std::string_view kNFactorCaption = " \"n\" from Table 15 or 16 of BS 5950";

// Sets the equivalent uniform moment factor m (PartM) and the slenderness correction factor n
// (PartN) of the part. Parts other than the main span take 1 and 1. The main span takes m from
// the ratio of its end moments when no load acts within it, and n by NFactorMode; mode 3 asks
// for n until it lies from 0.56 to 1. Returns false, with InputError set, when that question is
// left empty or cancelled.
bool SetMomentFactors(const SteelCheckInputs& in, const CheckedPart& part, SteelCheckState& check);

}  // namespace trabeo
