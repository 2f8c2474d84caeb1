#pragma once

#include <cstdint>

#include "platform/canvas.h"
#include "results/diagram_geometry.h"

namespace trabeo {

// How many distributed loads and point loads of rows 1 ... 25 the load diagram shows; the
// printed report prints a load table only when its count is above 0, and the project file keeps
// both.
struct DrawnLoadCounts {
  int32_t UdlDrawnCount = 0;
  int32_t PointLoadDrawnCount = 0;

  friend bool operator==(const DrawnLoadCounts&, const DrawnLoadCounts&) = default;
};

DrawnLoadCounts CountDrawnLoads(const LoadTable& loads);

inline constexpr int kLoadBaseline = 95;

// The loads above the beam line (the distributed-load profile in red, the self weight as a
// magenta band, point loads as yellow arrows, downward above the line and upward below it, with
// their labels) and the support reactions below the supports (yellow, red when negative).
// Draws nothing without a beam; the counts are returned either way.
DrawnLoadCounts DrawLoadDiagram(Canvas& canvas, const DiagramInputs& inputs, int windowWidth);

// " x 1.40" after a value whose load factor is not 1, else nothing.
std::string FactorSuffix(float factor);

}  // namespace trabeo
