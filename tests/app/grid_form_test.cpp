#include "app/grid_form.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_test_support.h"
#include "fileio/file_bytes.h"
#include "sections/section_table_file.h"

namespace trabeo::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kAreaColumn = 19;  // "  Area"

// 250 rows as users keep them: sections with values that do not round to the shown figures, a
// blank separator after every ninth, and a separator that still carries its family's type.
std::vector<SectionRecord> KeptRows() {
  std::vector<SectionRecord> rows;
  for (int k = 1; k <= 250; ++k) {
    SectionRecord r;
    r.RecordNo = k;
    if (k % 10 == 0) {
      r.Designation = std::string(25, ' ');
      if (k == 20) r.Type = "Beam";
      rows.push_back(r);
      continue;
    }
    r.Designation = "Section " + std::to_string(k);
    r.Depth = 200.0f + static_cast<float>(k) / 7;
    r.Width = 133.2f;
    r.WebThk = 5.7f;
    r.FlgThk = 7.8f;
    r.Grade = 43;
    r.E = 205000;
    r.Type = "Beam";
    r.Area = 1652.0f + static_cast<float>(k);
    r.Ixx = 23477421.0f;
    r.Sxx = 257700.4f;
    rows.push_back(r);
  }
  return rows;
}

class GridFormTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    rows = KeptRows();
    ASSERT_TRUE(WriteFileBytes(file(), EncodeSectionTable(rows)));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    AppFixture::TearDown();
  }

  fs::path file() const { return folder / "Misc.sct"; }
  void Open() {
    Trigger("Beam1");
    Action("TBeamFrm", "EditMiscellaneous1");
    grid = Control<QTableView>("TGridFrm", "Grid");
  }
  void Action(const char* form, const char* name) {
    QAction* action = Form(form)->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
    QApplication::processEvents();
  }
  QString Cell(int row, int column) const {
    return grid->model()->index(row, column).data().toString();
  }
  QString Number(int row) const { return grid->model()->headerData(row, Qt::Vertical).toString(); }
  // As the in-place editor writes a cell the user typed.
  void Edit(int row, int column, const QString& text) {
    grid->model()->setData(grid->model()->index(row, column), text, Qt::EditRole);
  }
  // As dragging the row's number cell does.
  void Drag(int fromRow, int toRow) { grid->verticalHeader()->moveSection(fromRow, toRow); }
  std::vector<uint8_t> Bytes() const {
    return ReadFileBytes(file()).value_or(std::vector<uint8_t>{});
  }

  std::vector<SectionRecord> rows;
  QTableView* grid = nullptr;
};

TEST_F(GridFormTest, ShowsTheFileInFixedUnitsUnderItsHeadings) {
  Open();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(Form("TGridFrm")->windowTitle(), "Miscellaneous Section Data");
  // The grid's own rows and columns: headings, units, then a row per section; the row numbers,
  // then the values. The view shows the first three in its headers.
  EXPECT_EQ(grid->model()->rowCount(), 252);
  EXPECT_EQ(grid->model()->columnCount(), 50);
  EXPECT_EQ(Cell(0, 1), "  Description");
  EXPECT_EQ(Cell(1, kAreaColumn), "  (cm^2)");
  EXPECT_EQ(Cell(2, 0), "1");
  EXPECT_TRUE(grid->isRowHidden(0) && grid->isRowHidden(1) && grid->isColumnHidden(0));
  EXPECT_EQ(grid->model()->headerData(kAreaColumn, Qt::Horizontal).toString(), "  Area\n  (cm^2)");
  EXPECT_GE(grid->columnWidth(kAreaColumn), 60);
  EXPECT_EQ(Number(2), "1");
  EXPECT_EQ(Number(251), "250");
  EXPECT_EQ(Cell(2, 1), "Section 1");
  EXPECT_EQ(Cell(2, kAreaColumn), "   16.5");  // 1653 mm2 to three figures in cm2
  EXPECT_EQ(Cell(11, 1), QString(25, ' '));
  EXPECT_EQ(Cell(21, 17), "");  // the separator's type, with E 0
}

