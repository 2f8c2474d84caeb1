#include "cli/commands.h"

namespace trabeo::cli {

int RunCalcCommand(std::span<const std::string>, std::ostream&, std::ostream& err) {
  err << "trabeo-cli: the calc command is not available in this build\n";
  return kExitBadInput;
}

}  // namespace trabeo::cli
