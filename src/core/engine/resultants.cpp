#include "engine/resultants.h"

namespace trabeo {
namespace {

ResultantList ListResultants(const SegmentLoadList& list, bool factoredPass) {
  ResultantList out;
  for (int i = 0; i < list.count; ++i) {
    const SegmentLoad& load = list.slots[static_cast<std::size_t>(i)];
    if (load.Applied != 1.0) continue;
    const double f = factoredPass ? load.Factor : 1.0;
    Resultant& entry = out.entries[static_cast<std::size_t>(out.count++)];
    entry.W = load.LoadType == kPointLoad
                  ? load.Intensity * f
                  : load.Cover * (load.Intensity + load.EndIntensity) / 2 * f;
    entry.LoadType = load.LoadType;
    entry.Offset = static_cast<float>(load.Offset);
    entry.Cover = static_cast<float>(load.Cover);
  }
  return out;
}

}  // namespace

PassResultants BuildResultants(const BeamModel& model, const ResolvedLoads& loads,
                               bool factoredPass) {
  PassResultants out;
  const bool lhPresent = model.LhCantilever.IsPresent();
  const bool rhPresent = model.RhCantilever.IsPresent();
  if (lhPresent) out.lists[kLhSegment] = ListResultants(loads.lists[kLhSegment], factoredPass);
  out.lists[kSpanSegment] = ListResultants(loads.lists[kSpanSegment], factoredPass);
  if (rhPresent) out.lists[kRhSegment] = ListResultants(loads.lists[kRhSegment], factoredPass);
  out.CantLength = {lhPresent ? model.LhCantilever.Length : 0.0,
                    rhPresent ? model.RhCantilever.Length : 0.0};
  out.noLoads = loads.lists[kLhSegment].count + loads.lists[kSpanSegment].count +
                    loads.lists[kRhSegment].count ==
                0;
  return out;
}

}  // namespace trabeo
