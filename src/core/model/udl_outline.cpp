#include "model/udl_outline.h"

namespace trabeo {
namespace {

// The rate of a load at x, in single precision.
float RateAt(const UdlOutlineRecord& load, float x) {
  const float length = load.EndX - load.StartX;
  const float rise = load.EndIntensity - load.StartIntensity;
  const float along = x - load.StartX;
  return load.StartIntensity + rise * along / length;
}

}  // namespace

UdlOutline BuildUdlOutline(const LoadTable& loads) {
  UdlOutline outline;
  for (int r = 1; r <= kUserLoadRows; ++r) {
    const LoadRecord& row = loads.row(r);
    if (row.Kind != kDistributedLoadKind || !row.IsApplied()) continue;
    UdlOutlineRecord& record = outline.records[static_cast<std::size_t>(r - 1)];
    record.StartX = row.Position;
    record.EndX = row.Position + row.Cover;
    record.StartIntensity = row.Intensity;
    record.EndIntensity = row.EndIntensity;
    record.StartFactor = row.Factor;
    record.EndFactor = row.Factor;
  }
  for (UdlOutlineRecord& record : outline.records) {
    record.StartStacked = record.StartIntensity;
    record.EndStacked = record.EndIntensity;
  }

  // Stacking reads the loads' own rates only, so the order of the records does not matter.
  const auto hasLength = [](const UdlOutlineRecord& load) { return load.EndX - load.StartX != 0; };
  for (std::size_t i = 0; i < outline.records.size(); ++i) {
    UdlOutlineRecord& load = outline.records[i];
    if (!hasLength(load)) continue;
    for (std::size_t j = 0; j < outline.records.size(); ++j) {
      const UdlOutlineRecord& other = outline.records[j];
      if (j == i || !hasLength(other)) continue;
      if (other.StartX <= load.StartX && load.StartX < other.EndX)
        load.StartStacked += RateAt(other, load.StartX);
      if (other.StartX < load.EndX && load.EndX <= other.EndX)
        load.EndStacked += RateAt(other, load.EndX);
    }
  }
  return outline;
}

}  // namespace trabeo
