// The load diagram above the beam line: profile, self weight, point-load arrows, rate labels,
// reactions and the counts of the loads drawn.
#include "results/load_diagram.h"

#include <gtest/gtest.h>

#include "core/results/diagram_test_support.h"

namespace trabeo {
namespace {

using testing::BeamBuilder;
using testing::Drawable;
using testing::HasLine;
using testing::LinesIn;
using testing::RecordingCanvas;

// With W = 800 the load diagram maps 0 ... L onto 150 ... 724.
constexpr int kWidth = 800;

TEST(LoadDiagramTest, PointLoadsAreArrowsDownOrUpWithTheirLabels) {
  const Drawable beam(
      BeamBuilder(6000).Point(3000, 10000, 1.4).Point(1500, -4000).Fibre(100).Build());
  RecordingCanvas canvas;
  DrawLoadDiagram(canvas, beam.inputs(), kWidth);
  // Downward at 150 + 287 = 437, from 50 px above the baseline of 95 to 2 px above it.
  EXPECT_TRUE(HasLine(canvas, {437, 45, 437, 93, colors::kYellow, 2}));
  EXPECT_TRUE(HasLine(canvas, {437, 93, 432, 80, colors::kYellow, 2}));
  EXPECT_TRUE(HasLine(canvas, {437, 93, 442, 80, colors::kYellow, 2}));
  // The negative load at 150 + 143.5 rises from below the line.
  EXPECT_TRUE(HasLine(canvas, {293, 140, 293, 100, colors::kYellow, 2}));
  EXPECT_TRUE(HasLine(canvas, {293, 100, 288, 110, colors::kYellow, 2}));
  const auto* label = canvas.FindText("10.000 x 1.40");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->x, 422);
  EXPECT_EQ(label->y, 20);
  EXPECT_EQ(label->font.color, colors::kYellow);
  EXPECT_NE(canvas.FindText("-4.000"), nullptr);
  EXPECT_EQ(canvas.FindText("-4.000 x"), nullptr);
}

TEST(LoadDiagramTest, ReactionsAreYellowOrRedBelowTheSupports) {
  // A 2 m RH cantilever with 10 kN at its tip lifts the LH support of a 4 m span.
  const Drawable beam(BeamBuilder(4000).RhCantilever(2000).Point(6000, 10000).Build());
  RecordingCanvas canvas;
  DrawLoadDiagram(canvas, beam.inputs(), kWidth);
  const auto* lh = canvas.FindText("-5.00 kN");
  const auto* rh = canvas.FindText("15.0 kN");
  ASSERT_NE(lh, nullptr);
  ASSERT_NE(rh, nullptr);
  EXPECT_EQ(lh->font.color, colors::kRed);
  EXPECT_EQ(rh->font.color, colors::kYellow);
  EXPECT_EQ(lh->x, 130);  // 150 - 20
  EXPECT_EQ(rh->x, 150 + 574 * 4 / 6 - 20);
  EXPECT_EQ(lh->y, 125);
}

TEST(LoadDiagramTest, StackedUdlsSumInTheProfileAndShowBracketedRates) {
  // 0-4 m at 10 kN/m and 2-6 m at 5 kN/m on a 6 m span.
  const Drawable beam(BeamBuilder(6000).Udl(0, 4000, 10, 10).Udl(2000, 4000, 5, 5).Build());
  RecordingCanvas canvas;
  const DrawnLoadCounts counts = DrawLoadDiagram(canvas, beam.inputs(), kWidth);
  EXPECT_EQ(counts, (DrawnLoadCounts{2, 0}));
  // Their sum, 15, is the largest sample: 35 px above the baseline.
  int highest = 1000, lowest = 0;
  for (const auto& line : LinesIn(canvas, colors::kRed)) {
    highest = std::min({highest, line.y1, line.y2});
    lowest = std::max({lowest, line.y1, line.y2});
  }
  EXPECT_EQ(highest, 95 - 35);
  EXPECT_EQ(lowest, 95);
  // Rates in red at y = 35, stacked rates in white brackets at y = 3.
  const auto* second = canvas.FindText("5.00");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->font.color, colors::kRed);
  EXPECT_EQ(second->y, 35);
  EXPECT_EQ(second->x, 341 + 5);
  // Load 1's end (x = 532) and load 2's start (x = 341) both carry 15.
  const auto stacked = canvas.TextsEqualTo("(15.0)");
  ASSERT_EQ(stacked.size(), 2u);
  EXPECT_EQ(stacked[0].x, 532 - 12);
  EXPECT_EQ(stacked[1].x, 341 - 12);
  for (const auto& text : stacked) {
    EXPECT_EQ(text.font.color, colors::kWhite);
    EXPECT_EQ(text.y, 3);
  }
}

TEST(LoadDiagramTest, FinishRateStandsBeforeTheEndFurtherWithAFactor) {
  const Drawable beam(BeamBuilder(6000).Udl(0, 3000, 2, 4).Udl(3000, 3000, 2, 6, 1.6).Build());
  RecordingCanvas canvas;
  DrawLoadDiagram(canvas, beam.inputs(), kWidth);
  const auto* plain = canvas.FindText("4.00");
  const auto* factored = canvas.FindText("6.00 x 1.60");
  ASSERT_NE(plain, nullptr);
  ASSERT_NE(factored, nullptr);
  EXPECT_EQ(plain->x, 437 - 35);
  EXPECT_EQ(factored->x, 724 - 70);
  // Touching loads do not stack.
  EXPECT_EQ(canvas.FindText("("), nullptr);
}

TEST(LoadDiagramTest, SelfWeightIsAMagentaBand) {
  BeamModel model = BeamBuilder(6000).Point(3000, 1000).Build();
  model.Loads.row(kSelfWeightRow) = {kDistributedLoadKind, 0, 0.3f, 0.3f, 6000, 1.4f, 1, 0};
  const Drawable beam(model);
  RecordingCanvas canvas;
  const DrawnLoadCounts counts = DrawLoadDiagram(canvas, beam.inputs(), kWidth);
  EXPECT_EQ(counts, (DrawnLoadCounts{0, 1}));  // the self weight is not counted
  const auto band = LinesIn(canvas, colors::kMagenta);
  EXPECT_EQ(band.size(), 102u);
  EXPECT_TRUE(HasLine(canvas, {150, 84, 724, 84, colors::kMagenta, 1}));
  // Without distributed user loads there is no profile.
  EXPECT_TRUE(LinesIn(canvas, colors::kRed).empty());
}

TEST(LoadDiagramTest, WithoutABeamNothingIsDrawnButLoadsAreCounted) {
  BeamModel model;
  model.Loads.row(1) = {kPointLoadKind, 100, 1000, 0, 0, 1, 1, 0};
  model.Loads.row(2) = {kDistributedLoadKind, 0, 1, 1, 100, 1, 1, 0};
  model.Loads.row(3) = {kDistributedLoadKind, 0, 1, 1, 100, 1, 0, 0};
  RecordingCanvas canvas;
  BeamResults results;
  const UdlOutline outline = BuildUdlOutline(model.Loads);
  const UnitSettings units;
  EXPECT_EQ(DrawLoadDiagram(canvas, {model, results, outline, units}, kWidth),
            (DrawnLoadCounts{1, 1}));
  EXPECT_TRUE(canvas.lines().empty());
  EXPECT_TRUE(canvas.texts().empty());
}

}  // namespace
}  // namespace trabeo
