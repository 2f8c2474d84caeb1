#pragma once

#include <algorithm>
#include <string_view>

#include "fileio/text_store.h"
#include "platform/print_job.h"
#include "settings/report_page.h"

namespace trabeo {

// Prints stored lines down the report's text pages in Courier 10, 15 mm from the left, and
// keeps the current line: the page line below which the next block starts.
class TextPages {
 public:
  TextPages(PrintJob& job, const PrintHeader& header);

  // A new printer page with its header; the next block starts below `currentLine`.
  void NewPage(int currentLine);
  // The body font, for lines printed on a page the caller started.
  void UseBodyFont();

  int current() const { return current_; }
  void Advance(int lines) { current_ += lines; }

  // Slots first ... last on the page lines after the current line (slot first on line
  // current + 1). A block that would run past the page's last line starts a new page (below
  // `freshLine`) first, so no line falls off the paper; one longer than a page continues on
  // the next. The current line does not move; the caller advances it as each block requires.
  template <int Slots, int Capacity>
  void PrintSlots(const TextStore<Slots, Capacity>& store, int first, int last, int freshLine) {
    last = std::min(last, Slots - 1);
    if (last < first) return;
    // A page too short to hold a line below freshLine gains nothing from a new page.
    const bool freshPageHelps = freshLine < geometry_.lastLine;
    if (current_ + (last - first + 1) > geometry_.lastLine && current_ > freshLine &&
        freshPageHelps)
      NewPage(freshLine);
    for (int slot = first; slot <= last; ++slot) {
      int line = current_ + (slot - first + 1);
      if (line > geometry_.lastLine && freshPageHelps) {
        NewPage(freshLine);
        current_ -= slot - first;  // the rest of the block follows on from the new page's top
        line = current_ + (slot - first + 1);
      }
      PrintLine(line, store[slot]);
    }
  }

  // One line on a given page line, 15 mm from the left or at `xMillimetres`.
  void PrintLine(int line, std::string_view text);
  void PrintLineAt(int line, double xMillimetres, std::string_view text);

  const PageGeometry& geometry() const { return geometry_; }

 private:
  PrintJob& job_;
  const PrintHeader& header_;
  PageGeometry geometry_;
  int current_ = 0;
};

// A count read from a store's slot 0, as a number of lines a block can hold: a negative or
// unreadable count is 0, one beyond the store's slots is held at the last slot.
int UsableCount(int count, int slots);

}  // namespace trabeo
