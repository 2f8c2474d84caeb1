#pragma once

#include "model/beam_model.h"
#include "settings/unit_settings.h"

namespace trabeo {

// Whether the results are labelled as factored. The preferences, the units file or an opened
// beam file set FactoredLoads; until one of them has (0, as on a fresh installation) the load
// table decides, as an opened beam file does: on when some applied row has a factor above 1,
// off otherwise. A value already set is left as it is.
void SettleFactoredLoads(UnitSettings& settings, const LoadTable& loads);

}  // namespace trabeo
