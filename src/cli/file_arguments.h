#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace trabeo::cli {

// The arguments of a command that reads one file: FILE [--json].
struct FileArguments {
  std::string file;
  bool json = false;
};

// Reads FILE [--json]; on anything else, or no file, says so on `err` ("trabeo-cli COMMAND: no
// WHAT given") and gives nothing.
std::optional<FileArguments> ParseFileArguments(std::span<const std::string> args,
                                                std::string_view command, std::string_view what,
                                                std::ostream& err);

}  // namespace trabeo::cli
