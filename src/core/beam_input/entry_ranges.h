#pragma once

#include <string>
#include <vector>

#include "beam_input/beam_entry.h"
#include "beam_input/load_entry.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The checks of typed boxes against the range of single precision (settings/number_range.h),
// made before a form stores anything: each gives the message naming the first box, or all the
// boxes, whose value is out of range.

// The length boxes counted (a cantilever only when ticked), E and Ixx; empty when all fit.
std::string BeamEntryRangeProblem(const BeamEntryTexts& texts, const UnitSettings& units);

// The boxes of load row `number` that its type uses, and its factor: text that is not a number,
// then the range.
std::vector<std::string> LoadRowRangeProblems(const LoadRowTexts& texts, const UnitSettings& units,
                                              int number);

// The self-weight group's load factor, when applied: text that is not a number, then the range.
std::string SelfWeightRangeProblem(const SelfWeightTexts& texts);

// Rows 1 to 25 and the self-weight factor as stored: a value single precision could not hold has
// become infinite, NaN or subnormal (from boxes that were not checked, or from a file).
std::vector<std::string> StoredLoadRangeProblems(const LoadTable& loads);

}  // namespace trabeo
