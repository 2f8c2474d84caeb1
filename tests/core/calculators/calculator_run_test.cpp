#include "calculators/calculator_run.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

// Boxes typed in the window's order reach their dimensions: sections whose depth and width
// differ, so a swap would show. The angle's area by hand: t (b + d - t) + (4 - pi) (r1^2 -
// 2 r2^2) / 4 = 244 + 0.8584 (16 - 11.52) / 4 = 244.96 mm2.
TEST(CalculatorRunTest, BoxesReachTheirDimensions) {
  CalculatorEntry angle;
  angle.shape = CalculatorShape::Angle;
  angle.dimensions = {"40", "25", "4", "4", "2.4"};
  const CalculatorRun a = RunCalculator(angle);
  ASSERT_TRUE(a.ok()) << a.message;
  EXPECT_EQ(a.record.Depth, 40.0f);
  EXPECT_EQ(a.record.Width, 25.0f);
  EXPECT_NEAR(a.record.Area, 244.96, 0.01);

  // 127 x 76 joist: depth 127, flange 76.2, web 5.6, flange 9.6.
  CalculatorEntry joist;
  joist.shape = CalculatorShape::Joist;
  joist.dimensions = {"127", "76.2", "5.6", "9.6", "9.9", "4.8", "8"};
  const CalculatorRun j = RunCalculator(joist);
  ASSERT_TRUE(j.ok()) << j.message;
  EXPECT_EQ(j.record.Depth, 127.0f);
  EXPECT_EQ(j.record.Width, 76.2f);
  EXPECT_EQ(j.record.WebThk, 5.6f);
  EXPECT_EQ(j.record.FlgThk, 9.6f);
  EXPECT_NEAR(j.record.FlgAngle, 8.0, 1e-5);
  EXPECT_EQ(j.record.Designation, "");  // no description was typed
}

TEST(DimensionTextTest, ShowsThePlainNumberAsTypedAndOtherwiseTheValueUsed) {
  EXPECT_EQ(DimensionText("203.20", 203.2), "203.20");
  EXPECT_EQ(DimensionText("  7.80 ", 7.8), "7.80");
  EXPECT_EQ(DimensionText("12mm", 12), "12");
  EXPECT_EQ(DimensionText("abc", 0), "0");
}

}  // namespace
}  // namespace trabeo
