#include "steel/beam_check/steel_beam_check.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/results/listing_test_support.h"
#include "core/steel/beam_check/check_test_support.h"
#include "results/steel_listing.h"
#include "steel/beam_check/check_parts.h"
#include "steel/beam_check/moment_factors.h"
#include "steel/beam_check/slender_strength.h"

namespace trabeo {
namespace {

using testing::BeamBuilder;
using testing::SteelChecked;
using testing::UniversalBeam203x133x25;

constexpr double kE = 205000;

// A plastic I-section with Zxx py = 55 kN-m and Sxx = 1.3 Zxx.
SectionValues PlasticSection() {
  SectionValues s = UniversalBeam203x133x25();
  s.SectionClass = SectionClass::Plastic;
  s.SectionZxx = 200000;
  s.SectionSxx = 260000;
  return s;
}

std::string Verdict(std::string_view text) {
  return "              " + std::string(text);
}

// Sxx py exceeds 1.2 Zxx py: the capacity is 1.2 Zxx py while the average load factor is at most
// 1.2, then gamma Zxx py, and Sxx py once gamma Zxx py reaches it.
TEST(SteelBeamCheckTest, PlasticCapacityIsLimitedByTheAverageLoadFactor) {
  const double ZxxPy = 200000.0 * 275;
  const struct {
    float factor;
    double Mb;
    std::vector<std::string> lines;
  } cases[] = {
      {1.1f, 1.2 * ZxxPy, {"  Mb = 1.2  x  Zxx x Py"}},
      {1.2f, 1.2 * ZxxPy, {"  Mb = 1.2  x  Zxx x Py"}},
      {1.25f,
       1.25 * ZxxPy,
       {"  Mb = 1.25  x  Zxx x Py", "*  1.2 factor increased. See BS 5950 4.2.5 "}},
      {1.4f,
       1.3 * ZxxPy,
       {"  1.2 factor increased to 1.40. See BS 5950 4.2.5 ", "  Mb = Sxx  x  Py  "}},
  };
  for (const auto& c : cases) {
    SteelChecked run(BeamBuilder(4000, kE, 2.34e7).Point(2000, 10000, c.factor).Build(),
                     PlasticSection());
    run.Run();
    EXPECT_NEAR(run.check->PartMb[10], c.Mb, 8) << c.factor;
    EXPECT_EQ(run.Text(10, 1), " BEAM SPAN");
    EXPECT_EQ(run.Text(10, 2), "  Fully restrained ");
    for (std::size_t i = 0; i < c.lines.size(); ++i)
      EXPECT_EQ(run.Text(10, 4 + static_cast<int>(i)), c.lines[i]) << c.factor;
  }
}

// At py = 275 (epsilon 1) the flange's b/T may reach 15 and the web's d/t 120; beyond, the
// flange takes py 11 / (b/T - 4) and the web 3.96e6 / (d/t)^2, the lesser governing.
TEST(SteelBeamCheckTest, SlenderFlangeAndWebReducePyBeyondTheirLimits) {
  const struct {
    float b, d;  // T = t = 10
    double pyr;
    bool flange, web;
  } cases[] = {
      {150, 1200, 275, false, false},
      {160, 1000, 275 * 11 / 12.0, true, false},
      {100, 1300, 3.96e6 / (130 * 130), false, true},
      {160, 1300, 3.96e6 / (130 * 130), true, true},
  };
  for (const auto& c : cases) {
    SectionValues s;
    s.SectionOutstand = c.b;
    s.SectionFlgThk = 10;
    s.SectionWebDepth = c.d;
    s.SectionWebThk = 10;
    const SlenderStrength strength = SlenderISectionStrength(s, 275);
    EXPECT_NEAR(strength.pyr, c.pyr, 1e-9) << c.b << " " << c.d;
    EXPECT_EQ(strength.flangeSlender, c.flange);
    EXPECT_EQ(strength.webSlender, c.web);
  }
}

SteelChecked SimplySupportedUb(int32_t nFactorMode, bool lhFixed = false) {
  SteelChecked run(
      BeamBuilder(6000, kE, 2.34e7).Fixed(lhFixed, false).Udl(0, 6000, 2, 2, 1.4).Build(),
      UniversalBeam203x133x25());
  run.restraints().EffectiveLengths[10] = 6000;
  run.units.NFactorMode = nFactorMode;
  return run;
}

TEST(SteelBeamCheckTest, NFactorByTheUserPreference) {
  // Mode 2: a simply supported span under a UDL has no end moments, n = 0.94; fixing one end
  // gives it end moments, n = 1. Mode 1: n = 1.
  EXPECT_FLOAT_EQ(SimplySupportedUb(kNFactorByLoading).Run().check->PartN[10], 0.94f);
  EXPECT_FLOAT_EQ(SimplySupportedUb(kNFactorByLoading, true).Run().check->PartN[10], 1.0f);
  EXPECT_FLOAT_EQ(SimplySupportedUb(kNFactorOne).Run().check->PartN[10], 1.0f);

  // Mode 3 asks until the answer lies from 0.56 to 1.
  SteelChecked asked = SimplySupportedUb(kNFactorRequested);
  asked.dialogs.inputAnswers = {"0.5", "1.2", "0.9"};
  asked.Run();
  ASSERT_EQ(asked.dialogs.inputRequests.size(), 3u);
  EXPECT_EQ(asked.dialogs.inputRequests[0].caption, " \"n\" from Table 15 or 16 of BS 5950");
  EXPECT_EQ(asked.dialogs.inputRequests[0].prompt,
            "Enter value for \"n\",  Gamma = 0.0, Beta = 0.0");
  EXPECT_EQ(asked.dialogs.messages, (std::vector<std::string>{"value of n entered is too low",
                                                              "value of n entered is too high"}));
  EXPECT_FLOAT_EQ(asked.check->PartN[10], 0.9f);
  EXPECT_EQ(asked.check->ComplianceState, kComplies);

  // End moments of round-off size (about 1e-8 N mm here) are no end moments: beta is 0, not a
  // ratio of two rounding errors that the user would read n against.
  SteelChecked udl(BeamBuilder(4000, kE, 23402000).Udl(0, 4000, 15, 15, 1).Build(),
                   UniversalBeam203x133x25());
  udl.restraints().EffectiveLengths[10] = 4000;
  udl.units.NFactorMode = kNFactorRequested;
  udl.dialogs.inputAnswers = {"0.9"};
  udl.Run();
  ASSERT_EQ(udl.dialogs.inputRequests.size(), 1u);
  EXPECT_EQ(udl.dialogs.inputRequests[0].prompt, "Enter value for \"n\",  Gamma = 0.0, Beta = 0.0");
}

// A cancelled or empty answer abandons the span: it is listed as not checked and the beam never
// reads as complying.
TEST(SteelBeamCheckTest, AnAbandonedNQuestionLeavesTheSpanUnchecked) {
  for (const std::optional<std::string>& answer :
       {std::optional<std::string>(), std::optional<std::string>("")}) {
    SteelChecked run = SimplySupportedUb(kNFactorRequested);
    run.dialogs.inputAnswers = {answer};
    run.Run();
    EXPECT_EQ(run.check->InputError, 1);
    EXPECT_EQ(run.check->PartChecked[10], 0);
    EXPECT_EQ(run.check->ComplianceState, kComplianceNotChecked);
    EXPECT_TRUE(run.Listed(Verdict(kNotCheckedVerdict)));
    EXPECT_TRUE(run.Listed(" Bending Moment = not checked"));
    EXPECT_TRUE(run.Listed(" Shear = not checked"));
    EXPECT_EQ(run.listing.color, colors::kBlack);
  }
}

// With no load within the span (loads on the cantilever tips only) m comes from the end moments:
// 0.57 + 0.33 beta + 0.1 beta^2, at least 0.43.
TEST(SteelBeamCheckTest, EndMomentsAloneGiveTheEquivalentUniformMomentFactor) {
  const struct {
    double lhTip, rhTip, m;
  } cases[] = {{1000, 1000, 1.0}, {1000, 0, 0.57}, {1000, -1000, 0.43}};
  for (const auto& c : cases) {
    BeamBuilder beam(6000, kE, 2.34e7);
    beam.LhCantilever(1000).RhCantilever(1000).Point(0, c.lhTip);
    if (c.rhTip != 0) beam.Point(8000, c.rhTip);
    SteelChecked run(beam.Build(), UniversalBeam203x133x25());
    run.restraints().EffectiveLengths[10] = 6000;
    run.units.NFactorMode = kNFactorByLoading;
    run.Run();
    EXPECT_NEAR(run.check->PartM[10], c.m, 1e-6) << c.lhTip << " " << c.rhTip;
  }
}

// A semi-compact section buckling at a short effective length reaches pb = py, so Mb = Sxx py
// is more than its capacity held fully restrained, Zxx py. The moment must stay within both.
TEST(SteelBeamCheckTest, NoPartCarriesMoreThanTheSectionFullyRestrained) {
  SectionValues section = UniversalBeam203x133x25();
  section.SectionClass = SectionClass::SemiCompact;
  // 66 kN-m: above Zxx py = 63.3 kN-m, below Sxx py = 71.0 kN-m.
  SteelChecked run(BeamBuilder(4000, kE, 2.34e7).Udl(0, 4000, 33, 33, 1).Build(), section);
  run.restraints().EffectiveLengths[10] = 500;
  run.Run();
  EXPECT_NEAR(run.check->PartMb[10], 258000.0 * 275, 1e3);
  EXPECT_NEAR(run.check->PartMc[10], 23402000.0 / 101.6 * 275, 1e2);
  EXPECT_EQ(run.check->ComplianceState, kComplianceFails);
  EXPECT_EQ(run.listing.color, colors::kRed);
  EXPECT_TRUE(run.Listed(" Bending Moment = 1.042 x allowable           BENDING MOMENT TOO HIGH"));
  EXPECT_TRUE(run.Listed(" Moment capacity fully restrained (Mc) = 63.34 kN-m"));
}

// Angles take 1, 0.8, 0.7 or 0.6 of py Zxx by L/rvv: 0, up to 100, 180 and 300; beyond 300
// the angle is too slender to check.
TEST(SteelBeamCheckTest, AngleCapacityBySlendernessBand) {
  SectionValues angle;
  angle.SectionDescription = "100 x 100 x 10 RSA";
  angle.SectionKind = SectionKind::RSA;
  angle.SectionClass = SectionClass::Plastic;
  angle.SectionDepth = 100;
  angle.SectionWidth = 100;
  angle.SectionWebThk = 10;
  angle.SectionArea = 1900;
  angle.SectionZxx = 10000;
  angle.SectionRv = 10;
  angle.DesignStrength = 275;
  const double pyZ = 275.0 * 10000;
  const struct {
    const char* length;  // mm
    double Mb;
    const char* text;
  } cases[] = {
      {"0", pyZ, "  RSA fully restrained"},
      {"1000", 0.8 * pyZ, "  Buckling resistance moment = 0.8 x py x Zxx = 2200000 N-mm"},
      {"1800", 0.7 * pyZ, "  Buckling resistance moment = 0.7 x py x Zxx = 1925000 N-mm"},
      {"3000", 0.6 * pyZ, "  Buckling resistance moment = 0.6 x py x Zxx = 1650000 N-mm"},
  };
  for (const auto& c : cases) {
    SteelChecked run(BeamBuilder(4000, kE, 1.8e6).Point(2000, 100).Build(), angle);
    run.units = testing::MillimetreUnits();
    run.dialogs.inputAnswers = {c.length};
    run.Run();
    EXPECT_EQ(run.dialogs.inputRequests.at(0).prompt, "Enter unrestrained length (mm) for Span");
    EXPECT_NEAR(run.check->PartMb[10], c.Mb, 1) << c.length;
    EXPECT_TRUE(run.TextHas(10, c.text)) << c.length;
    EXPECT_EQ(run.check->ComplianceState, kComplies);
  }

  SteelChecked slender(BeamBuilder(4000, kE, 1.8e6).Point(2000, 100).Build(), angle);
  slender.units = testing::MillimetreUnits();
  slender.dialogs.inputAnswers = {"3001"};
  slender.Run();
  EXPECT_EQ(slender.check->ComplianceState, kComplianceAngleTooSlender);
  EXPECT_EQ(slender.check->PartChecked[10], 0);
  EXPECT_EQ(slender.Text(10, 5), "  L/rvv = 300.1");
  EXPECT_TRUE(slender.Text(10, 6).empty());  // no capacity line
  EXPECT_FLOAT_EQ(slender.check->RsaLengths[1], 3001);
  EXPECT_TRUE(slender.Listed(Verdict(kAngleTooSlenderVerdict)));
}

// A 300 x 100 box (D/B = 3) needs no buckling check up to ry x 225 x 275 / py = 9 m; beyond, the
// warning block replaces the listing.
TEST(SteelBeamCheckTest, BoxAtItsLengthLimit) {
  SectionValues box;
  box.SectionDescription = "300 x 100 x 8 RHS";
  box.SectionKind = SectionKind::Box;
  box.SectionClass = SectionClass::Compact;
  box.SectionDepth = 300;
  box.SectionWidth = 100;
  box.SectionWebThk = 8;
  box.SectionFlgThk = 8;
  box.SectionArea = 6000;
  box.SectionSxx = 500000;
  box.SectionZxx = 420000;
  box.SectionRy = 40;
  box.DesignStrength = 275;

  SteelChecked atLimit(BeamBuilder(9000, kE, 6.3e7).Point(4500, 1000).Build(), box);
  atLimit.Run();
  EXPECT_TRUE(atLimit.check->CheckWarnings[1].empty());
  EXPECT_TRUE(atLimit.TextHas(10, "  less than 9.00 m"));
  EXPECT_FALSE(atLimit.listing.warningBlockShown);
  EXPECT_EQ(atLimit.check->ComplianceState, kComplies);

  SteelChecked beyond(BeamBuilder(9001, kE, 6.3e7).Point(4500, 1000).Build(), box);
  beyond.Run();
  EXPECT_EQ(beyond.check->CheckWarnings[1], "  Effective length of box section (9.00 m)");
  EXPECT_EQ(beyond.check->CheckWarnings[4],
            "  Lateral torsional buckling of closed sections not within the scope of the prog");
  EXPECT_DOUBLE_EQ(beyond.restraints().EffectiveLengths[10], 9001);
  EXPECT_TRUE(beyond.listing.warningBlockShown);
  ASSERT_EQ(beyond.listing.lines.size(), 6u);
  EXPECT_EQ(beyond.listing.lines[0], beyond.check->CheckWarnings[0]);
  EXPECT_EQ(beyond.listing.lines[3], "  lateral torsional buckling (9.00 m).");
}

// One restraint at mid-span of a simply supported UDL: each half reaches the mid-span moment
// wL^2/8 at the station they share, and the support shear wL/2.
TEST(SteelBeamCheckTest, SegmentsBetweenIntermediateRestraints) {
  SteelChecked run(BeamBuilder(6000, kE, 2.34e7).Udl(0, 6000, 10, 10, 1).Build(),
                   UniversalBeam203x133x25());
  SteelRestraints& r = run.restraints();
  r.IntermediateRestraints = 1;
  r.EffectiveLengths = {0, 3000, 3000, 0, 0, 0, 0, 2550, 2550, 1, 0, 0};
  r.RestraintStations = {100, 100};
  run.Run();
  for (std::size_t p : {1u, 2u}) {
    EXPECT_NEAR(run.check->SegmentMaxMoment[p], 10 * 6000.0 * 6000 / 8, 50) << p;
    EXPECT_NEAR(run.check->SegmentMaxShear[p], 10 * 6000.0 / 2, 1) << p;
    EXPECT_EQ(run.check->PartChecked[p], 1);
  }
  EXPECT_EQ(run.Text(1, 1), " INTERMEDIATE SPAN 1");
  EXPECT_EQ(run.Text(1, 2), "  Effective Length = 2.55 m");
  EXPECT_TRUE(run.Listed(" Effective Length (Le) = 2.55 m"));
  // One empty line between restrained lengths; the span's deflection closes the last one.
  const auto& lines = run.listing.lines;
  const auto second = std::find(lines.begin(), lines.end(), "SPAN UNRESTRAINED LENGTH 2");
  ASSERT_NE(second, lines.end());
  EXPECT_EQ(*(second - 1), "");
  EXPECT_TRUE((second - 2)->starts_with(" Bending Moment = "));
  EXPECT_TRUE((second + 10)->starts_with(" SPAN deflection/span ratio = 1/"));
  EXPECT_EQ(run.stores->SteelListLines[2][11], *(second + 10));  // after an empty slot

  // An angle never passes through the span form: restraints left from an I-section do not cut
  // its span.
  SectionValues angle = run.project->section;
  angle.SectionKind = SectionKind::RSA;
  EXPECT_EQ(PartsOfBeam(run.project->model, r, angle), std::vector<int>{10});
}

}  // namespace
}  // namespace trabeo
