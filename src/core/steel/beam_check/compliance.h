#pragma once

#include <cstdint>
#include <vector>

#include "engine/beam_results.h"
#include "model/beam_model.h"
#include "model/steel_beam_state.h"

namespace trabeo {

// The ratios by which a part is judged: its largest |shear| over its low-shear limit, and its
// largest |moment| over its capacity, the larger of m M / Mb and M / Mc. A limit or capacity of 0
// gives an unbounded ratio: nothing is carried without one. A ratio of 1 or more fails.
struct PartRatios {
  double shear = 0;
  double moment = 0;
};
PartRatios RatiosOfPart(const BeamResults& results, const SteelCheckState& check, int p);

// 1, 2 or 3: the beam complies, or its deflection exceeds span/360 or cantilever/180, or
// span/200 or cantilever/100 (each limit a little below the fraction, as the program has it).
int32_t DeflectionCompliance(const BeamModel& model, const BeamResults& results);

// The verdict after the check of the given parts: -1 when a ratio of a part reaches 1 (a part
// whose shear alone was worked out counts with its shear); else 4 when an angle was too slender
// to check; else 0 when a part was left unchecked; else 1, 2 or 3 by the deflection of each part
// over its length.
int32_t ComplianceOf(const BeamModel& model, const BeamResults& results,
                     const std::vector<int>& parts, const SteelCheckState& check);

}  // namespace trabeo
