#include "steel/beam_check/compliance.h"

#include <algorithm>
#include <limits>

#include "steel/beam_check/check_inputs.h"
#include "steel/beam_check/check_parts.h"

namespace trabeo {
namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

double Ratio(double value, double limit) {
  return limit > 0 ? value / limit : kUnbounded;
}

// Deflection over length of a present cantilever or the span; 0 for an absent one.
double DeflectionRatio(const BeamResults& results, const SegmentRecord& segment, int p) {
  if (!segment.IsPresent() || !(segment.Length > 0)) return 0;
  return results.SegmentPeaks[2][static_cast<std::size_t>(p)] / segment.Length;
}

}  // namespace

// The limits are the program's own constants, a little below 1/180, 1/360 and 1/100, 1/200; the
// RH cantilever's first limit is lower than the LH one's.
int32_t DeflectionCompliance(const BeamModel& model, const BeamResults& results) {
  const double lh = DeflectionRatio(results, model.LhCantilever, kLhCantileverPart);
  const double span = DeflectionRatio(results, model.MainSpan, kMainSpanPart);
  const double rh = DeflectionRatio(results, model.RhCantilever, kRhCantileverPart);
  int32_t verdict = kComplies;
  if (lh > 0.005555 || span > 0.002777 || rh > 0.00555) verdict = kCompliesDeflectionOver360;
  if (lh > 0.01 || span > 0.005 || rh > 0.01) verdict = kCompliesDeflectionOver200;
  return verdict;
}

PartRatios RatiosOfPart(const BeamResults& results, const SteelCheckState& check, int p) {
  const auto k = static_cast<std::size_t>(p);
  const PartPeaks peaks = PeaksOfPart(results, check, p);
  PartRatios ratios;
  ratios.shear = Ratio(peaks.shear, check.PartShearLimit[k]);
  ratios.moment = std::max(Ratio(peaks.moment * check.PartM[k], check.PartMb[k]),
                           Ratio(peaks.moment, check.PartMc[k]));
  return ratios;
}

int32_t ComplianceOf(const BeamModel& model, const BeamResults& results,
                     const std::vector<int>& parts, const SteelCheckState& check) {
  bool fails = false;
  bool unchecked = false;
  for (int p : parts) {
    const auto k = static_cast<std::size_t>(p);
    const PartRatios ratios = RatiosOfPart(results, check, p);
    if (check.PartChecked[k] == 1) {
      fails = fails || ratios.shear >= 1 || ratios.moment >= 1;
    } else {
      unchecked = true;
      fails = fails || (check.PartShearLimit[k] > 0 && ratios.shear >= 1);
    }
  }
  if (fails) return kComplianceFails;
  if (check.ComplianceState == kComplianceAngleTooSlender) return kComplianceAngleTooSlender;
  if (unchecked) return kComplianceNotChecked;
  return DeflectionCompliance(model, results);
}

}  // namespace trabeo
