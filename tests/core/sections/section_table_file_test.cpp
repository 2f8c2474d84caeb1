#include "sections/section_table_file.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include "fileio/file_bytes.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;

class SectionTableFileTest : public testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    folder_ = fs::temp_directory_path() /
              ("trabeo_sections_" + std::to_string(::getpid()) + "_" +
               std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "_" +
               std::to_string(counter++));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(WriteFileBytes(folder_ / name, bytes));
  }
  std::vector<uint8_t> Bytes(const std::string& name) {
    return ReadFileBytes(folder_ / name).value_or(std::vector<uint8_t>{});
  }

  fs::path folder_;
};

SectionRecord Named(const std::string& designation, int recordNo, float width = 50) {
  SectionRecord r;
  r.Designation = designation;
  r.Width = width;
  r.Depth = 2 * width;
  r.Type = "Beam";
  r.E = 205000;
  r.RecordNo = recordNo;
  return r;
}

SectionRecord Separator(int recordNo) {
  SectionRecord r;
  r.Designation = std::string(25, ' ');
  r.RecordNo = recordNo;
  return r;
}

SectionRecord Unused(int recordNo) {
  SectionRecord r;
  r.RecordNo = recordNo;
  return r;
}

TEST_F(SectionTableFileTest, ListsWholeRecordsWithSeparatorsAsBlankLines) {
  std::vector<uint8_t> bytes =
      EncodeSectionTable(std::vector{Named("127 x 76 UB 13", 1), Separator(2), Named("UB 16", 3)});
  bytes.resize(bytes.size() + 150, 0xAB);  // a partial record at the end
  WriteBytes("UB.sct", bytes);
  const std::vector<std::string> lines = ListSectionTable(folder_, "UB.sct");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "127 x 76 UB 13");
  EXPECT_EQ(lines[1], std::string(25, ' '));
  EXPECT_EQ(lines[2], "UB 16");

  const auto picked = PickSectionRecord(folder_, "UB.sct", 2);
  ASSERT_TRUE(picked.has_value());
  EXPECT_EQ(picked->Designation, "UB 16");
  EXPECT_EQ(picked->RecordNo, 3);
  const auto separator = PickSectionRecord(folder_, "UB.sct", 1);
  ASSERT_TRUE(separator.has_value());
  EXPECT_TRUE(separator->IsSeparator());
  EXPECT_FALSE(PickSectionRecord(folder_, "UB.sct", 3).has_value());
}

TEST_F(SectionTableFileTest, MissingFileListsNothing) {
  EXPECT_TRUE(ListSectionTable(folder_, "Misc.sct").empty());
  EXPECT_FALSE(PickSectionRecord(folder_, "Misc.sct", 0).has_value());
}

TEST_F(SectionTableFileTest, NamesCompareWithoutRegardToCase) {
  WriteBytes("misc.SCT", EncodeSectionTable(std::vector{Named("Mine", 1)}));
  ASSERT_EQ(ListSectionTable(folder_, "Misc.sct").size(), 1u);
  // Appending keeps to the file that is there rather than making a second one.
  ASSERT_TRUE(AppendToMiscTable(folder_, Named("Next", 0)).ok());
  EXPECT_EQ(ListSectionTable(folder_, "misc.SCT").size(), 2u);
  const auto entries = std::distance(fs::directory_iterator(folder_), fs::directory_iterator());
  EXPECT_EQ(entries, 1);
}

TEST_F(SectionTableFileTest, CatalogueTableIsWrittenRecordByRecord) {
  const std::vector records{Named("A", 1), Separator(2), Named("B", 3)};
  ASSERT_TRUE(WriteSectionTable(folder_, "RSJ.sct", records));
  EXPECT_EQ(Bytes("RSJ.sct").size(), 600u);
  EXPECT_EQ(Bytes("RSJ.sct"), EncodeSectionTable(records));
}

