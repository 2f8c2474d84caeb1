#include "steel/slenderness_factor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trabeo {
namespace {

TEST(SlendernessFactorTest, KnownPoints) {
  EXPECT_FLOAT_EQ(BucklingSlendernessFactorV(25.6f, 0), 1.0f);
  EXPECT_NEAR(BucklingSlendernessFactorV(10, 100), std::pow(6.0, -0.25), 1e-6);  // lambda / x = 10
  EXPECT_NEAR(BucklingSlendernessFactorV(10, 100), 0.6389, 5e-5);
  EXPECT_NEAR(BucklingSlendernessFactorV(20, 100), std::pow(2.25, -0.25), 1e-6);
  // Without a torsional index the factor takes its safe upper bound.
  EXPECT_EQ(BucklingSlendernessFactorV(0, 100), 1.0f);
}

}  // namespace
}  // namespace trabeo
