#pragma once

#include <functional>
#include <string>

#include "platform/print_job.h"

class QWidget;

// A document for the printer: draws its pages on the job and says whether it printed anything.
using PrintDocument = std::function<bool(trabeo::PrintJob&)>;

// How the windows print: "Print" shows a preview from which the user prints on paper or saves a
// PDF; "Export PDF" writes a PDF file directly. The tests print into a recorder instead.
class Printing {
 public:
  virtual ~Printing() = default;

  virtual void Preview(QWidget* parent, const std::string& title,
                       const PrintDocument& document) = 0;
  // An error text, empty on success.
  virtual std::string ExportPdf(const std::string& path, const PrintDocument& document) = 0;
};

// Qt's print preview dialog and a PDF printer.
class QtPrinting : public Printing {
 public:
  void Preview(QWidget* parent, const std::string& title, const PrintDocument& document) override;
  std::string ExportPdf(const std::string& path, const PrintDocument& document) override;
};
