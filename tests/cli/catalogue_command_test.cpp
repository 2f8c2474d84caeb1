#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "sections/catalogue/catalogue.h"

namespace trabeo::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status;
  std::string out, err;
};

CliRun Catalogue(std::vector<std::string> args) {
  args.insert(args.begin(), "catalogue");
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

class CatalogueCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("trabeo_cli_catalogue_" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(CatalogueCommand, WritesTheSeventeenFilesAndListsThem) {
  const CliRun run = Catalogue({"--dir", folder_.string()});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.err, "");
  std::string expected;
  for (const CatalogueFile& file : CatalogueFiles()) {
    const auto records = CatalogueRecords(file);
    expected += std::string(file.name) + " " + std::to_string(records.size()) + " records\n";
    EXPECT_EQ(fs::file_size(folder_ / file.name), records.size() * kSectionRecordSize);
  }
  EXPECT_EQ(run.out, expected);
  EXPECT_NE(run.out.find("UB.sct 95 records\n"), std::string::npos);
}

// Listed back as the program lists a table: one line per record, separators as blank lines,
// names as stored (padded, except in C.sct).
TEST_F(CatalogueCommand, WrittenFilesListAsTheCatalogue) {
  ASSERT_EQ(Catalogue({"--dir", folder_.string()}).status, kExitOk);
  for (const CatalogueFile& file : CatalogueFiles()) {
    std::ostringstream out, err;
    const std::vector<std::string> args = {"sections", (folder_ / file.name).string()};
    ASSERT_EQ(RunCli(args, out, err), kExitOk) << err.str();
    std::string expected;
    for (const SectionRecord& record : CatalogueRecords(file))
      expected += record.Designation + "\n";
    EXPECT_EQ(out.str(), expected) << file.name;
  }
  std::ostringstream out, err;
  RunCli(std::vector<std::string>{"sections", (folder_ / "UB.sct").string()}, out, err);
  const std::string listing = out.str();
  EXPECT_EQ(listing.substr(0, 52), "127 x 76 UB 13           \n" + std::string(25, ' ') + "\n");
  EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 95);
}

TEST_F(CatalogueCommand, NamesAFileItCannotWriteAndFails) {
  fs::create_directory(folder_ / "CHS.sct");
  const CliRun run = Catalogue({"--dir", folder_.string()});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_NE(run.err.find("cannot write"), std::string::npos);
  EXPECT_NE(run.err.find("CHS.sct"), std::string::npos);
  EXPECT_EQ(run.out.find("CHS.sct"), std::string::npos);
  EXPECT_TRUE(fs::is_regular_file(folder_ / "C.sct"));
}

TEST_F(CatalogueCommand, RefusesBadArguments) {
  const std::vector<std::vector<std::string>> cases = {{},
                                                       {"--dir"},
                                                       {folder_.string()},
                                                       {"--folder", folder_.string()},
                                                       {"--dir", folder_.string(), "extra"}};
  for (const auto& args : cases) {
    const CliRun run = Catalogue(args);
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_NE(run.err.find("usage: trabeo-cli catalogue --dir DIR"), std::string::npos);
  }
  const CliRun missing = Catalogue({"--dir", (folder_ / "none").string()});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_NE(missing.err.find("is not a folder"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "none"));
}

}  // namespace
}  // namespace trabeo::cli
