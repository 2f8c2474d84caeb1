#pragma once

#include <string>
#include <string_view>

#include "engine/beam_results.h"
#include "model/beam_project.h"
#include "settings/unit_settings.h"

namespace trabeo {

// What every block of the results listing reads.
struct ListingContext {
  const BeamProject& project;
  const BeamResults& results;
  const UnitSettings& units;
  // Largest cantilever deflection magnitudes (single precision; 0 for an absent cantilever),
  // taken once for all blocks.
  float lhLargestDeflection = 0;
  float rhLargestDeflection = 0;

  const BeamModel& model() const { return project.model; }
};

ListingContext MakeListingContext(const BeamProject& project, const BeamResults& results,
                                  const UnitSettings& units);

// Divisor for a deflection/span ratio: a deflection of 0 counts as 1e-16, so the ratio
// overflows its formatter instead of dividing by zero.
double RatioDivisor(double deflection);

}  // namespace trabeo
