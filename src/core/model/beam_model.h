#pragma once

#include <array>
#include <cstdint>

#include "model/design_code.h"

namespace trabeo {

// Internal units throughout: mm, N, N/mm, N/mm2, mm4. Positions are measured from the LH end of
// the beam; downward loads are positive.

inline constexpr int kUserLoadRows = 25;
inline constexpr int kLoadRows = 26;
inline constexpr int kSelfWeightRow = 26;

inline constexpr int32_t kFixedSupport = 1;
inline constexpr int32_t kPinnedSupport = -1;

// One of the three segments. The cantilevers take E and Ixx from the main span.
struct SegmentRecord {
  double Present = 0;  // 1.0 when the segment exists
  double Length = 0;
  double E = 0;
  double Ixx = 0;
  double Spare = 0;

  bool IsPresent() const { return Present == 1.0; }
};

inline constexpr float kPointLoadKind = 1.0f;
inline constexpr float kDistributedLoadKind = -1.0f;

// One row of the load table, single precision as it is entered and stored.
struct LoadRecord {
  float Kind = 0;          // 1 point load, -1 linearly varying distributed load, else ignored
  float Position = 0;      // point load position, or start of the distributed load
  float Intensity = 0;     // point load (N) or rate at the start (N/mm)
  float EndIntensity = 0;  // rate at the finish
  float Cover = 0;         // loaded length
  float Factor = 0;        // load factor
  float Applied = 0;       // 1 = the load acts
  float Spare = 0;

  bool IsApplied() const { return Applied == 1.0f; }

  friend bool operator==(const LoadRecord&, const LoadRecord&) = default;
};

// Rows 1 to 25 are the user's loads, row 26 the self weight.
struct LoadTable {
  std::array<LoadRecord, kLoadRows> rows{};

  LoadRecord& row(int number) { return rows[static_cast<std::size_t>(number - 1)]; }
  const LoadRecord& row(int number) const { return rows[static_cast<std::size_t>(number - 1)]; }

  friend bool operator==(const LoadTable&, const LoadTable&) = default;
};

// The fibre distance that marks a second moment of area typed by the user: the section's own
// fibre distance no longer goes with it, so the code checks refuse the beam.
inline constexpr float kIxxTypedByUser = 1e12f;
inline bool IsIxxTypedByUser(float fibreDistance) {
  return fibreDistance > 9e11f;
}

struct BeamModel {
  double TotalLength = 0;  // 0 means there is no beam
  SegmentRecord LhCantilever;
  SegmentRecord MainSpan{1.0};
  SegmentRecord RhCantilever;
  int32_t LhSupportKind = kPinnedSupport;
  int32_t RhSupportKind = kPinnedSupport;
  float SectionIxx = 0;     // bending stress only
  float FibreDistance = 0;  // neutral axis to extreme fibre, bending stress only
  trabeo::DesignCode DesignCode = trabeo::DesignCode::None;
  LoadTable Loads;
};

// The beam's total length as the section form sums it: in single precision, absent cantilevers
// counting 0.
double SumTotalLength(const SegmentRecord& lh, const SegmentRecord& span, const SegmentRecord& rh);

}  // namespace trabeo
