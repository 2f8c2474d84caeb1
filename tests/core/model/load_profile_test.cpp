// The sampled profile of the factored distributed loads that the drawings scale from.
#include "model/load_profile.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

TEST(LoadProfileTest, SamplesFactoredRatesOverEachLoad) {
  LoadTable loads;
  // 0 ... 1000 mm of a 2000 mm beam, rising from 2 to 4 N/mm, factor 1.5; samples every 2 mm.
  loads.row(1) = {kDistributedLoadKind, 0, 2, 4, 1000, 1.5f, 1, 0};
  // A uniform 1 N/mm from 500 to 1500 mm, stacked where they meet.
  loads.row(2) = {kDistributedLoadKind, 500, 1, 1, 1000, 1, 1, 0};
  const LoadProfile profile = SampleLoadProfile(loads, 2000);
  // Sample 1 (x = 2) is the first beyond the start: the start rate; each sample then adds
  // 2000 x (6 - 3) / (1000 x 1000) = 0.006.
  EXPECT_DOUBLE_EQ(profile.samples[1], 3);
  EXPECT_DOUBLE_EQ(profile.samples[101], 3.6);
  EXPECT_DOUBLE_EQ(profile.samples[500], 3 + 499 * 0.006 + 1);  // x = 1000, both loads
  EXPECT_DOUBLE_EQ(profile.samples[501], 1);
  EXPECT_DOUBLE_EQ(profile.samples[750], 1);  // x = 1500, the end of the second load
  EXPECT_DOUBLE_EQ(profile.samples[751], 0);
  EXPECT_DOUBLE_EQ(profile.samples[0], 0);
  EXPECT_DOUBLE_EQ(profile.LargestMagnitude(), 3 + 499 * 0.006 + 1);
}

TEST(LoadProfileTest, WithoutLoadsTheLargestIsATinyPositiveNumber) {
  LoadTable loads;
  loads.row(1) = {kDistributedLoadKind, 0, 5, 5, 0, 1, 1, 0};  // no cover: no samples, no division
  loads.row(2) = {kDistributedLoadKind, 0, 5, 5, 100, 1, 0, 0};                // not applied
  loads.row(kSelfWeightRow) = {kDistributedLoadKind, 0, 5, 5, 1000, 1, 1, 0};  // not a user row
  const LoadProfile profile = SampleLoadProfile(loads, 1000);
  EXPECT_TRUE(profile.IsEmpty());
  EXPECT_DOUBLE_EQ(profile.LargestMagnitude(), 1e-7);
}

}  // namespace
}  // namespace trabeo
