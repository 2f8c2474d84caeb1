#include "app/print/pdf_export.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>

#include "app/print/qt_print_job.h"
#include "fileio/file_bytes.h"

namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr double kPdfMarginMm = 5;

}  // namespace

void SetUpPdfPrinter(QPrinter& printer, const std::string& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setResolution(kPdfDotsPerInch);
  const QMarginsF margins(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins,
                                    QPageLayout::Millimeter));
  printer.setCreator("Trabeo Professional");
}

PdfOutcome PrintToPdfFile(const std::string& path,
                          const std::function<bool(trabeo::PrintJob&)>& print) {
  const QTemporaryDir folder;
  if (!folder.isValid()) return {PdfResult::Failed, "cannot make a temporary folder"};
  const std::string draft = QDir(folder.path()).filePath("report.pdf").toStdString();
  {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, draft);
    QtPrintJob job(printer);
    if (!print(job)) return {PdfResult::NotPrinted, {}};
  }
  const auto bytes = trabeo::ReadFileBytes(draft);
  if (!bytes || bytes->empty()) return {PdfResult::Failed, "the PDF could not be made"};
  std::string problem = trabeo::WriteFileAtomically(path, *bytes);
  if (!problem.empty()) return {PdfResult::Failed, std::move(problem)};
  return {PdfResult::Written, {}};
}
