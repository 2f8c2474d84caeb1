#include "model/beam_model.h"

namespace trabeo {

double SumTotalLength(const SegmentRecord& lh, const SegmentRecord& span, const SegmentRecord& rh) {
  float total = lh.IsPresent() ? static_cast<float>(lh.Length) : 0.0f;
  total += static_cast<float>(span.Length);
  total += rh.IsPresent() ? static_cast<float>(rh.Length) : 0.0f;
  return total;
}

}  // namespace trabeo
