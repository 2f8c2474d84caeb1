#include "fileio/fixed_text.h"

#include "fileio/file_text.h"

namespace trabeo {

std::string CutToCapacity(std::string_view text, int capacity) {
  if (capacity <= 0) return {};
  std::size_t at = 0;
  for (int kept = 0; kept < capacity && at < text.size(); ++kept) {
    const std::size_t length = Utf8SequenceLength(text, at);
    at += length == 0 ? 1 : length;
  }
  return std::string(text.substr(0, at));
}

}  // namespace trabeo
