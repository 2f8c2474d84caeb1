#include "calculators/typed_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace trabeo {

TypedDimension ReadTypedNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return 0.0;
  std::string_view rest = text.substr(start);
  // from_chars takes no leading '+', and would read "inf" and "nan".
  if (rest.starts_with('+')) rest.remove_prefix(1);
  const char first = rest.empty() ? '\0' : rest.front();
  const bool numberStart = (first >= '0' && first <= '9') || first == '.' || first == '-';
  if (!numberStart) return 0.0;
  double value = 0;
  const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  // A number beyond the range of a double ("1e400", "1e-400") is no box value to read as 0.
  if (result.ec == std::errc::result_out_of_range) return std::numeric_limits<double>::quiet_NaN();
  if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
  return value;
}

std::string TypedText(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace trabeo
