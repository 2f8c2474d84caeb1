#include "calculators/ibeam_calculator.h"

#include <gtest/gtest.h>

#include "settings/sig_fig.h"

namespace trabeo {
namespace {

IBeamInput Ub203x133() {
  return {203.2, 133.2, 5.7, 7.8, 7.6, SteelGrade::S275};
}

TEST(IBeamCalculatorTest, Ub203x133MatchesItsPublishedFigures) {
  const auto outcome = CalculateIBeam(Ub203x133());
  ASSERT_TRUE(outcome.ok()) << outcome.message;
  const IBeamResults& r = *outcome.results;
  EXPECT_NEAR(r.Area, 3196.82, 0.01);
  EXPECT_EQ(SigFig3(r.Area / 100), "32.0");
  EXPECT_EQ(SigFig4(r.Ixx / 1e4), "2340");
  EXPECT_EQ(SigFig4(r.Iyy / 1e4), "307.6");
  EXPECT_EQ(SigFig4(r.Zxx / 1e3), "230.3");
  EXPECT_EQ(SigFig4(r.Zyy / 1e3), "46.19");
  EXPECT_EQ(SigFig4(r.K / 1e4), "5.964");
  EXPECT_EQ(SigFig3(r.InscribedCircle), "12.5");
  EXPECT_EQ(SigFig3(r.TorsionFibre), "15.1");
  EXPECT_EQ(SigFig4(r.Sxx / 1e3), "257.7");
  EXPECT_NEAR(r.Syy, 70943.9, 0.5);  // fillets at their centroids' lever t/2 + 0.223 r
  EXPECT_EQ(SigFig3(r.WebDepth), "172");
  EXPECT_NEAR(r.WebDepth, 172.4, 1e-9);
  EXPECT_EQ(SigFig3(r.H / 1e12), "0.0294");
  EXPECT_EQ(SigFig3(r.u), "0.877");
  EXPECT_EQ(SigFig3(r.x), "25.6");
  EXPECT_EQ(SigFig3(r.Weight), "25.1");
  EXPECT_NEAR(r.Rx, 85.56, 0.01);
  EXPECT_NEAR(r.Ry, 31.02, 0.01);
  EXPECT_DOUBLE_EQ(r.ExtremeX, 66.6);
  EXPECT_DOUBLE_EQ(r.ExtremeY, 101.6);
  EXPECT_EQ(r.design.py, 275);
  // b/T = 66.6 / 7.8 = 8.54 lies just past the plastic limit of 8.5.
  EXPECT_EQ(r.design.classXX, "Compact");
  EXPECT_EQ(r.design.classYY, "Compact");
  EXPECT_TRUE(r.design.messages.empty());
}

TEST(IBeamCalculatorTest, ChecksRunInOrder) {
  struct CheckCase {
    const char* name;
    IBeamInput input;
    const char* message;
  };
  const CheckCase cases[] = {
      {"deep flange", {200, 100, 5, 50.1, 5}, "Flange thickness is too large"},
      {"flange with empty depth", {std::nullopt, 100, 5, 8, 5}, "Flange thickness is too large"},
      {"web above B/3", {200, 99, 33.1, 8, 5}, "Web thickness is too large"},
      {"empty root radius", {200, 100, 5, 8, std::nullopt}, "One of the boxes is empty"},
      {"web between B/4 and B/3", {200, 100, 25.1, 8, 5}, "Web thickness is too great"},
      {"root radius", {200, 100, 5, 8, 25.1}, "Root radius is too large"},
      {"no inscribed circle", {200, 100, 1, 5, 1}, "Cannot evaluate max inscribed circle "},
      {"zero root radius", {200, 100, 6, 10, 0}, "Dimensions must be greater than 0"},
      {"fillets meet", {40, 200, 10, 10, 11}, "Root radius is too large"},
      {"web far thicker than the flanges",
       {159.3, 393.8, 40.9, 1.84, 61.5},
       "Cannot evaluate the torsion constant for these proportions"},
  };
  for (const CheckCase& c : cases) {
    const auto outcome = CalculateIBeam(c.input);
    EXPECT_FALSE(outcome.ok()) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
  }
}

TEST(IBeamCalculatorTest, LimitsThemselvesPass) {
  // T = D/4, t = B/4 and r = B/4 all pass.
  EXPECT_TRUE(CalculateIBeam({160, 100, 25, 40, 25}).ok());
}

TEST(IBeamCalculatorTest, DesignStrengthFollowsGradeAndFlange) {
  IBeamInput input = Ub203x133();
  input.grade = SteelGrade::S460;
  EXPECT_EQ(CalculateIBeam(input).results->design.py, 450);
  input.T = 26;
  input.D = 400;
  EXPECT_EQ(CalculateIBeam(input).results->design.py, 400);
  // Beyond the table: py 0, the message once, no class.
  input = {800, 400, 60, 101, 20, SteelGrade::S275};
  const IBeamResults r = *CalculateIBeam(input).results;
  EXPECT_EQ(r.design.py, 0);
  ASSERT_EQ(r.design.messages.size(), 1u);
  EXPECT_EQ(r.design.messages[0],
            "Thickness greater than that listed in BS 5950\nCannot evaluate value for Py");
  EXPECT_TRUE(r.design.classXX.empty());
}

TEST(IBeamCalculatorTest, WideFlangeHasNoBucklingParameterRoot) {
  // Iyy above Ixx: u takes the conservative 1.0 instead of a root of a negative number.
  const auto r = *CalculateIBeam({100, 400, 10, 12, 10}).results;
  ASSERT_GT(r.Iyy, r.Ixx);
  EXPECT_EQ(r.u, 1.0);
}

TEST(IBeamCalculatorTest, RecordHoldsTheSavedFields) {
  const IBeamResults r = *CalculateIBeam(Ub203x133()).results;
  const SectionRecord rec = IBeamSectionRecord(r, "My beam with a very long description");
  EXPECT_EQ(rec.Designation, "My beam with a very long ");
  EXPECT_EQ(rec.Type, "Beam");
  EXPECT_EQ(rec.E, 205000);
  EXPECT_EQ(rec.Grade, 43);
  EXPECT_EQ(rec.Depth, 203.2f);
  EXPECT_EQ(rec.Outstand, 66.6f);
  EXPECT_EQ(rec.WebDepth, 172.4f);
  EXPECT_EQ(rec.Area, static_cast<float>(r.Area));
  EXPECT_EQ(rec.TorsionFibre, static_cast<float>(r.TorsionFibre));
  EXPECT_EQ(rec.H, static_cast<float>(r.H));
  EXPECT_EQ(rec.ExtremeX, 66.6f);
  EXPECT_EQ(rec.ExtremeY, 101.6f);
  EXPECT_EQ(rec.ToeRad, 0);
  EXPECT_EQ(rec.Cy, 0);
  EXPECT_EQ(rec.Iuu, 0);
  EXPECT_EQ(rec.Extra, 0);
}

}  // namespace
}  // namespace trabeo
