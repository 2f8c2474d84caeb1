#include "results/unshown_results.h"

#include <algorithm>

#include "settings/sig_fig.h"

namespace trabeo {

bool ListingHasUnshownResult(const ListingLines& lines) {
  return std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
    const bool ratio = line.find("ratio = 1/") != std::string::npos ||
                       line.find(" x allowable") != std::string::npos;
    return !ratio && line.find(kOverflowText) != std::string::npos;
  });
}

}  // namespace trabeo
