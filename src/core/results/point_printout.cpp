#include "results/point_printout.h"

namespace trabeo {

bool PrintPointResults(PrintJob& job, const PointLineStore& lines, const HeaderSource& source) {
  const int count = lines.Count();
  if (count == 0 || !job.BeginDoc()) return false;
  const PrintHeader header = BeamPrintHeader(source);
  PrintPageHeader(job, header.texts, header.programTitle, header.dateTime);
  const PageGeometry g = GeometryOf(job);
  Canvas& canvas = job.canvas();
  canvas.SetFont(Font{"Courier", 11, colors::kBlack, kFontRegular});
  constexpr int kLeft = 100;  // dots, whatever the printer
  constexpr int kFirstLine = 11;
  for (int slot = 1; slot <= count && slot < PointLineStore::kSlots; ++slot) {
    if (!lines[slot].empty()) canvas.TextOut(kLeft, g.LineY(slot + kFirstLine), lines[slot]);
  }
  job.EndDoc();
  return true;
}

}  // namespace trabeo
