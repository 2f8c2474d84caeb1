#include "settings/page_header.h"

#include <algorithm>

namespace trabeo {
namespace {

constexpr int kUnitsPerInch = 25;  // header positions are in 1/25 inch, about a millimetre
constexpr int kRuleWidth = 3;
constexpr int kLeftColumn = 15;
constexpr int kFileNameColumn = 50;
constexpr int kRightColumn = 160;
constexpr int kUpperRule = 5;
constexpr int kLowerRule = 35;

// Whole dots per header unit along each axis.
struct HeaderGrid {
  int ux;
  int uy;
};

HeaderGrid GridOf(const PrintJob& job) {
  return {job.DpiX() / kUnitsPerInch, job.DpiY() / kUnitsPerInch};
}

void UseFont(Canvas& canvas, int points) {
  Font font;
  font.name = "Arial";
  font.size = points;
  canvas.SetFont(font);
}

void DrawText(Canvas& canvas, int points, int x, int y, std::string_view text) {
  UseFont(canvas, points);
  // An empty text prints as nothing.
  if (!text.empty()) canvas.TextOut(x, y, text);
}

// The rules end as far from the paper's right edge as they start from its left.
int RuleEnd(const PrintJob& job, const HeaderGrid& grid) {
  return job.PageWidth() - kLeftColumn * grid.ux;
}

void DrawRule(Canvas& canvas, const HeaderGrid& grid, int end, int y) {
  canvas.SetPen(colors::kBlack, kRuleWidth);
  canvas.Line(kLeftColumn * grid.ux, y * grid.uy, end, y * grid.uy);
}

// A text of the right column at its column, or further left where it would pass the rules' end.
void DrawRightColumnText(Canvas& canvas, int column, int end, int y, std::string_view text) {
  UseFont(canvas, 9);
  const int width = canvas.TextExtent(text).width;
  DrawText(canvas, 9, std::min(column, end - width), y, text);
}

std::string Cut(std::string_view text) {
  return CutToCapacity(text, kHeaderTextCapacity);
}

}  // namespace

HeaderEntries EntriesOf(const HeaderTexts& texts) {
  return {texts.HeaderCompany,  texts.HeaderUser,    texts.HeaderProject1,
          texts.HeaderProject2, texts.HeaderJobDesc, texts.HeaderJobRef};
}

void ApplyHeaderEntries(const HeaderEntries& entries, HeaderTexts& texts) {
  texts.HeaderCompany = Cut(entries.company);
  texts.HeaderUser = Cut(entries.user);
  texts.HeaderProject1 = Cut(entries.project1);
  texts.HeaderProject2 = Cut(entries.project2);
  texts.HeaderJobDesc = Cut(entries.jobDesc);
  texts.HeaderJobRef = Cut(entries.jobRef);
}

void ClearProjectHeaderTexts(HeaderTexts& texts) {
  texts.HeaderProject1.clear();
  texts.HeaderProject2.clear();
  texts.HeaderJobDesc.clear();
  texts.HeaderJobRef.clear();
  texts.CurrentFileName.clear();
}

std::string FileNameForPrintout(std::string_view currentFileName, std::string_view ownExtension) {
  if (ownExtension.empty() || !currentFileName.ends_with(ownExtension)) return {};
  return std::string(currentFileName);
}

std::string HeaderDateTime(std::string_view date, std::string_view time) {
  std::string text(date);
  text += "  ";
  text += time;
  return text;
}

void PrintPageHeader(PrintJob& job, const HeaderTexts& texts, std::string_view programTitle,
                     std::string_view dateTimeText) {
  Canvas& canvas = job.canvas();
  const HeaderGrid g = GridOf(job);
  const int left = kLeftColumn * g.ux;
  const int right = kRightColumn * g.ux;
  const int end = RuleEnd(job, g);

  DrawText(canvas, 9, left, 0, programTitle);
  DrawRule(canvas, g, end, kUpperRule);
  DrawText(canvas, 15, left, 7 * g.uy, texts.HeaderCompany);
  DrawText(canvas, 12, left, 15 * g.uy, texts.HeaderProject1);
  DrawText(canvas, 11, left, 20 * g.uy, texts.HeaderProject2);
  DrawText(canvas, 11, left, 25 * g.uy, texts.HeaderJobDesc);
  DrawText(canvas, 10, left, 30 * g.uy, texts.HeaderJobRef);
  DrawRightColumnText(canvas, right, end, 15 * g.uy, "by  " + texts.HeaderUser);
  DrawRightColumnText(canvas, right, end, 20 * g.uy, dateTimeText);
  DrawRightColumnText(canvas, right, end, 30 * g.uy, "Page " + std::to_string(job.PageNumber()));
  DrawText(canvas, 9, kFileNameColumn * g.ux, 30 * g.uy, texts.CurrentFileName);
  DrawRule(canvas, g, end, kLowerRule);
}

int PageHeaderBottom(const PrintJob& job) {
  return kLowerRule * GridOf(job).uy;
}

}  // namespace trabeo
