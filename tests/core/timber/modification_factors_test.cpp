#include "timber/modification_factors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trabeo {
namespace {

TEST(ModificationFactorsTest, DepthFactorAtItsBounds) {
  EXPECT_DOUBLE_EQ(K7Factor(50), 1.17);
  EXPECT_DOUBLE_EQ(K7Factor(72), 1.17);
  EXPECT_NEAR(K7Factor(72.001), 1.17, 0.001);  // the formula takes over where the flat part ends
  EXPECT_NEAR(K7Factor(200), 1.0456, 0.0001);
  EXPECT_DOUBLE_EQ(K7Factor(300), 1.0);
  EXPECT_NEAR(K7Factor(400), 0.81 * 252300 / 216800, 1e-12);
  EXPECT_NEAR(K7Factor(400), 0.943, 0.0005);
}

TEST(ModificationFactorsTest, WetExposureLoadDurationAndSharing) {
  EXPECT_EQ(K1Factor(TimberExposure::Dry), 1.0f);
  EXPECT_EQ(K1Factor(TimberExposure::Wet), 1.02f);
  const K2Factors dry = K2Factor(TimberExposure::Dry);
  EXPECT_EQ(dry.E * dry.bending * dry.axial * dry.shear, 1.0f);
  const K2Factors wet = K2Factor(TimberExposure::Wet);
  EXPECT_EQ(wet.E, 0.8f);
  EXPECT_EQ(wet.bending, 0.8f);
  EXPECT_EQ(wet.axial, 0.6f);
  EXPECT_EQ(wet.shear, 0.9f);
  EXPECT_EQ(K3Factor(LoadDuration::LongTerm), 1.0f);
  EXPECT_EQ(K3Factor(LoadDuration::MediumTerm), 1.25f);
  EXPECT_EQ(K3Factor(LoadDuration::ShortTerm), 1.5f);
  EXPECT_EQ(K3Factor(LoadDuration::VeryShortTerm), 1.75f);
  EXPECT_EQ(DurationSuffix(LoadDuration::VeryShortTerm), "  (Very Short Term)");
  EXPECT_EQ(DurationCaption(LoadDuration::VeryShortTerm), "V. Short Term");
  EXPECT_EQ(DurationOfCode("VST"), LoadDuration::VeryShortTerm);
  EXPECT_EQ(DurationOfCode("vst"), std::nullopt);
  EXPECT_EQ(K8Factor(LoadSharing::Single), 1.0f);
  EXPECT_EQ(K8Factor(LoadSharing::Share), 1.1f);
  EXPECT_EQ(SharingSuffix(LoadSharing::Share), "  (Sharing)");
  EXPECT_EQ(SharingOfCode("Share"), LoadSharing::Share);
}

// BS 5268-2:2002 Table 22, the row E / sigma_c = 400, against lambda = Le / r.
TEST(ModificationFactorsTest, ColumnFactorMatchesThePublishedTable) {
  const double sigmaC = 10;
  const double E = 400 * sigmaC;
  const double r = 50;
  const struct {
    double lambda, published;
  } row[] = {{10, 0.951}, {20, 0.896}, {40, 0.735}, {60, 0.506}, {100, 0.225}, {200, 0.061}};
  for (const auto& entry : row) {
    SCOPED_TRACE(entry.lambda);
    EXPECT_NEAR(K12Factor(entry.lambda * r, r, sigmaC, E), entry.published, 0.0006);
  }
}

TEST(ModificationFactorsTest, AVeryShortMemberDoesNotBuckle) {
  EXPECT_EQ(K12Factor(0, 50, 10, 4000), 1.0);
  EXPECT_EQ(K12Factor(5, 1, 10, 4000), 1.0);
  EXPECT_LT(K12Factor(5.001, 1, 10, 4000), 1.0);
}

}  // namespace
}  // namespace trabeo
