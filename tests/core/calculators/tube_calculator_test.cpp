#include "calculators/tube_calculator.h"

#include <gtest/gtest.h>

#include "settings/sig_fig.h"

namespace trabeo {
namespace {

TEST(TubeCalculatorTest, Tube100x5MatchesItsFigures) {
  const auto outcome = CalculateTube({100, 5, SteelGrade::S275});
  ASSERT_TRUE(outcome.ok()) << outcome.message;
  const TubeResults& r = *outcome.results;
  EXPECT_NEAR(r.Area, 1492.26, 0.01);
  EXPECT_EQ(SigFig3(r.Area / 100), "14.9");
  EXPECT_NEAR(r.I, 1688115.18, 0.01);  // pi (100^4 - 90^4) / 64
  EXPECT_EQ(SigFig4(r.I / 1e4), "168.8");
  EXPECT_EQ(SigFig4(r.K / 1e4), "337.6");
  EXPECT_NEAR(r.S, 0.1665044 * (1e6 - 729000), 0.1);
  EXPECT_EQ(SigFig4(r.S / 1e3), "45.12");
  EXPECT_EQ(SigFig4(r.Z / 1e3), "33.76");
  EXPECT_EQ(SigFig3(r.R), "33.6");
  EXPECT_EQ(r.TorsionFibre, 50);
  EXPECT_EQ(SigFig3(r.Weight), "11.7");
  EXPECT_EQ(r.design.py, 275);
  EXPECT_EQ(r.design.classXX, "Plastic");  // D/t = 20
}

TEST(TubeCalculatorTest, ChecksAndLimits) {
  EXPECT_EQ(CalculateTube({100, std::nullopt}).message,
            "Enter values in all the boxes for Section Dimensions");
  EXPECT_EQ(CalculateTube({100, 50.1}).message, "Wall thickness too great");
  EXPECT_EQ(CalculateTube({100, 0}).message, "Dimensions must be greater than 0");
  // A wall of half the diameter is a solid bar.
  const auto solid = CalculateTube({100, 50});
  ASSERT_TRUE(solid.ok());
  EXPECT_NEAR(solid.results->Area, 7853.98, 0.01);
}

TEST(TubeCalculatorTest, SlenderTubeInGrade50) {
  const TubeResults r =
      *CalculateTube({508, 6.3, SteelGrade::S355}).results;  // D/t = 80.6 > 80 x 0.775
  EXPECT_EQ(r.design.py, 355);
  EXPECT_EQ(r.design.classXX, "Slender");
  EXPECT_EQ(r.design.classYY, "Slender");
}

TEST(TubeCalculatorTest, RecordHoldsTheSavedFields) {
  const TubeResults r = *CalculateTube({100, 5, SteelGrade::S355}).results;
  const SectionRecord rec = TubeSectionRecord(r, "CHS 100 x 5");
  EXPECT_EQ(rec.Type, "Tube");
  EXPECT_EQ(rec.Grade, 50);
  EXPECT_EQ(rec.Depth, 100);
  EXPECT_EQ(rec.Width, 100);
  EXPECT_EQ(rec.WebThk, 5);
  EXPECT_EQ(rec.FlgThk, 5);
  EXPECT_EQ(rec.Ixx, rec.Iyy);
  EXPECT_EQ(rec.Sxx, static_cast<float>(r.S));
  EXPECT_EQ(rec.ExtremeX, 50);
  EXPECT_EQ(rec.ExtremeY, 50);
  EXPECT_EQ(rec.TorsionFibre, 50);
  EXPECT_EQ(rec.RootRad, 0);
  EXPECT_EQ(rec.Outstand, 0);
  EXPECT_EQ(rec.u, 0);
}

}  // namespace
}  // namespace trabeo
