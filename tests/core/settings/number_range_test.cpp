#include "settings/number_range.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

// A box holds a number and nothing else, or nothing at all; a number beyond a double's range is
// still a number, which the range check then names.
TEST(NumberRangeTest, OnlyWholeNumbersAreNumberText) {
  for (const char* number : {"", "  ", "3", " 2.5 ", "-1e3", "+4", ".5", "1e400"})
    EXPECT_TRUE(IsNumberText(number)) << number;
  for (const char* text : {"abc", "3m", "1O", "1,5", "--1", ".", "+", "2 3", "inf", "nan"})
    EXPECT_FALSE(IsNumberText(text)) << text;
  EXPECT_EQ(NotANumberMessage("Load 1, distance", "abc"),
            "Load 1, distance: \"abc\" is not a number.");
}

}  // namespace
}  // namespace trabeo
