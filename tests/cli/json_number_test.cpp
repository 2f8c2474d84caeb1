#include "cli/json_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <nlohmann/json.hpp>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trabeo::cli {
namespace {

std::string Written(double value) {
  char text[kJsonNumberMaxLength];
  return std::string(text, WriteJsonNumber(text, value));
}

// The batch lines write numbers as analyse --json does: the JSON library's layout on each side
// of its plain-decimal range, signs and zeros included.
TEST(JsonNumberTest, LaysNumbersOutAsTheJsonLibraryDoes) {
  for (double value : {0.0,
                       -0.0,
                       1.0,
                       -2.5,
                       10.0,
                       -3000.0,
                       -999999999999999.0,
                       123456789012345.0,
                       1234567890123456.0,
                       1e15,
                       1e16,
                       1.2e8,
                       0.001,
                       0.0001,
                       1e-05,
                       1.5e-05,
                       -3.25e-07,
                       1e300,
                       5e-324,
                       205000.0,
                       0.30000000000000004,
                       1.7976931348623157e308})
    EXPECT_EQ(Written(value), nlohmann::json(value).dump()) << value;
}

// Results are single-precision values widened to double: each must read back as itself.
TEST(JsonNumberTest, EveryWrittenNumberReadsBackExactly) {
  std::mt19937 random(7);
  std::uniform_int_distribution<uint32_t> bits;
  for (int i = 0; i < 200000; ++i) {
    const uint32_t pattern = bits(random);
    float single;
    std::memcpy(&single, &pattern, sizeof single);
    if (!std::isfinite(single)) continue;
    const double value = single;
    const std::string text = Written(value);
    ASSERT_EQ(nlohmann::json::parse(text).get<double>(), value) << text;
  }
}

// A number's sign, its significant digits without leading or trailing zeros, and the power of
// ten of the first: the same for "-0.00125", "-1.25e-03" and "-125e-5".
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  bool operator==(const Decimal&) const = default;
};

Decimal DecimalOf(std::string_view text) {
  Decimal d;
  if (!text.empty() && text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t e = text.find_first_of("eE");
  int power = 0;
  if (e != std::string_view::npos) {
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), power);
    text = text.substr(0, e);
  }
  const std::size_t point = text.find('.');
  int beforePoint = static_cast<int>(point == std::string_view::npos ? text.size() : point);
  for (const char c : text)
    if (c != '.') d.digits += c;
  while (d.digits.size() > 1 && d.digits.front() == '0') {
    d.digits.erase(0, 1);
    --beforePoint;
  }
  while (d.digits.size() > 1 && d.digits.back() == '0')
    d.digits.pop_back();
  d.exponent = beforePoint - 1 + power;
  if (d.digits == "0") d.exponent = 0;
  return d;
}

// The digits must be the shortest that read back, and of those the nearest: exactly those the
// standard library finds, over doubles of every magnitude and single-precision results widened.
TEST(JsonNumberTest, DigitsAreThoseOfTheStandardLibrary) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 400000; ++i) {
    const std::uint64_t pattern = random();
    double value;
    if (i % 2 == 0) {
      std::memcpy(&value, &pattern, sizeof value);
    } else {
      float single;
      const auto bits = static_cast<std::uint32_t>(pattern);
      std::memcpy(&single, &bits, sizeof single);
      value = single;
    }
    if (!std::isfinite(value)) continue;
    char standard[64];
    const auto end =
        std::to_chars(standard, standard + sizeof standard, value, std::chars_format::scientific);
    const std::string written = Written(value);
    ASSERT_EQ(DecimalOf(written), DecimalOf(std::string_view(standard, end.ptr)))
        << written << " against " << std::string_view(standard, end.ptr);
  }
}

// Whole numbers are written from their own digits, four at a time: every group of four in every
// place, against the standard library's digits.
TEST(JsonNumberTest, WholeNumbersKeepEveryGroupOfDigits) {
  for (std::uint64_t group = 0; group < 10000; ++group) {
    const std::uint64_t whole =
        (group % 1000) * 1000000000000 + group * 100000000 + group * 10000 + (9999 - group);
    const auto value = static_cast<double>(whole);
    char standard[32];
    const auto end = std::to_chars(standard, standard + sizeof standard, whole);
    ASSERT_EQ(Written(value), std::string(standard, end.ptr) + ".0");
  }
}

// A list is the numbers one after another with commas, null for what is not finite, whatever
// its length against the groups the list is written in.
TEST(JsonNumberTest, ListIsItsNumbersWithCommas) {
  const double values[] = {0.0,  -0.0, 1.5468417880459522, -2.5e-07, 1e300,   52.41200256347656,
                           -3.0, 1e15, std::nan(""),       0.1,      HUGE_VAL};
  std::vector<double> many;
  for (int i = 0; i < 9; ++i)
    many.insert(many.end(), std::begin(values), std::end(values));
  for (const std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{32}, many.size()}) {
    std::string expected;
    for (std::size_t i = 0; i < count; ++i) {
      if (i > 0) expected += ',';
      expected += std::isfinite(many[i]) ? nlohmann::json(many[i]).dump() : "null";
    }
    std::string text(count * (kJsonNumberMaxLength + 1), ' ');
    char* end = WriteJsonNumberList(text.data(), std::span<const double>(many.data(), count));
    text.resize(static_cast<std::size_t>(end - text.data()));
    EXPECT_EQ(text, expected) << count;
  }
}

}  // namespace
}  // namespace trabeo::cli
