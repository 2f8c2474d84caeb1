#include "app/printing.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/print/pdf_export.h"
#include "app/print/qt_print_job.h"
#include "app/qt_text.h"

void QtPrinting::Preview(QWidget* parent, const std::string& title, const PrintDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(ToQString(title));
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(ToQString(title));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&document](QPrinter* target) {
                     QtPrintJob job(*target);
                     document(job);
                   });
  preview.exec();
}

std::string QtPrinting::ExportPdf(const std::string& path, const PrintDocument& document) {
  const PdfOutcome outcome = PrintToPdfFile(path, document);
  switch (outcome.result) {
    case PdfResult::Written:
    case PdfResult::NotPrinted:
      return {};
    case PdfResult::Failed:
      break;
  }
  return outcome.problem.empty() ? std::string("The PDF could not be written.") : outcome.problem;
}
