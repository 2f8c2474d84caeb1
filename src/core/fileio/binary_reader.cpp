#include "fileio/binary_reader.h"

#include <algorithm>
#include <bit>

#include "fileio/file_text.h"

namespace trabeo {
namespace {

template <typename Unsigned>
Unsigned LoadLittleEndian(const uint8_t* start) {
  Unsigned value = 0;
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    value |= static_cast<Unsigned>(start[i]) << (8 * i);
  }
  return value;
}

}  // namespace

bool BinaryReader::Take(std::size_t count, const uint8_t*& start) {
  if (remaining() < count) return false;
  start = bytes_.data() + position_;
  position_ += count;
  return true;
}

bool BinaryReader::ReadInt32(int32_t& value) {
  const uint8_t* start = nullptr;
  if (!Take(4, start)) return false;
  value = static_cast<int32_t>(LoadLittleEndian<uint32_t>(start));
  return true;
}

bool BinaryReader::ReadSingle(float& value) {
  const uint8_t* start = nullptr;
  if (!Take(4, start)) return false;
  value = std::bit_cast<float>(LoadLittleEndian<uint32_t>(start));
  return true;
}

bool BinaryReader::ReadDouble(double& value) {
  const uint8_t* start = nullptr;
  if (!Take(8, start)) return false;
  value = std::bit_cast<double>(LoadLittleEndian<uint64_t>(start));
  return true;
}

bool BinaryReader::ReadByte(uint8_t& value) {
  const uint8_t* start = nullptr;
  if (!Take(1, start)) return false;
  value = *start;
  return true;
}

bool BinaryReader::ReadFixedText(std::string& text, int capacity) {
  const uint8_t* start = nullptr;
  if (!Take(static_cast<std::size_t>(capacity) + 1, start)) return false;
  const std::size_t length = std::min<std::size_t>(start[0], static_cast<std::size_t>(capacity));
  text = FileTextToUtf8(std::string_view(reinterpret_cast<const char*>(start + 1), length));
  return true;
}

bool BinaryReader::Skip(std::size_t count) {
  const uint8_t* start = nullptr;
  return Take(count, start);
}

}  // namespace trabeo
