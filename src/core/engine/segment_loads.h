#pragma once

#include <array>
#include <cstdint>

#include "model/beam_model.h"

namespace trabeo {

enum SegmentIndex : int { kLhSegment = 0, kSpanSegment = 1, kRhSegment = 2 };

// Load types of the segment lists. A general trapezoid exists only until it is split.
inline constexpr double kGeneralTrapezoid = 0;
inline constexpr double kPointLoad = 1;
inline constexpr double kUniformLoad = 2;
inline constexpr double kRisingLoad = 3;   // zero at the near end, rising to the far end
inline constexpr double kFallingLoad = 4;  // falling to zero at the far end

// A load as it acts on one segment. Offset is measured from the segment's support away from it
// (leftwards on the LH cantilever); the near end is the end nearer that support.
struct SegmentLoad {
  double LoadType = 0;
  double Offset = 0;
  double Intensity = 0;     // point load, or rate at the near end
  double EndIntensity = 0;  // rate at the far end
  double Cover = 0;
  double Factor = 0;
  double Applied = 0;
};

// 26 primary slots, one per load row, and 26 for the triangles split off trapezoids.
inline constexpr int kSegmentSlots = 52;

struct SegmentLoadList {
  std::array<SegmentLoad, kSegmentSlots> slots{};
  int32_t count = 0;  // records in use after compaction, at the front
};

struct ResolvedLoads {
  std::array<SegmentLoadList, 3> lists{};  // LH cantilever, main span, RH cantilever
  // Factored point loads taken straight by the LH (0) and RH (1) support, per load row.
  std::array<std::array<float, kLoadRows>, 2> SupportPointLoads{};
  float TotalAppliedLoad = 0;  // factored sum of every applied row, on the beam or not
};

// Resolves the load table onto the three segments: splits distributed loads at the supports,
// sends point loads within 0.0001 of the length of a support to that support, splits
// trapezoids into a uniform load and a triangle, drops zero loads and mirrors the LH list.
ResolvedLoads ResolveLoads(const BeamModel& model);

}  // namespace trabeo
