#include "fileio/file_bytes.h"

#include <fstream>
#include <system_error>

namespace trabeo {

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path) {
  // A folder (or other non-file) of that name opens on some systems but fails, by throwing,
  // on the first read.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace trabeo
