#pragma once

#include <array>

#include "model/beam_model.h"

namespace trabeo {

inline constexpr int kProfileSamples = 1000;

// The factored rate of all applied distributed loads of rows 1 ... 25, sampled at 1000 points
// along the beam: sample f (1 ... 1000) at f x totalLength / 1000, summed over the loads. Index 0
// is not a sample and stays 0. Drawings scale their load outlines from it.
struct LoadProfile {
  std::array<double, kProfileSamples + 1> samples{};

  // The largest |sample|, at least 1e-7, so that scaling by it never divides by zero.
  double LargestMagnitude() const;
  bool IsEmpty() const;
};

LoadProfile SampleLoadProfile(const LoadTable& loads, double totalLength);

}  // namespace trabeo
