#include "settings/unit_conversion.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "settings/sig_fig.h"
#include "settings/unit_options.h"

namespace trabeo {
namespace {

TEST(TextToNumberTest, ReadsTheLeadingNumberOrZero) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"12.5", 12.5},   {"  7", 7},        {"\t8", 8},
      {"-3.25", -3.25}, {"+4", 4},         {".5", 0.5},
      {"-.5", -0.5},    {"5.", 5},         {"1,5", 1},
      {"12abc", 12},    {"3 4", 3},        {"2.5kN", 2.5},
      {"1e3", 1000},    {"2.5E-2", 0.025}, {"1e", 1},
      {"1e+", 1},       {"4e2.5", 400},    {"0.000123", 0.000123},
      {"", 0},          {"abc", 0},        {"-", 0},
      {".", 0},         {"-.", 0},         {"+-1", 0},
      {"inf", 0},       {"nan", 0},        {"0x10", 0},
      {"1e400", 0},     {"-1e400", 0},     {"e5", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
  }
  EXPECT_FALSE(std::signbit(TextToNumber("-0")));
  EXPECT_FALSE(std::signbit(TextToNumber("-0.000")));
}

TEST(TextToNumberTest, IgnoresTheProcessLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      switched = true;
      break;
    }
  }
  if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
  const double point = TextToNumber("1.5");
  const double comma = TextToNumber("1,5");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(point, 1.5);
  EXPECT_EQ(comma, 1.0);
}

TEST(UnitConversionTest, DefaultUnitsShowInternalValues) {
  const UnitSettings s;
  struct Case {
    UnitQuantity quantity;
    double internal;
    const char* shown;
  };
  const Case cases[] = {
      {UnitQuantity::Length, 6000, "6.00 m"},
      {UnitQuantity::PointLoad, 25000, "25.0 kN"},
      {UnitQuantity::Udl, 7.5, "7.50 kN/m"},
      {UnitQuantity::Shear, 48250, "48.3 kN"},
      {UnitQuantity::Moment, 123.4e6, "123 kN-m"},
      {UnitQuantity::Deflection, -12.34, "-12.3 mm"},
      {UnitQuantity::Inertia, 4734400, "473 cm^4"},
      {UnitQuantity::Modulus, 2.345e5, "235 cm^3"},
      {UnitQuantity::Area, 1652, "16.5 cm^2"},
      {UnitQuantity::Weight, 1652, "13.0 kg/m"},
      {UnitQuantity::Warping, 1986700000, "0.00199 dm^6"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShowValueWithUnit(s, c.quantity, c.internal, SigFig3), c.shown) << c.shown;
  }
  EXPECT_EQ(ShowValue(s, UnitQuantity::Length, 6000, SigFig4Dec3), "6.000");
}

TEST(UnitConversionTest, EveryUnitRoundTripsATypedValue) {
  // "3.7" typed in any unit is stored internally and shows back as 3.70 in that unit.
  for (UnitQuantity quantity : kAllUnitQuantities) {
    for (std::size_t i = 0; i < UnitOptionsOf(quantity).size(); ++i) {
      UnitSettings s;
      ASSERT_TRUE(ApplyUnitOption(s, quantity, static_cast<int>(i)));
      const double internal = TypedToInternal(s, quantity, "3.7");
      EXPECT_NEAR(ToShownUnits(s, quantity, internal), 3.7, 3.7e-12);
      EXPECT_EQ(ShowValue(s, quantity, internal, SigFig3), "3.70")
          << UnitOptionsOf(quantity)[i].unitName;
    }
  }
}

TEST(UnitConversionTest, ResultFactorsAndEntryFactorsRunOppositeWays) {
  UnitSettings s;
  ApplyUnitOption(s, UnitQuantity::Length, 3);  // inches: entry
  ApplyUnitOption(s, UnitQuantity::Shear, 2);   // lbf: result
  EXPECT_NEAR(TypedToInternal(s, UnitQuantity::Length, "10"), 254.0, 1e-4);
  EXPECT_NEAR(ToShownUnits(s, UnitQuantity::Length, 254.0), 10.0, 1e-6);
  EXPECT_NEAR(ToShownUnits(s, UnitQuantity::Shear, 4448.2216), 1000.0, 1e-3);
  EXPECT_NEAR(ToInternalUnits(s, UnitQuantity::Shear, 1000.0), 4448.2216, 1e-2);
}

TEST(UnitConversionTest, ImperialTonRoundsBackToOneTon) {
  UnitSettings s;
  ApplyUnitOption(s, UnitQuantity::PointLoad, 3);
  ApplyUnitOption(s, UnitQuantity::Shear, 3);
  const double internal = TypedToInternal(s, UnitQuantity::PointLoad, "1");
  EXPECT_DOUBLE_EQ(internal, 9964.0);
  EXPECT_EQ(ShowValueWithUnit(s, UnitQuantity::Shear, internal, SigFig4), "1.000 ton");
  EXPECT_NEAR(ToShownUnits(s, UnitQuantity::Shear, internal), 0.999998, 1e-6);
}

TEST(UnitConversionTest, KilonewtonsPerMetreAndNewtonsPerMillimetreShareTheFactor) {
  UnitSettings s;
  const double asKnPerM = TypedToInternal(s, UnitQuantity::Udl, "12.5");
  ApplyUnitOption(s, UnitQuantity::Udl, 0);
  EXPECT_EQ(TypedToInternal(s, UnitQuantity::Udl, "12.5"), asKnPerM);
  EXPECT_EQ(ShowValueWithUnit(s, UnitQuantity::Udl, asKnPerM, SigFig3), "12.5 N/mm");
}

TEST(UnitConversionTest, UnitTextHelpers) {
  EXPECT_EQ(WithUnit("4.50", "kN"), "4.50 kN");
  EXPECT_EQ(UnitHeading("kN-m"), "(kN-m)");
  EXPECT_EQ(EmptyIfZeroText(SigFig4Dec3(0)), "");
  EXPECT_EQ(EmptyIfZeroText(SigFig3Dec3(0.001)), "");
  EXPECT_EQ(EmptyIfZeroText(SigFig3(0)), "");
  EXPECT_EQ(EmptyIfZeroText("0.001"), "0.001");
  EXPECT_EQ(EmptyIfZeroText("0"), "0");
}

}  // namespace
}  // namespace trabeo
