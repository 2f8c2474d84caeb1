// Results at a point against hand calculations of simple beams, against the listed stations
// where they coincide, and the window's refusals, lines and printout.
#include "results/point_results.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/engine/beam_builder.h"
#include "results/point_printout.h"
#include "support/recording_print_job.h"
#include "support/scripted_dialogs.h"

namespace trabeo {
namespace {

using testing::Analysed;
using testing::BeamBuilder;

constexpr double E = 205000;
constexpr double I = 1.2e8;
constexpr double L = 6000;

// An analysed beam with the window's state; positions are typed in metres.
struct PointWindow {
  BeamModel model;
  Analysed analysed;
  UnitSettings units;
  PointResultsState state;

  explicit PointWindow(const BeamModel& beam, int32_t factoredLoads = kSettingOn)
      : model(beam), analysed(beam) {
    units.FactoredLoads = factoredLoads;
  }
  PointInputs inputs(int32_t resultsValid = 1) const {
    return {model, analysed.r(), units, resultsValid};
  }
  PointCalculation At(const std::string& metres) {
    return CalculatePointResults(state, metres, inputs());
  }
};

void ExpectNearRelative(double actual, double expected, double relative) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * relative + 1e-9);
}

TEST(PointResultsTest, MidSpanOfACentralLoadIsTwoQuartersWithItsBlock) {
  const double P = 10000;
  PointWindow w(BeamBuilder(L, E, I).Point(L / 2, P).Fibre(150).Build());
  ASSERT_EQ(w.At("3").outcome, PointOutcome::Calculated);
  EXPECT_EQ(w.state.PointSegment, kSpanSegment);
  EXPECT_EQ(w.state.PointNumerator, 2);
  EXPECT_EQ(w.state.PointDenominator, 4);
  EXPECT_EQ(w.state.PointPosition, 3000);
  ExpectNearRelative(w.state.PointMoment, P * L / 4, 1e-7);
  ExpectNearRelative(w.state.PointShear, P / 2, 1e-7);  // a load on the station counts as left
  ExpectNearRelative(w.state.PointStress, P * L / 4 * 150 / I, 1e-7);
  ExpectNearRelative(w.state.PointDeflection, -P * L * L * L / (48 * E * I), 1e-6);

  const std::vector<std::string> block{
      "  Distance along beam     = 3.000 m",    "  Factored Shear          = 5.000 kN",
      "  Factored Moment         = 15.00 kN-m", "  Factored Elastic Stress = 18.75 N/mm^2",
      "  Deflection              = -1.829 mm",
  };
  EXPECT_EQ(LatestPointBlock(w.state), block);
  std::vector<std::string> memo{"  RESULTS AT A POINT ", " "};
  memo.insert(memo.end(), block.begin(), block.end());
  memo.emplace_back("");
  EXPECT_EQ(PointMemoLines(w.state), memo);
  EXPECT_EQ(w.state.PointLines.Count(), 8);
  EXPECT_EQ(w.state.PointNextSlot, 9);

  w.units.FactoredLoads = kSettingOff;
  w.At("3");
  EXPECT_EQ(LatestPointBlock(w.state)[1], "  Shear                   = 5.000 kN");
  EXPECT_EQ(LatestPointBlock(w.state)[3], "  Stress                  = 18.75 N/mm^2");
  w.units.FactoredLoads = 0;  // never set: no results but the deflection
  w.At("3");
  EXPECT_EQ(LatestPointBlock(w.state), (std::vector<std::string>{block[0], block[4]}));
}

