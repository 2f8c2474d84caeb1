#include <gtest/gtest.h>

#include <cmath>

#include "beam_input/cantilever_restraints.h"
#include "beam_input/intermediate_restraints.h"
#include "beam_input/span_restraints.h"
#include "support/recording_canvas.h"
#include "support/scripted_dialogs.h"

namespace trabeo {
namespace {

using testing::ScriptedDialogs;

constexpr double kSpan = 6000;
constexpr float kDepth = 300;

BeamModel Beam(double span, bool lh = false, bool rh = false) {
  BeamModel model;
  model.MainSpan = {1.0, span, 205000, 1e8, 0};
  if (lh) model.LhCantilever = {1.0, 2000, 0, 0, 0};
  if (rh) model.RhCantilever = {1.0, 2000, 0, 0, 0};
  return model;
}

struct SpanForm {
  SpanFormState state;
  SteelRestraints restraints;
  UnitSettings units;  // lengths in m
  ScriptedDialogs dialogs;

  void Pick(std::initializer_list<SpanOption> options, double span = kSpan) {
    for (SpanOption option : options)
      PickSpanOption(state, option, span, kDepth, units, restraints);
  }
  SpanNextResult Next(double span = kSpan) {
    return SpanFormNext(state, Beam(span), units, restraints, dialogs);
  }
};

// Normal load; LH both flanges fully restrained (0.7L), RH both flanges free (1.0L): the span
// takes their mean, 0.85L, stored as displayed to three figures.
TEST(SpanRestraintsTest, TheTwoEndsAreAveraged) {
  SpanForm form;
  form.Pick({SpanOption::LhBothRestrained, SpanOption::RhBothFree});
  EXPECT_EQ(form.state.lhFactorLabel, "0.7L");
  EXPECT_EQ(form.state.rhFactorLabel, "1.0L");
  EXPECT_EQ(form.state.effectiveLengthLabel, "5.10");
  const SpanNextResult next = form.Next();
  EXPECT_FALSE(next.stays);
  EXPECT_EQ(next.next, EntryStep::Analyse);
  EXPECT_EQ(form.restraints.SpanLeText, "0.7L & 1.0L");
  EXPECT_DOUBLE_EQ(form.restraints.EffectiveLengths[10], 5100);
  // Flags 3 (normal), 6 and 7 (LH restrained, both flanges), 13 and 16 (RH restrained, free).
  const std::array<int32_t, 18> flags{0, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0};
  EXPECT_EQ(form.restraints.SpanRestraintFlags, flags);
}

TEST(SpanRestraintsTest, DestabilisingLoadWithDeadBearingAtBothEnds) {
  SpanForm form;
  form.Pick({SpanOption::Destabilising, SpanOption::LhBottomUnRestrained,
             SpanOption::RhBottomUnRestrained});
  EXPECT_EQ(form.state.lhFactorLabel, "1.4L + 2D");
  EXPECT_FLOAT_EQ(form.state.lh.effectiveLength, 1.4f * 6000 + 2 * 300);
  EXPECT_EQ(form.state.effectiveLengthLabel, "9.00");
}

TEST(SpanRestraintsTest, OneEndDescribedIsRefused) {
  SpanForm form;
  form.Pick({SpanOption::LhBothRestrained});
  EXPECT_EQ(form.state.effectiveLengthLabel, "");
  EXPECT_TRUE(form.Next().stays);
  EXPECT_EQ(form.dialogs.messages,
            std::vector<std::string>{
                "Click all appropriate option boxes or\nenter desired effective length in box"});
}

// A typed length in force and the span then changed: "Next >" stops with the length message and
// stores nothing until an end condition is picked again.
TEST(SpanRestraintsTest, ATypedLengthNeedsReselectingAfterTheSpanChanges) {
  SpanForm form;
  form.Pick({SpanOption::LhBothRestrained, SpanOption::RhBothFree});
  form.dialogs.inputAnswers = {"4.5"};
  EnterSpanEffectiveLength(form.state, form.restraints, form.units, form.dialogs);
  EXPECT_EQ(form.dialogs.inputRequests.at(0).caption, "Span Effective Length");
  EXPECT_EQ(form.dialogs.inputRequests.at(0).prompt, "Enter effective length (m )");
  EXPECT_FALSE(form.Next().stays);
  EXPECT_DOUBLE_EQ(form.restraints.EffectiveLengths[10], 4500);
  EXPECT_EQ(form.restraints.SpanLeText, "User value");

  const SteelRestraints before = form.restraints;
  ShowSpanForm(form.state, Beam(7000), kDepth, form.units, form.restraints);
  EXPECT_TRUE(form.Next(7000).stays);
  EXPECT_EQ(form.dialogs.messages.back(),
            " length has been changed\n re-select option.\n (it may be necessary to de-select it "
            "first)");
  EXPECT_EQ(form.restraints.SpanRestraintFlags, before.SpanRestraintFlags);
  EXPECT_DOUBLE_EQ(form.restraints.EffectiveLengths[10], 4500);
}

TEST(SpanRestraintsTest, AnEmptyTypedLengthUnticksTheUserValue) {
  SpanForm form;
  form.dialogs.inputAnswers = {""};
  EnterSpanEffectiveLength(form.state, form.restraints, form.units, form.dialogs);
  EXPECT_FALSE(form.state.choices.is(SpanOption::UserValue));
  EXPECT_EQ(form.state.lhFactorLabel, "User value");
  EXPECT_EQ(form.state.rhFactorLabel, "User value");
}

// Three restraints with half intervals at the ends on a 12 m span: 2, 4, 4 and 2 m, in steps of
// 1/200 of the span 33, 67, 67, 33 (2 x 200 / 12 = 33.3).
TEST(SpanRestraintsTest, IntermediateRestraintsWithHalfIntervalsAtTheEnds) {
  SpanForm form;
  form.Pick({SpanOption::LhBothRestrained, SpanOption::RhBothFree}, 12000);
  SwitchSpanView(form.state, 12000, kDepth, form.units, form.restraints, form.dialogs);
  ChangeRestraintCount(form.state, 3, 12000, kDepth, form.units, form.restraints);
  const auto& le = form.restraints.EffectiveLengths;
  EXPECT_EQ((std::array<double, 4>{le[1], le[2], le[3], le[4]}),
            (std::array<double, 4>{2000, 4000, 4000, 2000}));
  EXPECT_EQ(form.restraints.RestraintStations,
            (std::array<int32_t, 10>{33, 67, 67, 33, 0, 0, 0, 0, 0, 0}));
  // The end segments average their length with the end condition's: LH 0.7L, RH 1.0L.
  EXPECT_NEAR(le[7], (2000 + 0.7 * 2000) / 2, 1e-3);
  EXPECT_NEAR(le[8], 2000, 1e-3);
  EXPECT_EQ(form.state.effectiveLengthLabel, "varies");
  EXPECT_EQ(form.state.spanLabel, "3 Intermediate Supports");
  EXPECT_EQ(SwitchViewCaption(form.state), "Set end restraints");
  EXPECT_FALSE(form.Next(12000).stays);
  EXPECT_EQ(form.restraints.IntermediateRestraints, 1);
  EXPECT_EQ(form.restraints.RestraintSpacing, 2);
}

// One to five restraints, both spacings: the intervals follow the spacing to the three figures
// shown and always add up to the span.
TEST(SpanRestraintsTest, OneToFiveRestraintsWithBothSpacings) {
  for (bool equal : {true, false}) {
    for (int n = 1; n <= 5; ++n) {
      SpanForm form;
      form.Pick({SpanOption::LhBothRestrained, SpanOption::RhBothRestrained});
      form.state.choices.restraintCount = n;
      form.state.choices.intermediateMode = true;
      PickRestraintSpacing(form.state, equal, kSpan, kDepth, form.units, form.restraints);
      const auto& le = form.restraints.EffectiveLengths;
      double sum = 0;
      for (int k = 1; k <= n + 1; ++k) {
        const double expected =
            equal ? kSpan / (n + 1) : (k == 1 || k == n + 1 ? kSpan / (2 * n) : kSpan / n);
        EXPECT_NEAR(le[static_cast<std::size_t>(k)], expected, expected * 0.005)
            << n << (equal ? " equal" : " half ends") << " interval " << k;
        sum += le[static_cast<std::size_t>(k)];
      }
      EXPECT_NEAR(sum, kSpan, 1e-6);
      EXPECT_EQ(le[9], n);
    }
  }
}

// Stored intervals are the user's while they were made for this span and add up to it.
TEST(SpanRestraintsTest, StoredIntervalsAreKeptOnlyForTheirOwnSpan) {
  SteelRestraints r;
  r.ClearSpan = 6000;
  r.EffectiveLengths[9] = 1;
  r.EffectiveLengths[1] = 2000;
  r.EffectiveLengths[2] = 4000;
  EXPECT_TRUE(KeepsStoredIntervals(r, 6000));
  EXPECT_FALSE(KeepsStoredIntervals(r, 8000));  // the span changed
  SteelRestraints torn = r;
  torn.EffectiveLengths[2] = 0;  // no longer adds up to the span
  EXPECT_FALSE(KeepsStoredIntervals(torn, 6000));
  for (double count : {0.0, 1.5, 6.0}) {
    SteelRestraints odd = r;
    odd.EffectiveLengths[9] = count;
    EXPECT_FALSE(KeepsStoredIntervals(odd, 6000)) << count;
  }
}

TEST(SpanRestraintsTest, PictureMarksEachRestraint) {
  SteelRestraints r;
  r.EffectiveLengths = {0, 2000, 4000, 4000, 2000, 0, 0, 1700, 2000, 3, 0, 0};
  testing::RecordingCanvas canvas;
  DrawIntermediateRestraints(canvas, 700, 150, r, 12000, UnitSettings{});
  std::vector<int> marks;
  for (const auto& line : canvas.lines()) {
    if (line.color == colors::kRed) marks.push_back(line.x1);
  }
  // Scale (700 - 100) / 12000 = 0.05 px per mm from x = 50.
  EXPECT_EQ(marks, (std::vector<int>{150, 350, 550}));
  EXPECT_NE(canvas.FindText("1.70"), nullptr);  // the first segment's effective length
}

struct CantileverForm {
  CantileverFormState state;
  SteelRestraints restraints;
  UnitSettings units;
  ScriptedDialogs dialogs;

