#pragma once

#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "fileio/fixed_text.h"

namespace trabeo {

// A fixed array of text slots of limited length, as the listing, the reports and the project file
// keep their lines: slot 0 holds a number as decimal text (the count of lines in use, or as
// each store defines it), slots 1 onwards the lines. Texts longer than the capacity are cut.
template <int SlotCount, int Capacity>
class TextStore {
 public:
  static constexpr int kSlots = SlotCount;
  static constexpr int kCapacity = Capacity;

  const std::string& operator[](int slot) const { return slots_[Index(slot)]; }
  void Set(int slot, std::string_view text) {
    if (slot >= 0 && slot < SlotCount) slots_[Index(slot)] = CutToCapacity(text, Capacity);
  }

  // The number held in slot 0; an empty or unreadable slot 0 counts as 0.
  int Count() const {
    const std::string& text = slots_[0];
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  }
  void SetCount(int count) { Set(0, std::to_string(count)); }

  void Clear() { slots_.fill(std::string()); }
  // Empties slots first ... last.
  void Clear(int first, int last) {
    for (int slot = first; slot <= last && slot < SlotCount; ++slot)
      slots_[Index(slot)].clear();
  }

  friend bool operator==(const TextStore&, const TextStore&) = default;

 private:
  static std::size_t Index(int slot) { return static_cast<std::size_t>(slot); }

  std::array<std::string, SlotCount> slots_{};
};

}  // namespace trabeo
