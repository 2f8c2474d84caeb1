// The UDL outline: own and stacked rates at both ends of each applied distributed load.
#include "model/udl_outline.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

LoadRecord Udl(float start, float cover, float rate, float endRate, float factor = 1) {
  return {kDistributedLoadKind, start, rate, endRate, cover, factor, 1, 0};
}

TEST(UdlOutlineTest, OverlappingLoadsStackInsideEachOther) {
  LoadTable loads;
  loads.row(1) = Udl(0, 4, 10, 10);
  loads.row(2) = Udl(2, 4, 5, 5, 1.5f);
  const UdlOutline outline = BuildUdlOutline(loads);
  const UdlOutlineRecord& first = outline.record(1);
  const UdlOutlineRecord& second = outline.record(2);
  EXPECT_EQ(first, (UdlOutlineRecord{0, 10, 1, 10, 4, 10, 1, 15}));
  EXPECT_EQ(second, (UdlOutlineRecord{2, 5, 1.5f, 15, 6, 5, 1.5f, 5}));
}

TEST(UdlOutlineTest, StackingCases) {
  struct Case {
    const char* name;
    LoadRecord other;
    float startStacked;  // of the load 2 ... 6 at 4 -> 8
    float endStacked;
  };
  const std::vector<Case> cases{
      {"touching at the start", Udl(0, 2, 3, 3), 4, 8},
      {"touching at the end", Udl(6, 3, 3, 3), 4, 8},
      {"same stretch", Udl(2, 4, 1, 1), 5, 9},
      {"covering it", Udl(0, 10, 1, 1), 5, 9},
      // A rising load 0 -> 6 at 0 -> 3: 1 at x = 2 and 3 at x = 6.
      {"rising across it", Udl(0, 6, 0, 3), 5, 11},
      {"inside it", Udl(3, 2, 7, 7), 4, 8},
      {"zero length", Udl(2, 0, 9, 9), 4, 8},
  };
  for (const Case& c : cases) {
    LoadTable loads;
    loads.row(1) = Udl(2, 4, 4, 8);
    loads.row(5) = c.other;
    const UdlOutline outline = BuildUdlOutline(loads);
    const UdlOutlineRecord& load = outline.record(1);
    EXPECT_FLOAT_EQ(load.StartStacked, c.startStacked) << c.name;
    EXPECT_FLOAT_EQ(load.EndStacked, c.endStacked) << c.name;
  }
}

TEST(UdlOutlineTest, OnlyAppliedUserUdlsHaveRecords) {
  LoadTable loads;
  loads.row(1) = {kPointLoadKind, 2, 1000, 0, 0, 1, 1, 0};
  loads.row(2) = Udl(0, 4, 2, 2);
  loads.row(2).Applied = 0;
  loads.row(3) = Udl(0, 4, 2, 2);
  loads.row(3).Kind = 0;
  loads.row(kSelfWeightRow) = Udl(0, 10, 0.5f, 0.5f, 1.4f);
  loads.row(25) = Udl(1, 2, 3, 4, 1.2f);
  const UdlOutline outline = BuildUdlOutline(loads);
  for (int row = 1; row <= 24; ++row)
    EXPECT_EQ(outline.record(row), UdlOutlineRecord{}) << row;
  // The self weight, covering everything, is not stacked on it.
  EXPECT_EQ(outline.record(25), (UdlOutlineRecord{1, 3, 1.2f, 3, 3, 4, 1.2f, 4}));
}

}  // namespace
}  // namespace trabeo
