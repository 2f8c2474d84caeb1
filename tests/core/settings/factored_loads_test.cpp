#include "settings/factored_loads.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

TEST(FactoredLoads, AnUnsetPreferenceFollowsTheAppliedRowsAndASetOneStays) {
  LoadTable loads;
  loads.row(1) = {kPointLoadKind, 1000, 10000, 0, 0, 1.6f, 0, 0};  // factored, but not acting
  loads.row(2) = {kPointLoadKind, 2000, 10000, 0, 0, 1.0f, 1, 0};
  UnitSettings units;
  ASSERT_EQ(units.FactoredLoads, 0);
  SettleFactoredLoads(units, loads);
  EXPECT_EQ(units.FactoredLoads, kSettingOff);

  loads.row(1).Applied = 1;
  units.FactoredLoads = 0;
  SettleFactoredLoads(units, loads);
  EXPECT_EQ(units.FactoredLoads, kSettingOn);

  units.FactoredLoads = kSettingOff;
  SettleFactoredLoads(units, loads);
  EXPECT_EQ(units.FactoredLoads, kSettingOff);
}

}  // namespace
}  // namespace trabeo
