#include "cli/commands.h"

namespace trabeo::cli {

int RunSectionsCommand(std::span<const std::string>, std::ostream&, std::ostream& err) {
  err << "trabeo-cli: the sections command is not available in this build\n";
  return kExitBadInput;
}

}  // namespace trabeo::cli
