#pragma once

#include "platform/canvas.h"
#include "results/diagram_geometry.h"
#include "results/load_diagram.h"
#include "results/tile_layout.h"

namespace trabeo {

// The main window's picture, as after an analysis or a "Tile" command: the picture's rectangle
// (0, 0)-(pictureWidth, pictureHeight) cleared to black, then the load diagram and the beam,
// and, when asked, the result diagrams. After an analysis the result diagrams are always drawn,
// in the layout the current tile left (its list height and DiagramOnly). Returns the counts of
// the loads drawn.
DrawnLoadCounts DrawMainPicture(Canvas& canvas, const DiagramInputs& inputs,
                                const MainWindowGeometry& window, int pictureWidth,
                                int pictureHeight, bool withResultDiagrams);

// The geometry a tile command gives a window of the given size.
MainWindowGeometry GeometryForTile(Tile tile, int windowWidth, int windowHeight);

// A tile command: lays the window out for the tile and redraws the picture, which covers the
// window.
DrawnLoadCounts DrawMainPictureForTile(Canvas& canvas, const DiagramInputs& inputs, Tile tile,
                                       int windowWidth, int windowHeight);

}  // namespace trabeo
