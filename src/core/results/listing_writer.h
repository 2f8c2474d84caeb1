#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "results/listing_stores.h"

namespace trabeo {

// The lines of the results list, in order, exactly as the list shows them.
using ListingLines = std::vector<std::string>;

// Writes one block of the listing: each line goes to the list and to the next slot of the
// block's store. A line followed by blank lines (empty, or holding one space) leaves one empty
// slot for them, however many there are; the blank lines themselves are not stored. Finish()
// puts the counter, the next free slot, into slot 0.
template <int Slots>
class StoreBlock {
 public:
  StoreBlock(ListingLines& list, PrintLineStore<Slots>& store) : list_(list), store_(store) {}

  void Line(std::string_view text) {
    Write(text);
    ++next_;
  }

  // The line, then `count` blank lines of the given text ("" or " ") in the list only.
  void LineThenBlank(std::string_view text, std::string_view blank = "", int count = 1) {
    Write(text);
    for (int i = 0; i < count; ++i)
      list_.emplace_back(blank);
    store_.Set(next_ + 1, "");
    next_ += 2;
  }

  // Stores the line in the current slot without moving on, so slot 0 will name it.
  void LineInPlace(std::string_view text) { Write(text); }

  void Finish() { store_.SetCount(next_); }
  int next() const { return next_; }

 private:
  void Write(std::string_view text) {
    list_.emplace_back(text);
    store_.Set(next_, text);
  }

  ListingLines& list_;
  PrintLineStore<Slots>& store_;
  int next_ = 1;
};

}  // namespace trabeo
