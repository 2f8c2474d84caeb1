#pragma once

#include <optional>

#include "steel/member_capacity/member_context.h"

namespace trabeo {

// The reduced plastic moduli under the axial load and the exponents of the more exact local
// capacity check.
struct ReducedModuli {
  double Srx = 0;  // mm3
  double Sry = 0;
  double z1 = 1;
  double z2 = 1;
};

inline constexpr std::string_view kChannelSryMessage =
    "For lower values of Sry, data in the published tables \ndo not match text book method!\n"
    "Sry will not be calculated and \"more exact approach\"\nfor local buckling will not be "
    "evaluated.\n\"Simplified approach\" only will be shown\n";
inline constexpr std::string_view kChannelBackQuestion =
    "Is the back of the channel in compression\ndue to the bending moment in the y-y axis?\n"
    "(answer no for tension)";
inline constexpr std::string_view kNarrowChannelMessage = "Unable to evaluate narrow sections";

// The reduced moduli of the section's type for the axial load F (N) at design strength py.
// nullopt when the more exact approach is not evaluated: a channel at n < 0.5 (after its
// message), a narrow channel (its message, and the calculation stopped), or a channel whose
// flange shape leaves the procedure without a value.
std::optional<ReducedModuli> ReducedPlasticModuli(MemberContext& c, double F, double py);

}  // namespace trabeo
