#pragma once

#include "platform/canvas.h"
#include "results/diagram_geometry.h"

namespace trabeo {

inline constexpr int kBeamLineY = 96;

// The beam line in white with its support symbols (a triangle for a pinned support, a hatched
// wall for a fixed one) and the length of each segment. Draws nothing without a beam.
void DrawBeam(Canvas& canvas, const BeamModel& model, const UnitSettings& units, int windowWidth);

}  // namespace trabeo
