#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fileio/binary_reader.h"
#include "fileio/binary_writer.h"
#include "fileio/text_store.h"

namespace trabeo {

// The beam data file's fields move through one of these two, so that a single description of
// the layout serves both the writer and the readers: each call writes a value, or reads one over
// it.
class FieldWriter {
 public:
  void Int32(int32_t value) { out_.WriteInt32(value); }
  void Single(float value) { out_.WriteSingle(value); }
  void Double(double value) { out_.WriteDouble(value); }
  void Text(const std::string& text, int capacity) { out_.WriteFixedText(text, capacity); }
  template <int Slots, int Capacity>
  void TextSlots(const TextStore<Slots, Capacity>& store, int first, int last) {
    for (int slot = first; slot <= last; ++slot)
      out_.WriteFixedText(store[slot], Capacity);
  }

  const std::vector<uint8_t>& bytes() const { return out_.bytes(); }

 private:
  BinaryWriter out_;
};

// Once a field cannot be read (the file ends early), every later field is left as it was:
// the reading stops silently and keeps what it read.
class FieldReader {
 public:
  explicit FieldReader(std::span<const uint8_t> bytes) : in_(bytes) {}

  void Int32(int32_t& value) { ok_ = ok_ && in_.ReadInt32(value); }
  void Single(float& value) { ok_ = ok_ && in_.ReadSingle(value); }
  void Double(double& value) { ok_ = ok_ && in_.ReadDouble(value); }
  void Text(std::string& text, int capacity) { ok_ = ok_ && in_.ReadFixedText(text, capacity); }
  template <int Slots, int Capacity>
  void TextSlots(TextStore<Slots, Capacity>& store, int first, int last) {
    std::string text;
    for (int slot = first; slot <= last && ok_; ++slot) {
      Text(text, Capacity);
      if (ok_) store.Set(slot, text);
    }
  }

  // True while every field so far was read.
  bool ok() const { return ok_; }

 private:
  BinaryReader in_;
  bool ok_ = true;
};

}  // namespace trabeo
