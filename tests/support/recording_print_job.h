#pragma once

#include <cstddef>
#include <vector>

#include "platform/print_job.h"
#include "support/recording_canvas.h"

namespace trabeo::testing {

// A printer of fixed size and resolution that records pages. A4 at 600 dpi by default.
class RecordingPrintJob : public PrintJob {
 public:
  RecordingPrintJob(int dpiX = 600, int dpiY = 600, int width = 4960, int height = 7016)
      : dpiX_(dpiX), dpiY_(dpiY), width_(width), height_(height) {}

  bool BeginDoc() override;
  void NewPage() override;
  void EndDoc() override { ended_ = true; }
  int PageNumber() const override { return page_; }
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  int DpiX() const override { return dpiX_; }
  int DpiY() const override { return dpiY_; }
  Canvas& canvas() override { return canvas_; }

  RecordingCanvas& recorder() { return canvas_; }
  bool began() const { return began_; }
  bool ended() const { return ended_; }
  void set_refuse_begin(bool refuse) { refuseBegin_ = refuse; }

  // A recorded text with the page of the document it was drawn on (1 for the first).
  struct PageText {
    int page;
    RecordedText text;
  };
  std::vector<PageText> TextsWithPages() const;

 private:
  RecordingCanvas canvas_;
  int dpiX_, dpiY_, width_, height_;
  int page_ = 0;
  bool began_ = false;
  bool ended_ = false;
  bool refuseBegin_ = false;
  std::vector<std::size_t> pageStarts_;  // the number of texts recorded when each page began
};

}  // namespace trabeo::testing
