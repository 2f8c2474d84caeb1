#include "calculators/box_calculator.h"

#include <gtest/gtest.h>

#include "settings/sig_fig.h"

namespace trabeo {
namespace {

TEST(BoxCalculatorTest, Box100x50x5MatchesItsFigures) {
  const auto outcome = CalculateBox({50, 100, 5, SteelGrade::S275});
  ASSERT_TRUE(outcome.ok()) << outcome.message;
  const BoxResults& r = *outcome.results;
  EXPECT_NEAR(r.Area, 1387.93, 0.01);
  EXPECT_EQ(SigFig3(r.Area / 100), "13.9");
  EXPECT_EQ(SigFig4(r.Ixx / 1e4), "169.9");
  EXPECT_EQ(SigFig4(r.Iyy / 1e4), "55.06");
  EXPECT_EQ(SigFig4(r.Zxx / 1e3), "33.98");
  EXPECT_EQ(SigFig4(r.Zyy / 1e3), "22.02");
  EXPECT_EQ(SigFig4(r.K / 1e4), "134.6");
  EXPECT_EQ(SigFig3(r.TorsionFibre), "36.4");
  EXPECT_EQ(SigFig4(r.Sxx / 1e3), "43.31");
  EXPECT_EQ(SigFig4(r.Syy / 1e3), "26.11");
  EXPECT_EQ(SigFig3(r.Weight), "10.9");
  EXPECT_EQ(r.Outstand, 35);
  EXPECT_EQ(r.WebDepth, 85);
  EXPECT_EQ(r.design.py, 275);
  // Flange 35 / 5 = 7, web 85 / 5 = 17: plastic both ways.
  EXPECT_EQ(r.design.classXX, "Plastic");
  EXPECT_EQ(r.design.classYY, "Plastic");
}

TEST(BoxCalculatorTest, ChecksRunInOrder) {
  struct CheckCase {
    BoxInput input;
    const char* message;
  };
  const CheckCase cases[] = {
      {{50, 100, std::nullopt}, "Enter values in all the boxes for Section Dimensions"},
      {{50, 100, 12.6}, "Wall thickness too great"},
      {{100, 50, 12.6}, "Wall thickness too great"},
      {{100, 50, 5}, "Make larger dimension depth"},
      {{50, 100, 0}, "Dimensions must be greater than 0"},
  };
  for (const CheckCase& c : cases)
    EXPECT_EQ(CalculateBox(c.input).message, c.message) << c.message;
  EXPECT_TRUE(CalculateBox({50, 50, 12.5}).ok());  // t = B/4 = D/4 and B = D pass
}

TEST(BoxCalculatorTest, ClassesDifferAboutTheTwoAxes) {
  // Flange (300 - 15) / 5 = 57: slender in x-x; about y-y it is the web, 57 <= 79.
  const BoxResults r = *CalculateBox({300, 400, 5, SteelGrade::S275}).results;
  EXPECT_EQ(r.design.classXX, "Slender");
  EXPECT_EQ(r.design.classYY, "Slender");  // the web (400 - 15) / 5 = 77 > 39 as a flange
  const BoxResults s = *CalculateBox({150, 200, 5, SteelGrade::S275}).results;  // 27 and 37
  EXPECT_EQ(s.design.classXX, "Compact");
  EXPECT_EQ(s.design.classYY, "Semi-compact");
}

TEST(BoxCalculatorTest, RecordHoldsTheSavedFields) {
  const BoxResults r = *CalculateBox({50, 100, 5, SteelGrade::S460}).results;
  const SectionRecord rec = BoxSectionRecord(r, "RHS");
  EXPECT_EQ(rec.Type, "Box");
  EXPECT_EQ(rec.Grade, 55);
  EXPECT_EQ(rec.Depth, 100);
  EXPECT_EQ(rec.Width, 50);
  EXPECT_EQ(rec.Outstand, 35);
  EXPECT_EQ(rec.WebDepth, 85);
  EXPECT_EQ(rec.ExtremeX, 25);
  EXPECT_EQ(rec.ExtremeY, 50);
  EXPECT_EQ(rec.Syy, static_cast<float>(r.Syy));
  EXPECT_EQ(rec.TorsionFibre, static_cast<float>(r.TorsionFibre));
  EXPECT_EQ(rec.E, 205000);
}

}  // namespace
}  // namespace trabeo
