#pragma once

#include <cstdint>
#include <string>

#include "engine/beam_results.h"
#include "model/beam_model.h"
#include "model/udl_outline.h"
#include "platform/canvas.h"
#include "platform/pixel.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The main window as the diagrams see it. The diagrams are laid out from the window's size and
// the height of the results list below them.
struct MainWindowGeometry {
  int width = 800;          // window width W
  int height = 767;         // window height
  int listHeight = 125;     // results list box height
  int32_t DiagramOnly = 0;  // 1 after the "Results" tile: the diagrams keep a fixed layout
};

// The beam runs from x = 150 to W - 75 (the load diagram's right end is W - 76).
inline constexpr int kDiagramLeft = 150;
inline constexpr int kBeamRightMargin = 75;
inline constexpr int kLoadDiagramRightMargin = 76;

// Pixel x of a position along the beam (mm from the LH end).
struct HorizontalScale {
  double pixelsPerUnit = 0;

  double Exact(double position) const { return kDiagramLeft + position * pixelsPerUnit; }
  int X(double position) const { return TruncToPixel(Exact(position)); }
};

HorizontalScale MakeHorizontalScale(int width, int rightMargin, double totalLength);

// What the diagrams read.
struct DiagramInputs {
  const BeamModel& model;
  const BeamResults& results;
  const UdlOutline& outline;
  const UnitSettings& units;
  // The reactions are results: drawn only while they belong to the beam as it now stands, so a
  // beam changed since its analysis is never shown with the old beam's reactions.
  bool resultsBelongToBeam = true;
};

// The window's font for values and labels (size 8), and the captions' font.
Font DiagramFont(Color color);
Font CaptionFont();

// Positions of the two supports along the beam.
double LhSupportPosition(const BeamModel& model);
double RhSupportPosition(const BeamModel& model);

}  // namespace trabeo
