#include "sections/misc_grid.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "fileio/fixed_text.h"
#include "settings/sig_fig.h"

namespace trabeo {
namespace {

using F = MiscCellFormat;
using R = SectionRecord;

constexpr MiscGridColumn kBlank{"  ", "", 5};
constexpr MiscGridColumn kUnheaded{"", "", 5};

constexpr std::array<MiscGridColumn, kMiscGridColumns> kColumns = {{
    {" Ref", "", 30, F::Ref},
    {"  Description", "", 150, F::Text},
    {"  Depth", "  (mm)", 60, F::SigFig4, &R::Depth},
    {"  Width", "  (mm)", 60, F::SigFig4, &R::Width},
    {"  Web Thk", "  (mm)", 70, F::SigFig3, &R::WebThk},
    {"  Flg Thk", "  (mm)", 65, F::SigFig3, &R::FlgThk},
    {"  Root Rad", "  (mm)", 72, F::SigFig3, &R::RootRad},
    {"  Toe Rad", "  (mm)", 70, F::SigFig3, &R::ToeRad},
    {"  Outstand", "  (mm)", 70, F::SigFig3, &R::Outstand},
    {"  Web Depth", "  (mm)", 82, F::SigFig4, &R::WebDepth},
    {"  Flg Angle", "  (deg)", 75, F::SigFig3, &R::FlgAngle},
    kBlank,  // 11 to 14: the reserved singles, always saved as 0
    kBlank,
    kBlank,
    kBlank,
    {"  Grade", "", 60, F::Grade, &R::Grade},
    {"  E", "  (N/mm^2)", 80, F::SigFig5, &R::E},
    {"  Type  ", "", 60, F::Text},
    kBlank,
    {"  Area", "  (cm^2)", 60, F::SigFig3, &R::Area, 100},
    {"   Ixx", "  (cm^4)", 60, F::SigFig5, &R::Ixx, 1e4},
    {"   Iyy", "  (cm^4)", 60, F::SigFig5, &R::Iyy, 1e4},
    {"   Rx", "  (mm)", 50, F::SigFig3, &R::Rx},
    {"   Ry", "  (mm)", 50, F::SigFig3, &R::Ry},
    {"   Cx", "  (mm)", 50, F::SigFig3, &R::Cx},
    {"   Cy", "  (mm)", 50, F::SigFig3, &R::Cy},
    {"   x", "  (mm)", 50, F::SigFig3, &R::ExtremeX},
    {"   y", "  (mm)", 50, F::SigFig3, &R::ExtremeY},
    kBlank,
    {"  Iuu", "  (cm^4)", 65, F::SigFig5, &R::Iuu, 1e4},
    {"  Ivv", "  (cm^4)", 65, F::SigFig5, &R::Ivv, 1e4},
    {"   Ru", "  (mm)", 65, F::SigFig4, &R::Ru},
    {"   Rv", "  (mm)", 65, F::SigFig4, &R::Rv},
    {"  Alpha", "  (deg)", 70, F::SigFig3, &R::Alpha},
    kBlank,
    {"    K", "  (cm^4)", 75, F::SigFig5, &R::K, 1e4},
    {"    t", "  (mm)", 50, F::SigFig3, &R::TorsionFibre},
    {"   Cs", "  (mm)", 55, F::SigFig3, &R::Cs},
    kUnheaded,
    {"  Sxx", "  (cm^3)", 65, F::SigFig3, &R::Sxx, 1000},  // heading from the preferences
    {"  Syy", "  (cm^3)", 65, F::SigFig3, &R::Syy, 1000},
    kBlank,
    kBlank,
    kBlank,
    kBlank,
    {"  u  ", "", 50, F::SigFig3, &R::u},
    {"  x  ", "", 50, F::SigFig3, &R::x},
    {"    H", "  (dm^6)", 75, F::SigFig3, &R::H, 1e12},
    kUnheaded,
    kUnheaded,
}};

constexpr int kPlasticXColumn = 39;
constexpr int kPlasticYColumn = 40;

// The format "%2.f": no decimals, at least two characters.
std::string GradeText(double value) {
  std::string text = FixedPointText(value, 0);
  if (text.size() < 2) text.insert(0, 2 - text.size(), ' ');
  return text;
}

std::string NumberText(double value, MiscCellFormat format) {
  switch (format) {
    case F::SigFig3:
      return SigFig3(value);
    case F::SigFig4:
      return SigFig4(value);
    case F::SigFig5:
      return SigFig5(value);
    case F::Grade:
      return GradeText(value);
    default:
      return {};
  }
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string ColumnName(std::string_view heading, int column) {
  const std::string_view name = Trimmed(heading);
  return name.empty() ? "column " + std::to_string(column) : std::string(name);
}

}  // namespace

const std::array<MiscGridColumn, kMiscGridColumns>& MiscGridColumns() {
  return kColumns;
}

std::string MiscCellText(const SectionRecord& record, int column) {
  if (column == kMiscDescriptionColumn) return record.Designation;
  if (column == kMiscTypeColumn) return record.E == 0 ? std::string() : record.Type;
  const MiscGridColumn& c = kColumns.at(static_cast<std::size_t>(column));
  if (c.field == nullptr) return {};
  const double value = static_cast<double>(record.*c.field) / c.factor;
  if (value == 0) return {};
  return "   " + NumberText(value, c.format);
}

std::optional<double> ReadMiscCell(std::string_view text) {
  std::string_view number = Trimmed(text);
  if (number.empty()) return 0.0;
  if (number.starts_with('+')) number.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

MiscGrid::MiscGrid() : rows_(kMiscTableRows) {
  for (std::size_t c = 0; c < kColumns.size(); ++c) {
    headings_[c] = kColumns[c].heading;
    units_[c] = kColumns[c].unit;
  }
  NumberRows();
}

MiscGrid::Row& MiscGrid::SectionRow(int row) {
  return rows_.at(static_cast<std::size_t>(row - kMiscGridFirstSectionRow));
}

const MiscGrid::Row& MiscGrid::SectionRow(int row) const {
  return rows_.at(static_cast<std::size_t>(row - kMiscGridFirstSectionRow));
}

const std::string& MiscGrid::Cell(int row, int column) const {
  const auto c = static_cast<std::size_t>(column);
  if (row == kMiscGridHeadingRow) return headings_.at(c);
  if (row == kMiscGridUnitRow) return units_.at(c);
  return SectionRow(row).cells.at(c);
}

void MiscGrid::SetCell(int row, int column, std::string text) {
  if (row < kMiscGridFirstSectionRow || row >= kMiscGridRows) return;
  if (column <= kMiscRefColumn || column >= kMiscGridColumns) return;
  SectionRow(row).cells[static_cast<std::size_t>(column)] = std::move(text);
}

void MiscGrid::SetPlasticLabels(std::string_view x, std::string_view y) {
  headings_[kPlasticXColumn] = "  " + std::string(x);
  headings_[kPlasticYColumn] = "  " + std::string(y);
}

void MiscGrid::NumberRows() {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    rows_[i].cells[kMiscRefColumn] = std::to_string(i + 1);
}

void MiscGrid::Load(const std::vector<SectionRecord>& records) {
  const std::size_t count = std::min(records.size(), rows_.size());
  for (std::size_t i = 0; i < count; ++i) {
    Row& row = rows_[i];
    row.loaded = records[i];
    for (int c = kMiscDescriptionColumn; c < kMiscGridColumns; ++c)
      row.cells[static_cast<std::size_t>(c)] = MiscCellText(records[i], c);
  }
}

void MiscGrid::MoveRow(int from, int to) {
  const auto first = static_cast<std::ptrdiff_t>(kMiscGridFirstSectionRow);
  const auto size = static_cast<std::ptrdiff_t>(rows_.size());
  const std::ptrdiff_t f = from - first;
  const std::ptrdiff_t t = to - first;
  if (f < 0 || f >= size || t < 0 || t >= size || f == t) return;
  Row moved = std::move(rows_[static_cast<std::size_t>(f)]);
  rows_.erase(rows_.begin() + f);
  rows_.insert(rows_.begin() + t, std::move(moved));
}

std::optional<MiscCellProblem> MiscGrid::ReadRow(const Row& row, int gridRow,
                                                 SectionRecord& out) const {
  const auto unchanged = [&row](int c) {
    return row.cells[static_cast<std::size_t>(c)] == MiscCellText(row.loaded, c);
  };
  const auto cell = [&row](int c) -> const std::string& {
    return row.cells[static_cast<std::size_t>(c)];
  };
  out.Designation = unchanged(kMiscDescriptionColumn)
                        ? row.loaded.Designation
                        : CutToCapacity(cell(kMiscDescriptionColumn), kDesignationCapacity);
  out.Type = unchanged(kMiscTypeColumn)
                 ? row.loaded.Type
                 : CutToCapacity(cell(kMiscTypeColumn), kSectionTypeCapacity);
  for (int c = 0; c < kMiscGridColumns; ++c) {
    const MiscGridColumn& column = kColumns[static_cast<std::size_t>(c)];
    if (column.field == nullptr) continue;
    if (unchanged(c)) {
      out.*column.field = row.loaded.*column.field;
      continue;
    }
    const std::optional<double> shown = ReadMiscCell(cell(c));
    const std::string where = "Row " + cell(kMiscRefColumn) + ", " +
                              ColumnName(headings_[static_cast<std::size_t>(c)], c) + ": \"" +
                              cell(c) + "\"";
    if (!shown) return MiscCellProblem{gridRow, c, where + " is not a number."};
    const double value = *shown * column.factor;
    if (std::fabs(value) > std::numeric_limits<float>::max())
      return MiscCellProblem{gridRow, c, where + " is too large."};
    out.*column.field = static_cast<float>(value);
  }
  return std::nullopt;
}

std::variant<std::vector<SectionRecord>, MiscCellProblem> MiscGrid::Records() const {
  std::vector<SectionRecord> records;
  records.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    SectionRecord record;
    const int gridRow = kMiscGridFirstSectionRow + static_cast<int>(i);
    if (auto problem = ReadRow(rows_[i], gridRow, record)) return std::move(*problem);
    record.RecordNo = static_cast<int32_t>(i + 1);
    records.push_back(std::move(record));
  }
  return records;
}

void LoadMiscGrid(MiscGrid& grid, const std::filesystem::path& startFolder) {
  grid.Load(ReadSectionTable(startFolder, kMiscTableFileName));
}

std::optional<std::string> MiscSaveDropsRowsQuestion(const std::filesystem::path& startFolder) {
  const std::vector<SectionRecord> records = ReadSectionTable(startFolder, kMiscTableFileName);
  int lastNamed = 0;
  for (std::size_t i = kMiscTableRows; i < records.size(); ++i)
    if (!records[i].Designation.empty()) lastNamed = static_cast<int>(i + 1);
  if (lastNamed == 0) return std::nullopt;
  return "Misc.sct holds sections past row 250, the last in row " + std::to_string(lastNamed) +
         "\nThis table shows rows 1 to 250 only, and saving it removes the others.\nSave anyway?";
}

MiscSaveOutcome SaveMiscGrid(const MiscGrid& grid, const std::filesystem::path& startFolder) {
  auto records = grid.Records();
  if (auto* problem = std::get_if<MiscCellProblem>(&records))
    return {problem->message + "\nMisc.sct was not saved.", *problem};
  std::string error = RewriteMiscTable(startFolder, std::get<std::vector<SectionRecord>>(records));
  if (!error.empty()) return {"Misc.sct could not be saved.\n" + error, std::nullopt};
  return {};
}

}  // namespace trabeo
