#include "steel/beam_check/average_load_factor.h"

namespace trabeo {

float AverageLoadFactor(const LoadTable& loads) {
  double factored = 0;
  double total = 0;
  for (const LoadRecord& row : loads.rows) {
    if (!row.IsApplied()) continue;
    double load = 0;
    if (row.Kind == kPointLoadKind) {
      load = row.Intensity;
    } else if (row.Kind == kDistributedLoadKind) {
      load = (static_cast<double>(row.Intensity) + row.EndIntensity) / 2 * row.Cover;
    } else {
      continue;
    }
    factored += load * row.Factor;
    total += load;
  }
  if (total == 0) total = 1e12;
  return static_cast<float>(factored / total);
}

}  // namespace trabeo
