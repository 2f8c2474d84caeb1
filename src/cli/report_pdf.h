#pragma once

#include <string>

#include "cli/report_source.h"

namespace trabeo::cli {

// Whether this build of trabeo-cli can make a PDF: it needs Qt's GUI and print support.
bool ReportPdfAvailable();

enum class ReportPdfResult {
  Written,
  NothingToPrint,  // no results to print; no file was written
  Failed,          // `problem` says why; an existing file is left as it was
  Unavailable,     // built without Qt
};

struct ReportPdfOutcome {
  ReportPdfResult result = ReportPdfResult::Failed;
  std::string problem;
};

// The printed report as File > Print prints it, into the PDF file `path`.
ReportPdfOutcome WriteReportPdf(const std::string& path, const ReportSource& source);

}  // namespace trabeo::cli
