#include "calculators/joist_calculator.h"

#include <gtest/gtest.h>

#include "settings/sig_fig.h"

namespace trabeo {
namespace {

JoistInput Joist102() {
  return {101.6, 101.6, 10.3, 9.5, 11.1, 3.2, 8, SteelGrade::S275};
}
JoistInput Joist76() {
  return {76.2, 76.2, 8.4, 5.1, 9.4, 4.6, 8, SteelGrade::S275};
}

TEST(JoistCalculatorTest, Joist102x102MatchesItsFigures) {
  const auto outcome = CalculateJoist(Joist102());
  ASSERT_TRUE(outcome.ok()) << outcome.message;
  const JoistResults& r = *outcome.results;
  EXPECT_NEAR(r.Area, 2942.5, 0.05);
  EXPECT_EQ(SigFig3(r.Area / 100), "29.4");
  EXPECT_EQ(SigFig4(r.Ixx / 1e4), "485.3");
  EXPECT_EQ(SigFig4(r.Iyy / 1e4), "154.0");
  EXPECT_EQ(SigFig4(r.Sxx / 1e3), "113.1");
  EXPECT_EQ(SigFig4(r.Syy / 1e3), "50.59");
  EXPECT_EQ(SigFig4(r.K / 1e4), "14.19");
  EXPECT_EQ(SigFig3(r.InscribedCircle), "19.4");
  EXPECT_EQ(SigFig3(r.TorsionFibre), "23.5");
  EXPECT_EQ(SigFig3(r.WebDepth), "55.2");
  EXPECT_EQ(SigFig3(r.x), "7.41");
  EXPECT_NEAR(r.u, 0.8355, 1e-4);
  EXPECT_NEAR(r.H, 3.18662e9, 1e5);
  EXPECT_DOUBLE_EQ(r.ExtremeX, 50.8);
  EXPECT_DOUBLE_EQ(r.Zxx, r.Ixx / 50.8);
  EXPECT_EQ(SigFig3(r.Weight), "23.1");
  EXPECT_EQ(r.design.py, 275);
  // b/T = 50.8 / 10.3 = 4.93, d/t = 55.2 / 9.5 = 5.8.
  EXPECT_EQ(r.design.classXX, "Plastic");
}

TEST(JoistCalculatorTest, Joist76x76MatchesItsCatalogueRecord) {
  const JoistResults r = *CalculateJoist(Joist76()).results;
  const struct {
    double value, stored, tolerance;
  } checks[] = {
      {r.Area, 1628.6, 0.05}, {r.Ixx, 1579300, 50}, {r.Iyy, 518460, 5},   {r.K, 45955, 0.5},
      {r.Sxx, 48654, 0.5},    {r.Syy, 22424, 0.5},  {r.u, 0.85098, 5e-6}, {r.x, 7.2051, 5e-5},
      {r.H, 592670000, 5000}, {r.Rx, 31.14, 0.005}, {r.Ry, 17.84, 0.005},
  };
  for (const auto& c : checks)
    EXPECT_NEAR(c.value, c.stored, c.tolerance);
  EXPECT_EQ(SigFig4(r.K / 1e4), "4.596");
  EXPECT_EQ(SigFig3(r.TorsionFibre), "17.5");
}

TEST(JoistCalculatorTest, ZeroTaperIsAParallelFlange) {
  JoistInput input = Joist102();
  input.thetaDeg = 0;
  const JoistResults r = *CalculateJoist(input).results;
  EXPECT_EQ(r.theta, 1e-8);
  EXPECT_NEAR(r.WebDepth, 101.6 - 2 * (10.3 + 11.1), 1e-5);
  // The plates alone: two flanges, the web and four root fillets.
  const double plates = 2 * 101.6 * 10.3 + 9.5 * (101.6 - 2 * 10.3) +
                        (4 - 3.14159265) * 11.1 * 11.1 - 4 * 0.2146 * 3.2 * 3.2;
  EXPECT_NEAR(r.Area, plates, 0.01);
  const SectionRecord rec = JoistSectionRecord(r, "RSJ");
  EXPECT_NEAR(rec.FlgAngle, 5.7296e-7, 1e-10);
}

TEST(JoistCalculatorTest, ChecksRunInOrder) {
  struct CheckCase {
    const char* name;
    JoistInput input;
    const char* message;
  };
  const CheckCase cases[] = {
      {"empty taper",
       {100, 100, 10, 9, 11, 3, std::nullopt},
       "Enter a value in all the boxes for Section Dimensions"},
      {"negative taper first", {100, 100, 50, 9, 11, 3, -1}, ""},
      {"flange", {100, 100, 12.6, 9, 11, 3, 8}, "Flange thickness is too great"},
      {"web", {100, 100, 12.5, 20.1, 11, 3, 8}, "Web thickness is too great"},
      {"root", {100, 100, 12.5, 20, 25.1, 3, 8}, "Root radius is too large"},
      {"toe", {100, 100, 12, 20, 24, 8.1, 8}, "Toe radius is too large"},
      {"taper", {100, 100, 12, 20, 24, 8, 20.5}, "Flange taper is too steep"},
      {"zero root", {100, 100, 12, 9, 0, 3, 8}, "Dimensions must be greater than 0"},
      {"toe thinned away", {400, 160, 20, 10, 10, 3, 20}, "Flange taper is too steep"},
      {"fillets wider than the outstand",
       {39.4, 702.6, 62, 1.8, 106, 36.8, 18},
       "Root radius is too large"},
  };
  for (const CheckCase& c : cases) {
    const auto outcome = CalculateJoist(c.input);
    EXPECT_FALSE(outcome.ok()) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
  }
}

TEST(JoistCalculatorTest, LimitsThemselvesPass) {
  // T = D/8, t = B/5, r1 = 2T, r2 = T/1.5 and a taper of 20 degrees.
  EXPECT_TRUE(CalculateJoist({100, 120, 15, 20, 30, 10, 8}).ok());
  EXPECT_TRUE(CalculateJoist({101.6, 101.6, 10.3, 9.5, 11.1, 3.2, 20}).ok());
}

TEST(JoistCalculatorTest, RecordHoldsTheSavedFields) {
  const JoistResults r = *CalculateJoist(Joist102()).results;
  const SectionRecord rec = JoistSectionRecord(r, "102 x 102 RSJ");
  EXPECT_EQ(rec.Type, "RSJ");
  EXPECT_EQ(rec.ToeRad, 3.2f);
  EXPECT_EQ(rec.Outstand, 50.8f);
  EXPECT_NEAR(rec.FlgAngle, 8, 1e-5);
  EXPECT_EQ(rec.WebDepth, static_cast<float>(r.WebDepth));
  EXPECT_EQ(rec.x, static_cast<float>(r.x));
  EXPECT_EQ(rec.Cy, 0);
  EXPECT_EQ(rec.Cs, 0);
}

}  // namespace
}  // namespace trabeo