TEST(PointResultsTest, AtAThirdPointLoadTheStationIsOneThird) {
  const double P = 10000;
  const double a = L / 3;
  const double b = L - a;
  PointWindow w(BeamBuilder(L, E, I).Point(a, P).Build());
  ASSERT_EQ(w.At("2").outcome, PointOutcome::Calculated);
  EXPECT_EQ(w.state.PointNumerator, 1);
  EXPECT_EQ(w.state.PointDenominator, 3);
  ExpectNearRelative(w.state.PointShear, P * b / L, 1e-7);
  ExpectNearRelative(w.state.PointMoment, P * a * b / L, 1e-7);
  // Interpolated between twentieths, within the service pass's accuracy of the closed form.
  ExpectNearRelative(w.state.PointDeflection, -P * a * a * b * b / (3 * E * I * L), 0.015);
  // No fibre distance given: a zero stress is left out.
  EXPECT_EQ(LatestPointBlock(w.state).size(), 4u);
}

// Cantilever tip loads P1 (LH) and P3 (RH) and P2 on the span at a third: every segment's ends,
// from statics by hand.
class SegmentEndsTest : public ::testing::Test {
 protected:
  static constexpr double Lc = 1500, Lr = 1000, P1 = 4000, P2 = 12000, P3 = 3000;
  static constexpr double a = 2000, b = L - a;

  SegmentEndsTest()
      : w(BeamBuilder(L, E, I)
              .LhCantilever(Lc)
              .RhCantilever(Lr)
              .Point(0, P1)
              .Point(Lc + a, P2)
              .Point(Lc + L + Lr, P3)
              .Build()) {}

  // Sagging moment in the span at x from the LH support: the cantilevers' hogging moments at
  // the supports, varying linearly, and the span load's simply supported moment.
  static double SpanMoment(double x) {
    const double simple = x <= a ? P2 * b * x / L : P2 * a * (L - x) / L;
    return -P1 * Lc * (1 - x / L) - P3 * Lr * x / L + simple;
  }

  void ExpectAt(const std::string& metres, int32_t segment, double position, double shear,
                double moment) {
    SCOPED_TRACE(metres);
    ASSERT_EQ(w.At(metres).outcome, PointOutcome::Calculated);
    EXPECT_EQ(w.state.PointSegment, segment);
    EXPECT_NEAR(w.state.PointPosition, position, 1e-3);
    ExpectNearRelative(w.state.PointShear, shear, 1e-6);
    ExpectNearRelative(w.state.PointMoment, moment, 1e-6);
  }

  PointWindow w;
};

TEST_F(SegmentEndsTest, EachSegmentNearItsEnds) {
  // The LH cantilever's free end is 0/q, which the search cannot give: 1/2000 stands for it.
  // The load lies to the left of every section, so the shear is negative.
  ExpectAt("0", kLhSegment, Lc / 2000, -P1, -P1 * Lc / 2000);
  ExpectAt("1.497", kLhSegment, 1497, -P1, -P1 * 1497);
  const double span_shear = P2 * b / L + (P1 * Lc - P3 * Lr) / L;
  ExpectAt("1.512", kSpanSegment, Lc + 12, span_shear, SpanMoment(12));
  ExpectAt("7.488", kSpanSegment, Lc + L - 12, span_shear - P2, SpanMoment(L - 12));
  ExpectAt("7.502", kRhSegment, Lc + L + 2, P3, -P3 * (Lr - 2));
  // The RH tip is 3/3, the segment's last deflection station; its value is the listed one.
  ExpectAt("8.5", kRhSegment, Lc + L + Lr, P3, 0);
  EXPECT_EQ(w.state.PointNumerator, 3);
  EXPECT_EQ(w.state.PointDenominator, 3);
  EXPECT_EQ(w.state.PointDeflection, static_cast<float>(w.analysed.r().TipDeflections[11]));
}

TEST_F(SegmentEndsTest, PointsWithinAThousandthOfASupportAreRefused) {
  const std::string near = kPointNearSupportMessage;
  EXPECT_EQ(w.At("1.49925").message, near);  // LH cantilever, Lc/2000 from the support
  EXPECT_EQ(w.At("1.5").message, near);
  EXPECT_EQ(w.At("1.503").message, near);  // span, L/2000 right of the LH support
  EXPECT_EQ(w.At("7.497").message, near);
  EXPECT_EQ(w.At("7.5").message, near);
  EXPECT_EQ(w.At("7.5005").message, near);  // RH cantilever, Lr/2000 from the support
  EXPECT_EQ(w.At("8.6").message, kPointBeyondBeamMessage);
  EXPECT_EQ(w.At("-0.1").message, kPointNegativeMessage);
  EXPECT_EQ(w.At("7.5005").outcome, PointOutcome::Refused);
}

