#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "sections/catalogue/catalogue.h"

namespace trabeo::cli {

// trabeo-cli catalogue --dir DIR: writes the seventeen catalogue files into an existing folder,
// as the program does at start-up, and lists them. Unlike the program, which skips a file it
// cannot write without a word, the batch front end names it and fails.
int RunCatalogueCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2 || args[0] != "--dir") {
    err << "usage: trabeo-cli catalogue --dir DIR\n";
    return kExitBadInput;
  }
  const std::filesystem::path folder(args[1]);
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    err << "trabeo-cli: '" << args[1] << "' is not a folder\n";
    return kExitBadInput;
  }
  const std::vector<std::string> skipped = WriteCatalogue(folder);
  for (const CatalogueFile& file : CatalogueFiles()) {
    if (std::find(skipped.begin(), skipped.end(), file.name) != skipped.end()) {
      err << "trabeo-cli: cannot write " << (folder / file.name).string() << '\n';
    } else {
      out << file.name << ' ' << CatalogueRecords(file).size() << " records\n";
    }
  }
  return skipped.empty() ? kExitOk : kExitBadInput;
}

}  // namespace trabeo::cli
