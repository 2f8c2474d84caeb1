#pragma once

#include <string_view>

#include "steel/beam_check/check_inputs.h"
#include "steel/beam_check/check_text.h"

namespace trabeo {

inline constexpr std::string_view kAngleShearWarning =
    "  Value of shear higher than that permitted under clause 4.2.5";
inline constexpr std::string_view kSlenderAngleWarning =
    "  Program does not evaluate buckling moment for slender RSAs";

// An angle ("RSA") bending with one leg (D) parallel to the load: a fraction of py Zxx by its
// slenderness L / rvv, L being the unrestrained length asked of the user for each part. Sets
// PartShearLimit, and PartMb and PartMc when the capacity was worked out. A shear above the limit
// puts the warning in line 2 of CheckWarnings and asks nothing. An empty, cancelled or negative
// length sets InputError; an L / rvv above 300 also sets ComplianceState 4. Returns true when
// the capacity was worked out.
bool CheckAngle(const SteelCheckInputs& in, const CheckedPart& part, SteelCheckState& check,
                CheckTextWriter& out);

}  // namespace trabeo
