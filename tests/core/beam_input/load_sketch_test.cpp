// The load form's sketch: grey background, beam and supports to scale, loads and rate labels.
#include "beam_input/load_sketch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_canvas.h"

namespace trabeo {
namespace {

using testing::RecordedLine;
using testing::RecordingCanvas;

// The form's picture: 737 x 145, so y0 = 72, the beam line at 97 and the load base at 96.
constexpr SketchSize kSize{737, 145};

BeamModel Beam(double lh, double span, double rh, int32_t lhKind = kPinnedSupport,
               int32_t rhKind = kPinnedSupport) {
  BeamModel model;
  model.LhCantilever = {lh > 0 ? 1.0 : 0.0, lh, 0, 0, 0};
  model.MainSpan = {1.0, span, 200000, 1e8, 0};
  model.RhCantilever = {rh > 0 ? 1.0 : 0.0, rh, 0, 0, 0};
  model.LhSupportKind = lhKind;
  model.RhSupportKind = rhKind;
  model.TotalLength = SumTotalLength(model.LhCantilever, model.MainSpan, model.RhCantilever);
  return model;
}

bool HasLine(const RecordingCanvas& canvas, const RecordedLine& wanted) {
  return std::any_of(canvas.lines().begin(), canvas.lines().end(), [&](const RecordedLine& l) {
    return l.x1 == wanted.x1 && l.y1 == wanted.y1 && l.x2 == wanted.x2 && l.y2 == wanted.y2 &&
           l.color == wanted.color && l.width == wanted.width;
  });
}

std::size_t CountLines(const RecordingCanvas& canvas, Color color) {
  return static_cast<std::size_t>(
      std::count_if(canvas.lines().begin(), canvas.lines().end(),
                    [&](const RecordedLine& l) { return l.color == color; }));
}

TEST(LoadSketchTest, ClearFillsGreyAndHidesTheLengthLabel) {
  RecordingCanvas canvas;
  const SketchLengthLabel label = ClearLoadSketch(canvas);
  ASSERT_EQ(canvas.rects().size(), 1u);
  const auto& rect = canvas.rects()[0];
  EXPECT_EQ(rect.right, 800);
  EXPECT_EQ(rect.bottom, 200);
  EXPECT_EQ(rect.color, (Color{128, 128, 128}));
  EXPECT_FALSE(label.visible);
}

TEST(LoadSketchTest, PinnedSpanIsDrawnToScaleWithItsLengthLabel) {
  RecordingCanvas canvas;
  const SketchLengthLabel label = DrawSketchBeam(canvas, Beam(0, 6000, 0), UnitSettings{}, kSize);
  EXPECT_TRUE(HasLine(canvas, {27, 97, 710, 97, colors::kWhite, 4}));
  // Supports at 25 and 25 + 687 = 712: triangles with their apex under the beam.
  for (int x : {25, 712}) {
    EXPECT_TRUE(HasLine(canvas, {x, 98, x - 10, 112, colors::kWhite, 1})) << x;
    EXPECT_TRUE(HasLine(canvas, {x - 10, 112, x + 10, 112, colors::kWhite, 1})) << x;
  }
  const auto spans = canvas.TextsEqualTo("6.00 m");
  ASSERT_EQ(spans.size(), 1u);
  EXPECT_EQ(spans[0].x, 371);  // 25 + 3000 x 687 / 6000 + 3
  EXPECT_EQ(spans[0].y, 102);
  EXPECT_TRUE(label.visible);
  EXPECT_EQ(label.top, 119);
  EXPECT_EQ(label.text, "Length = 6.00 m");
}

TEST(LoadSketchTest, FixedSupportsHatchOutwardAndCantileversAreLabelledUnderThemselves) {
  RecordingCanvas canvas;
  DrawSketchBeam(canvas, Beam(1000, 4000, 1000, kFixedSupport, kFixedSupport), UnitSettings{},
                 kSize);
  // s = 687 / 6000: supports at 25 + 114.5 and 25 + 572.5, rounded.
  const int lh = 140, rh = 598;
  EXPECT_TRUE(HasLine(canvas, {lh, 72, lh, 122, colors::kWhite, 2}));
  EXPECT_TRUE(HasLine(canvas, {rh, 72, rh, 122, colors::kWhite, 2}));
  for (int k = 0; k < 5; ++k) {
    EXPECT_TRUE(HasLine(canvas, {lh, 72 + 10 * k, lh - 10, 82 + 10 * k, colors::kWhite, 1}));
    EXPECT_TRUE(HasLine(canvas, {rh, 72 + 10 * k, rh + 10, 82 + 10 * k, colors::kWhite, 1}));
  }
  const auto cantilevers = canvas.TextsEqualTo("1.000 m");
  ASSERT_EQ(cantilevers.size(), 2u);
  const int width = canvas.TextExtent("1.000 m").width;
  EXPECT_EQ(cantilevers[0].x, (25 + lh) / 2 - width / 2);
  EXPECT_EQ(cantilevers[1].x, (rh + 712) / 2 - width / 2);
}

TEST(LoadSketchTest, ShortOrMissingBeams) {
  RecordingCanvas canvas;
  EXPECT_FALSE(DrawSketchBeam(canvas, Beam(0, 1, 0), UnitSettings{}, kSize).visible);
  EXPECT_FALSE(canvas.lines().empty());
  RecordingCanvas empty;
  BeamModel none;
  LoadTable loads;
  loads.row(1) = {kPointLoadKind, 100, 1000, 0, 0, 1, 1, 0};
  EXPECT_FALSE(DrawSketchBeam(empty, none, UnitSettings{}, kSize).visible);
  DrawSketchLoads(empty, loads, 0, BuildUdlOutline(loads), UnitSettings{}, kSize);
  EXPECT_TRUE(empty.lines().empty());
  EXPECT_TRUE(empty.texts().empty());
}

TEST(LoadSketchTest, PointLoadsPointTheWayTheyAct) {
  LoadTable loads;
  loads.row(1) = {kPointLoadKind, 3000, 10000, 0, 0, 1.4f, 1, 0};
  loads.row(2) = {kPointLoadKind, 1500, -5000, 0, 0, 1, 1, 0};
  RecordingCanvas canvas;
  DrawSketchLoads(canvas, loads, 6000, BuildUdlOutline(loads), UnitSettings{}, kSize);
  // g = 25, r = 711: x = 25 + 686 x 0.5 = 368 downward from above, 25 + 171.5 upward from below.
  EXPECT_TRUE(HasLine(canvas, {368, 94, 363, 81, colors::kYellow, 2}));
  EXPECT_TRUE(HasLine(canvas, {368, 94, 373, 81, colors::kYellow, 2}));
  EXPECT_TRUE(HasLine(canvas, {368, 94, 368, 46, colors::kYellow, 2}));
  EXPECT_TRUE(HasLine(canvas, {196, 101, 191, 111, colors::kYellow, 2}));
  EXPECT_TRUE(HasLine(canvas, {196, 101, 196, 141, colors::kYellow, 2}));
  const auto* down = canvas.FindText("10.00 x 1.40");
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(down->x, 356);
  EXPECT_EQ(down->y, 20);
  EXPECT_NE(canvas.FindText("-5.00"), nullptr);
  // No distributed loads: no red profile.
  EXPECT_EQ(CountLines(canvas, colors::kRed), 0u);
}

TEST(LoadSketchTest, DistributedLoadsShowTheirRatesAndStackedRates) {
  LoadTable loads;
  loads.row(1) = {kDistributedLoadKind, 0, 10, 10, 4000, 1, 1, 0};
  loads.row(2) = {kDistributedLoadKind, 2000, 5, 7, 4000, 1.5f, 1, 0};
  loads.row(kSelfWeightRow) = {kDistributedLoadKind, 0, 0.3f, 0.3f, 6000, 1.4f, 1, 0};
  RecordingCanvas canvas;
  DrawSketchLoads(canvas, loads, 6000, BuildUdlOutline(loads), UnitSettings{}, kSize);
  const auto at = [&](const char* text) {
    const auto* found = canvas.FindText(text);
    return found ? std::pair{found->x, found->y} : std::pair{-1, -1};
  };
  // Load 2 starts at 25 + 686 / 3 = 253 and ends at 711; load 1 ends at 482.
  EXPECT_EQ(at("10.000"), (std::pair{26, 38}));
  EXPECT_EQ(at("5.000 x 1.50"), (std::pair{254, 38}));
  EXPECT_EQ(at("7.000 x 1.50"), (std::pair{711 - 65, 38}));
  // Stacked where they overlap: 10 + 5 at load 2's start, 10 + 6 at load 1's end.
  EXPECT_EQ(at("(15.00)"), (std::pair{253 - 12, 3}));
  EXPECT_EQ(at("(16.00)"), (std::pair{482 - 12, 3}));
  // The self weight band: 99 strokes and its three-sided outline.
  EXPECT_EQ(CountLines(canvas, colors::kMagenta), 102u);
  // The profile peaks where both loads act: 36 px above the base at yb - 1.
  int highest = 1000;
  for (const auto& line : canvas.lines()) {
    if (line.color == colors::kRed) highest = std::min({highest, line.y1, line.y2});
  }
  EXPECT_EQ(highest, 95 - 36);
}

}  // namespace
}  // namespace trabeo
