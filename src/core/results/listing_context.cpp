#include "results/listing_context.h"

#include <algorithm>
#include <cmath>

namespace trabeo {
namespace {

float LargestMagnitude(const std::array<double, kServiceStations>& row) {
  float largest = 0;
  for (double value : row)
    largest = std::max(largest, std::fabs(static_cast<float>(value)));
  return largest;
}

}  // namespace

ListingContext MakeListingContext(const BeamProject& project, const BeamResults& results,
                                  const UnitSettings& units) {
  ListingContext context{project, results, units};
  const BeamModel& model = project.model;
  if (model.LhCantilever.IsPresent())
    context.lhLargestDeflection = LargestMagnitude(results.CantDeflection[0]);
  if (model.RhCantilever.IsPresent())
    context.rhLargestDeflection = LargestMagnitude(results.CantDeflection[1]);
  return context;
}

double RatioDivisor(double deflection) {
  return deflection == 0 ? 1e-16 : deflection;
}

}  // namespace trabeo
