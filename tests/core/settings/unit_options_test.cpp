#include "settings/unit_options.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace trabeo {
namespace {

// Exact definitions, independent of the tables: how many mm, N and kg a unit holds.
constexpr double kInch = 25.4;
constexpr double kFoot = 304.8;
constexpr double kPoundForce = 4.4482216152605;
constexpr double kTonForce = 2240 * kPoundForce;
constexpr double kPound = 0.45359237;  // kg

struct PhysicalFactor {
  UnitQuantity quantity;
  const char* unitName;
  double value;  // the factor the unit's definition gives
};

// Internal units: mm, N, N/mm, N.mm, N/mm2, mm2, mm3, mm4, mm6; weight from mm2 of steel.
const PhysicalFactor kDefinitions[] = {
    {UnitQuantity::Length, "mm", 1},
    {UnitQuantity::Length, "cm", 10},
    {UnitQuantity::Length, "m", 1000},
    {UnitQuantity::Length, "in", kInch},
    {UnitQuantity::Length, "ft", kFoot},
    {UnitQuantity::PointLoad, "N", 1},
    {UnitQuantity::PointLoad, "kN", 1000},
    {UnitQuantity::PointLoad, "lbf", kPoundForce},
    {UnitQuantity::PointLoad, "ton", kTonForce},
    {UnitQuantity::PointLoad, "Kips", 1000 * kPoundForce},
    {UnitQuantity::Udl, "N/mm", 1},
    {UnitQuantity::Udl, "kN/m", 1},
    {UnitQuantity::Udl, "lbf/in", kPoundForce / kInch},
    {UnitQuantity::Udl, "lbf/ft", kPoundForce / kFoot},
    {UnitQuantity::Udl, "Ton/ft", kTonForce / kFoot},
    {UnitQuantity::Udl, "Kip/ft", 1000 * kPoundForce / kFoot},
    {UnitQuantity::Shear, "N", 1},
    {UnitQuantity::Shear, "kN", 1e-3},
    {UnitQuantity::Shear, "lbf", 1 / kPoundForce},
    {UnitQuantity::Shear, "ton", 1 / kTonForce},
    {UnitQuantity::Shear, "Kip", 1 / (1000 * kPoundForce)},
    {UnitQuantity::Moment, "N-mm", 1},
    {UnitQuantity::Moment, "N-m", 1e-3},
    {UnitQuantity::Moment, "kN-m", 1e-6},
    {UnitQuantity::Moment, "lbf-in", 1 / (kPoundForce * kInch)},
    {UnitQuantity::Moment, "lbf-ft", 1 / (kPoundForce * kFoot)},
    {UnitQuantity::Deflection, "mm", 1},
    {UnitQuantity::Deflection, "cm", 0.1},
    {UnitQuantity::Deflection, "m", 1e-3},
    {UnitQuantity::Deflection, "in", 1 / kInch},
    {UnitQuantity::Stress, "N/mm^2", 1},
    {UnitQuantity::Stress, "lbf/in^2", kInch* kInch / kPoundForce},
    {UnitQuantity::Modulus, "mm^3", 1},
    {UnitQuantity::Modulus, "cm^3", 1e3},
    {UnitQuantity::Modulus, "in^3", kInch* kInch* kInch},
    {UnitQuantity::E, "N/mm^2", 1},
    {UnitQuantity::E, "lbf/in^2", kPoundForce / (kInch * kInch)},
    {UnitQuantity::Inertia, "mm^4", 1},
    {UnitQuantity::Inertia, "cm^4", 1e4},
    {UnitQuantity::Inertia, "in^4", kInch* kInch* kInch* kInch},
    {UnitQuantity::Area, "mm^2", 1},
    {UnitQuantity::Area, "cm^2", 100},
    {UnitQuantity::Area, "in^2", kInch* kInch},
    {UnitQuantity::SectLength, "mm", 1},
    {UnitQuantity::SectLength, "cm", 10},
    {UnitQuantity::SectLength, "in", kInch},
    {UnitQuantity::Weight, "kg/m", 7850e-6},
    {UnitQuantity::Weight, "lb/ft", 7850e-6 / kPound* kFoot / 1000},
    {UnitQuantity::Warping, "dm^6", 1e-12},
};

TEST(UnitOptionsTest, EveryFactorAgreesWithItsUnitsDefinition) {
  std::size_t optionCount = 0;
  for (UnitQuantity quantity : kAllUnitQuantities)
    optionCount += UnitOptionsOf(quantity).size();
  EXPECT_EQ(optionCount, std::size(kDefinitions));

  for (const PhysicalFactor& definition : kDefinitions) {
    const auto index = FindUnitOption(definition.quantity, definition.unitName);
    ASSERT_TRUE(index.has_value()) << definition.unitName;
    const double factor =
        UnitOptionsOf(definition.quantity)[static_cast<std::size_t>(*index)].factor;
    // The tables give six or seven figures; 1e-5 catches any mistyped digit that matters.
    EXPECT_NEAR(factor / definition.value, 1.0, 1e-5) << definition.unitName;
  }
}

TEST(UnitOptionsTest, ImperialTonIsEnteredAs9964NewtonsAndShownByItsOwnFactor) {
  const auto entry = UnitOptionsOf(UnitQuantity::PointLoad)[3];
  const auto result = UnitOptionsOf(UnitQuantity::Shear)[3];
  EXPECT_EQ(entry.caption, "Imperial ton (tonf)");
  EXPECT_EQ(result.caption, "Imperial ton (tonf)");
  EXPECT_EQ(entry.unitName, "ton");
  EXPECT_EQ(result.unitName, "ton");
  EXPECT_EQ(entry.note, "(2240 lbf)");
  EXPECT_EQ(result.note, "(2240 lbf)");
  EXPECT_EQ(entry.factor, 9964.0f);
  EXPECT_EQ(result.factor, 0.0001003611f);
  // Not exact reciprocals: one ton typed shows back as 1.000002 ton.
  const double roundTrip = static_cast<double>(entry.factor) * result.factor;
  EXPECT_NE(roundTrip, 1.0);
  EXPECT_NEAR(roundTrip, 1.0, 3e-6);
}

TEST(UnitOptionsTest, UnitNamesAreDistinctWithinAQuantityAndFitTheirSlot) {
  for (UnitQuantity quantity : kAllUnitQuantities) {
    std::set<std::string_view> names;
    for (const UnitOption& option : UnitOptionsOf(quantity)) {
      EXPECT_TRUE(names.insert(option.unitName).second) << option.unitName;
      EXPECT_LE(option.unitName.size(), static_cast<std::size_t>(kUnitNameCapacity));
    }
  }
}

TEST(UnitOptionsTest, OptionsMatchByExactUnitName) {
  EXPECT_EQ(FindUnitOption(UnitQuantity::Udl, "kN/m"), 1);
  EXPECT_EQ(FindUnitOption(UnitQuantity::Udl, "N/mm"), 0);
  EXPECT_EQ(FindUnitOption(UnitQuantity::Shear, "Kip"), 4);
  EXPECT_EQ(FindUnitOption(UnitQuantity::Shear, "Kips"), std::nullopt);
  EXPECT_EQ(FindUnitOption(UnitQuantity::PointLoad, "KN"), std::nullopt);
  EXPECT_EQ(FindUnitOption(UnitQuantity::Length, "m "), std::nullopt);
}

TEST(UnitOptionsTest, ApplyingAnOptionSetsNameAndFactor) {
  UnitSettings s;
  EXPECT_TRUE(ApplyUnitOption(s, UnitQuantity::Udl, 0));
  EXPECT_EQ(s.UdlUnitName, "N/mm");
  EXPECT_EQ(s.UdlFactor, 1.0f);
  EXPECT_TRUE(ApplyUnitOption(s, UnitQuantity::Moment, 4));
  EXPECT_EQ(s.MomentUnitName, "lbf-ft");
  EXPECT_EQ(s.MomentFactor, 0.000737562f);
  const UnitSettings before = s;
  EXPECT_FALSE(ApplyUnitOption(s, UnitQuantity::Stress, 2));
  EXPECT_FALSE(ApplyUnitOption(s, UnitQuantity::Stress, -1));
  EXPECT_EQ(s, before);
}

TEST(UnitOptionsTest, GroupsStandOnTheirTabsAndTheWarpingUnitHasNone) {
  std::set<UnitQuantity> seen;
  std::vector<std::string> inputTab;
  std::vector<std::string> outputTab;
  std::vector<std::string> sectionTab;
  for (const UnitGroup& group : UnitGroups()) {
    EXPECT_TRUE(seen.insert(group.quantity).second);
    auto& tab = group.tab == PreferencesTab::InputUnits    ? inputTab
                : group.tab == PreferencesTab::OutputUnits ? outputTab
                                                           : sectionTab;
    EXPECT_TRUE(group.tab == PreferencesTab::InputUnits ||
                group.tab == PreferencesTab::OutputUnits ||
                group.tab == PreferencesTab::SectionUnits);
    tab.emplace_back(group.caption);
  }
  EXPECT_EQ(seen.size(), 13u);
  EXPECT_FALSE(seen.contains(UnitQuantity::Warping));
  EXPECT_EQ(inputTab, (std::vector<std::string>{"Length", "Point Load", "UDL Load Rate"}));
  EXPECT_EQ(outputTab, (std::vector<std::string>{"Shear", "Moment", "Deflection", "Stress"}));
  EXPECT_EQ(sectionTab, (std::vector<std::string>{"S/ Z", "E", "I", "Area", "Length", "Weight"}));
  EXPECT_EQ(TabCaption(PreferencesTab::SectionUnits), "Section  Units");
}

TEST(UnitOptionsTest, ValueOptionsMapBothWays) {
  EXPECT_EQ(FindValueOption(MomentPlotOptions(), -1), 1);
  EXPECT_EQ(FindValueOption(MomentPlotOptions(), 0), std::nullopt);
  EXPECT_EQ(MomentPlotOptions()[1].caption, "Inverted");
  EXPECT_EQ(FindValueOption(NFactorOptions(), 3), 2);
  EXPECT_EQ(NFactorOptions()[2].caption, "Request input of value for  n");
  EXPECT_EQ(FindValueOption(NFactorOptions(), 4), std::nullopt);
}

TEST(UnitOptionsTest, OnlyTheBS5268BS5950AndEN1993BoxesAreShown) {
  int shown = 0;
  for (const CodeSwitchOption& option : CodeSwitchOptions()) {
    if (option.shown) ++shown;
  }
  EXPECT_EQ(shown, 3);
  EXPECT_EQ(CodeSwitchOptions()[0].caption, "BS 5268");
  EXPECT_EQ(CodeSwitchOptions()[1].caption, "BS 5950 ");
  EXPECT_TRUE(CodeSwitchOptions()[1].shown);
  const CodeSwitchOption& eurocode = CodeSwitchOptions().back();
  EXPECT_EQ(eurocode.caption, "EN 1993");
  EXPECT_EQ(eurocode.code, CodeSwitch::SteelEN1993);
  EXPECT_TRUE(eurocode.shown);
}

}  // namespace
}  // namespace trabeo
