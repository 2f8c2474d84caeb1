#include "results/main_picture.h"

#include "results/beam_drawing.h"
#include "results/result_diagrams.h"

namespace trabeo {

DrawnLoadCounts DrawMainPicture(Canvas& canvas, const DiagramInputs& inputs,
                                const MainWindowGeometry& window, int pictureWidth,
                                int pictureHeight, bool withResultDiagrams) {
  canvas.SetBrush(colors::kBlack);
  canvas.FillRect(0, 0, pictureWidth, pictureHeight);
  const DrawnLoadCounts counts = DrawLoadDiagram(canvas, inputs, window.width);
  DrawBeam(canvas, inputs.model, inputs.units, window.width);
  if (withResultDiagrams) DrawResultDiagrams(canvas, inputs, window);
  return counts;
}

MainWindowGeometry GeometryForTile(Tile tile, int windowWidth, int windowHeight) {
  const TileLayout layout = LayoutForTile(tile, windowHeight);
  return {windowWidth, windowHeight, layout.listHeight, layout.DiagramOnly};
}

DrawnLoadCounts DrawMainPictureForTile(Canvas& canvas, const DiagramInputs& inputs, Tile tile,
                                       int windowWidth, int windowHeight) {
  const MainWindowGeometry window = GeometryForTile(tile, windowWidth, windowHeight);
  return DrawMainPicture(canvas, inputs, window, windowWidth, windowHeight,
                         LayoutForTile(tile, windowHeight).resultDiagrams);
}

}  // namespace trabeo
