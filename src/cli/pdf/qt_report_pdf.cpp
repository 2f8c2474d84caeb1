// The PDF report through Qt's print support, on the offscreen platform: no display is needed.
#include <QByteArray>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "app/print/header_date_time.h"
#include "app/print/pdf_export.h"
#include "cli/report_pdf.h"

namespace trabeo::cli {
namespace {

constexpr const char* kProgramTitle = "Trabeo Professional";

// Qt's own notices about the machine (no runtime folder, no desktop session, fonts) are not
// this command's messages, so only Qt's errors reach standard error.
void ErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Qt's GUI module needs an application object: one is made, offscreen unless the caller chose
// a platform, for as long as the report is printed, unless the process already has one.
class OffscreenGui {
 public:
  OffscreenGui() : previousHandler_(qInstallMessageHandler(ErrorsOnly)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (QCoreApplication::instance() == nullptr)
      application_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  ~OffscreenGui() {
    application_.reset();
    qInstallMessageHandler(previousHandler_);
  }
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  QtMessageHandler previousHandler_;
  int argc_ = 1;
  char name_[11] = "trabeo-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace

bool ReportPdfAvailable() {
  return true;
}

ReportPdfOutcome WriteReportPdf(const std::string& path, const ReportSource& source) {
  const OffscreenGui gui;
  const std::string dateTime = HeaderDateTimeNow();
  BeamReportOutcome report;
  const PdfOutcome pdf = PrintToPdfFile(path, [&](PrintJob& job) {
    report = PrintBeamReport(job, source.inputs(), {source.header(), kProgramTitle, dateTime});
    return report.printed;
  });
  if (pdf.result == PdfResult::Written) return {ReportPdfResult::Written, {}};
  if (pdf.result == PdfResult::Failed) return {ReportPdfResult::Failed, pdf.problem};
  if (!report.message.empty()) return {ReportPdfResult::NothingToPrint, report.message};
  return {ReportPdfResult::Failed, "the PDF could not be started"};
}

}  // namespace trabeo::cli
