#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace trabeo {

// Reads fields from a byte buffer in little-endian order. A read past the end fails, returns
// false and leaves the target untouched, so callers keep what they had ("a failed read ends the
// reading silently, keeping what was read").
class BinaryReader {
 public:
  explicit BinaryReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  bool ReadInt32(int32_t& value);
  bool ReadSingle(float& value);
  bool ReadDouble(double& value);
  bool ReadByte(uint8_t& value);
  // Reads a slot of capacity + 1 bytes: a length byte, then the 8-bit characters, which come
  // back as UTF-8. A length byte above the capacity is clamped to it.
  bool ReadFixedText(std::string& text, int capacity);
  bool Skip(std::size_t count);

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return bytes_.size() - position_; }

 private:
  bool Take(std::size_t count, const uint8_t*& start);

  std::span<const uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace trabeo
