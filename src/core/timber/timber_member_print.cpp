#include "timber/timber_member_print.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

namespace trabeo {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kLinePitch = 3.75;  // mm
constexpr double kLeftColumn = 15;   // mm
constexpr double kRightColumn = 115;
constexpr int kBlocksFirstLine = 11;
constexpr int kLowerBlocksFirstLine = 38;
constexpr int kSummaryFirstLine = 61;
constexpr std::size_t kPrintedSectionLines = 16;
constexpr std::size_t kSummaryLines = 9;

struct Page {
  PrintJob& job;
  double dotsPerMmX;
  double dotsPerMmY;

  int X(double millimetres) const { return static_cast<int>(std::trunc(dotsPerMmX * millimetres)); }
  int LineY(int line) const { return static_cast<int>(std::trunc(dotsPerMmY * kLinePitch * line)); }

  void Lines(std::span<const std::string> lines, double column, int firstLine) {
    int line = firstLine;
    for (const std::string& text : lines) {
      if (!text.empty()) job.canvas().TextOut(X(column), LineY(line), text);
      ++line;
    }
  }
};

}  // namespace

bool PrintTimberMember(PrintJob& job, const TimberMemberWindow& window, const HeaderTexts& header,
                       std::string_view programTitle, std::string_view dateTimeText) {
  const std::vector<std::string>& section = window.sectionLines;
  const bool calculated = section.size() > 3 && !(section[2].empty() && section[3].empty());
  if (!calculated || !job.BeginDoc()) return false;
  PrintPageHeader(job, header, programTitle, dateTimeText);
  Font font;
  font.name = "Arial";
  font.size = 9;
  job.canvas().SetFont(font);

  Page page{job, job.DpiX() / kMillimetresPerInch, job.DpiY() / kMillimetresPerInch};
  const std::span<const std::string> sectionLines(section);
  page.Lines(sectionLines.first(std::min(kPrintedSectionLines, section.size())), kLeftColumn,
             kBlocksFirstLine);
  page.Lines(window.axialLines, kLeftColumn, kLowerBlocksFirstLine);
  page.Lines(std::span<const std::string>(window.summaryLines).first(kSummaryLines), kLeftColumn,
             kSummaryFirstLine);
  page.Lines(window.bendingLines, kRightColumn, kBlocksFirstLine);
  page.Lines(window.combinedLines, kRightColumn, kLowerBlocksFirstLine);
  job.EndDoc();
  return true;
}

}  // namespace trabeo
