#include "cli/json_number.h"

#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

namespace trabeo::cli {
namespace {

std::string Written(double value) {
  std::string text;
  AppendJsonNumber(text, value);
  return text;
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

}  // namespace
}  // namespace trabeo::cli
