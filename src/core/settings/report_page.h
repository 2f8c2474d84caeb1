#pragma once

#include <string_view>

#include "platform/pixel.h"
#include "platform/print_job.h"
#include "settings/page_header.h"

namespace trabeo {

// Printed layout in millimetres, placed in printer dots, so a page looks the same on any
// printer. Text lines stand on a 3.5 mm pitch: page line k at trunc(my x 3.5 x k).
struct PageGeometry {
  double mx = 0;  // dots per millimetre across
  double my = 0;  // and down
  // The last page line whose text stays on the paper: line 80, or fewer on a short page.
  int lastLine = 0;

  int X(double mm) const { return TruncToPixel(mx * mm); }
  int Y(double mm) const { return TruncToPixel(my * mm); }
  int LineY(int line) const { return TruncToPixel(my * kLinePitch * line); }

  static constexpr double kLinePitch = 3.5;
  static constexpr int kPageLines = 80;
};

PageGeometry GeometryOf(const PrintJob& job);

// The page header's texts as the program holds them, with the program's title and the date and
// time in the system's short formats.
struct HeaderSource {
  const HeaderTexts& texts;
  std::string_view programTitle;
  std::string_view dateTime;
};

// What every page's header of one printout shows.
struct PrintHeader {
  HeaderTexts texts;
  std::string_view programTitle;
  std::string_view dateTime;
};

// The header of a beam printout: the current file name only when it ends in "trb" (in any letter
// case), so that the header never names a file of another kind (a member capacity file) above
// the beam's results.
PrintHeader BeamPrintHeader(const HeaderSource& source);

// Starts a new page with its header.
void StartNewPage(PrintJob& job, const PrintHeader& header);

}  // namespace trabeo
