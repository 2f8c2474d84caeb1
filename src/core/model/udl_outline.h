#pragma once

#include <array>

#include "model/beam_model.h"

namespace trabeo {

// The drawn outline of one applied distributed load: its own rates at its two ends, and the
// total unfactored rate of all distributed loads just inside each end. Single precision, as
// kept with the beam.
struct UdlOutlineRecord {
  float StartX = 0;
  float StartIntensity = 0;
  float StartFactor = 0;
  float StartStacked = 0;
  float EndX = 0;
  float EndIntensity = 0;
  float EndFactor = 0;
  float EndStacked = 0;

  friend bool operator==(const UdlOutlineRecord&, const UdlOutlineRecord&) = default;
};

// One record per user load row (1 ... 25); a row that is not an applied distributed load has
// an all-zero record.
struct UdlOutline {
  std::array<UdlOutlineRecord, kUserLoadRows> records{};

  const UdlOutlineRecord& record(int row) const {
    return records[static_cast<std::size_t>(row - 1)];
  }
};

// Builds the outline from rows 1 ... 25 (the self weight is not part of it). A load is stacked
// with another that covers its end from the inside: loads that only touch are not stacked.
UdlOutline BuildUdlOutline(const LoadTable& loads);

}  // namespace trabeo
