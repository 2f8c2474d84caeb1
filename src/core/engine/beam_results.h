#pragma once

#include <array>
#include <cstdint>

#include "engine/polylines.h"
#include "engine/segment_loads.h"
#include "engine/stations.h"
#include "model/beam_model.h"

namespace trabeo {

inline constexpr int kFactoredStations = kFactoredStationCount + 1;  // 201
inline constexpr int kServiceStations = kServiceStationCount + 1;    // 21
inline constexpr int kPartCount = 12;  // part index: 0 LH cantilever, 1..9 spans, 10, 11 RH

template <typename T, int Rows, int Columns>
using Table = std::array<std::array<T, Columns>, Rows>;

// Everything an analysis derives from the beam model, in internal units, in the state at the end
// of an analysis: cantilever row 0 runs from the free end to the LH support, row 1 from the RH
// support to the free end; shear upward-left positive, moments sagging positive except the
// cantilever moments (hogging magnitudes), deflections downward positive except CantDeflection
// row 0 (upward positive).
struct BeamResults {
  std::array<double, kFactoredStations> SpanShear{};
  std::array<double, kFactoredStations> SpanMoment{};
  std::array<double, kServiceStations> SpanDeflection{};
  Table<float, 2, kFactoredStations> CantShear{};
  Table<float, 2, kFactoredStations> CantMoment{};
  Table<double, 2, kServiceStations> CantDeflection{};

  std::array<double, 2> Reactions{};  // upward positive, factored
  Table<float, 2, kLoadRows> SupportPointLoads{};
  float TotalAppliedLoad = 0;
  float TotalReactions = 0;

  double EndMomentL = 0;  // hogging positive
  double EndMomentR = 0;  // sagging positive
  std::array<double, 2> EndRotation{};
  double LhSupportMoment = 0;
  double RhSupportMoment = 0;

  double SpanPeakDeflection = 0;
  std::array<double, 3> ShearExtremes{};       // |max|, largest, smallest
  std::array<double, 3> MomentExtremes{};      // |max|, smallest (hogging), largest (sagging)
  std::array<double, 3> DeflectionExtremes{};  // |max|, -largest downward, largest upward
  Table<float, 3, kPartCount> SegmentPeaks{};  // shear, moment, deflection by part index
  double LhSupportShear = 0;
  std::array<double, 3> SupportShears{};
  std::array<double, 3> SpanMomentProfile{};
  std::array<double, kPartCount> TipDeflections{};
  float BendingStress = 0;
  int32_t FactoredLoadCount = 0;

  std::array<float, kSegmentSlots * kFactoredStations> LoadShearTable{};  // [n * 201 + k]
  Table<double, kServiceStations, kServiceStations> UnitLoadMoments{};

  // Single-precision copies for the beam data file, taken before the LH rows are reordered.
  std::array<float, kFactoredStations> StoredSpanShear{};
  std::array<float, kFactoredStations> StoredSpanMoment{};
  std::array<float, kServiceStations> StoredSpanDeflection{};
  Table<float, 2, kFactoredStations> StoredCantShear{};
  Table<float, 2, kFactoredStations> StoredCantMoment{};
  Table<float, 2, kServiceStations + 1> StoredCantDeflection{};

  Polyline ShearPolyline;
  Polyline MomentPolyline;
  Polyline DeflectionPolyline;
};

// The main analysis's station arrays for a pass of N intervals (20 or 200).
StationArrays ResultStations(BeamResults& results, int N);

}  // namespace trabeo
