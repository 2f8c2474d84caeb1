#include "results/tile_layout.h"

#include <algorithm>

namespace trabeo {
namespace {

int DefaultListHeight(int windowHeight) {
  if (windowHeight > 800) return windowHeight - 650;
  if (windowHeight > 550) return 125;
  return 25;
}

}  // namespace

TileLayout LayoutForTile(Tile tile, int windowHeight) {
  switch (tile) {
    case Tile::Diagrams:
      return {0, 0, true};
    case Tile::Results:
      // A window lower than the 180 px kept for the drawings gets no list rather than a
      // negative height.
      return {std::max(windowHeight - 180, 0), 1, false};
    case Tile::Default:
      break;
  }
  return {DefaultListHeight(windowHeight), 0, true};
}

}  // namespace trabeo
