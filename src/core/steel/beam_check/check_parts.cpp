#include "steel/beam_check/check_parts.h"

#include <algorithm>
#include <cmath>

#include "model/restraint_forms.h"
#include "steel/beam_check/check_inputs.h"

namespace trabeo {
namespace {

constexpr int kMostSegments = 6;
constexpr int kFirstSegmentSlot = 7;
constexpr int kLastSegmentSlot = 8;
constexpr int kRestraintCountSlot = 9;

}  // namespace

bool SpanHasIntermediateRestraints(DesignCode code, const SteelRestraints& restraints,
                                   const SectionValues& section) {
  return restraints.IntermediateRestraints == 1 && UsesSpanRestraintForm(code, section);
}

int SpanSegmentCount(const SteelRestraints& restraints) {
  const double restraintCount = restraints.EffectiveLengths[kRestraintCountSlot];
  if (!(restraintCount >= 0)) return 1;
  return static_cast<int>(std::min<double>(restraintCount + 1, kMostSegments));
}

std::vector<int> PartsOfBeam(const BeamModel& model, const SteelRestraints& restraints,
                             const SectionValues& section) {
  std::vector<int> parts;
  if (model.LhCantilever.IsPresent()) parts.push_back(kLhCantileverPart);
  if (SpanHasIntermediateRestraints(model.DesignCode, restraints, section)) {
    for (int p = 1; p <= SpanSegmentCount(restraints); ++p)
      parts.push_back(p);
  } else {
    parts.push_back(kMainSpanPart);
  }
  if (model.RhCantilever.IsPresent()) parts.push_back(kRhCantileverPart);
  return parts;
}

double PartEffectiveLength(const SteelRestraints& restraints, int p) {
  const auto& lengths = restraints.EffectiveLengths;
  if (p >= 1 && p <= kMostSegments) {
    if (p == SpanSegmentCount(restraints)) return lengths[kLastSegmentSlot];
    if (p == 1) return lengths[kFirstSegmentSlot];
  }
  return lengths[static_cast<std::size_t>(p)];
}

StationRange SpanPartStations(const SteelRestraints& restraints, int p) {
  if (p < 1 || p > 9) return {1, kFactoredStations};
  // Stations are counted 1 ... 201 along the span; segment 1 ends RestraintStations[0] stations
  // on, and each later one starts and ends one interval further.
  // A step outside 0 ... 200 (only a damaged file holds one) is held to that range.
  const auto step = [&](int k) {
    return std::clamp(restraints.RestraintStations[static_cast<std::size_t>(k)], 0,
                      kFactoredStationCount);
  };
  int start = 1;
  int end = step(0) + 1;
  for (int segment = 2; segment <= p; ++segment) {
    start += step(segment - 2);
    end += step(segment - 1);
  }
  if (p == SpanSegmentCount(restraints)) end = kFactoredStations;
  start = std::clamp(start, 1, kFactoredStations);
  end = std::clamp(end, start, kFactoredStations);
  return {start, end};
}

PartPeaks SegmentPeaksOfSpan(const BeamResults& results, const SteelRestraints& restraints, int p) {
  const StationRange stations = SpanPartStations(restraints, p);
  PartPeaks peaks;
  for (int station = stations.first; station <= stations.last; ++station) {
    const auto k = static_cast<std::size_t>(station - 1);
    peaks.shear = std::max(peaks.shear, std::fabs(results.SpanShear[k]));
    peaks.moment = std::max(peaks.moment, std::fabs(results.SpanMoment[k]));
  }
  return peaks;
}

PartPeaks PeaksOfPart(const BeamResults& results, const SteelCheckState& check, int p) {
  const auto k = static_cast<std::size_t>(p);
  if (p >= 1 && p <= 9) return {check.SegmentMaxShear[k], check.SegmentMaxMoment[k]};
  return {results.SegmentPeaks[0][k], results.SegmentPeaks[1][k]};
}

}  // namespace trabeo
