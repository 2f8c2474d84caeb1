#pragma once

#include "platform/print_job.h"
#include "results/point_results.h"
#include "settings/report_page.h"

namespace trabeo {

// "Print" of the "Load at Point" window: one page with the header (naming the file only when it
// is a beam data file, as the beam report does) and the store's lines 1 ... n in Courier 11,
// line i on page line i + 11, 100 dots from the left. Nothing is printed while the store is
// empty (count 0) or when the printer cannot start; false then.
bool PrintPointResults(PrintJob& job, const PointLineStore& lines, const HeaderSource& header);

}  // namespace trabeo