TEST_F(SectionTableFileTest, AppendGoesAfterTheLastNamedRow) {
  std::vector<SectionRecord> rows;
  for (int i = 1; i <= 250; ++i)
    rows.push_back(i <= 7 ? Named("Row " + std::to_string(i), i) : Unused(i));
  WriteBytes("Misc.sct", EncodeSectionTable(rows));
  const std::vector<uint8_t> before = Bytes("Misc.sct");

  const MiscAppendResult result = AppendToMiscTable(folder_, Named("New section", 0));
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.recordNo, 8);
  const std::vector<uint8_t> after = Bytes("Misc.sct");
  ASSERT_EQ(after.size(), 8u * 200);
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + 7 * 200, before.begin()));
  const auto added = PickSectionRecord(folder_, "Misc.sct", 7);
  EXPECT_EQ(added->Designation, "New section");
  EXPECT_EQ(added->RecordNo, 8);
  EXPECT_FALSE(fs::exists(folder_ / "Misc.sct.tmp"));
}

TEST_F(SectionTableFileTest, AppendToATableWithoutNamesOrWithoutAFile) {
  std::vector<SectionRecord> rows;
  for (int i = 1; i <= 250; ++i)
    rows.push_back(Unused(i));
  WriteBytes("Misc.sct", EncodeSectionTable(rows));
  EXPECT_EQ(AppendToMiscTable(folder_, Named("Only", 0)).recordNo, 1);
  EXPECT_EQ(Bytes("Misc.sct").size(), 200u);

  fs::remove(folder_ / "Misc.sct");
  const MiscAppendResult created = AppendToMiscTable(folder_, Named("First", 0));
  ASSERT_TRUE(created.ok());
  EXPECT_EQ(created.recordNo, 1);
  const auto first = PickSectionRecord(folder_, "Misc.sct", 0);
  EXPECT_EQ(first->RecordNo, 1);
  EXPECT_EQ(Bytes("Misc.sct").size(), 200u);
}

TEST_F(SectionTableFileTest, AppendCutsTheDescriptionAndRefusesAnEmptyOne) {
  WriteBytes("Misc.sct", EncodeSectionTable(std::vector{Named("Kept", 1)}));
  const std::vector<uint8_t> before = Bytes("Misc.sct");
  const MiscAppendResult refused = AppendToMiscTable(folder_, Named("", 0));
  EXPECT_EQ(refused.message, "Section needs a description");
  EXPECT_EQ(Bytes("Misc.sct"), before);

  ASSERT_TRUE(AppendToMiscTable(folder_, Named(std::string(30, 'x'), 0)).ok());
  EXPECT_EQ(PickSectionRecord(folder_, "Misc.sct", 1)->Designation, std::string(25, 'x'));
}

TEST_F(SectionTableFileTest, BlankDesignationsCountAsNamed) {
  // A designation of spaces has a length, so the row is kept.
  WriteBytes("Misc.sct", EncodeSectionTable(std::vector{Named("A", 1), Separator(2), Unused(3)}));
  EXPECT_EQ(AppendToMiscTable(folder_, Named("B", 0)).recordNo, 3);
}

