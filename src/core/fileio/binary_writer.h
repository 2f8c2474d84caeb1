#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trabeo {

// Appends fields to a byte buffer in the little-endian layouts of the program's files. Every
// field is written explicitly, so the layout never depends on how the compiler packs a struct.
class BinaryWriter {
 public:
  void WriteInt32(int32_t value);
  void WriteSingle(float value);
  void WriteDouble(double value);
  void WriteByte(uint8_t value);
  // Length-prefixed text in a slot of capacity + 1 bytes, written 8-bit (file_text.h); longer
  // text is cut to the capacity.
  void WriteFixedText(std::string_view text, int capacity);
  void WriteZeros(int count);

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace trabeo
