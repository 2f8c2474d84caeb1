// trabeo-cli report: the printed report as a PDF, read back with pdftotext.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_test_support.h"
#include "cli/report_pdf.h"

namespace trabeo {
namespace {

using testing::RunTrabeoCli;
using testing::TempFolder;

const std::string kExample = std::string(TRABEO_SOURCE_DIR) + "/examples/example-beam.json";

bool HavePdfToText() {
  return std::system("command -v pdftotext > /dev/null 2>&1") == 0;
}

// A line with its runs of spaces made one and its ends trimmed, as text read back from a PDF
// keeps the words of a line but not their exact spacing.
std::string Squeezed(const std::string& line) {
  std::istringstream words(line);
  std::string word, out;
  while (words >> word)
    out += (out.empty() ? "" : " ") + word;
  return out;
}

std::vector<std::string> SqueezedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!Squeezed(line).empty()) lines.push_back(Squeezed(line));
  }
  return lines;
}

std::string PdfText(const std::filesystem::path& pdf) {
  const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return text;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    text.append(buffer, n);
  pclose(pipe);
  return text;
}

class ReportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!cli::ReportPdfAvailable()) GTEST_SKIP() << "built without Qt";
  }
  TempFolder folder;
};

// Every line the listing shows is printed, but the heading of the results at twentieths,
// which the listing does not store.
TEST_F(ReportCommandTest, ExampleBeamPdfHoldsTheListingLines) {
  if (!HavePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const auto pdf = folder.path() / "example.pdf";
  const auto run = RunTrabeoCli({"report", kExample, "-o", pdf.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.empty());

  const auto listing = RunTrabeoCli({"analyse", kExample, "--listing"});
  ASSERT_EQ(listing.status, 0);
  const std::vector<std::string> printed = SqueezedLines(PdfText(pdf));
  int compared = 0;
  for (const std::string& line : SqueezedLines(listing.out)) {
    if (line == "RESULTS AT 1/20th SPAN INTERVALS") continue;
    ++compared;
    EXPECT_NE(std::find(printed.begin(), printed.end(), line), printed.end()) << line;
  }
  EXPECT_GT(compared, 60);
  EXPECT_NE(std::find(printed.begin(), printed.end(), "Page 3"), printed.end());
}

TEST_F(ReportCommandTest, NothingToPrintLeavesNoFile) {
  const std::string beam =
      folder.Write("beam.json", R"({"MainSpan": 4000, "E": 205000, "Ixx": 1e7})");
  const auto pdf = folder.path() / "none.pdf";
  const auto run = RunTrabeoCli({"report", beam, "-o", pdf.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Nothing to print!\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportCommandTest, UnwritablePlaceKeepsNothingHalfWritten) {
  const auto pdf = folder.path() / "missing-folder" / "out.pdf";
  const auto run = RunTrabeoCli({"report", kExample, "-o", pdf.string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("cannot write"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(pdf));

  EXPECT_EQ(RunTrabeoCli({"report", kExample}).status, 2);  // no -o
}

TEST(ReportCommandWithoutQtTest, SaysItIsNotAvailable) {
  if (cli::ReportPdfAvailable()) GTEST_SKIP() << "built with Qt";
  const auto run = RunTrabeoCli({"report", kExample, "-o", "unused.pdf"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("not available"), std::string::npos);
}

}  // namespace
}  // namespace trabeo
