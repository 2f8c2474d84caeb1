#include "calculators/calculator_print.h"

#include <algorithm>
#include <vector>

#include "fileio/fixed_text.h"
#include "platform/pixel.h"
#include "settings/page_header.h"

namespace trabeo {
namespace {

// Where one of a window's lines goes: its page line (0: not printed) and the carriage returns
// after it on the clipboard (0: not copied), under its own label where the clipboard words it
// differently.
struct LinePlace {
  int printLine = 0;
  int clipboardReturns = 0;
  std::string_view clipboardLabel = {};
};

struct SheetLayout {
  std::string_view title;
  int titleLine = 0;
  int descriptionLine = 0;
  std::vector<LinePlace> places;  // one for each of the window's lines, in their order
  int firstDesignLine = 0;        // the grade and class lines follow one under the other
};

const SheetLayout& TubeLayout() {
  static const SheetLayout layout{"TUBE SECTION PROPERTIES",
                                  15,
                                  17,
                                  {{18, 1},
                                   {19, 1},
                                   {21, 2},
                                   {22, 1},
                                   {23, 2},
                                   {24, 1},
                                   {25, 2},
                                   {26, 0},
                                   {27, 0},
                                   {29, 1},
                                   {30, 2},
                                   {32, 1},
                                   {33, 2},
                                   {35, 1},
                                   {36, 2},
                                   {37, 2}},
                                  39};
  return layout;
}

const SheetLayout& BoxLayout() {
  static const SheetLayout layout{"BOX SECTION PROPERTIES",
                                  15,
                                  17,
                                  {{19, 1},
                                   {20, 1},
                                   {21, 2, "Wall thickness = "},
                                   {22, 1},
                                   {23, 1},
                                   {25, 2},
                                   {26, 1},
                                   {27, 2},
                                   {28, 1},
                                   {29, 2},
                                   {30, 0},
                                   {31, 0},
                                   {33, 1},
                                   {34, 2},
                                   {36, 1},
                                   {37, 2},
                                   {39, 1},
                                   {40, 2},
                                   {41, 2}},
                                  43};
  return layout;
}

const SheetLayout& IBeamLayout() {
  static const SheetLayout layout{
      "BEAM SECTION PROPERTIES",
      23,
      25,
      {{27, 1}, {28, 1}, {29, 1}, {30, 1}, {31, 1}, {32, 2}, {34, 2}, {35, 1},
       {36, 2}, {37, 1}, {38, 2}, {39, 0}, {40, 0}, {42, 1}, {43, 2}, {45, 1},
       {46, 2}, {48, 1}, {49, 2}, {51, 0}, {53, 1}, {54, 1}, {55, 2}, {56, 2}},
      58};
  return layout;
}

const SheetLayout& JoistLayout() {
  static const SheetLayout layout{
      "JOIST SECTION PROPERTIES",
      15,
      17,
      {{19, 1}, {20, 1}, {21, 1}, {22, 1}, {23, 1}, {24, 1}, {25, 2}, {27, 2}, {28, 1},
       {29, 2}, {30, 1}, {31, 2}, {33, 1}, {34, 2}, {36, 1}, {37, 2}, {39, 1}, {40, 2},
       {42, 1}, {43, 1}, {45, 2}, {46, 2}, {47, 1}, {48, 2}, {50, 2}},
      52};
  return layout;
}

const SheetLayout& ChannelLayout() {
  static const SheetLayout layout{
      "CHANNEL SECTION PROPERTIES",
      23,
      25,
      {{27, 1}, {28, 1}, {29, 1}, {30, 1}, {31, 1}, {32, 1}, {33, 2}, {35, 2}, {36, 1}, {37, 2},
       {38, 1}, {39, 2}, {41, 1}, {42, 2}, {44, 1}, {45, 2}, {47, 1}, {48, 2}, {50, 1}, {51, 1},
       {52, 2}, {54, 1}, {55, 1}, {56, 1}, {57, 1}, {58, 1}, {59, 1}, {60, 1}, {61, 2}},
      63};
  return layout;
}

const SheetLayout& AngleLayout() {
  static const SheetLayout layout{
      "ANGLE SECTION PROPERTIES",
      14,
      16,
      {{18, 1}, {19, 1}, {20, 1}, {21, 1}, {22, 2}, {24, 2}, {25, 1}, {26, 2},
       {27, 1}, {28, 2}, {30, 1}, {31, 2}, {33, 1}, {34, 2}, {36, 1}, {37, 1},
       {38, 1}, {39, 2}, {41, 1}, {42, 2}, {44, 1}, {45, 2}, {47, 2}, {49, 2}},
      0};
  return layout;
}

const SheetLayout& LayoutOf(CalculatorShape shape) {
  switch (shape) {
    case CalculatorShape::Tube:
      return TubeLayout();
    case CalculatorShape::Box:
      return BoxLayout();
    case CalculatorShape::IBeam:
      return IBeamLayout();
    case CalculatorShape::Joist:
      return JoistLayout();
    case CalculatorShape::Channel:
      return ChannelLayout();
    case CalculatorShape::Angle:
      break;
  }
  return AngleLayout();
}

constexpr int kLeft = 150;  // dots, whatever the printer
constexpr double kLinePitchMm = 4;

int PageLineY(const PrintJob& job, int line) {
  return TruncToPixel(job.DpiY() / 25.4 * kLinePitchMm * line);
}

}  // namespace

std::string_view CalculatorTitle(CalculatorShape shape) {
  return LayoutOf(shape).title;
}

bool PrintCalculatorSheet(PrintJob& job, const CalculatorSheet& sheet, std::string_view description,
                          const HeaderSource& header) {
  if (!job.BeginDoc()) return false;
  // A section's properties belong to no beam or member file: the header names none.
  HeaderTexts texts = header.texts;
  texts.CurrentFileName.clear();
  PrintPageHeader(job, texts, header.programTitle, header.dateTime);

  const SheetLayout& layout = LayoutOf(sheet.shape);
  Canvas& canvas = job.canvas();
  canvas.SetFont(Font{"Arial", 11, colors::kBlack, kFontRegular});
  canvas.TextOut(kLeft, PageLineY(job, layout.titleLine), layout.title);
  canvas.SetFont(Font{"Arial", 10, colors::kBlack, kFontRegular});
  canvas.TextOut(kLeft, PageLineY(job, layout.descriptionLine),
                 CutToCapacity(description, kDesignationCapacity));
  const std::size_t count = std::min(sheet.values.size(), layout.places.size());
  for (std::size_t i = 0; i < count; ++i) {
    const int line = layout.places[i].printLine;
    if (line > 0) canvas.TextOut(kLeft, PageLineY(job, line), sheet.values[i].Text());
  }
  int line = layout.firstDesignLine;
  for (const std::string& text : sheet.designLines)
    canvas.TextOut(kLeft, PageLineY(job, line++), text);
  job.EndDoc();
  return true;
}

std::string CalculatorClipboardText(const CalculatorSheet& sheet, std::string_view description) {
  const SheetLayout& layout = LayoutOf(sheet.shape);
  std::string text(layout.title);
  text += "\r\r";
  text += CutToCapacity(description, kDesignationCapacity);
  text += "\r\r";
  const std::size_t count = std::min(sheet.values.size(), layout.places.size());
  for (std::size_t i = 0; i < count; ++i) {
    const LinePlace& place = layout.places[i];
    if (place.clipboardReturns == 0) continue;
    const ShownValue& value = sheet.values[i];
    text += place.clipboardLabel.empty() ? value.label : std::string(place.clipboardLabel);
    text += value.value + value.unit;
    text.append(static_cast<std::size_t>(place.clipboardReturns), '\r');
  }
  for (const std::string& line : sheet.designLines)
    text += line + "\r";
  return text;
}

}  // namespace trabeo
