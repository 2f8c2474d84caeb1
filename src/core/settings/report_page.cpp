#include "settings/report_page.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace trabeo {

PageGeometry GeometryOf(const PrintJob& job) {
  constexpr double kMillimetresPerInch = 25.4;
  PageGeometry g;
  g.mx = job.DpiX() / kMillimetresPerInch;
  g.my = job.DpiY() / kMillimetresPerInch;
  // A line's text reaches down to the next line; that line must still be on the page. A page
  // too small to say counts as a full one.
  const double pitch = g.my * PageGeometry::kLinePitch;
  const double linesOnPage = pitch > 0 ? std::floor(job.PageHeight() / pitch) : 0;
  g.lastLine = linesOnPage > 1
                   ? std::min(PageGeometry::kPageLines, static_cast<int>(linesOnPage) - 1)
                   : PageGeometry::kPageLines;
  return g;
}

namespace {

// Opening takes "trb" in any letter case for a beam data file, so the header does too.
bool EndsInTrb(std::string_view name) {
  if (name.size() < 3) return false;
  const std::string_view end = name.substr(name.size() - 3);
  return std::equal(end.begin(), end.end(), "trb", [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

}  // namespace

PrintHeader BeamPrintHeader(const HeaderSource& source) {
  PrintHeader header{source.texts, source.programTitle, source.dateTime};
  if (!EndsInTrb(source.texts.CurrentFileName)) header.texts.CurrentFileName.clear();
  return header;
}

void StartNewPage(PrintJob& job, const PrintHeader& header) {
  job.NewPage();
  PrintPageHeader(job, header.texts, header.programTitle, header.dateTime);
}

}  // namespace trabeo
