#pragma once

#include <array>
#include <functional>

#include "engine/analysis.h"
#include "engine/deflections.h"

namespace trabeo {

// Shear deformation of a timber beam at the 21 stations of the service pass, mm, upward
// positive (a downward load gives negative values), single precision as the beam keeps them.
struct TimberShearDeflection {
  // Row 0 the LH cantilever, row 1 the RH cantilever; station 0 at the support.
  Table<float, 2, kServiceStations> CantShearDeflection{};
  std::array<float, kServiceStations> SpanShearDeflection{};  // from the LH support
  // The span's shear rotation at each support under the cantilever moments.
  float ShearRotationL = 0;
  float ShearRotationR = 0;
};

// The shear deflections after the service pass's statics, for a shear stiffness GA/Kform (N):
// each cantilever integrates its own shear; the span integrates the shear of each of its loads
// as a simply supported span (from the LH support to mid-span, from the RH support back to the
// station after it), and the cantilevers turn with the span's shear rotation under their support
// moments. A stiffness that is not above 0 gives no shear deflection.
TimberShearDeflection ComputeTimberShearDeflection(const AnalysisState& state,
                                                   float shearStiffness);

// The shear deflections as the deflection step subtracts them.
ShearDeflections ToShearDeflections(const TimberShearDeflection& shear);

// The analysis hook of a timber beam of the given shear stiffness.
std::function<ShearDeflections(const BeamModel&, const AnalysisState&)> TimberShearDeflectionHook(
    float shearStiffness);

}  // namespace trabeo
