// The PDF report of a build without Qt.
#include "cli/report_pdf.h"

namespace trabeo::cli {

bool ReportPdfAvailable() {
  return false;
}

ReportPdfOutcome WriteReportPdf(const std::string&, const ReportSource&) {
  return {ReportPdfResult::Unavailable, "this trabeo-cli was built without Qt"};
}

}  // namespace trabeo::cli
