#pragma once

#include <string>

#include "model/beam_model.h"
#include "model/udl_outline.h"
#include "platform/canvas.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The load form's sketch of the beam and its loads, drawn to scale on its picture (737 x 145 px
// in the form). All functions take the picture's size.
struct SketchSize {
  int width = 737;
  int height = 145;
};

// The load form's length label (lbl_Length) beside the sketch.
struct SketchLengthLabel {
  bool visible = false;
  int top = 0;  // from the top of the sketch's picture
  std::string text;
};

// Fills the picture with grey; the length label is then hidden.
SketchLengthLabel ClearLoadSketch(Canvas& canvas);

// The beam line with its supports and segment lengths; the length label is shown for a beam
// longer than 1 mm. Draws nothing without a beam.
SketchLengthLabel DrawSketchBeam(Canvas& canvas, const BeamModel& model, const UnitSettings& units,
                                 SketchSize size);

// The loads of the form's table: the factored distributed-load profile in red, the self weight
// band in magenta, point loads as yellow arrows with their values, and the rates from the
// outline with the stacked rates in brackets. Draws nothing without a beam.
void DrawSketchLoads(Canvas& canvas, const LoadTable& loads, double totalLength,
                     const UdlOutline& outline, const UnitSettings& units, SketchSize size);

// Clear, loads, then beam, as the load form redraws its sketch.
SketchLengthLabel DrawLoadSketch(Canvas& canvas, const BeamModel& model, const LoadTable& loads,
                                 const UdlOutline& outline, const UnitSettings& units,
                                 SketchSize size);

}  // namespace trabeo
