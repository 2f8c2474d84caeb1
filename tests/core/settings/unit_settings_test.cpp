#include "settings/unit_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "settings/unit_options.h"

namespace trabeo {
namespace {

struct ExpectedUnit {
  UnitQuantity quantity;
  const char* name;
  float factor;
};

const ExpectedUnit kStartupUnits[] = {
    {UnitQuantity::Length, "m", 1000.0f},     {UnitQuantity::SectLength, "mm", 1.0f},
    {UnitQuantity::PointLoad, "kN", 1000.0f}, {UnitQuantity::Udl, "kN/m", 1.0f},
    {UnitQuantity::Shear, "kN", 0.001f},      {UnitQuantity::Moment, "kN-m", 1e-6f},
    {UnitQuantity::Deflection, "mm", 1.0f},   {UnitQuantity::Stress, "N/mm^2", 1.0f},
    {UnitQuantity::E, "N/mm^2", 1.0f},        {UnitQuantity::Inertia, "cm^4", 10000.0f},
    {UnitQuantity::Modulus, "cm^3", 1000.0f}, {UnitQuantity::Area, "cm^2", 100.0f},
    {UnitQuantity::Weight, "kg/m", 0.00785f}, {UnitQuantity::Warping, "dm^6", 1e-12f},
};

// Settings in which every field differs from every default.
UnitSettings Unusual() {
  UnitSettings s;
  for (UnitQuantity quantity : kAllUnitQuantities) {
    UnitNameOf(s, quantity) = "odd";
    UnitFactorOf(s, quantity) = 3.0f;
  }
  SetModulusConvention(s, ModulusConvention::ZxxPlastic);
  s.MomentPlotSign = kMomentPlotInverted;
  s.NFactorMode = kNFactorRequested;
  for (int i = 0; i < kCodeSwitchCount; ++i)
    CodeSwitchOf(s, static_cast<CodeSwitch>(i)) = kSettingOn;
  s.FactoredLoads = kSettingOn;
  s.DesignCode = DesignCode::BS5950;
  return s;
}

void ExpectStartupUnits(const UnitSettings& s) {
  for (const ExpectedUnit& unit : kStartupUnits) {
    EXPECT_EQ(UnitNameOf(s, unit.quantity), unit.name) << static_cast<int>(unit.quantity);
    EXPECT_EQ(UnitFactorOf(s, unit.quantity), unit.factor) << static_cast<int>(unit.quantity);
  }
}

TEST(UnitSettingsTest, DefaultConstructedHoldsTheStartupDefaults) {
  const UnitSettings s;
  ExpectStartupUnits(s);
  EXPECT_EQ(s.PlasticXLabel, "Sxx");
  EXPECT_EQ(s.PlasticYLabel, "Syy");
  EXPECT_EQ(s.ElasticXLabel, "Zxx");
  EXPECT_EQ(s.ElasticYLabel, "Zyy");
  EXPECT_EQ(s.MomentPlotSign, 1);
  EXPECT_EQ(s.NFactorMode, 1);
  for (int i = 0; i < kCodeSwitchCount; ++i)
    EXPECT_EQ(CodeSwitchOf(s, static_cast<CodeSwitch>(i)), -1) << i;
  EXPECT_EQ(s.FactoredLoads, 0);  // no default: only a file or the form sets it
  EXPECT_EQ(s.DesignCode, DesignCode::None);
}

// The EN 1993 switch is the desktop's own setting, not the units file's, so a start-up
// without that file keeps it.
TEST(UnitSettingsTest, StartupDefaultsReplaceAllButFactoredLoadsDesignCodeAndEurocodeSwitch) {
  UnitSettings s = Unusual();
  ApplyStartupDefaults(s);
  UnitSettings expected;
  expected.FactoredLoads = kSettingOn;
  expected.DesignCode = DesignCode::BS5950;
  expected.EnableSteelEN1993 = kSettingOn;
  EXPECT_EQ(s, expected);
}

TEST(UnitSettingsTest, EveryStartupUnitIsAnOptionOfItsQuantity) {
  const UnitSettings s;
  for (UnitQuantity quantity : kAllUnitQuantities) {
    const auto index = FindUnitOption(quantity, UnitNameOf(s, quantity));
    ASSERT_TRUE(index.has_value()) << static_cast<int>(quantity);
    EXPECT_EQ(UnitOptionsOf(quantity)[static_cast<std::size_t>(*index)].factor,
              UnitFactorOf(s, quantity));
  }
}

TEST(UnitSettingsTest, EntryAndResultKinds) {
  const UnitQuantity results[] = {UnitQuantity::Shear,      UnitQuantity::Moment,
                                  UnitQuantity::Deflection, UnitQuantity::Stress,
                                  UnitQuantity::Weight,     UnitQuantity::Warping};
  for (UnitQuantity quantity : kAllUnitQuantities) {
    const bool isResult =
        std::find(std::begin(results), std::end(results), quantity) != std::end(results);
    EXPECT_EQ(KindOf(quantity), isResult ? FactorKind::Result : FactorKind::Entry)
        << static_cast<int>(quantity);
  }
}

TEST(UnitSettingsTest, ModulusConventionsSwapTheLabels) {
  UnitSettings s;
  SetModulusConvention(s, ModulusConvention::ZxxPlastic);
  EXPECT_EQ(s.PlasticXLabel, "Zxx");
  EXPECT_EQ(s.PlasticYLabel, "Zyy");
  EXPECT_EQ(s.ElasticXLabel, "Sxx");
  EXPECT_EQ(s.ElasticYLabel, "Syy");
  EXPECT_TRUE(UsesModulusConvention(s, ModulusConvention::ZxxPlastic));
  EXPECT_FALSE(UsesModulusConvention(s, ModulusConvention::SxxPlastic));
  s.PlasticXLabel = "Wpl";
  EXPECT_FALSE(UsesModulusConvention(s, ModulusConvention::ZxxPlastic));
  EXPECT_FALSE(UsesModulusConvention(s, ModulusConvention::SxxPlastic));
}

TEST(UnitSettingsTest, OnlyFinitePositiveFactorsAreUsable) {
  EXPECT_TRUE(IsUsableFactor(1e-12f));
  EXPECT_FALSE(IsUsableFactor(0.0f));
  EXPECT_FALSE(IsUsableFactor(-1.0f));
  EXPECT_FALSE(IsUsableFactor(std::numeric_limits<float>::quiet_NaN()));
  EXPECT_FALSE(IsUsableFactor(std::numeric_limits<float>::infinity()));
}

}  // namespace
}  // namespace trabeo
