#pragma once

#include <cstdint>

namespace trabeo {

// The main window's "Tile" commands: how much of the window the results list takes.
enum class Tile { Default, Diagrams, Results };

struct TileLayout {
  int listHeight = 0;
  int32_t DiagramOnly = 0;
  bool resultDiagrams = true;  // "Results" redraws the loads and the beam only
};

// "Default": a list of 25 px up to a window height of 550, 125 px above that and the height less
// 650 above 800; "Diagrams": no list; "Results": the list takes all but the top 180 px.
TileLayout LayoutForTile(Tile tile, int windowHeight);

}  // namespace trabeo
