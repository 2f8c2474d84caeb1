#include "results/listing_columns.h"

#include <algorithm>
#include <cmath>

namespace trabeo {

void PadTo(std::string& line, int length) {
  if (length > static_cast<int>(line.size())) line.resize(static_cast<std::size_t>(length), ' ');
}

void PlaceCentred(std::string& line, std::string_view text, int centre) {
  PadTo(line, centre - static_cast<int>(text.size()) / 2);
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
