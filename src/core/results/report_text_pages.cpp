#include "results/report_text_pages.h"

namespace trabeo {

namespace {
constexpr double kTextLeft = 15;  // mm
}

TextPages::TextPages(PrintJob& job, const PrintHeader& header)
    : job_(job), header_(header), geometry_(GeometryOf(job)) {}

void TextPages::NewPage(int currentLine) {
  StartNewPage(job_, header_);
  UseBodyFont();
  current_ = currentLine;
}

void TextPages::UseBodyFont() {
  job_.canvas().SetFont(Font{"Courier", 10, colors::kBlack, kFontRegular});
}

void TextPages::PrintLine(int line, std::string_view text) {
  PrintLineAt(line, kTextLeft, text);
}

void TextPages::PrintLineAt(int line, double xMillimetres, std::string_view text) {
  if (!text.empty()) job_.canvas().TextOut(geometry_.X(xMillimetres), geometry_.LineY(line), text);
}

int UsableCount(int count, int slots) {
  return std::clamp(count, 0, slots - 1);
}

}  // namespace trabeo
