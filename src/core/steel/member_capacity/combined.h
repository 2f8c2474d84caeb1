#pragma once

#include "steel/member_capacity/member_context.h"

namespace trabeo {

inline constexpr std::string_view kAxialLoadTooHighMessage = "Axial load too High";
inline constexpr std::string_view kEndOnePositiveMessage = "End 1 Positive only";
inline constexpr std::string_view kTensionMessage =
    "Program does not check Combined Tension and Bending";
inline constexpr std::string_view kExceedsColumnCapacityMessage =
    "Axial load exceeds column capacity with no moments";
inline constexpr std::string_view kAppliedAxialTooHighMessage = " Applied axial load too high";

// Combined compression and bending: the class under combined load, the local capacity check and
// the overall buckling check, each by the simplified and the more exact approach, into the
// combined detail and summary lists. Returns true when the lists are complete (InputError not
// set); the window then shows them.
bool RunCombinedCalculation(MemberContext& c);

// The equivalent uniform moment factor of BS 5950 for end moments M1 and M2: beta is the end
// moment of smaller magnitude over the larger, signed; m = 0.57 + 0.33 beta + 0.1 beta^2, at
// least 0.43.
double EndMomentRatio(double M1, double M2);
double EquivalentMomentFactor(double beta);

}  // namespace trabeo
