#pragma once

#include <cstddef>
#include <span>

namespace trabeo::cli {

// The room WriteJsonNumber needs: a number takes 24 characters at most (a sign, 17 digits, a
// point and an exponent), and blocks of digits are written whole beyond its end.
inline constexpr std::size_t kJsonNumberMaxLength = 40;

// Writes a double at `at` as the JSON text nlohmann::json writes for it ("1.0", "0.0001",
// "1e-05", "1.2e+08", and null for what is not finite), but from the shortest digits that read
// back as the same double: those std::to_chars gives, found faster than the standard library or
// the JSON library finds them. `at` has room for kJsonNumberMaxLength characters; returns the
// end.
char* WriteJsonNumber(char* at, double value);

// Writes the values so, separated by commas, for `at` with room for kJsonNumberMaxLength + 1
// characters a value; faster a number than one WriteJsonNumber after another.
char* WriteJsonNumberList(char* at, std::span<const double> values);

}  // namespace trabeo::cli
