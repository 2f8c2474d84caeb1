#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/section_record.h"
#include "sections/section_table_file.h"

namespace trabeo {

// The miscellaneous section editor's table: a heading row, a unit row and one row per record of
// Misc.sct, 50 columns, the first holding the row numbers. Numbers are shown in fixed units
// whatever the unit preferences: a cell shows the stored value divided by its column's factor.
inline constexpr int kMiscGridColumns = 50;
inline constexpr int kMiscGridHeadingRow = 0;
inline constexpr int kMiscGridUnitRow = 1;
inline constexpr int kMiscGridFirstSectionRow = 2;
inline constexpr int kMiscGridRows = kMiscGridFirstSectionRow + kMiscTableRows;  // 252

inline constexpr int kMiscRefColumn = 0;
inline constexpr int kMiscDescriptionColumn = 1;
inline constexpr int kMiscTypeColumn = 17;

enum class MiscCellFormat { None, Ref, Text, SigFig3, SigFig4, SigFig5, Grade };

struct MiscGridColumn {
  std::string_view heading;  // row 0; the plastic moduli take the preference labels
  std::string_view unit;     // row 1
  int width = 5;             // pixels
  MiscCellFormat format = MiscCellFormat::None;
  float SectionRecord::*field = nullptr;  // the numeric columns' field
  double factor = 1;                      // stored value = shown value x factor
};

const std::array<MiscGridColumn, kMiscGridColumns>& MiscGridColumns();

// What a section row's cell shows for a record: "   " and the value through the column's
// formatter, empty for 0; the designation; the type, empty when E is 0. Column 0 (the row
// number) and the columns without a field show nothing.
std::string MiscCellText(const SectionRecord& record, int column);

// The number a numeric cell holds: blanks around it are skipped and an empty cell is 0; text
// that is not wholly a number ("12abc", "12,5") gives nullopt.
std::optional<double> ReadMiscCell(std::string_view text);

// A cell that Save cannot write, with the message that names it.
struct MiscCellProblem {
  int row = 0;  // grid row
  int column = 0;
  std::string message;
};

class MiscGrid {
 public:
  // Headings and units in rows 0 and 1, rows numbered "1" to "250", every other cell empty.
  MiscGrid();

  const std::string& Cell(int row, int column) const;
  // A cell of a section row, as the user edits it; headings and row numbers are fixed.
  void SetCell(int row, int column, std::string text);

  // The plastic moduli's headings, "  " + the preference labels ("Sxx"/"Syy" or "Zxx"/"Zyy").
  void SetPlasticLabels(std::string_view x, std::string_view y);
  // The row numbers "1" to "250", top to bottom, as each showing writes them afresh.
  void NumberRows();
  // Fills rows 2 ... from the records, as far as they go (at most 250); the rows after them
  // keep what they show.
  void Load(const std::vector<SectionRecord>& records);
  // Moves a section row, its number included, to stand at grid row `to`.
  void MoveRow(int from, int to);

  // The 250 records Save writes, in the rows' order. A cell the user did not change keeps its
  // record's value exactly (the shown figures are rounded); a changed cell is read as a number
  // times the column's factor. The first cell that is not a number is returned instead.
  std::variant<std::vector<SectionRecord>, MiscCellProblem> Records() const;

 private:
  struct Row {
    std::array<std::string, kMiscGridColumns> cells;
    SectionRecord loaded;  // the record the cells were last filled from
  };
  Row& SectionRow(int row);
  const Row& SectionRow(int row) const;
  std::optional<MiscCellProblem> ReadRow(const Row& row, int gridRow, SectionRecord& out) const;

  std::array<std::string, kMiscGridColumns> headings_;
  std::array<std::string, kMiscGridColumns> units_;
  std::vector<Row> rows_;  // the 250 section rows
};

// Reads Misc.sct from the start folder into the grid (a missing file reads nothing).
void LoadMiscGrid(MiscGrid& grid, const std::filesystem::path& startFolder);

// A question to put before Save when Misc.sct names sections past row 250, which the grid neither
// shows nor writes back; nullopt when it does not.
std::optional<std::string> MiscSaveDropsRowsQuestion(const std::filesystem::path& startFolder);

struct MiscSaveOutcome {
  std::string message;                  // empty when saved
  std::optional<MiscCellProblem> cell;  // the cell that stopped the save, if one did

  bool saved() const { return message.empty(); }
};

// "Save": writes the grid's 250 rows to Misc.sct through a temporary file and a replace. A cell
// that is not a number is refused and nothing is written; a write that fails leaves the file as
// it was and says why.
MiscSaveOutcome SaveMiscGrid(const MiscGrid& grid, const std::filesystem::path& startFolder);

}  // namespace trabeo
