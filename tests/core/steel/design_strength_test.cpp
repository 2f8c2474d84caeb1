#include "steel/design_strength.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

struct StrengthCase {
  const char* name;
  SteelGrade grade;
  float thickness;
  float py;  // 0: the thickness message
};

class DesignStrengthTest : public testing::TestWithParam<StrengthCase> {};

TEST_P(DesignStrengthTest, GivesTheTabulatedStrength) {
  const StrengthCase& c = GetParam();
  const DesignStrength strength = DesignStrengthForThickness(c.grade, c.thickness);
  EXPECT_EQ(strength.py, c.py);
  if (c.py == 0) {
    EXPECT_EQ(strength.message,
              "Thickness greater than that listed in BS 5950\nCannot evaluate value for Py");
  } else {
    EXPECT_TRUE(strength.message.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(BandEdges, DesignStrengthTest,
                         testing::Values(StrengthCase{"g43_16_0", SteelGrade::S275, 16.0f, 275},
                                         StrengthCase{"g43_16_1", SteelGrade::S275, 16.1f, 265},
                                         StrengthCase{"g43_25_1", SteelGrade::S275, 25.1f, 265},
                                         StrengthCase{"g43_40_0", SteelGrade::S275, 40.0f, 265},
                                         StrengthCase{"g43_40_1", SteelGrade::S275, 40.1f, 255},
                                         StrengthCase{"g43_63_5", SteelGrade::S275, 63.5f, 245},
                                         StrengthCase{"g43_100_0", SteelGrade::S275, 100.0f, 235},
                                         StrengthCase{"g43_100_5", SteelGrade::S275, 100.5f, 0},
                                         StrengthCase{"g50_16_0", SteelGrade::S355, 16.0f, 355},
                                         StrengthCase{"g50_25_0", SteelGrade::S355, 25.0f, 345},
                                         StrengthCase{"g50_40_1", SteelGrade::S355, 40.1f, 335},
                                         StrengthCase{"g50_80_0", SteelGrade::S355, 80.0f, 325},
                                         StrengthCase{"g50_80_1", SteelGrade::S355, 80.1f, 315},
                                         StrengthCase{"g50_100_0", SteelGrade::S355, 100.0f, 315},
                                         StrengthCase{"g50_100_5", SteelGrade::S355, 100.5f, 0},
                                         StrengthCase{"g55_16_1", SteelGrade::S460, 16.1f, 430},
                                         StrengthCase{"g55_25_0", SteelGrade::S460, 25.0f, 430},
                                         StrengthCase{"g55_25_1", SteelGrade::S460, 25.1f, 400},
                                         StrengthCase{"g55_63_0", SteelGrade::S460, 63.0f, 400},
                                         StrengthCase{"g55_64", SteelGrade::S460, 64.0f, 0}),
                         [](const testing::TestParamInfo<StrengthCase>& paramInfo) {
                           return std::string(paramInfo.param.name);
                         });

TEST(DesignStrengthUnknownGradeTest, GivesZeroWithAMessage) {
  const DesignStrength strength = DesignStrengthForThickness(std::nullopt, 10);
  EXPECT_EQ(strength.py, 0);
  EXPECT_FALSE(strength.message.empty());
}

}  // namespace
}  // namespace trabeo
