#pragma once

#include <array>
#include <span>

namespace trabeo {

inline constexpr int kServiceStationCount = 20;
inline constexpr int kFactoredStationCount = 200;
// The finest pass any caller runs (results at a point).
inline constexpr int kMaxStationCount = 2000;

// The station arrays of one pass, N + 1 stations each. The main analysis points these at its
// result arrays; a caller needing a finer pass (results at a point) supplies its own storage.
struct StationArrays {
  int N = 0;
  std::span<double> SpanShear;
  std::span<double> SpanMoment;
  std::array<std::span<float>, 2> CantShear;   // row 0 LH, row 1 RH, support outwards
  std::array<std::span<float>, 2> CantMoment;  // hogging; row 0 negative during a pass
  // Shear of each span load separately: entry n at station k is [n * loadShearStride + k].
  std::span<float> LoadShearTable;
  int loadShearStride = 0;
  // Scratch for the station positions of a segment, so a pass allocates nothing.
  std::array<double, kMaxStationCount + 1> positions{};
};

// x_k = k L / N for k = 0 ... N, written into scratch; the returned view holds N + 1 values.
std::span<const double> StationPositions(double length, int N,
                                         std::array<double, kMaxStationCount + 1>& scratch);

// Zeroes stations 0 ... N of both cantilever rows, as each pass does before the statics.
void ZeroCantileverStations(StationArrays& stations);
// Zeroes stations 0 ... N of the span shear and moment.
void ZeroSpanStations(StationArrays& stations);

}  // namespace trabeo
