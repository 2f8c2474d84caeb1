#include "settings/number_range.h"

#include <cmath>
#include <limits>

#include "settings/unit_conversion.h"

namespace trabeo {

bool FitsSinglePrecision(double value) {
  const double magnitude = std::fabs(value);
  return magnitude == 0 || (magnitude >= std::numeric_limits<float>::min() &&
                            magnitude <= std::numeric_limits<float>::max());
}

std::string OutOfRangeMessage(std::string_view field) {
  return std::string(field) + " is out of range";
}

std::string TypedEntryRangeProblem(std::string_view typed, double entryFactor,
                                   std::string_view field) {
  const LeadingNumber number = ReadLeadingNumber(typed);
  if (number.outOfRange || !FitsSinglePrecision(number.value * entryFactor))
    return OutOfRangeMessage(field);
  return {};
}

}  // namespace trabeo
