#include "settings/number_range.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "fileio/file_text.h"
#include "settings/unit_conversion.h"

namespace trabeo {

bool FitsSinglePrecision(double value) {
  const double magnitude = std::fabs(value);
  return magnitude == 0 || (magnitude >= std::numeric_limits<float>::min() &&
                            magnitude <= std::numeric_limits<float>::max());
}

bool IsNumberText(std::string_view typed) {
  const std::size_t first = typed.find_first_not_of(" \t");
  if (first == std::string_view::npos) return true;
  std::string_view number = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
  if (number.starts_with('+')) number.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  // A number beyond a double's range is still a number; the range check names it.
  const bool read =
      (error == std::errc() && std::isfinite(value)) || error == std::errc::result_out_of_range;
  return read && end == number.data() + number.size();
}

std::string NotANumberMessage(std::string_view where, std::string_view typed) {
  return std::string(where) + ": \"" + ValidUtf8(typed) + "\" is not a number.";
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
