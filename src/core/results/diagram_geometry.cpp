#include "results/diagram_geometry.h"

namespace trabeo {

HorizontalScale MakeHorizontalScale(int width, int rightMargin, double totalLength) {
  HorizontalScale scale;
  if (totalLength != 0) scale.pixelsPerUnit = (width - rightMargin - kDiagramLeft) / totalLength;
  return scale;
}

// Arial stands in for the window's default font; every label position assumes size 8.
Font DiagramFont(Color color) {
  return Font{"Arial", 8, color, kFontRegular};
}

Font CaptionFont() {
  return Font{"Arial", 9, colors::kWhite, kFontBold};
}

double LhSupportPosition(const BeamModel& model) {
  return model.LhCantilever.IsPresent() ? model.LhCantilever.Length : 0.0;
}

double RhSupportPosition(const BeamModel& model) {
  return LhSupportPosition(model) + model.MainSpan.Length;
}

}  // namespace trabeo
