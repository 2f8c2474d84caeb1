#include "cli/file_arguments.h"

namespace trabeo::cli {

std::optional<FileArguments> ParseFileArguments(std::span<const std::string> args,
                                                std::string_view command, std::string_view what,
                                                std::ostream& err) {
  FileArguments parsed;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      parsed.json = true;
    } else if (arg.starts_with("--") || !parsed.file.empty()) {
      err << "trabeo-cli " << command << ": unexpected argument " << arg << "\n";
      return std::nullopt;
    } else {
      parsed.file = arg;
    }
  }
  if (parsed.file.empty()) {
    err << "trabeo-cli " << command << ": no " << what << " given\n";
    return std::nullopt;
  }
  return parsed;
}

}  // namespace trabeo::cli
