#include "results/listing_columns.h"

#include <algorithm>
#include <cmath>

#include "fileio/file_text.h"

namespace trabeo {

// Columns count characters, not bytes: a unit name such as "µm" is two characters wide.
void PadTo(std::string& line, int length) {
  const auto characters = static_cast<int>(CharacterCount(line));
  if (length > characters) line.append(static_cast<std::size_t>(length - characters), ' ');
}

void PlaceCentred(std::string& line, std::string_view text, int centre) {
  PadTo(line, centre - static_cast<int>(CharacterCount(text)) / 2);
  line += text;
}

void PlaceOnPoint(std::string& line, std::string_view number, int position) {
  const std::size_t point = number.find('.');
  const int before = static_cast<int>(point == std::string_view::npos ? number.size() : point);
  PadTo(line, position - before);
  line += number;
}

void PlaceOnPointOrLastCharacter(std::string& line, std::string_view number, int position) {
  if (number.find('.') != std::string_view::npos || number.empty()) {
    PlaceOnPoint(line, number, position);
    return;
  }
  PadTo(line, position - static_cast<int>(number.size()) + 1);
  line += number;
}

int IntegerDigits(double magnitude) {
  const double whole = std::floor(std::fabs(magnitude));
  int digits = 1;
  for (double bound = 10; whole >= bound && digits < 400; bound *= 10)
    ++digits;
  return digits;
}

int LengthColumnDecimals(double largestMagnitude) {
  return std::max(0, 4 - IntegerDigits(largestMagnitude));
}

int ForceColumnDecimals(double largestMagnitude) {
  return std::clamp(5 - IntegerDigits(largestMagnitude), 0, 3);
}

}  // namespace trabeo
