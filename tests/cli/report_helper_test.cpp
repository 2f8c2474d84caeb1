// The program trabeo-cli hands "report" to its helper trabeo-report, found beside it: the
// statuses and messages are the command's, and without the helper the command says so.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cli_test_support.h"
#include "cli/report_pdf.h"

namespace trabeo {
namespace {

using testing::TempFolder;

const std::string kExample = std::string(TRABEO_SOURCE_DIR) + "/examples/example-beam.json";

struct ProgramRun {
  int status = -1;
  std::string output;  // standard output and standard error together
};

ProgramRun RunProgram(const std::string& commandLine) {
  ProgramRun run;
  FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.output.append(buffer, n);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
  return run;
}

std::string FirstBytes(const std::filesystem::path& file, std::size_t count) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

// Each outcome as the command run in this process gives it: the PDF written, nothing to print
// (status 1), a place that cannot be written (status 2).
TEST(ReportHelperTest, TheHelperGivesTheCommandsStatusesAndMessages) {
  if (!cli::ReportPdfAvailable()) GTEST_SKIP() << "built without Qt";
  TempFolder folder;
  const std::string unloaded =
      folder.Write("unloaded.json", R"({"MainSpan": 4000, "E": 205000, "Ixx": 1e7})");
  const struct {
    std::string beam;
    std::filesystem::path pdf;
    int status;
  } cases[] = {{kExample, folder.path() / "example.pdf", 0},
               {unloaded, folder.path() / "none.pdf", 1},
               {kExample, folder.path() / "missing" / "out.pdf", 2}};
  for (const auto& c : cases) {
    const ProgramRun helped = RunProgram(std::string(TRABEO_CLI_PROGRAM) + " report '" + c.beam +
                                         "' -o '" + c.pdf.string() + "'");
    EXPECT_EQ(helped.status, c.status) << helped.output;
    const bool written = std::filesystem::exists(c.pdf);
    EXPECT_EQ(written, c.status == 0);
    if (written) {
      EXPECT_EQ(FirstBytes(c.pdf, 5), "%PDF-");
    }
    std::filesystem::remove(c.pdf);

    const auto here = testing::RunTrabeoCli({"report", c.beam, "-o", c.pdf.string()});
    EXPECT_EQ(here.status, c.status);
    EXPECT_EQ(helped.output, here.out + here.err);
  }
}

TEST(ReportHelperTest, WithoutTheHelperBesideItReportIsNotAvailable) {
  TempFolder folder;
  const auto alone = folder.path() / "trabeo-cli";
  std::filesystem::copy_file(TRABEO_CLI_PROGRAM, alone);
  const ProgramRun run = RunProgram("'" + alone.string() + "' report '" + kExample + "' -o '" +
                                    (folder.path() / "out.pdf").string() + "'");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.output.starts_with("trabeo-cli report: not available: cannot run " +
                                     (folder.path() / "trabeo-report").string()))
      << run.output;
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.pdf"));

  // The other commands need no helper.
  EXPECT_EQ(RunProgram("'" + alone.string() + "' bolt --json").status, 0);
}

}  // namespace
}  // namespace trabeo
