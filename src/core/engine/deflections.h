#pragma once

#include <array>
#include <span>

#include "engine/beam_results.h"
#include "engine/cantilever.h"
#include "engine/span_solution.h"

namespace trabeo {

// Fills row with the moments at x_j = j L / N (j = 0 ... N) of a simply supported span under a
// unit load at x_i = i L / N, whatever the fixity of the real supports.
void UnitLoadDiagram(int i, double L, int N, std::span<double> row);

// Shear deflections of a timber section at the service-pass stations, upward positive: the
// deflection step subtracts them from the downward-positive bending deflections.
struct ShearDeflections {
  std::array<double, kServiceStations> span{};
  Table<double, 2, kServiceStations> cant{};
};

struct DeflectionInputs {
  double L = 0;
  double E = 0;
  double I = 0;
  int N = kServiceStationCount;
  std::array<double, 2> cantLength{};
  EndMoments ends;  // service-pass rotations
  const CantileverBendingDeflection* bending = nullptr;
  const ShearDeflections* shear = nullptr;  // subtracted for timber beams only
};

// Service pass: span deflections by virtual work (Simpson's rule over the stations, from the
// span moments and the unit-load table in results), cantilever deflections by adding the support
// rotation to each station's chord angle, and the span's peak deflection.
void Deflections(const BeamModel& model, const DeflectionInputs& inputs, BeamResults& results);

}  // namespace trabeo
