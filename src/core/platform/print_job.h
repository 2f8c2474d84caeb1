#pragma once

#include "platform/canvas.h"

namespace trabeo {

// One printed document. Positions on the page are in printer dots; layout code converts from
// millimetres with the resolution.
class PrintJob {
 public:
  virtual ~PrintJob() = default;

  // Starts the document; false when the printer cannot be used (nothing is printed then).
  virtual bool BeginDoc() = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;

  // 1 for the first page of the current document.
  virtual int PageNumber() const = 0;
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual int DpiX() const = 0;
  virtual int DpiY() const = 0;

  virtual Canvas& canvas() = 0;
};

}  // namespace trabeo
