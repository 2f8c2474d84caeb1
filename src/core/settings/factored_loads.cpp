#include "settings/factored_loads.h"

#include <algorithm>

namespace trabeo {

void SettleFactoredLoads(UnitSettings& settings, const LoadTable& loads) {
  if (settings.FactoredLoads != 0) return;
  const bool factored =
      std::any_of(loads.rows.begin(), loads.rows.end(),
                  [](const LoadRecord& row) { return row.IsApplied() && row.Factor > 1; });
  settings.FactoredLoads = factored ? kSettingOn : kSettingOff;
}

}  // namespace trabeo
