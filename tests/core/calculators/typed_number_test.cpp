#include "calculators/typed_number.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

TEST(TypedNumberTest, ReadsLikeACalculatorBox) {
  const struct {
    const char* text;
    TypedDimension expected;
  } cases[] = {
      {"", std::nullopt}, {"203.2", 203.2}, {"  7.6", 7.6}, {"12.5mm", 12.5}, {"+3", 3.0},
      {"-2", -2.0},       {".5", 0.5},      {"abc", 0.0},   {" ", 0.0},       {"inf", 0.0},
      {"nan", 0.0},       {"-inf", 0.0},    {"1e400", 0.0}, {"1e3", 1000.0},  {"5,5", 5.0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadTypedNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TypedNumberTest, TypedTextIsTheShortestReadBack) {
  EXPECT_EQ(TypedText(203.2), "203.2");
  EXPECT_EQ(TypedText(5), "5");
  EXPECT_EQ(TypedText(0.1 + 0.2), "0.30000000000000004");
}

}  // namespace
}  // namespace trabeo
