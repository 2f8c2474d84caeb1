#pragma once

#include <optional>
#include <string>

#include "en1993/member_check.h"

namespace trabeo::en1993 {

// A message naming the first input the check cannot take (a length that is negative or not a
// number, a force or moment that is not a number, tension, a negative shear, a C1 that is not a
// positive number); nullopt when all are usable.
std::optional<std::string> MemberInputProblem(const MemberInput& input);

}  // namespace trabeo::en1993
