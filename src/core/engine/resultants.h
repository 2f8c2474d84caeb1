#pragma once

#include <array>
#include <cstdint>

#include "engine/segment_loads.h"

namespace trabeo {

struct Resultant {
  double W = 0;  // resultant force, N
  double LoadType = 0;
  float Offset = 0;
  float Cover = 0;
};

struct ResultantList {
  std::array<Resultant, kSegmentSlots> entries{};
  int32_t count = 0;
};

struct PassResultants {
  std::array<ResultantList, 3> lists{};  // LH cantilever, main span, RH cantilever
  std::array<double, 2> CantLength{};    // LH, RH; 0 when absent
  bool noLoads = false;                  // no segment carries a load
};

// The resultants of one pass: unfactored for the service pass, factored for the other.
PassResultants BuildResultants(const BeamModel& model, const ResolvedLoads& loads,
                               bool factoredPass);

}  // namespace trabeo
