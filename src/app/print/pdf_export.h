#pragma once

#include <functional>
#include <string>

#include <QPrinter>

#include "platform/print_job.h"

// Sets a printer to write a PDF file: A4 portrait at 600 dots per inch, with 5 mm margins that
// stand for a paper printer's unprintable edge, so the PDF and the paper place everything alike.
void SetUpPdfPrinter(QPrinter& printer, const std::string& path);

enum class PdfResult {
  Written,     // the file holds the complete document
  NotPrinted,  // `print` printed nothing (nothing to print); no file was written
  Failed,      // the PDF could not be made or saved; `problem` says why
};

struct PdfOutcome {
  PdfResult result = PdfResult::Failed;
  std::string problem;
};

// Prints a document into the PDF file `path` through `print`, which returns whether it printed.
// The document is made in a temporary file and the file at `path` is replaced only once it is
// complete, so a failure never leaves a damaged or half-written PDF in its place.
PdfOutcome PrintToPdfFile(const std::string& path,
                          const std::function<bool(trabeo::PrintJob&)>& print);
