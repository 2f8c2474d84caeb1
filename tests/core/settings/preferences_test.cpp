#include "settings/preferences.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

TEST(PreferencesTest, StartupDefaultsShowTheirOptions) {
  const PreferenceChoices c = ChoicesShowing(UnitSettings{});
  EXPECT_EQ(c.unitOption(UnitQuantity::Length), 2);              // "m"
  EXPECT_EQ(c.unitOption(UnitQuantity::Udl), 1);                 // "kN/m"
  EXPECT_EQ(c.unitOption(UnitQuantity::Moment), 2);              // "kN-m"
  EXPECT_EQ(c.unitOption(UnitQuantity::Inertia), 1);             // "cm^4"
  EXPECT_EQ(c.unitOption(UnitQuantity::Weight), 0);              // "kg/m"
  EXPECT_EQ(c.unitOption(UnitQuantity::Warping), std::nullopt);  // no group
  EXPECT_EQ(c.modulusConvention, ModulusConvention::SxxPlastic);
  EXPECT_EQ(c.momentPlotSign, 1);
  EXPECT_EQ(c.nFactorMode, 1);
  for (bool checked : c.codeChecked)
    EXPECT_FALSE(checked);
  EXPECT_FALSE(c.factoredLoadsChecked);
}

TEST(PreferencesTest, ShowingThenConfirmingEveryOptionKeepsTheSettings) {
  // Walk each group through all its options; the other groups stay on their defaults.
  for (const UnitGroup& group : UnitGroups()) {
    for (std::size_t i = 0; i < UnitOptionsOf(group.quantity).size(); ++i) {
      UnitSettings s;
      s.FactoredLoads = kSettingOn;
      ASSERT_TRUE(ApplyUnitOption(s, group.quantity, static_cast<int>(i)));
      UnitSettings confirmed = s;
      ApplyChoices(ChoicesShowing(s), confirmed);
      EXPECT_EQ(confirmed, s) << group.caption << " option " << i;
    }
  }
}

TEST(PreferencesTest, ConfirmingAppliesEveryGroup) {
  PreferenceChoices c = ChoicesShowing(UnitSettings{});
  c.unitOption(UnitQuantity::Length) = 4;      // feet
  c.unitOption(UnitQuantity::PointLoad) = 3;   // ton
  c.unitOption(UnitQuantity::Deflection) = 3;  // inches
  c.modulusConvention = ModulusConvention::ZxxPlastic;
  c.momentPlotSign = -1;
  c.nFactorMode = 2;
  c.code(CodeSwitch::Timber5268) = true;
  c.code(CodeSwitch::Steel5950) = true;
  c.factoredLoadsChecked = true;

  UnitSettings s;
  s.DesignCode = DesignCode::BS5268;
  s.WarpingUnitName = "mm^6";
  s.WarpingFactor = 1;
  ApplyChoices(c, s);
  EXPECT_EQ(s.LengthUnitName, "ft");
  EXPECT_EQ(s.LengthFactor, 304.8f);
  EXPECT_EQ(s.PointLoadUnitName, "ton");
  EXPECT_EQ(s.PointLoadFactor, 9964.0f);
  EXPECT_EQ(s.DeflectionUnitName, "in");
  EXPECT_EQ(s.PlasticXLabel, "Zxx");
  EXPECT_EQ(s.ElasticXLabel, "Sxx");
  EXPECT_EQ(s.MomentPlotSign, -1);
  EXPECT_EQ(s.NFactorMode, 2);
  EXPECT_EQ(s.EnableTimber5268, 1);
  EXPECT_EQ(s.EnableSteel5950, 1);
  EXPECT_EQ(s.EnableSteel449, -1);
  EXPECT_EQ(s.FactoredLoads, 1);
  EXPECT_EQ(s.DesignCode, DesignCode::None);  // confirming always clears the chosen code
  EXPECT_EQ(s.WarpingUnitName, "dm^6");
  EXPECT_EQ(s.WarpingFactor, 1e-12f);
}

TEST(PreferencesTest, AStoredValueWithoutAnOptionIsShownUncheckedAndKeptOnConfirm) {
  UnitSettings s;
  s.SectLengthUnitName = "furlong";
  s.SectLengthFactor = 201168;
  s.PlasticXLabel = "Wpl";
  s.MomentPlotSign = 0;
  s.NFactorMode = 7;
  const PreferenceChoices c = ChoicesShowing(s);
  EXPECT_EQ(c.unitOption(UnitQuantity::SectLength), std::nullopt);
  EXPECT_EQ(c.modulusConvention, std::nullopt);
  EXPECT_EQ(c.momentPlotSign, std::nullopt);
  EXPECT_EQ(c.nFactorMode, std::nullopt);

  UnitSettings confirmed = s;
  ApplyChoices(c, confirmed);
  EXPECT_EQ(confirmed.SectLengthUnitName, "furlong");
  EXPECT_EQ(confirmed.SectLengthFactor, 201168.0f);
  EXPECT_EQ(confirmed.PlasticXLabel, "Wpl");
  EXPECT_EQ(confirmed.MomentPlotSign, 0);
  EXPECT_EQ(confirmed.NFactorMode, 7);
}

TEST(PreferencesTest, BoxesAreCheckedExactlyWhenTheirSettingIsOn) {
  UnitSettings s;
  s.EnableSteel5950 = 1;
  s.EnableSteelAISC = 0;
  s.FactoredLoads = 0;
  PreferenceChoices c = ChoicesShowing(s);
  EXPECT_TRUE(c.code(CodeSwitch::Steel5950));
  EXPECT_FALSE(c.code(CodeSwitch::SteelAISC));
  EXPECT_FALSE(c.code(CodeSwitch::Timber5268));
  EXPECT_FALSE(c.factoredLoadsChecked);
  s.FactoredLoads = 1;
  EXPECT_TRUE(ChoicesShowing(s).factoredLoadsChecked);
  // Confirming an unchecked box turns its setting off, a stored 0 included.
  ApplyChoices(c, s);
  EXPECT_EQ(s.EnableSteelAISC, -1);
  EXPECT_EQ(s.FactoredLoads, -1);
}

TEST(PreferencesTest, LimitStateCodesNeedFactoredLoading) {
  struct Case {
    bool factored, bs5950, lrfd, timber;
    std::vector<std::string_view> problems;
  };
  const Case cases[] = {
      {false, false, false, true, {}},
      {false, true, false, false, {kBS5950NeedsFactoredLoads}},
      {false, false, true, false, {kLrfdNeedsFactoredLoads}},
      {false, true, true, true, {kBS5950NeedsFactoredLoads, kLrfdNeedsFactoredLoads}},
      {true, true, true, true, {}},
  };
  for (const Case& test : cases) {
    PreferenceChoices c;
    c.factoredLoadsChecked = test.factored;
    c.code(CodeSwitch::Steel5950) = test.bs5950;
    c.code(CodeSwitch::SteelLRFD) = test.lrfd;
    c.code(CodeSwitch::Timber5268) = test.timber;
    EXPECT_EQ(ConfirmationProblems(c), test.problems)
        << test.factored << test.bs5950 << test.lrfd << test.timber;
  }
  EXPECT_EQ(kBS5950NeedsFactoredLoads, " Factored loading must be enabled to check to BS 5950");
}

}  // namespace
}  // namespace trabeo
