// "trabeo-cli report" by the helper program trabeo-report, found beside the running program
// (both are installed in the same folder, and sit in the same build folder).
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/commands.h"

namespace trabeo::cli {
namespace {

constexpr const char* kHelperName = "trabeo-report";

std::filesystem::path HelperPath() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return kHelperName;
  return self.parent_path() / kHelperName;
}

}  // namespace

int RunReportInHelper(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::string helper = HelperPath().string();
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(helper.c_str()));
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  out.flush();
  err.flush();
  ::execv(helper.c_str(), argv.data());
  // Only reached when the helper could not be started.
  const int problem = errno;
  err << "trabeo-cli report: not available: cannot run " << helper << ": " << std::strerror(problem)
      << "\n";
  return kExitBadInput;
}

}  // namespace trabeo::cli
