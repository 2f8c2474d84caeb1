#include "cli/json_number.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace trabeo::cli {
namespace {

// The JSON library writes plain decimals while the decimal point falls within these places of
// the first digit, and an exponent beyond them.
constexpr int kLowestPlainPoint = -4;
constexpr int kHighestPlainPoint = 15;

void AppendExponent(std::string& out, int exponent) {
  out += exponent < 0 ? "e-" : "e+";
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
}

}  // namespace

void AppendJsonNumber(std::string& out, double value) {
  char text[32];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  std::string_view scientific(text, static_cast<std::size_t>(written.ptr - text));
  if (scientific.front() == '-') {
    out += '-';
    scientific.remove_prefix(1);
  }
  const std::size_t e = scientific.find('e');
  std::string digits(scientific.substr(0, e));
  if (digits.size() > 1) digits.erase(1, 1);  // the point after the first digit
  std::string_view exponentText = scientific.substr(e + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  const int count = static_cast<int>(digits.size());
  const int point = exponent + 1;  // digits before the decimal point
  if (count <= point && point <= kHighestPlainPoint) {
    out += digits;
    out.append(static_cast<std::size_t>(point - count), '0');
    out += ".0";
  } else if (0 < point && point <= kHighestPlainPoint) {
    out.append(digits, 0, static_cast<std::size_t>(point));
    out += '.';
    out.append(digits, static_cast<std::size_t>(point));
  } else if (kLowestPlainPoint < point && point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-point), '0');
    out += digits;
  } else {
    out += digits.front();
    if (count > 1) {
      out += '.';
      out.append(digits, 1);
    }
    AppendExponent(out, point - 1);
  }
}

}  // namespace trabeo::cli
