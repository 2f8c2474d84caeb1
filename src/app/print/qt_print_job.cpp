#include "app/print/qt_print_job.h"

QtPrintJob::QtPrintJob(QPrinter& printer) : printer_(printer), canvas_(painter_) {}

QtPrintJob::~QtPrintJob() {
  if (painter_.isActive()) painter_.end();
}

bool QtPrintJob::BeginDoc() {
  if (painter_.isActive() || !painter_.begin(&printer_)) return false;
  page_ = 1;
  return true;
}

void QtPrintJob::NewPage() {
  if (!painter_.isActive()) return;
  printer_.newPage();
  ++page_;
}

void QtPrintJob::EndDoc() {
  if (painter_.isActive()) painter_.end();
}

int QtPrintJob::PageWidth() const {
  return printer_.width();
}

int QtPrintJob::PageHeight() const {
  return printer_.height();
}

int QtPrintJob::DpiX() const {
  return printer_.logicalDpiX();
}

int QtPrintJob::DpiY() const {
  return printer_.logicalDpiY();
}
