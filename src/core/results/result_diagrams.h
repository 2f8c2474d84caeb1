#pragma once

#include "platform/canvas.h"
#include "results/diagram_geometry.h"

namespace trabeo {

// Where the three result diagrams stand and how many pixels one internal unit takes in each.
struct ResultDiagramLayout {
  int shearBaseline = 0;
  int momentBaseline = 0;
  int deflectionBaseline = 0;
  double shearScale = 0;       // pixels per N
  double momentScale = 0;      // pixels per N mm
  double deflectionScale = 0;  // pixels per mm
};

// The largest value of each diagram spans 9 % (shear, moment) or 10 % (deflection) of the height
// left above the list; the baselines divide the height left above the list, or a fixed 800 px
// after the "Results" tile. A diagram whose largest value is 0 gets a scale of 0.
ResultDiagramLayout LayoutResultDiagrams(const MainWindowGeometry& window,
                                         const BeamResults& results);

// The shear, moment and deflection diagrams in green on white axes, with their captions, the
// values at the supports and mid-span and the extremes at the left margin, and the caption
// "LOADS". Nothing is drawn without a beam or when every deflection is 0 (an unloaded beam).
// Sagging moments are drawn above the axis, or below it with MomentPlotSign -1.
void DrawResultDiagrams(Canvas& canvas, const DiagramInputs& inputs,
                        const MainWindowGeometry& window);

}  // namespace trabeo
