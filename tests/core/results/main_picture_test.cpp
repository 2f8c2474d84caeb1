// The main window's picture: cleared to black, then loads, beam and, by tile, the diagrams.
#include "results/main_picture.h"

#include <gtest/gtest.h>

#include "core/results/diagram_test_support.h"

namespace trabeo {
namespace {

using testing::BeamBuilder;
using testing::Drawable;
using testing::LinesIn;
using testing::RecordingCanvas;

TEST(MainPictureTest, TilesRedrawWithTheirOwnLayout) {
  const Drawable beam(BeamBuilder(6000).Point(2000, 10000).Udl(0, 6000, 2, 2).Build());
  struct Case {
    Tile tile;
    bool diagrams;
    int shearCaptionY;
  };
  // "Diagrams" leaves 717 px: shear baseline 258; "Default" 592 px: 232.
  for (const Case& c : {Case{Tile::Default, true, 227}, Case{Tile::Diagrams, true, 253},
                        Case{Tile::Results, false, 0}}) {
    RecordingCanvas canvas;
    const DrawnLoadCounts counts = DrawMainPictureForTile(canvas, beam.inputs(), c.tile, 800, 767);
    EXPECT_EQ(counts, (DrawnLoadCounts{1, 1}));
    ASSERT_FALSE(canvas.rects().empty());
    const auto& clear = canvas.rects().front();
    EXPECT_EQ(clear.color, colors::kBlack);
    EXPECT_EQ(clear.right, 800);
    EXPECT_EQ(clear.bottom, 767);
    EXPECT_FALSE(LinesIn(canvas, colors::kYellow).empty());  // the point load
    EXPECT_EQ(!LinesIn(canvas, colors::kGreen).empty(), c.diagrams);
    const auto* caption = canvas.FindText("SHEAR");
    EXPECT_EQ(caption != nullptr, c.diagrams);
    if (caption) {
      EXPECT_EQ(caption->y, c.shearCaptionY);
    }
  }
}

}  // namespace
}  // namespace trabeo
