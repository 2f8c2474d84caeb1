#include "engine/finite_results.h"

#include <cmath>
#include <limits>
#include <type_traits>

namespace trabeo {
namespace {

bool Finite(double value) {
  return std::fabs(value) <= std::numeric_limits<float>::max();  // false for NaN too
}

// Arrays and tables of values, element by element.
template <typename Values>
bool AllFinite(const Values& values) {
  for (const auto& value : values) {
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(value)>>) {
      if (!Finite(value)) return false;
    } else if (!AllFinite(value)) {
      return false;
    }
  }
  return true;
}

bool AllFinite(const Polyline& line) {
  for (int32_t i = 0; i < line.count; ++i) {
    const PolylinePoint& point = line.points[static_cast<std::size_t>(i)];
    if (!Finite(point.x) || !Finite(point.value)) return false;
  }
  return true;
}

}  // namespace

bool ResultsAreFinite(const BeamResults& r) {
  const double scalars[] = {r.TotalAppliedLoad,   r.TotalReactions,  r.EndMomentL,
                            r.EndMomentR,         r.LhSupportMoment, r.RhSupportMoment,
                            r.SpanPeakDeflection, r.LhSupportShear,  r.BendingStress};
  return AllFinite(scalars) && AllFinite(r.SpanShear) && AllFinite(r.SpanMoment) &&
         AllFinite(r.SpanDeflection) && AllFinite(r.CantShear) && AllFinite(r.CantMoment) &&
         AllFinite(r.CantDeflection) && AllFinite(r.Reactions) && AllFinite(r.SupportPointLoads) &&
         AllFinite(r.EndRotation) && AllFinite(r.ShearExtremes) && AllFinite(r.MomentExtremes) &&
         AllFinite(r.DeflectionExtremes) && AllFinite(r.SegmentPeaks) &&
         AllFinite(r.SupportShears) && AllFinite(r.SpanMomentProfile) &&
         AllFinite(r.TipDeflections) && AllFinite(r.StoredSpanShear) &&
         AllFinite(r.StoredSpanMoment) && AllFinite(r.StoredSpanDeflection) &&
         AllFinite(r.StoredCantShear) && AllFinite(r.StoredCantMoment) &&
         AllFinite(r.StoredCantDeflection) && AllFinite(r.ShearPolyline) &&
         AllFinite(r.MomentPolyline) && AllFinite(r.DeflectionPolyline);
}

}  // namespace trabeo
