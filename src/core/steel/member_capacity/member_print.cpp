#include "steel/member_capacity/member_print.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "steel/member_capacity/member_file.h"

namespace trabeo {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kLinePitch = 3.5;  // mm
constexpr std::array<double, 3> kColumnsMm{15, 75, 135};
// An EN 1993-1-1 check prints its detail lines, longer than BS 5950's, in one column across the
// second and third.
constexpr std::array<double, 2> kEc3ColumnsMm{15, 75};
constexpr double kBottomMarginMm = 10;

using Column = std::vector<std::string>;

void Append(Column& column, const std::vector<std::string>& lines) {
  column.insert(column.end(), lines.begin(), lines.end());
}

// Prints columns side by side from below the page header, as many pages as the longest needs.
void PrintColumns(PrintJob& job, const std::vector<Column>& columns, std::span<const double> xMm,
                  const HeaderTexts& header, std::string_view title, std::string_view dateTime,
                  bool firstPage) {
  const double dotsPerMmX = job.DpiX() / kMillimetresPerInch;
  const double dotsPerMmY = job.DpiY() / kMillimetresPerInch;
  const int pitch = std::max(1, static_cast<int>(kLinePitch * dotsPerMmY));
  const int top = PageHeaderBottom(job) + pitch;
  const int bottom = job.PageHeight() - static_cast<int>(kBottomMarginMm * dotsPerMmY);
  const std::size_t perPage = static_cast<std::size_t>(std::max(1, (bottom - top) / pitch));
  std::size_t longest = 0;
  for (const Column& column : columns)
    longest = std::max(longest, column.size());
  const std::size_t pages = std::max<std::size_t>(1, (longest + perPage - 1) / perPage);
  for (std::size_t page = 0; page < pages; ++page) {
    if (!firstPage || page > 0) job.NewPage();
    PrintPageHeader(job, header, title, dateTime);
    Font font;
    font.name = "Arial";
    font.size = 9;
    job.canvas().SetFont(font);
    for (std::size_t c = 0; c < columns.size() && c < xMm.size(); ++c) {
      const int x = static_cast<int>(xMm[c] * dotsPerMmX);
      const Column& column = columns[c];
      for (std::size_t i = page * perPage; i < column.size() && i < (page + 1) * perPage; ++i) {
        const int y = top + static_cast<int>(i - page * perPage) * pitch;
        if (!column[i].empty()) job.canvas().TextOut(x, y, column[i]);
      }
    }
  }
}

Column FirstColumn(const MemberCapacityState& s) {
  Column column{"  SECTION DATA"};
  Append(column, s.Detail(DetailKind::SectionData).InUse());
  column.emplace_back("  SUMMARY");
  if (s.code == DesignCode::EN1993) {
    Append(column, s.extra.Ec3Summary);
    return column;
  }
  const std::array<std::pair<SummaryKind, std::string_view>, kSummaryKinds> headings{{
      {SummaryKind::MomentXX, "  Bending about x-x axis"},
      {SummaryKind::MomentYY, "  Bending about y-y axis"},
      {SummaryKind::AxialXX, "  Compression about x-x axis"},
      {SummaryKind::AxialYY, "  Compression about y-y axis"},
      {SummaryKind::Combined, "  Overall Buckling Check"},
      {SummaryKind::Bearing, "  End Bearing + Buckling"},
  }};
  for (const auto& [kind, heading] : headings) {
    if (s.Summary(kind).empty()) continue;
    column.emplace_back(heading);
    Append(column, s.Summary(kind).InUse());
  }
  return column;
}

// The combined detail split where the overall buckling check begins.
std::vector<Column> CombinedColumns(const MemberCapacityState& s) {
  const std::vector<std::string> lines = s.Detail(DetailKind::Combined).InUse();
  const auto overall = std::find(lines.begin(), lines.end(), " OVERALL BUCKLING CHECK");
  return {Column(lines.begin(), overall), Column(overall, lines.end())};
}

}  // namespace

bool PrintMemberCapacity(PrintJob& job, const MemberCapacityState& s, const HeaderTexts& header,
                         std::string_view programTitle, std::string_view dateTimeText) {
  if (!job.BeginDoc()) return false;
  HeaderTexts shown = header;
  shown.CurrentFileName = FileNameForPrintout(header.CurrentFileName, kMemberFileExtension);
  if (s.code == DesignCode::EN1993) {
    PrintColumns(job, {FirstColumn(s), s.extra.Ec3Details}, kEc3ColumnsMm, shown, programTitle,
                 dateTimeText, true);
    job.EndDoc();
    return true;
  }
  Column second = s.Detail(DetailKind::MomentXX).InUse();
  Append(second, s.Detail(DetailKind::AxialXX).InUse());
  Column third = s.Detail(DetailKind::MomentYY).InUse();
  Append(third, s.Detail(DetailKind::AxialYY).InUse());
  Append(third.size() < second.size() ? third : second, s.Detail(DetailKind::Bearing).InUse());
  PrintColumns(job, {FirstColumn(s), second, third}, kColumnsMm, shown, programTitle, dateTimeText,
               true);
  if (!s.Detail(DetailKind::Combined).empty())
    PrintColumns(job, CombinedColumns(s), kColumnsMm, shown, programTitle, dateTimeText, false);
  job.EndDoc();
  return true;
}

}  // namespace trabeo
