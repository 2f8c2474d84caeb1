#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "fileio/file_bytes.h"
#include "sections/section_table_file.h"

namespace trabeo::cli {
namespace {

namespace fs = std::filesystem;

const std::string kShownAsUtf8 = "\u00B5m \u00B2 \u00BD \u20AC";

class SectionsCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    folder_ = fs::temp_directory_path() /
              ("trabeo_cli_sections_" +
               std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "_" +
               std::to_string(counter++));
    fs::create_directories(folder_);
    SectionRecord beam;
    beam.Designation = "127 x 76 UB 13           ";
    beam.Depth = 127;
    beam.Width = 76;
    beam.WebThk = 4;
    beam.FlgThk = 7.6f;
    beam.Type = "Beam";
    beam.E = 205000;
    beam.Area = 1652;
    beam.RecordNo = 1;
    SectionRecord separator;
    separator.Designation = std::string(25, ' ');
    separator.RecordNo = 2;
    SectionRecord odd = beam;
    odd.RecordNo = 3;
    std::vector<uint8_t> bytes = EncodeSectionTable(std::vector{beam, separator, odd});
    // As another program writes it: 8-bit characters of the Windows code page (0xB5 micro sign,
    // 0xB2 superscript two, 0xBD one half, 0x80 euro sign).
    const std::string eightBit = "\xB5m \xB2 \xBD \x80";
    bytes[400] = static_cast<uint8_t>(eightBit.size());
    std::copy(eightBit.begin(), eightBit.end(), bytes.begin() + 401);
    bytes.resize(bytes.size() + 17);  // not a whole record
    ASSERT_TRUE(WriteFileBytes(folder_ / "UB.sct", bytes));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  int RunSections(std::vector<std::string> args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    args.insert(args.begin(), "sections");
    const int status = RunCli(args, o, e);
    out = o.str();
    err = e.str();
    return status;
  }

  fs::path folder_;
};

TEST_F(SectionsCommandTest, ListsOneLinePerWholeRecord) {
  std::string out, err;
  ASSERT_EQ(RunSections({(folder_ / "UB.sct").string()}, out, err), kExitOk) << err;
  EXPECT_EQ(out, "127 x 76 UB 13           \n" + std::string(25, ' ') + "\n" + kShownAsUtf8 + "\n");
  // The name is found whatever its letter case.
  ASSERT_EQ(RunSections({(folder_ / "ub.SCT").string()}, out, err), kExitOk) << err;
}

TEST_F(SectionsCommandTest, JsonDumpsEveryFieldByName) {
  std::string out, err;
  ASSERT_EQ(RunSections({(folder_ / "UB.sct").string(), "--json"}, out, err), kExitOk) << err;
  const nlohmann::json list = nlohmann::json::parse(out);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0]["Designation"], "127 x 76 UB 13           ");
  EXPECT_EQ(list[0]["FlgThk"], 7.6);
  EXPECT_EQ(list[0]["Area"], 1652);
  EXPECT_EQ(list[0]["Type"], "Beam");
  EXPECT_EQ(list[0]["RecordNo"], 1);
  EXPECT_EQ(list[1]["Width"], 0);
  EXPECT_EQ(list[0].size(), 37u);  // the record's fields without padding and reserved slots
  EXPECT_EQ(list[2]["Designation"], kShownAsUtf8);
}

TEST_F(SectionsCommandTest, MissingFileOrArgumentsGiveStatus2) {
  std::string out, err;
  EXPECT_EQ(RunSections({(folder_ / "Nope.sct").string()}, out, err), kExitBadInput);
  EXPECT_EQ(RunSections({}, out, err), kExitBadInput);
  EXPECT_EQ(RunSections({"a.sct", "b.sct"}, out, err), kExitBadInput);
  EXPECT_EQ(RunSections({(folder_ / "UB.sct").string(), "--xml"}, out, err), kExitBadInput);
}

}  // namespace
}  // namespace trabeo::cli
