#include "results/unshown_results.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

// A result too large for its format is found wherever it is listed; a ratio's "#####" (no
// measurable deflection, no capacity) is what its verdict says, not a result lost.
TEST(UnshownResultsTest, OverflowedResultsButNotRatios) {
  EXPECT_FALSE(ListingHasUnshownResult({" LH Reaction = 5.000 kN", " Max Shear = 5.000 kN"}));
  EXPECT_TRUE(ListingHasUnshownResult({" LH Reaction = 5.000 kN", " Max Shear = ##### kN"}));
  EXPECT_TRUE(ListingHasUnshownResult({"   3     #####     #####"}));
  EXPECT_FALSE(ListingHasUnshownResult({" SPAN  deflection/span ratio = 1/#####"}));
  EXPECT_FALSE(ListingHasUnshownResult(
      {" Bending Moment = ##### x allowable           BENDING MOMENT TOO HIGH"}));
}

}  // namespace
}  // namespace trabeo
