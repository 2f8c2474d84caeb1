// Column placement of the listing: centring, decimal-point alignment and decimals by magnitude.
#include "results/listing_columns.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

TEST(ListingColumnsTest, NumbersStandOnTheirDecimalPoint) {
  struct Case {
    const char* start;
    const char* number;
    int position;
    const char* line;
  };
  const std::vector<Case> cases{
      {"  1", "0.500", 11, "  1       0.500"},
      {"  1", "-12.25", 11, "  1     -12.25"},
      {"  1", " 0.5", 11, "  1       0.5"},  // FixedDecimals' own padding is kept
      {"  1", "1500", 11, "  1    1500"},    // as if the point followed the last character
      {"  1", "#####", 11, "  1   #####"},
      {"  1 123456.0", "2.0", 11, "  1 123456.02.0"},  // a full line is never cut back
  };
  for (const Case& c : cases) {
    std::string line = c.start;
    PlaceOnPoint(line, c.number, c.position);
    EXPECT_EQ(line, c.line) << c.number;
  }
}

TEST(ListingColumnsTest, FirstColumnPutsAPointlessNumberOnItsPosition) {
  std::string line = "  1";
  PlaceOnPointOrLastCharacter(line, "1500", 11);
  EXPECT_EQ(line, "  1     1500");
  EXPECT_EQ(line[11], '0');
  line = "  1";
  PlaceOnPointOrLastCharacter(line, "1.500", 11);
  EXPECT_EQ(line, "  1       1.500");
}

TEST(ListingColumnsTest, UnitTextsAreCentred) {
  std::string line;
  PlaceCentred(line, "(m)", 11);
  PlaceCentred(line, "(kN/m)", 26);
  PlaceCentred(line, "Factor", 68);
  EXPECT_EQ(line, std::string(10, ' ') + "(m)" + std::string(10, ' ') + "(kN/m)" +
                      std::string(36, ' ') + "Factor");
  EXPECT_EQ(line.find("(m)") + 1, 11u);
}

TEST(ListingColumnsTest, DecimalsFollowTheIntegerDigits) {
  struct Case {
    double largest;
    int lengthDecimals;
    int forceDecimals;
  };
  const std::vector<Case> cases{
      {0, 3, 3},     {0.999, 3, 3}, {9.999, 3, 3},  {10, 2, 3},    {99.99, 2, 3},  {100, 1, 2},
      {999.9, 1, 2}, {1000, 0, 1},  {9999.9, 0, 1}, {10000, 0, 0}, {123456, 0, 0}, {1e30, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LengthColumnDecimals(c.largest), c.lengthDecimals) << c.largest;
    EXPECT_EQ(ForceColumnDecimals(c.largest), c.forceDecimals) << c.largest;
  }
  EXPECT_EQ(IntegerDigits(-123.4), 3);
}

}  // namespace
}  // namespace trabeo
