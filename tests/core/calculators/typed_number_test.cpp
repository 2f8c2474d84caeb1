#include "calculators/typed_number.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calculators/tube_calculator.h"

namespace trabeo {
namespace {

TEST(TypedNumberTest, ReadsLikeACalculatorBox) {
  const struct {
    const char* text;
    TypedDimension expected;
  } cases[] = {
      {"", std::nullopt}, {"203.2", 203.2}, {"  7.6", 7.6},  {"12.5mm", 12.5}, {"+3", 3.0},
      {"-2", -2.0},       {".5", 0.5},      {"abc", 0.0},    {" ", 0.0},       {"inf", 0.0},
      {"nan", 0.0},       {"-inf", 0.0},    {"1e3", 1000.0}, {"5,5", 5.0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadTypedNumber(c.text), c.expected) << '"' << c.text << '"';
}

// A number no double holds used to read as 0, a silently wrong dimension. It reads as NaN now,
// and a calculator refuses it, as it refuses what single precision cannot hold, by its box.
TEST(TypedNumberTest, NumbersOutOfRangeAreRefusedByName) {
  EXPECT_TRUE(std::isnan(*ReadTypedNumber("1e400")));
  EXPECT_TRUE(std::isnan(*ReadTypedNumber("-1e-400")));
  const struct {
    TypedDimension D, t;
    const char* message;
  } cases[] = {
      {ReadTypedNumber("1e400"), 5.0, "Outside dia is out of range"},
      {1e200, 5.0, "Outside dia is out of range"},       // single precision tops out at 3.4e38
      {100.0, 1e-39, "Wall thickness is out of range"},  // below 1.2e-38 but not 0
  };
  for (const auto& c : cases) {
    const auto outcome = CalculateTube({c.D, c.t, SteelGrade::S275});
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.message, c.message);
  }
  // Dimensions that fit but whose properties do not: D^4 / 64 overflows a single.
  const auto huge = CalculateTube({3e37, 1e37, SteelGrade::S275});
  EXPECT_FALSE(huge.ok());
  EXPECT_EQ(huge.message, kCalculationNotFiniteMessage);
}

TEST(TypedNumberTest, TypedTextIsTheShortestReadBack) {
  EXPECT_EQ(TypedText(203.2), "203.2");
  EXPECT_EQ(TypedText(5), "5");
  EXPECT_EQ(TypedText(0.1 + 0.2), "0.30000000000000004");
}

}  // namespace
}  // namespace trabeo
