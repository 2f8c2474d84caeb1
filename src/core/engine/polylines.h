#pragma once

#include <array>
#include <cstdint>

namespace trabeo {

// A point of a result diagram: x as a fraction of the beam's length from the LH end, the value
// in internal units.
struct PolylinePoint {
  double x = 0;
  double value = 0;
};

// Room for the shear staircase over three segments of 200 intervals (three points per interval).
inline constexpr int kPolylineCapacity = 2048;

struct Polyline {
  std::array<PolylinePoint, kPolylineCapacity> points{};
  int32_t count = 0;

  void Add(double x, double value) {
    if (count < kPolylineCapacity) points[static_cast<std::size_t>(count++)] = {x, value};
  }
};

}  // namespace trabeo
