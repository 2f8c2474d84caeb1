#pragma once

#include <algorithm>
#include <memory>

#include "core/engine/beam_builder.h"
#include "model/udl_outline.h"
#include "results/diagram_geometry.h"
#include "settings/unit_settings.h"
#include "support/recording_canvas.h"

namespace trabeo::testing {

// A beam analysed for drawing, with its outline and the default units.
struct Drawable {
  BeamModel model;
  Analysed analysed;
  UdlOutline outline;
  UnitSettings units;

  explicit Drawable(const BeamModel& beam)
      : model(beam), analysed(beam), outline(BuildUdlOutline(beam.Loads)) {}
  DiagramInputs inputs() const { return {model, analysed.r(), outline, units}; }
};

inline bool HasLine(const RecordingCanvas& canvas, const RecordedLine& wanted) {
  return std::any_of(canvas.lines().begin(), canvas.lines().end(), [&](const RecordedLine& l) {
    return l.x1 == wanted.x1 && l.y1 == wanted.y1 && l.x2 == wanted.x2 && l.y2 == wanted.y2 &&
           l.color == wanted.color && l.width == wanted.width;
  });
}

inline std::vector<RecordedLine> LinesIn(const RecordingCanvas& canvas, Color color) {
  std::vector<RecordedLine> found;
  for (const auto& line : canvas.lines()) {
    if (line.color == color) found.push_back(line);
  }
  return found;
}

}  // namespace trabeo::testing
