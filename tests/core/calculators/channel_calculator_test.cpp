#include "calculators/channel_calculator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "settings/sig_fig.h"

namespace trabeo {
namespace {

ChannelInput Rsc76x38() {
  return {"76 x 38 RSC", 38.1, 76.2, 6.8, 5.1, 7.6, 2.4, 5, SteelGrade::S275};
}

TEST(ChannelCalculatorTest, Rsc76x38FindsItsAxisThroughTheFillets) {
  const auto outcome = CalculateChannel(Rsc76x38());
  ASSERT_TRUE(outcome.ok()) << outcome.message;
  const ChannelResults& r = *outcome.results;
  EXPECT_EQ(r.PlasticAxisCase, 'C');
  EXPECT_NEAR(r.Area, 854.69, 0.005);
  EXPECT_EQ(SigFig3Dec3(r.Area / 100), "8.55");
  EXPECT_EQ(SigFig3Dec3(r.Cy), "12.0");
  EXPECT_NEAR(r.Cy, 11.97, 0.005);
  EXPECT_EQ(SigFig4Dec3(r.Ixx / 1e4), "74.27");
  EXPECT_EQ(SigFig4Dec3(r.Iyy / 1e4), "10.66");
  EXPECT_EQ(SigFig4Dec3(r.Zyy / 1e3), "4.080");
  EXPECT_EQ(SigFig4Dec3(r.Sxx / 1e3), "23.46");
  EXPECT_EQ(SigFig4Dec3(r.Syy / 1e3), "7.830");
  EXPECT_EQ(SigFig3Dec3(r.Ceq), "6.75");
  EXPECT_EQ(SigFig4Dec3(r.K / 1e4), "1.280");
  EXPECT_EQ(SigFig3(r.TorsionFibre), "12.1");
  EXPECT_EQ(SigFig3(r.Cs), "25.2");
  EXPECT_EQ(SigFig3(r.eo), "15.7");
  EXPECT_EQ(SigFig3(r.H / 1e12), "0.000105");
  EXPECT_EQ(SigFig3(r.u), "0.899");
  EXPECT_EQ(SigFig3(r.x), "9.20");
  EXPECT_EQ(SigFig3(r.WebDepth), "45.8");
  EXPECT_DOUBLE_EQ(r.ExtremeX, 38.1 - r.Cy);
  EXPECT_EQ(r.design.py, 275);
  // b/T = 19.05 / 6.8 = 2.8 and d/t = 9.0: plastic.
  EXPECT_EQ(r.design.classXX, "Plastic");
}

TEST(ChannelCalculatorTest, SlopingChannelHasItsStoredProperties) {
  // C 75 x 6 with flanges sloping 1 in 6, whose stored properties these formulas produced.
  const ChannelResults r =
      *CalculateChannel({"C 75 x 6", 35.8, 76.2, 6.9, 4.3, 6.86, 2.3, 9.462}).results;
  EXPECT_EQ(r.PlasticAxisCase, 'C');
  EXPECT_NEAR(r.Area, 772.445, 0.001);
  EXPECT_NEAR(r.Ixx, 686288, 1);
  EXPECT_NEAR(r.Iyy, 81103, 1);
  EXPECT_NEAR(r.Cy, 11.118, 0.001);
  EXPECT_NEAR(r.K, 11286.6, 0.1);
  EXPECT_NEAR(r.TorsionFibre, 12.1828, 1e-4);
  EXPECT_NEAR(r.Cs, 23.6203, 1e-4);
  EXPECT_NEAR(r.Sxx, 21562.3, 0.1);
  EXPECT_NEAR(r.u, 0.897324, 1e-6);
  EXPECT_NEAR(r.x, 9.64094, 1e-5);
  EXPECT_NEAR(r.H, 85956200, 100);
  EXPECT_NEAR(r.Ceq, 6.91, 0.005);
  EXPECT_NEAR(r.WebDepth, 45.5275, 1e-4);
}

TEST(ChannelCalculatorTest, AxisInTheWeb) {
  const ChannelResults r =
      *CalculateChannel({"case A", 38, 76.2, 6.9, 6.6, 6.86, 2.3, 9.462}).results;
  EXPECT_EQ(r.PlasticAxisCase, 'A');
  EXPECT_DOUBLE_EQ(r.Ceq, r.Area / (2 * 76.2));
  EXPECT_EQ(SigFig3Dec3(r.Ceq), "6.21");
  EXPECT_EQ(SigFig4Dec3(r.Syy / 1e3), "7.543");
}

TEST(ChannelCalculatorTest, AxisBeyondTheFillets) {
  const ChannelResults r = *CalculateChannel({"case B", 33, 30, 7, 5, 7, 3.5, 4.574}).results;
  EXPECT_EQ(r.PlasticAxisCase, 'B');
  EXPECT_EQ(SigFig3Dec3(r.Ceq), "12.0");
  EXPECT_EQ(SigFig4Dec3(r.Syy / 1e3), "4.658");
}

TEST(ChannelCalculatorTest, ChecksRunInOrder) {
  struct CheckCase {
    const char* name;
    ChannelInput input;
    const char* message;
  };
  const CheckCase cases[] = {
      {"description", {"", 38.1, 76.2, 6.8, 5.1, 7.6, 2.4, 5}, "Section needs a description"},
      {"taper",
       {"c", 38.1, 76.2, 6.8, 5.1, 7.6, 2.4, 20.5},
       "Max flange taper for accurate results = 20\u00B0"},
      {"empty depth",
       {"c", 38.1, std::nullopt, 6.8, 5.1, 7.6, 2.4, 5},
       "Flange thickness is too large"},
      {"web", {"c", 38.1, 76.2, 6.8, 12.8, 7.6, 2.4, 5}, "Web thickness is too large"},
      {"toe", {"c", 38.1, 76.2, 6.8, 5.1, 7.6, 5.2, 5}, "Toe radius is too large"},
      {"root", {"c", 38.1, 76.2, 6.8, 5.1, 12, 2.4, 5}, "Root radius is too large"},
      {"empty toe", {"c", 38.1, 76.2, 6.8, 5.1, 7.6, std::nullopt, 5}, "One of the boxes is empty"},
      {"zero root", {"c", 38.1, 76.2, 6.8, 5.1, 0, 2.4, 5}, "Dimensions must be greater than 0"},
      {"negative taper",
       {"c", 38.1, 76.2, 6.8, 5.1, 7.6, 2.4, -2},
       "Dimensions must be greater than 0"},
  };
  for (const CheckCase& c : cases) {
    const auto outcome = CalculateChannel(c.input);
    EXPECT_FALSE(outcome.ok()) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
  }
  EXPECT_TRUE(CalculateChannel({"c", 40, 100, 10, 6, 8, 0, 20}).ok());  // a taper of 20 passes
}

TEST(ChannelCalculatorTest, TrialAxisOutsideTheFilletKeepsTheStripCountInItsTable) {
  // Wide flanges on a shallow web: the iterations take the axis right of the fillet's centre,
  // where the count of strips would be negative. A deep channel puts it at the web face, where
  // the count reaches the end of the table.
  const ChannelInput inputs[] = {
      {"wide flanges", 304, 152, 21.2, 37.3, 50.7, 15.5, 1.16},
      {"at the web face", 213.6, 229.6, 37, 52.3, 21.5, 1.76, 8},
  };
  for (const ChannelInput& input : inputs) {
    const auto outcome = CalculateChannel(input);
    ASSERT_TRUE(outcome.ok()) << input.description << ": " << outcome.message;
    const ChannelResults& r = *outcome.results;
    EXPECT_EQ(r.PlasticAxisCase, 'C') << input.description;
    EXPECT_TRUE(std::isfinite(r.Syy) && r.Syy > 0) << input.description;
    EXPECT_GE(r.Ceq, r.t) << input.description;
    EXPECT_LT(r.Ceq, r.B) << input.description;
  }
}

TEST(ChannelCalculatorTest, FilletsMeetingAcrossTheWebAreRefused) {
  EXPECT_EQ(CalculateChannel({"c", 168.1, 22.8, 2.0, 40.8, 41, 0.5, 1}).message,
            "Root radius is too large");
  // Root and toe fillets wider than the flange.
  EXPECT_EQ(CalculateChannel({"c", 30, 200, 20, 10, 15, 6, 0}).message, "Root radius is too large");
}

TEST(ChannelCalculatorTest, WebFarThickerThanTheFlangesIsRefused) {
  // The torsion fit turns negative.
  EXPECT_EQ(CalculateChannel({"c", 289.3, 74.1, 5.4, 25.8, 29, 2.8, 0}).message,
            "Cannot evaluate the torsion constant for these proportions");
}

TEST(ChannelCalculatorTest, RecordHoldsTheSavedFields) {
  const ChannelResults r = *CalculateChannel(Rsc76x38()).results;
  const SectionRecord rec = ChannelSectionRecord(r, "76 x 38 RSC");
  EXPECT_EQ(rec.Type, "RSC");
  EXPECT_EQ(rec.Outstand, 38.1f);
  EXPECT_NEAR(rec.FlgAngle, 5, 1e-5);
  EXPECT_EQ(rec.Cy, static_cast<float>(r.Cy));
  EXPECT_EQ(rec.Cs, static_cast<float>(r.Cs));
  EXPECT_EQ(rec.ExtremeX, static_cast<float>(38.1 - r.Cy));
  EXPECT_EQ(rec.ExtremeY, 38.1f);
  EXPECT_EQ(rec.Extra, 0);
  EXPECT_EQ(rec.Cx, 0);
  EXPECT_EQ(rec.Grade, 43);
}

}  // namespace
}  // namespace trabeo
