#pragma once

#include "model/beam_model.h"

namespace trabeo {

// The load factor of the applied loads on average, weighted by load: a point load counts with its
// value, a distributed load with its mean rate times its cover. Without load the sum of loads
// counts as 1e12, so the average is about 0.
float AverageLoadFactor(const LoadTable& loads);

}  // namespace trabeo
