#include "sections/misc_grid.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <string>
#include <variant>

#include "fileio/file_bytes.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;

constexpr int kRow1 = kMiscGridFirstSectionRow;  // grid row of record 1
constexpr int kAreaColumn = 19;
constexpr int kIxxColumn = 20;
constexpr int kGradeColumn = 15;
constexpr int kWidthColumn = 3;

SectionRecord Ub25() {
  SectionRecord r;
  r.Designation = "203 x 133 UB 25";
  r.Depth = 203.2f;
  r.Width = 133.2f;
  r.Grade = 43;
  r.E = 205000;
  r.Type = "Beam";
  r.Area = 1652;    // shows to three figures as 16.5 cm2
  r.Ixx = 4734400;  // 473.44 cm4 to five
  r.Sxx = 257700.4f;
  r.RecordNo = 1;
  return r;
}

std::vector<SectionRecord> SavedRecords(const MiscGrid& grid) {
  auto records = grid.Records();
  EXPECT_TRUE(std::holds_alternative<std::vector<SectionRecord>>(records));
  return std::get<std::vector<SectionRecord>>(records);
}

TEST(MiscGridTest, HeadingsUnitsAndWidthsOfTheTable) {
  MiscGrid grid;
  EXPECT_EQ(grid.Cell(0, 0), " Ref");
  EXPECT_EQ(grid.Cell(0, 1), "  Description");
  EXPECT_EQ(grid.Cell(0, 17), "  Type  ");
  EXPECT_EQ(grid.Cell(0, 47), "    H");
  EXPECT_EQ(grid.Cell(1, 16), "  (N/mm^2)");
  EXPECT_EQ(grid.Cell(1, 47), "  (dm^6)");
  EXPECT_EQ(grid.Cell(kRow1, 0), "1");
  EXPECT_EQ(grid.Cell(kMiscGridRows - 1, 0), "250");
  EXPECT_EQ(MiscGridColumns()[9].width, 82);
  EXPECT_EQ(MiscGridColumns()[12].width, 5);  // a reserved single
  grid.SetPlasticLabels("Zxx", "Zyy");
  EXPECT_EQ(grid.Cell(0, 39), "  Zxx");
  EXPECT_EQ(grid.Cell(1, 40), "  (cm^3)");
}

TEST(MiscGridTest, CellsShowTheValueInTheColumnsUnitOrNothingForZero) {
  SectionRecord r = Ub25();
  EXPECT_EQ(MiscCellText(r, kAreaColumn), "   16.5");
  EXPECT_EQ(MiscCellText(r, kIxxColumn), "   473.44");
  EXPECT_EQ(MiscCellText(r, kGradeColumn), "   43");
  EXPECT_EQ(MiscCellText(r, 39), "   258");
  EXPECT_EQ(MiscCellText(r, 24), "");  // Cx 0
  EXPECT_EQ(MiscCellText(r, kMiscTypeColumn), "Beam");
  r.E = 0;
  EXPECT_EQ(MiscCellText(r, kMiscTypeColumn), "");
}

// What the grid shows is rounded; a value the user did not touch is written back as it was read.
TEST(MiscGridTest, AnUneditedCellKeepsItsStoredValueAndAnEditedOneIsRead) {
  MiscGrid grid;
  grid.Load({Ub25()});
  std::vector<SectionRecord> saved = SavedRecords(grid);
  ASSERT_EQ(saved.size(), 250u);
  EXPECT_EQ(saved[0].Area, 1652.0f);
  EXPECT_EQ(saved[0].Sxx, 257700.4f);
  EXPECT_EQ(saved[0].Designation, "203 x 133 UB 25");

  grid.SetCell(kRow1, kAreaColumn, "16.5");
  grid.SetCell(kRow1, kIxxColumn, "  500 ");
  grid.SetCell(kRow1, kWidthColumn, "");
  grid.SetCell(kRow1, kMiscDescriptionColumn, "A description of thirty chars");
  grid.SetCell(kRow1, kMiscTypeColumn, "Universal");
  saved = SavedRecords(grid);
  EXPECT_EQ(saved[0].Area, 1650.0f);
  EXPECT_EQ(saved[0].Ixx, 5000000.0f);
  EXPECT_EQ(saved[0].Width, 0.0f);  // an empty cell is 0: the row becomes a separator
  EXPECT_EQ(saved[0].Designation, "A description of thirty c");
  EXPECT_EQ(saved[0].Type, "Universa");
  EXPECT_EQ(saved[1].Designation, "");  // an empty row: no name, all numbers 0
  EXPECT_EQ(saved[1].Depth, 0.0f);
  EXPECT_EQ(saved[1].RecordNo, 2);
}

TEST(MiscGridTest, TextThatIsNotWhollyANumberIsNamedByRowAndColumn) {
  MiscGrid grid;
  grid.Load({Ub25(), Ub25()});
  grid.SetCell(kRow1 + 1, kAreaColumn, "16.5cm");
  auto records = grid.Records();
  ASSERT_TRUE(std::holds_alternative<MiscCellProblem>(records));
  const MiscCellProblem& problem = std::get<MiscCellProblem>(records);
  EXPECT_EQ(problem.row, kRow1 + 1);
  EXPECT_EQ(problem.column, kAreaColumn);
  EXPECT_EQ(problem.message, "Row 2, Area: \"16.5cm\" is not a number.");

  grid.SetCell(kRow1 + 1, kAreaColumn, "12,5");
  EXPECT_TRUE(std::holds_alternative<MiscCellProblem>(grid.Records()));
  grid.SetCell(kRow1 + 1, kAreaColumn, "1e40");  // beyond a single
  EXPECT_EQ(std::get<MiscCellProblem>(grid.Records()).message,
            "Row 2, Area: \"1e40\" is too large.");
}

// Loading overwrites only the rows the file holds.
TEST(MiscGridTest, RowsPastTheFilesEndKeepWhatTheyShow) {
  MiscGrid grid;
  grid.SetCell(kRow1 + 3, kMiscDescriptionColumn, "typed, not saved");
  grid.Load({Ub25()});
  EXPECT_EQ(grid.Cell(kRow1, kMiscDescriptionColumn), "203 x 133 UB 25");
  EXPECT_EQ(grid.Cell(kRow1 + 3, kMiscDescriptionColumn), "typed, not saved");
}

class MiscGridFileTest : public testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    folder_ = fs::temp_directory_path() /
              ("trabeo_misc_grid_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  fs::path file() const { return folder_ / "Misc.sct"; }

  fs::path folder_;
};

TEST_F(MiscGridFileTest, SaveWithoutAFileWrites250EmptyRecords) {
  MiscGrid grid;
  LoadMiscGrid(grid, folder_);
  EXPECT_TRUE(SaveMiscGrid(grid, folder_).saved());
  EXPECT_EQ(fs::file_size(file()), 50000u);
}

TEST_F(MiscGridFileTest, SectionsPastRow250AreNamedBeforeSaveDropsThem) {
  std::vector<SectionRecord> records(252);
  EXPECT_FALSE(MiscSaveDropsRowsQuestion(folder_).has_value());
  records[251].Designation = "kept elsewhere";
  ASSERT_TRUE(WriteFileBytes(file(), EncodeSectionTable(records)));
  const auto question = MiscSaveDropsRowsQuestion(folder_);
  ASSERT_TRUE(question.has_value());
  EXPECT_NE(question->find("row 252"), std::string::npos) << *question;
}

}  // namespace
}  // namespace trabeo
