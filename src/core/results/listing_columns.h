#pragma once

#include <string>
#include <string_view>

namespace trabeo {

// The listing is read in a fixed-pitch font: columns are made by filling with spaces. Positions
// count characters from 0, so "on position p" means p characters stand before it.

// Fills the line with spaces up to the given length (nothing when it is already as long).
void PadTo(std::string& line, int length);

// Appends text centred on position p: the line is filled up to p - (length / 2) first.
void PlaceCentred(std::string& line, std::string_view text, int centre);

// Appends a number so that its decimal point falls on position p; a number without a point is
// placed as if its point followed its last character.
void PlaceOnPoint(std::string& line, std::string_view number, int position);

// As PlaceOnPoint, except that a number without a point has its last character on position p
// (the first column of the distributed-load table).
void PlaceOnPointOrLastCharacter(std::string& line, std::string_view number, int position);

// Number of digits in the integer part of a magnitude (1 for values below 10).
int IntegerDigits(double magnitude);

// Column decimals by the largest magnitude of a column: lengths, rates and deflections take
// 3 decimals with 1 integer digit, down to 0 with 4 or more; shears and moments take 3 with up
// to 2 integer digits, down to 0 with 5 or more.
int LengthColumnDecimals(double largestMagnitude);
int ForceColumnDecimals(double largestMagnitude);

}  // namespace trabeo