  void Pick(std::initializer_list<CantileverOption> options) {
    for (CantileverOption option : options)
      PickCantileverOption(state, option, 2000, units);
  }
};

TEST(CantileverRestraintsTest, FactorsOfTheTable) {
  CantileverForm form;
  form.Pick(
      {CantileverOption::Normal, CantileverOption::SupportLateral, CantileverOption::TipFree});
  EXPECT_EQ(form.state.factorLabel, "3.00");
  EXPECT_EQ(form.state.effectiveLengthText, "6.00");
  form.Pick({CantileverOption::Destabilising, CantileverOption::SupportBoth,
             CantileverOption::TipLateralAndTorsional});
  EXPECT_FLOAT_EQ(form.state.factor, 1.2f);
  const CantileverNextResult next = CantileverFormNext(
      form.state, CantileverSide::Lh, Beam(kSpan, true), form.units, form.restraints, form.dialogs);
  EXPECT_EQ(next.next, EntryStep::Analyse);
  EXPECT_DOUBLE_EQ(form.restraints.EffectiveLengths[0], 2400);
  EXPECT_EQ(form.restraints.LhCantLeText, "1.20");
}

TEST(CantileverRestraintsTest, FullyRestrainedNeedsNothingElse) {
  CantileverForm form;
  PickCantileverFullyRestrained(form.state, 2000, form.units);
  EXPECT_EQ(form.state.factorLabel, "Restrained");
  const CantileverNextResult next =
      CantileverFormNext(form.state, CantileverSide::Rh, Beam(kSpan, false, true), form.units,
                         form.restraints, form.dialogs);
  EXPECT_FALSE(next.stays);
  EXPECT_EQ(form.restraints.EffectiveLengths[11], 0);
  EXPECT_EQ(form.restraints.RhCantLeText, "Restrained");
  EXPECT_TRUE(form.dialogs.messages.empty());
}

TEST(CantileverRestraintsTest, SequenceCaptionsAndTheTextsOfTheRhForm) {
  EXPECT_EQ(LoadEntryRefusal(BeamModel{}), kSpecifyBeamFirstMessage);
  BeamModel typed = Beam(kSpan);
  typed.TotalLength = kSpan;
  EXPECT_EQ(LoadEntryRefusal(typed), "");
  const auto section = [](SectionKind kind, float depth, float width) {
    SectionValues s;
    s.SectionKind = kind;
    s.SectionDepth = depth;
    s.SectionWidth = width;
    return s;
  };
  EXPECT_EQ(AfterLoadForm(DesignCode::BS5950, section(SectionKind::Beam, 300, 150)),
            EntryStep::SpanForm);
  EXPECT_EQ(AfterLoadForm(DesignCode::BS5950, section(SectionKind::Tube, 100, 100)),
            EntryStep::Analyse);
  // A box deeper than four widths buckles laterally to EN 1993-1-1, so it needs the lengths.
  EXPECT_EQ(AfterLoadForm(DesignCode::BS5950, section(SectionKind::Box, 260, 50)),
            EntryStep::Analyse);
  EXPECT_EQ(AfterLoadForm(DesignCode::EN1993, section(SectionKind::Box, 260, 50)),
            EntryStep::SpanForm);
  EXPECT_EQ(AfterLoadForm(DesignCode::EN1993, section(SectionKind::Box, 200, 50)),
            EntryStep::Analyse);
  EXPECT_EQ(AfterLoadForm(DesignCode::EN1993, section(SectionKind::RSA, 100, 100)),
            EntryStep::Analyse);
  EXPECT_EQ(AfterSpanForm(Beam(kSpan, false, true)), EntryStep::RhCantileverForm);
  EXPECT_EQ(BackFromRhCantileverForm(Beam(kSpan, false, true)), EntryStep::SpanForm);
  EXPECT_EQ(CantileverNextCaption(CantileverSide::Lh, Beam(kSpan, true)), "Finish >");
  EXPECT_EQ(CantileverNextCaption(CantileverSide::Lh, Beam(kSpan, true, true)), "Next >");
  const CantileverFormTexts rh = CantileverTexts(CantileverSide::Rh);
  EXPECT_EQ(rh.tipTorsional, "Torsional restaint");
  EXPECT_EQ(rh.tipLateralAndTorsional, "Lateral and torsional retraint");
  EXPECT_EQ(rh.endGroupCaption, " End Restraint ");
  EXPECT_EQ(rh.extraLabel, "Enter effective length if above not applicable");
}

}  // namespace
}  // namespace trabeo
