#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace trabeo::testing {

struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

inline CliRun RunTrabeoCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CliRun run;
  run.status = trabeo::cli::RunCli(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

// A folder of its own for one test, removed when the test ends.
class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("trabeo-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace trabeo::testing