TEST_F(SectionTableFileTest, WrongRecordNumbersNeverLoseNamedRows) {
  // Row 3 says it is row 300: out of range, and the rows before it must survive anyway.
  WriteBytes("Misc.sct", EncodeSectionTable(std::vector{Named("A", 1), Named("B", 2),
                                                        Named("C", 300), Unused(4)}));
  EXPECT_EQ(AppendToMiscTable(folder_, Named("D", 0)).recordNo, 4);
  EXPECT_EQ(ListSectionTable(folder_, "Misc.sct"), (std::vector<std::string>{"A", "B", "C", "D"}));

  // A number pointing past the file's rows, and one pointing before a later named row.
  WriteBytes("Misc.sct", EncodeSectionTable(std::vector{Named("A", 1), Named("B", 200)}));
  EXPECT_EQ(AppendToMiscTable(folder_, Named("C", 0)).recordNo, 3);
  WriteBytes("Misc.sct",
             EncodeSectionTable(std::vector{Named("A", 1), Named("B", 1), Unused(3), Unused(4)}));
  EXPECT_EQ(AppendToMiscTable(folder_, Named("C", 0)).recordNo, 3);

  // A number between the last named row and the end of the file is kept, empty rows and all.
  WriteBytes("Misc.sct",
             EncodeSectionTable(std::vector{Named("A", 1), Named("B", 4), Unused(3), Unused(4)}));
  EXPECT_EQ(AppendToMiscTable(folder_, Named("C", 0)).recordNo, 5);

  // A number past the editor's 250 rows, with only empty rows after the last named one: the new
  // section goes where the editor shows it, and nothing named is dropped.
  std::vector<SectionRecord> longFile{Named("A", 1), Named("B", 253)};
  for (int i = 3; i <= 253; ++i)
    longFile.push_back(Unused(i));
  WriteBytes("Misc.sct", EncodeSectionTable(longFile));
  EXPECT_EQ(AppendToMiscTable(folder_, Named("C", 0)).recordNo, 3);
}

TEST_F(SectionTableFileTest, FullTableRefusesAnotherSection) {
  std::vector<SectionRecord> rows;
  for (int i = 1; i <= 250; ++i)
    rows.push_back(Named("Row " + std::to_string(i), i));
  WriteBytes("Misc.sct", EncodeSectionTable(rows));
  const std::vector<uint8_t> before = Bytes("Misc.sct");
  const MiscAppendResult result = AppendToMiscTable(folder_, Named("One too many", 0));
  EXPECT_EQ(result.message, kMiscTableFullMessage);
  EXPECT_EQ(result.recordNo, 0);
  EXPECT_EQ(Bytes("Misc.sct"), before);
}

// Rows past the 250th exist only in files written by other means; a section after them would be
// out of the editor's reach, and the refusal says so rather than that the table is full.
TEST_F(SectionTableFileTest, NamedRowsPastTheEditorRefuseAnotherSection) {
  std::vector<SectionRecord> rows{Named("Row 1", 1), Named("Row 2", 2)};
  for (int i = 3; i <= 262; ++i)
    rows.push_back(Unused(i));
  rows.push_back(Named("Beyond the editor", 263));
  WriteBytes("Misc.sct", EncodeSectionTable(rows));
  const std::vector<uint8_t> before = Bytes("Misc.sct");
  const MiscAppendResult result = AppendToMiscTable(folder_, Named("New", 0));
  EXPECT_EQ(result.message,
            "Misc.sct holds sections past row 250, the last in row 263\nThe miscellaneous "
            "section editor shows rows 1 to 250 only, so the new section was not added");
  EXPECT_EQ(result.recordNo, 0);
  EXPECT_EQ(Bytes("Misc.sct"), before);
}

TEST_F(SectionTableFileTest, UnreadableTableIsLeftAlone) {
  // A folder in the file's place cannot be read as a table; it must not be replaced.
  fs::create_directories(folder_ / "Misc.sct");
  EXPECT_FALSE(AppendToMiscTable(folder_, Named("New", 0)).ok());
  EXPECT_TRUE(fs::is_directory(folder_ / "Misc.sct"));
}

TEST_F(SectionTableFileTest, RewriteWritesExactly250NumberedRows) {
  const std::vector rows{Named("A", 9), Named("B", 9)};
  ASSERT_EQ(RewriteMiscTable(folder_, rows), "");
  const std::vector<SectionRecord> read = ReadSectionTable(folder_, "Misc.sct");
  ASSERT_EQ(read.size(), 250u);
  for (int i = 0; i < 250; ++i)
    EXPECT_EQ(read[static_cast<std::size_t>(i)].RecordNo, i + 1);
  EXPECT_EQ(read[1].Designation, "B");
  EXPECT_TRUE(read[2].Designation.empty());
  EXPECT_EQ(read[2].Width, 0);
}

}  // namespace
}  // namespace trabeo
