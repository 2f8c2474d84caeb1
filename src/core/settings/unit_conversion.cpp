#include "settings/unit_conversion.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace trabeo {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at]))
    ++at;
  return at;
}

// The end of the exponent starting at `at` ("e", optional sign, at least one digit), or `at`
// itself when there is no complete exponent there.
std::size_t ExponentEnd(std::string_view text, std::size_t at) {
  if (at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return at;
  std::size_t digits = at + 1;
  if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
  const std::size_t end = SkipDigits(text, digits);
  return end > digits ? end : at;
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
    ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  const std::size_t start = at;
  const std::size_t integerEnd = SkipDigits(text, start);
  std::size_t end = integerEnd;
  if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
  const bool hasDigits = integerEnd > start || end > integerEnd + 1;
  if (!hasDigits) return {};
  end = ExponentEnd(text, end);

  double value = 0.0;
  const auto result =
      std::from_chars(text.data() + start, text.data() + end, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) return {0.0, true};
  if (result.ec != std::errc{} || !std::isfinite(value)) return {};
  if (value == 0.0) return {};  // no negative zero
  return {negative ? -value : value, false};
}

double TextToNumber(std::string_view text) {
  return ReadLeadingNumber(text).value;
}

double ToShownUnits(const UnitSettings& settings, UnitQuantity quantity, double internal) {
  const double factor = UnitFactorOf(settings, quantity);
  return KindOf(quantity) == FactorKind::Entry ? internal / factor : internal * factor;
}

double ToInternalUnits(const UnitSettings& settings, UnitQuantity quantity, double shown) {
  const double factor = UnitFactorOf(settings, quantity);
  return KindOf(quantity) == FactorKind::Entry ? shown * factor : shown / factor;
}

double TypedToInternal(const UnitSettings& settings, UnitQuantity quantity,
                       std::string_view typed) {
  return ToInternalUnits(settings, quantity, TextToNumber(typed));
}

std::string ShowValue(const UnitSettings& settings, UnitQuantity quantity, double internal,
                      Formatter format) {
  return format(ToShownUnits(settings, quantity, internal));
}

std::string ShowValueWithUnit(const UnitSettings& settings, UnitQuantity quantity, double internal,
                              Formatter format) {
  return WithUnit(ShowValue(settings, quantity, internal, format), UnitNameOf(settings, quantity));
}

std::string WithUnit(std::string_view valueText, std::string_view unitName) {
  std::string text(valueText);
  text += ' ';
  text += unitName;
  return text;
}

std::string UnitHeading(std::string_view unitName) {
  std::string text = "(";
  text += unitName;
  text += ')';
  return text;
}

std::string EmptyIfZeroText(std::string text) {
  if (text == "0.0" || text == "0.00" || text == "0.000") return {};
  return text;
}

}  // namespace trabeo
