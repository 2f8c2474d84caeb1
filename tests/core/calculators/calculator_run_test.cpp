#include "calculators/calculator_run.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

struct TypedSection {
  const char* name;
  CalculatorShape shape;
  std::vector<std::string> dimensions;  // in the shape's entry order
  float depth, width, area;             // as saved, mm and mm2
};

// The worked sections of each calculator, typed in the order of the window's boxes: the record's
// depth and width show whether each box reached the right dimension, the area (by hand:
// t (b + d - t) + (4 - pi) (r1^2 - 2 r2^2) / 4 = 244.96 for the angle) that the rest did.
class CalculatorRunTest : public testing::TestWithParam<TypedSection> {};

TEST_P(CalculatorRunTest, BoxesReachTheirDimensions) {
  const TypedSection& s = GetParam();
  CalculatorEntry entry;
  entry.shape = s.shape;
  entry.description = "worked example";
  entry.dimensions = s.dimensions;
  const CalculatorRun run = RunCalculator(entry);
  ASSERT_TRUE(run.ok()) << run.message;
  EXPECT_EQ(run.record.Depth, s.depth);
  EXPECT_EQ(run.record.Width, s.width);
  EXPECT_NEAR(run.record.Area, s.area, 0.06);
  EXPECT_EQ(run.record.Designation, "");  // given when saving
}

INSTANTIATE_TEST_SUITE_P(
    WorkedSections, CalculatorRunTest,
    testing::Values(TypedSection{"Tube", CalculatorShape::Tube, {"100", "5"}, 100, 100, 1492.26f},
                    TypedSection{"Box", CalculatorShape::Box, {"100", "50", "5"}, 100, 50, 1387.9f},
                    TypedSection{"IBeam",
                                 CalculatorShape::IBeam,
                                 {"203.2", "133.2", "5.7", "7.8", "7.6"},
                                 203.2f,
                                 133.2f,
                                 3196.8f},
                    TypedSection{"Joist",
                                 CalculatorShape::Joist,
                                 {"101.6", "101.6", "9.5", "10.3", "11.1", "3.2", "8"},
                                 101.6f,
                                 101.6f,
                                 2942.5f},
                    TypedSection{"Channel",
                                 CalculatorShape::Channel,
                                 {"76.2", "38.1", "5.1", "6.8", "7.6", "2.4", "5"},
                                 76.2f,
                                 38.1f,
                                 854.7f},
                    TypedSection{"UnequalAngle",
                                 CalculatorShape::Angle,
                                 {"40", "25", "4", "4", "2.4"},
                                 40,
                                 25,
                                 244.96f}),
    [](const testing::TestParamInfo<TypedSection>& p) { return std::string(p.param.name); });

TEST(CalculatorRunTest, AFailedCheckGivesItsMessageAndNoSheet) {
  CalculatorEntry entry;
  entry.shape = CalculatorShape::Box;
  entry.dimensions = {"50", "100", "5"};  // width typed as the larger
  const CalculatorRun run = RunCalculator(entry);
  EXPECT_FALSE(run.ok());
  EXPECT_EQ(run.message, "Make larger dimension depth");

  entry.shape = CalculatorShape::Joist;
  entry.dimensions = {"101.6", "101.6", "9.5", "10.3", "11.1", "3.2", "-1"};
  EXPECT_FALSE(RunCalculator(entry).ok());
  EXPECT_EQ(RunCalculator(entry).message, "");  // a negative taper stops without a message
}

TEST(DimensionTextTest, ShowsThePlainNumberAsTypedAndOtherwiseTheValueUsed) {
  EXPECT_EQ(DimensionText("203.20", 203.2), "203.20");
  EXPECT_EQ(DimensionText("  7.80 ", 7.8), "7.80");
  EXPECT_EQ(DimensionText("1e2", 100), "1e2");
  EXPECT_EQ(DimensionText("12mm", 12), "12");
  EXPECT_EQ(DimensionText("abc", 0), "0");
  EXPECT_EQ(DimensionText("", 0), "0");
}

}  // namespace
}  // namespace trabeo