TEST(PointResultsTest, OnTheLhSupportOfABeamWithoutCantileverTheStationIsOneIn2000) {
  const double P = 9000;
  PointWindow w(BeamBuilder(L, E, I).Point(1500, P).Build());
  ASSERT_EQ(w.At("0").outcome, PointOutcome::Calculated);
  EXPECT_EQ(w.state.PointNumerator, 1);
  EXPECT_EQ(w.state.PointDenominator, 2000);
  ExpectNearRelative(w.state.PointShear, P * 4500 / L, 1e-7);  // the LH reaction
  ExpectNearRelative(w.state.PointMoment, P * 4500 / L * 3, 1e-7);
  // The same distance to the left of it is off the beam.
  EXPECT_EQ(w.At("-0.003").message, kPointNegativeMessage);
  EXPECT_EQ(w.At("0.003").message, kPointNearSupportMessage);
}

TEST(PointResultsTest, RhTipDeflectsAsTheClosedForm) {
  const double Lr = 1500, P = 5000;
  PointWindow w(BeamBuilder(L, E, I).RhCantilever(Lr).Point(L + Lr, P).Build());
  ASSERT_EQ(w.At("7.5").outcome, PointOutcome::Calculated);
  // Its own bending and the support's rotation under the moment P Lr: P Lr^2 (L + Lr) / 3EI.
  ExpectNearRelative(w.state.PointDeflection, -P * Lr * Lr * (L + Lr) / (3 * E * I), 2e-3);
}

// At the twentieths of each segment the point's values are the listing's rows: its shear and
// moment stations 10 k of the factored pass and its deflection station k.
TEST(PointResultsTest, TwentiethsEqualTheListedStations) {
  const double Lc = 1800, Lr = 1200;
  const BeamModel beam = BeamBuilder(L, E, I)
                             .LhCantilever(Lc)
                             .RhCantilever(Lr)
                             .Fixed(true, false)
                             .Udl(0, Lc + L + Lr, 2, 6, 1.4)
                             .Point(Lc + 2111, 15000, 1.6)
                             .Point(Lc + L + 333, 4000, 1.6)
                             .Point(777, 3000)
                             .Build();
  PointWindow w(beam);
  const BeamResults& r = w.analysed.r();
  struct Segment {
    int32_t index;
    double start, length;
    int firstK, lastK;
  };
  for (const Segment& s : {Segment{kLhSegment, 0, Lc, 1, 19}, Segment{kSpanSegment, Lc, L, 1, 19},
                           Segment{kRhSegment, Lc + L, Lr, 1, 20}}) {
    for (int k = s.firstK; k <= s.lastK; ++k) {
      const std::string metres = std::to_string((s.start + s.length * k / 20) / 1000);
      SCOPED_TRACE(metres);
      ASSERT_EQ(w.At(metres).outcome, PointOutcome::Calculated);
      ASSERT_EQ(w.state.PointSegment, s.index);
      const auto station = static_cast<std::size_t>(10 * k);
      const auto service = static_cast<std::size_t>(k);
      double shear = r.SpanShear[station], moment = r.SpanMoment[station];
      double deflection = -r.SpanDeflection[service];
      if (s.index == kLhSegment) {
        shear = r.CantShear[0][station];
        moment = -r.CantMoment[0][station];
        deflection = r.CantDeflection[0][service];
      } else if (s.index == kRhSegment) {
        shear = r.CantShear[1][station];
        moment = -r.CantMoment[1][station];
        deflection = -r.CantDeflection[1][service];
      }
      ExpectNearRelative(w.state.PointShear, shear, 1e-6);
      ExpectNearRelative(w.state.PointMoment, moment, 1e-6);
      ExpectNearRelative(w.state.PointDeflection, deflection, 1e-6);
    }
  }
}

