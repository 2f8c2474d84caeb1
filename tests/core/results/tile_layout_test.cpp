// The "Tile" commands' share of the window for the results list.
#include "results/tile_layout.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

TEST(TileLayoutTest, ListHeightByTileAndWindowHeight) {
  struct Case {
    Tile tile;
    int windowHeight;
    int listHeight;
    int32_t diagramOnly;
    bool resultDiagrams;
  };
  const std::vector<Case> cases{
      {Tile::Default, 500, 25, 0, true},  {Tile::Default, 550, 25, 0, true},
      {Tile::Default, 551, 125, 0, true}, {Tile::Default, 800, 125, 0, true},
      {Tile::Default, 801, 151, 0, true}, {Tile::Default, 1000, 350, 0, true},
      {Tile::Diagrams, 767, 0, 0, true},  {Tile::Results, 767, 587, 1, false},
      {Tile::Results, 150, 0, 1, false},
  };
  for (const Case& c : cases) {
    const TileLayout layout = LayoutForTile(c.tile, c.windowHeight);
    EXPECT_EQ(layout.listHeight, c.listHeight) << c.windowHeight;
    EXPECT_EQ(layout.DiagramOnly, c.diagramOnly) << c.windowHeight;
    EXPECT_EQ(layout.resultDiagrams, c.resultDiagrams) << c.windowHeight;
  }
}

}  // namespace
}  // namespace trabeo
