#include "model/load_profile.h"

#include <algorithm>
#include <cmath>

namespace trabeo {
namespace {

void AddLoad(const LoadRecord& row, double totalLength, LoadProfile& profile) {
  const double start = row.Position;
  const double cover = row.Cover;
  const double a = double{row.Intensity} * row.Factor;
  const double b = double{row.EndIntensity} * row.Factor;
  int first = 0;  // the first sample beyond the load's start
  for (int f = 1; f <= kProfileSamples; ++f) {
    const double x = f * totalLength / kProfileSamples;
    if (x <= start) continue;
    if (first == 0) first = f;
    if (x > start + cover) break;
    profile.samples[static_cast<std::size_t>(f)] +=
        a + totalLength * (b - a) * (f - first) / (cover * kProfileSamples);
  }
}

}  // namespace

double LoadProfile::LargestMagnitude() const {
  double largest = 0;
  for (double sample : samples)
    largest = std::max(largest, std::fabs(sample));
  return largest < 1e-7 ? 1e-7 : largest;
}

bool LoadProfile::IsEmpty() const {
  return std::all_of(samples.begin(), samples.end(), [](double sample) { return sample == 0; });
}

LoadProfile SampleLoadProfile(const LoadTable& loads, double totalLength) {
  LoadProfile profile;
  for (int r = 1; r <= kUserLoadRows; ++r) {
    const LoadRecord& row = loads.row(r);
    if (row.Kind == kDistributedLoadKind && row.IsApplied()) AddLoad(row, totalLength, profile);
  }
  return profile;
}

}  // namespace trabeo
