#include "fileio/binary_writer.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "fileio/file_text.h"

namespace trabeo {
namespace {

template <typename Unsigned>
void AppendLittleEndian(std::vector<uint8_t>& bytes, Unsigned value) {
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
}

}  // namespace

void BinaryWriter::WriteInt32(int32_t value) {
  AppendLittleEndian(bytes_, static_cast<uint32_t>(value));
}

void BinaryWriter::WriteSingle(float value) {
  AppendLittleEndian(bytes_, std::bit_cast<uint32_t>(value));
}

void BinaryWriter::WriteDouble(double value) {
  AppendLittleEndian(bytes_, std::bit_cast<uint64_t>(value));
}

void BinaryWriter::WriteByte(uint8_t value) {
  bytes_.push_back(value);
}

void BinaryWriter::WriteFixedText(std::string_view text, int capacity) {
  // One byte per character, so cutting the 8-bit form never splits a character.
  std::string cut = Utf8ToFileText(text);
  if (cut.size() > static_cast<std::size_t>(std::max(capacity, 0)))
    cut.resize(static_cast<std::size_t>(std::max(capacity, 0)));
  bytes_.push_back(static_cast<uint8_t>(cut.size()));
  bytes_.insert(bytes_.end(), cut.begin(), cut.end());
  WriteZeros(capacity - static_cast<int>(cut.size()));
}

void BinaryWriter::WriteZeros(int count) {
  if (count > 0) bytes_.insert(bytes_.end(), static_cast<std::size_t>(count), uint8_t{0});
}

}  // namespace trabeo
