#pragma once

#include <optional>
#include <string>

#include "steel/member_capacity/member_state.h"

namespace trabeo {

struct CombinedClass {
  SectionClass sectionClass = SectionClass::Slender;  // holds for both axes
  double webLimit = 0;  // the semi-compact web limit, as a multiple of epsilon
};

// The class of the section under the axial load F (N) with bending, by the web's compressed
// depth: I-sections, joists and channels by the rolled flange limits, boxes by the box flange
// limits, tubes by the tube class. nullopt when the section lacks the dimensions the rules
// divide by, or py is not above 0.
std::optional<CombinedClass> ClassifyForCombinedLoad(const MemberCapacityState& s, double F,
                                                     double py);

}  // namespace trabeo
