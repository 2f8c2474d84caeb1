#include "en1993/member_input_check.h"

#include <cmath>
#include <utility>

namespace trabeo::en1993 {

std::optional<std::string> MemberInputProblem(const MemberInput& in) {
  const std::pair<const char*, const std::optional<double>*> lengths[] = {
      {"Lcry", &in.Lcry}, {"Lcrz", &in.Lcrz}, {"LLT", &in.LLT}};
  for (const auto& [name, length] : lengths) {
    if (*length && !(std::isfinite(**length) && **length >= 0))
      return std::string(name) + " must be a length of 0 or more";
  }
  const std::pair<const char*, double> actions[] = {{"NEd", in.NEd},     {"MyEd1", in.MyEd1},
                                                    {"MyEd2", in.MyEd2}, {"MzEd1", in.MzEd1},
                                                    {"MzEd2", in.MzEd2}, {"VEd", in.VEd}};
  for (const auto& [name, value] : actions) {
    if (!std::isfinite(value)) return std::string(name) + " must be a finite number";
  }
  if (in.NEd < 0) return std::string("NEd is tension, which is not checked: give compression");
  if (in.VEd < 0) return std::string("VEd must not be negative");
  if (in.C1 && !(std::isfinite(*in.C1) && *in.C1 > 0))
    return std::string("C1 must be a positive number");
  return std::nullopt;
}

}  // namespace trabeo::en1993
