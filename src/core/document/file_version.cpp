#include "document/file_version.h"

#include <charconv>
#include <cmath>
#include <string>

#include "document/beam_file_data.h"
#include "fileio/binary_reader.h"

namespace trabeo {

std::optional<float> ReadFileVersion(std::span<const uint8_t> bytes) {
  BinaryReader reader(bytes);
  std::string header;
  if (!reader.ReadFixedText(header, kShortTextCapacity)) return std::nullopt;
  if (!header.starts_with(kVersionPrefix)) return std::nullopt;
  const char* first = header.data() + kVersionPrefix.size();
  float version = 0;
  const auto [end, error] = std::from_chars(first, header.data() + header.size(), version);
  if (error != std::errc() || std::isnan(version)) return std::nullopt;
  return version;
}

}  // namespace trabeo
