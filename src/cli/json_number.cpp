#include "cli/json_number.h"

#include <charconv>
#include <cmath>
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
  char text[8];
  const auto written = std::to_chars(text, text + sizeof text, magnitude);
  out.append(text, written.ptr);
}

}  // namespace

// The shortest digits come from the standard library in scientific form ("-1.2345e+02"), and are
// laid out from a buffer on the stack: a number is written hundreds of times a beam.
void AppendJsonNumber(std::string& out, double value) {
  // Zeros and whole numbers, a third of a beam's results, are their integer digits: the shortest
  // digits of a whole number below 1e15 are its own, laid out plain with ".0".
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    if (std::signbit(value)) out += '-';
    char whole[24];
    const auto end =
        std::to_chars(whole, whole + sizeof whole, static_cast<long long>(std::fabs(value)));
    out.append(whole, end.ptr);
    out += ".0";
    return;
  }
  char text[32];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  std::string_view scientific(text, static_cast<std::size_t>(written.ptr - text));
  if (scientific.front() == '-') {
    out += '-';
    scientific.remove_prefix(1);
  }
  const std::size_t e = scientific.rfind('e');
  // The significant digits without the point after the first one.
  char digitBuffer[24];
  std::size_t count = 0;
  for (const char c : scientific.substr(0, e)) {
    if (c != '.') digitBuffer[count++] = c;
  }
  const std::string_view digits(digitBuffer, count);
  std::string_view exponentText = scientific.substr(e + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  const int digitCount = static_cast<int>(count);
  const int point = exponent + 1;  // digits before the decimal point
  if (digitCount <= point && point <= kHighestPlainPoint) {
    out += digits;
    out.append(static_cast<std::size_t>(point - digitCount), '0');
    out += ".0";
  } else if (0 < point && point <= kHighestPlainPoint) {
    out += digits.substr(0, static_cast<std::size_t>(point));
    out += '.';
    out += digits.substr(static_cast<std::size_t>(point));
  } else if (kLowestPlainPoint < point && point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-point), '0');
    out += digits;
  } else {
    out += digits.front();
    if (count > 1) {
      out += '.';
      out += digits.substr(1);
    }
    AppendExponent(out, point - 1);
  }
}

}  // namespace trabeo::cli
