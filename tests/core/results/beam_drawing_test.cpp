// The beam line, its support symbols and the segment lengths.
#include "results/beam_drawing.h"

#include <gtest/gtest.h>

#include "core/results/diagram_test_support.h"

namespace trabeo {
namespace {

using testing::BeamBuilder;
using testing::HasLine;
using testing::RecordingCanvas;

TEST(BeamDrawingTest, PinnedSupportsAreTriangles) {
  RecordingCanvas canvas;
  DrawBeam(canvas, BeamBuilder(6000).Build(), UnitSettings{}, 800);
  EXPECT_TRUE(HasLine(canvas, {150, 96, 723, 96, colors::kWhite, 3}));
  for (int x : {150, 725}) {
    EXPECT_TRUE(HasLine(canvas, {x, 97, x - 10, 111, colors::kWhite, 1})) << x;
    EXPECT_TRUE(HasLine(canvas, {x - 10, 111, x + 10, 111, colors::kWhite, 1})) << x;
    EXPECT_TRUE(HasLine(canvas, {x + 10, 111, x, 97, colors::kWhite, 1})) << x;
  }
  const auto* span = canvas.FindText("6.00 m");
  ASSERT_NE(span, nullptr);
  EXPECT_EQ(span->x, 150 + 575 / 2 - 22);
  EXPECT_EQ(span->y, 101);
}

TEST(BeamDrawingTest, FixedSupportsAreWallsHatchedOnTheOuterSide) {
  RecordingCanvas canvas;
  DrawBeam(canvas,
           BeamBuilder(4000).LhCantilever(1000).RhCantilever(1000).Fixed(true, true).Build(),
           UnitSettings{}, 800);
  // 575 px for 6 m: supports at 150 + 95.8 and 150 + 479.2.
  const int lh = 245, rh = 629;
  EXPECT_TRUE(HasLine(canvas, {lh, 71, lh, 121, colors::kWhite, 2}));
  EXPECT_TRUE(HasLine(canvas, {rh, 71, rh, 121, colors::kWhite, 2}));
  for (int y = 71; y <= 111; y += 10) {
    EXPECT_TRUE(HasLine(canvas, {lh, y, lh - 10, y + 10, colors::kWhite, 1})) << y;
    EXPECT_TRUE(HasLine(canvas, {rh, y + 10, rh + 10, y, colors::kWhite, 1})) << y;
  }
  const auto cantilevers = canvas.TextsEqualTo("1.000 m");
  ASSERT_EQ(cantilevers.size(), 2u);
  EXPECT_EQ(cantilevers[0].x, 150 + 47 - 22);  // half the LH cantilever
  EXPECT_EQ(cantilevers[1].x, 665);            // 150 + 575 x 5.5 / 6 - 12
}

TEST(BeamDrawingTest, NoBeamDrawsNothing) {
  RecordingCanvas canvas;
  DrawBeam(canvas, BeamModel{}, UnitSettings{}, 800);
  EXPECT_TRUE(canvas.lines().empty());
  EXPECT_TRUE(canvas.texts().empty());
}

}  // namespace
}  // namespace trabeo
