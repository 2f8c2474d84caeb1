#pragma once

#include <QPainter>
#include <QPrinter>

#include "app/print/qt_canvas.h"
#include "platform/print_job.h"

// The core's print job over a QPrinter: a paper printer, Qt's print preview or a PDF file.
// Positions are in the printer's dots from the corner of its printable area, as a printer's
// own canvas places them.
class QtPrintJob : public trabeo::PrintJob {
 public:
  explicit QtPrintJob(QPrinter& printer);
  // A document left open is ended, so the printer is never left painting.
  ~QtPrintJob() override;

  QtPrintJob(const QtPrintJob&) = delete;
  QtPrintJob& operator=(const QtPrintJob&) = delete;

  bool BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;

  int PageNumber() const override { return page_; }
  int PageWidth() const override;
  int PageHeight() const override;
  int DpiX() const override;
  int DpiY() const override;

  trabeo::Canvas& canvas() override { return canvas_; }

 private:
  QPrinter& printer_;
  QPainter painter_;
  QtCanvas canvas_;
  int page_ = 0;
};