TEST(PointResultsTest, WindowAsksRefusesAndIgnoresAsItShould) {
  PointWindow w(BeamBuilder(L, E, I).Point(L / 2, 10000).Build());
  testing::ScriptedDialogs dialogs;
  dialogs.inputAnswers = {std::string("3"), std::string("9"), std::nullopt};
  EXPECT_EQ(RunPointCalculate(w.state, w.inputs(), dialogs).outcome, PointOutcome::Calculated);
  const auto shown = PointMemoLines(w.state);
  EXPECT_EQ(RunPointCalculate(w.state, w.inputs(), dialogs).outcome, PointOutcome::Refused);
  EXPECT_EQ(RunPointCalculate(w.state, w.inputs(), dialogs).outcome, PointOutcome::Cancelled);
  EXPECT_EQ(PointMemoLines(w.state), shown);  // neither a refusal nor Cancel changes the lines
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kPointBeyondBeamMessage});
  ASSERT_EQ(dialogs.inputRequests.size(), 3u);
  EXPECT_EQ(dialogs.inputRequests[0].caption, "Results at a point");
  EXPECT_EQ(dialogs.inputRequests[0].prompt, "Input Distance along beam (m)");
  EXPECT_EQ(dialogs.inputRequests[0].defaultText, " ");
  EXPECT_EQ(dialogs.inputRequests[1].defaultText, "3.000");
  EXPECT_EQ(dialogs.inputRequests[2].defaultText, "9.000");  // the refused value is kept

  // Results that no longer belong to the beam: nothing is asked, and the message says why.
  EXPECT_EQ(RunPointCalculate(w.state, w.inputs(0), dialogs).outcome, PointOutcome::Ignored);
  EXPECT_EQ(dialogs.inputRequests.size(), 3u);
  EXPECT_EQ(dialogs.messages.back(), kPointNoResultsMessage);

  ClearPointResults(w.state);
  EXPECT_TRUE(PointMemoLines(w.state).empty());
  EXPECT_EQ(w.state.PointLines[1], "  RESULTS AT A POINT ");
}

TEST(PointResultsTest, PrintsTheBlockBelowTheHeader) {
  PointWindow w(BeamBuilder(L, E, I).Point(L / 2, 10000).Build());
  HeaderTexts texts;
  texts.HeaderCompany = "Acme";
  texts.CurrentFileName = "job.trm";
  testing::RecordingPrintJob job(600, 600);
  EXPECT_FALSE(PrintPointResults(job, w.state.PointLines, {texts, "Trabeo", "today"}));
  EXPECT_FALSE(job.began());  // an empty store prints nothing

  w.At("3");
  ASSERT_TRUE(PrintPointResults(job, w.state.PointLines, {texts, "Trabeo", "today"}));
  EXPECT_TRUE(job.ended());
  const auto& canvas = job.recorder();
  EXPECT_EQ(canvas.TextsEqualTo("Acme").size(), 1u);
  EXPECT_EQ(canvas.FindText("job.trm"), nullptr);  // not a beam data file
  // 600 dpi: 23.62 dots per mm, 3.5 mm a line; slot i on line i + 11.
  const auto* distance = canvas.FindText("  Distance along beam");
  ASSERT_NE(distance, nullptr);
  EXPECT_EQ(distance->x, 100);
  EXPECT_EQ(distance->y, static_cast<int>(600 / 25.4 * 3.5 * 14));
  EXPECT_EQ(distance->font.name, "Courier");
  EXPECT_EQ(distance->font.size, 11);
  EXPECT_EQ(canvas.FindText("  RESULTS AT A POINT ")->y, static_cast<int>(600 / 25.4 * 3.5 * 12));
}

}  // namespace
}  // namespace trabeo
