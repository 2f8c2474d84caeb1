#include "fileio/fixed_text.h"

namespace trabeo {

std::string CutToCapacity(std::string_view text, int capacity) {
  if (capacity <= 0) return {};
  const auto limit = static_cast<std::size_t>(capacity);
  if (text.size() <= limit) return std::string(text);
  std::size_t cut = limit;
  // Step back over continuation bytes (10xxxxxx) so the cut lands on a character boundary.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut;
  return std::string(text.substr(0, cut));
}

}  // namespace trabeo
