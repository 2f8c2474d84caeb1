#include "engine/summary.h"

#include <cmath>

namespace trabeo {
namespace {

constexpr int N = kFactoredStationCount;
constexpr int kServiceN = kServiceStationCount;
constexpr std::size_t kLhPart = 0;
constexpr std::size_t kSpanPart = 10;
constexpr std::size_t kRhPart = 11;

void TakeStoredCopies(BeamResults& r) {
  for (std::size_t k = 0; k < kFactoredStations; ++k) {
    r.StoredSpanShear[k] = static_cast<float>(r.SpanShear[k]);
    r.StoredSpanMoment[k] = static_cast<float>(r.SpanMoment[k]);
  }
  for (std::size_t k = 0; k < kServiceStations; ++k) {
    r.StoredSpanDeflection[k] = static_cast<float>(r.SpanDeflection[k]);
  }
  for (std::size_t row = 0; row < 2; ++row) {
    r.StoredCantShear[row] = r.CantShear[row];
    r.StoredCantMoment[row] = r.CantMoment[row];
    for (std::size_t k = 0; k < kServiceStations; ++k) {
      r.StoredCantDeflection[row][k] = static_cast<float>(r.CantDeflection[row][k]);
    }
    r.StoredCantDeflection[row][kServiceStations] = 0;
  }
}

// new[j] = -old[n - j]
template <typename Row>
void ReverseNegated(Row& row, int n) {
  const Row old = row;
  for (int j = 0; j <= n; ++j) {
    row[static_cast<std::size_t>(j)] = -old[static_cast<std::size_t>(n - j)];
  }
}

// Running largest and smallest (strict comparisons, both from 0) over three runs, with the
// largest magnitude of each run.
struct RunningExtremes {
  double largest = 0;
  double smallest = 0;
  std::array<double, 3> runPeak{};  // LH cantilever, span, RH cantilever

  void Add(int run, double value) {
    if (value > largest) largest = value;
    if (value < smallest) smallest = value;
    const double magnitude = std::fabs(value);
    if (magnitude > runPeak[static_cast<std::size_t>(run)]) {
      runPeak[static_cast<std::size_t>(run)] = magnitude;
    }
  }
  double LargestMagnitude() const { return -smallest > largest ? -smallest : largest; }
  void StorePeaks(std::array<float, kPartCount>& peaks) const {
    peaks[kLhPart] = static_cast<float>(runPeak[0]);
    peaks[kSpanPart] = static_cast<float>(runPeak[1]);
    peaks[kRhPart] = static_cast<float>(runPeak[2]);
  }
};

void ShearSummary(BeamResults& r) {
  RunningExtremes e;
  for (int j = 0; j <= N; ++j)
    e.Add(0, r.CantShear[0][static_cast<std::size_t>(j)]);
  for (int j = 0; j <= N; ++j)
    e.Add(1, r.SpanShear[static_cast<std::size_t>(j)]);
  for (int j = 0; j <= N; ++j)
    e.Add(2, r.CantShear[1][static_cast<std::size_t>(j)]);
  r.ShearExtremes = {e.LargestMagnitude(), e.largest, e.smallest};
  e.StorePeaks(r.SegmentPeaks[0]);
}

void MomentSummary(BeamResults& r) {
  RunningExtremes e;
  for (int j = 0; j <= N; ++j)
    e.Add(0, -static_cast<double>(r.CantMoment[0][static_cast<std::size_t>(j)]));
  for (int j = 0; j <= N; ++j)
    e.Add(1, r.SpanMoment[static_cast<std::size_t>(j)]);
  for (int j = 0; j <= N; ++j)
    e.Add(2, -static_cast<double>(r.CantMoment[1][static_cast<std::size_t>(j)]));
  r.MomentExtremes = {e.LargestMagnitude(), e.smallest, e.largest};
  e.StorePeaks(r.SegmentPeaks[1]);
}

void DeflectionSummary(BeamResults& r) {
  RunningExtremes e;
  for (int j = 0; j <= kServiceN; ++j)
    e.Add(0, -r.CantDeflection[0][static_cast<std::size_t>(j)]);
  for (int j = 0; j <= kServiceN; ++j)
    e.Add(1, r.SpanDeflection[static_cast<std::size_t>(j)]);
  for (int j = 0; j <= kServiceN; ++j)
    e.Add(2, r.CantDeflection[1][static_cast<std::size_t>(j)]);
  r.DeflectionExtremes = {e.LargestMagnitude(), -e.largest, -e.smallest};
  e.StorePeaks(r.SegmentPeaks[2]);
}

void SupportValues(const BeamModel& model, BeamResults& r) {
  const bool lhPresent = model.LhCantilever.IsPresent();
  const bool rhPresent = model.RhCantilever.IsPresent();
  if (lhPresent) r.LhSupportShear = r.CantShear[0][N];
  r.SupportShears[0] = r.SpanShear[0];
  r.SupportShears[1] = r.SpanShear[N];
  if (rhPresent) r.SupportShears[2] = r.CantShear[1][0];

  double left = (lhPresent ? -r.LhSupportShear : 0.0) + r.SpanShear[0];
  double right = -r.SpanShear[N] + (rhPresent ? static_cast<double>(r.CantShear[1][0]) : 0.0);
  for (int row = 1; row <= kUserLoadRows; ++row) {
    left += r.SupportPointLoads[0][static_cast<std::size_t>(row - 1)];
    right += r.SupportPointLoads[1][static_cast<std::size_t>(row - 1)];
  }
  r.Reactions = {left, right};
}

// The governing intermediate span moment: whichever of the largest and smallest lies further
// from the mean of the end moments; 0 when it is an end moment itself.
void SpanMomentProfile(BeamResults& r) {
  const double atLeft = r.SpanMoment[0];
  const double atRight = r.SpanMoment[N];
  const double mean = (atLeft + atRight) / 2;
  double largest = mean;
  double smallest = mean;
  for (int j = 0; j <= N; ++j) {
    const double value = r.SpanMoment[static_cast<std::size_t>(j)];
    if (value > largest) largest = value;
    if (value < smallest) smallest = value;
  }
  double governing = (mean - smallest) >= (largest - mean) ? smallest : largest;
  if (governing == atLeft || governing == atRight) governing = 0;
  r.SpanMomentProfile = {atLeft, governing, atRight};
}

void TipDeflections(BeamResults& r) {
  r.TipDeflections[0] = r.CantDeflection[0][0];
  double largest = 0;
  double smallest = 0;
  for (int j = 0; j <= kServiceN; ++j) {
    const double value = r.SpanDeflection[static_cast<std::size_t>(j)];
    if (value > largest) largest = value;
    if (value < smallest) smallest = value;
  }
  r.TipDeflections[1] = -(std::fabs(smallest) > std::fabs(largest) ? smallest : largest);
  r.TipDeflections[kRhPart] = -r.CantDeflection[1][kServiceN];
}

}  // namespace

void Summarise(const BeamModel& model, BeamResults& results) {
  TakeStoredCopies(results);
  ReverseNegated(results.CantShear[0], N);
  ShearSummary(results);
  ReverseNegated(results.CantMoment[0], N);
  MomentSummary(results);
  ReverseNegated(results.CantDeflection[0], kServiceN);
  DeflectionSummary(results);
  SupportValues(model, results);
  SpanMomentProfile(results);
  TipDeflections(results);
  BuildPolylines(model, results);
}

}  // namespace trabeo
