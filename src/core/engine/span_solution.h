#pragma once

#include "engine/resultants.h"
#include "engine/stations.h"
#include "model/beam_model.h"

namespace trabeo {

// The main span by slope-deflection: E is left out of the stiffness (k = I / L), so rotations
// come out as E x rotation. A fixed end multiplies its rotational stiffness by 1e14.

struct SpanStiffnessTerms {
  double k = 0;
  double k11 = 0;
  double k22 = 0;
  double k12 = 0;
};

SpanStiffnessTerms SpanStiffness(double k, int32_t lhSupportKind, int32_t rhSupportKind);

// Fixed-end moments as hogging magnitudes at each end.
struct FixedEndMoments {
  double FL = 0;
  double FR = 0;
};

FixedEndMoments SpanFixedEndMoments(const ResultantList& spanLoads, double L);

struct LoadTerms {
  double F1 = 0;
  double F2 = 0;
};

// lhSupportMoment is the LH cantilever's moment as held during a pass (hogging negative),
// rhSupportMoment the RH one (hogging positive).
LoadTerms SpanLoadTerms(const FixedEndMoments& fem, double lhSupportMoment, double rhSupportMoment);

struct EndMoments {
  double theta1 = 0;      // E x rotation at the LH support, anticlockwise positive
  double theta2 = 0;      // at the RH support
  double EndMomentL = 0;  // hogging positive
  double EndMomentR = 0;  // sagging positive
};

EndMoments SolveEndMoments(const SpanStiffnessTerms& stiffness, const LoadTerms& terms,
                           const FixedEndMoments& fem);

// Shear and moment (sagging positive) at the span stations from the end moments and the loads;
// each load's own shear goes to the load shear table.
void SpanStatics(const EndMoments& ends, const ResultantList& spanLoads, double L,
                 StationArrays& stations);

}  // namespace trabeo