// Every value and heading fits its column with the view's text margins, a heavy section's long
// values too (an Ixx of 8731.8 cm^4 was shown cut short as "873..."): none is elided.
TEST_F(GridFormTest, EveryColumnIsWideEnoughForItsValues) {
  SectionRecord& heavy = rows[0];
  heavy.Depth = heavy.Width = 1016.8f;
  heavy.Area = 49400;
  heavy.Ixx = heavy.Iyy = heavy.Iuu = heavy.Ivv = 87318400;
  heavy.Rx = heavy.Ry = 420.6f;
  heavy.K = 40262000;
  heavy.Sxx = heavy.Syy = 19540000;
  ASSERT_TRUE(WriteFileBytes(file(), EncodeSectionTable(rows)));
  Open();
  ASSERT_NE(grid, nullptr);
  const QFontMetrics cells(grid->font());
  const int margins =
      2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
  const QFontMetrics headings(grid->horizontalHeader()->font());
  for (int column = 1; column < grid->model()->columnCount(); ++column) {
    const int width = grid->columnWidth(column);
    for (const QString& line :
         grid->model()->headerData(column, Qt::Horizontal).toString().split('\n')) {
      if (!line.trimmed().isEmpty()) {
        EXPECT_LE(headings.horizontalAdvance(line), width) << "heading of column " << column;
      }
    }
    for (int row = 2; row < grid->model()->rowCount(); ++row) {
      const QString text = Cell(row, column);
      if (text.trimmed().isEmpty()) continue;
      EXPECT_LE(cells.horizontalAdvance(text) + margins, width)
          << "row " << row << " column " << column << ": " << text.toStdString();
    }
  }
}

// The whole file comes back byte for byte but for the cell typed and the row moved, which takes
// the number of its new place.
TEST_F(GridFormTest, SavesEditsAndTheNewOrderAndKeepsEverythingElseExactly) {
  Open();
  Edit(5, kAreaColumn, "20");
  Drag(6, 3);  // row 5 above row 2
  EXPECT_EQ(Number(3), "5");
  EXPECT_EQ(Cell(3, 1), "Section 5");
  Action("TGridFrm", "S1");
  EXPECT_TRUE(dialogs.messages.empty());

  std::vector<SectionRecord> expected = rows;
  expected[3].Area = 2000;
  std::rotate(expected.begin() + 1, expected.begin() + 4, expected.begin() + 5);
  for (int k = 1; k <= 250; ++k)
    expected[static_cast<std::size_t>(k - 1)].RecordNo = k;
  EXPECT_EQ(Bytes(), EncodeSectionTable(expected));

  // The next showing numbers the rows afresh.
  Form("TGridFrm")->hide();
  Open();
  EXPECT_EQ(Number(3), "2");
  EXPECT_EQ(Cell(3, 1), "Section 5");
}

TEST_F(GridFormTest, ACellThatIsNotANumberIsRefusedAndNothingIsWritten) {
  const std::vector<uint8_t> before = Bytes();
  Open();
  Edit(8, kAreaColumn, "16,5");
  Edit(4, kAreaColumn, "17");
  Action("TGridFrm", "S1");
  EXPECT_EQ(
      dialogs.messages,
      std::vector<std::string>{"Row 7, Area: \"16,5\" is not a number.\nMisc.sct was not saved."});
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(grid->currentIndex().row(), 8);
  EXPECT_EQ(grid->currentIndex().column(), kAreaColumn);
}

TEST_F(GridFormTest, AFailedSaveIsReportedAndTheOldFileStays) {
  const std::vector<uint8_t> before = Bytes();
  Open();
  Edit(2, kAreaColumn, "17");
  // The superuser writes into a read-only folder regardless: a folder in the way of the
  // temporary file makes the write fail for every user.
  fs::create_directories(folder / "Misc.sct.tmp" / "occupied");
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  Action("TGridFrm", "S1");
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].starts_with("Misc.sct could not be saved.\n"))
      << dialogs.messages[0];
  EXPECT_EQ(Bytes(), before);
}

}  // namespace
}  // namespace trabeo::testing
