#pragma once

#include <vector>

#include "engine/beam_results.h"
#include "model/beam_model.h"
#include "model/section_values.h"
#include "model/steel_beam_state.h"

namespace trabeo {

// Intermediate restraints divide the span only for sections that the span restraint form
// serves under the beam's code. A section that never passes through that form (an angle, a tube,
// a box but a deep one to EN 1993) is not divided by restraints left from an earlier I-section.
bool SpanHasIntermediateRestraints(DesignCode code, const SteelRestraints& restraints,
                                   const SectionValues& section);

// The number of span segments between intermediate restraints: one more than the number of
// restraints, 1 to 6.
int SpanSegmentCount(const SteelRestraints& restraints);

// The parts of the beam in checking order: the LH cantilever when present, the span's segments
// 1 ... k or the span (10), the RH cantilever (11) when present.
std::vector<int> PartsOfBeam(const BeamModel& model, const SteelRestraints& restraints,
                             const SectionValues& section);

// The part's effective length: the first and last segments take their own, the last winning for
// a single segment; the others their interval.
double PartEffectiveLength(const SteelRestraints& restraints, int p);

// The span's stations (1 ... 201) a part of the span runs over: a segment's run between its
// restraints (neighbours share their boundary station), or the whole span.
struct StationRange {
  int first = 1;
  int last = kFactoredStations;
};
StationRange SpanPartStations(const SteelRestraints& restraints, int p);

// The largest |shear| and |moment| of the part: of its run of stations for the span's segments
// (neighbours share their boundary station), else the analysis's peaks.
struct PartPeaks {
  double shear = 0;
  double moment = 0;
};
PartPeaks SegmentPeaksOfSpan(const BeamResults& results, const SteelRestraints& restraints, int p);
PartPeaks PeaksOfPart(const BeamResults& results, const SteelCheckState& check, int p);

}  // namespace trabeo
