#include "cli/json_number.h"

#include <fmt/format.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace trabeo::cli {
namespace {

static_assert(std::endian::native == std::endian::little, "the first character is the lowest byte");

__extension__ typedef unsigned __int128 Word128;

// The JSON library writes plain decimals while the decimal point falls within these places of
// the first digit, and an exponent beyond them.
constexpr int kLowestPlainPoint = -4;
constexpr int kHighestPlainPoint = 15;

constexpr std::uint64_t kEightDigits = 100000000;
constexpr std::uint64_t kSixteenDigits = kEightDigits * kEightDigits;
constexpr std::uint64_t kAsciiZeros = 0x3030303030303030;

// A beam writes over a thousand numbers and some fifteen thousand digits. The digits are made
// eight at a time in the lanes of a 64-bit word, and a number's characters are put together in
// registers and stored whole: reading back characters just stored in pieces stalls the processor
// longer than making them.

// The eight decimal digits of value (below 1e8, leading zeros included) as the numbers 0 to 9,
// one to a byte with the first digit in the lowest: split into two lanes of four digits, then
// four of two, then eight of one, dividing by 100 and by 10 with multiplications that are exact
// below 10000 and below 100.
[[gnu::always_inline]] inline std::uint64_t EightDigitValues(std::uint64_t value) {
  const auto small = static_cast<std::uint32_t>(value);
  std::uint64_t lanes = (small / 10000) | (static_cast<std::uint64_t>(small % 10000) << 32);
  std::uint64_t high = ((lanes * 10486) >> 20) & 0x0000007F0000007F;
  lanes = high | ((lanes - 100 * high) << 16);
  high = ((lanes * 103) >> 10) & 0x000F000F000F000F;
  return high | ((lanes - 10 * high) << 8);
}

// A number's decimal digits as characters, the first in the lowest byte: the first eight in
// `low`, the next eight in `high` and a seventeenth in the lowest byte of `last`. Kept as 64-bit
// words: a 128-bit one would pass through memory in halves and be read back whole, which stalls.
struct DigitString {
  std::uint64_t low;
  std::uint64_t high;
  std::uint64_t last;
  int count;
};

DigitString MakeDigitString(Word128 first, std::uint64_t last, int count) {
  return {static_cast<std::uint64_t>(first), static_cast<std::uint64_t>(first >> 64), last, count};
}

#if defined(__SSE2__)

// The eight decimal digits of value (below 1e8) in eight 16-bit lanes, the first in the lowest:
// value is split into its two halves of four digits, each half is copied into four lanes, and
// the lanes are divided by 1000, 100, 10 and 1 with multiplications by reciprocals, exact below
// 10000; each lane less ten times the lane before it is its digit.
[[gnu::always_inline]] inline __m128i EightDigitLanes(std::uint32_t value) {
  const __m128i reciprocalOf10000 = _mm_set1_epi32(static_cast<int>(0xD1B71759));  // 2^45 / 1e4
  const __m128i reciprocals = _mm_setr_epi16(8389, 5243, 13108, -32768, 8389, 5243, 13108, -32768);
  const __m128i scales =
      _mm_setr_epi16(1 << 7, 1 << 11, 1 << 13, -32768, 1 << 7, 1 << 11, 1 << 13, -32768);
  const __m128i whole = _mm_cvtsi32_si128(static_cast<int>(value));
  const __m128i firstHalf = _mm_srli_epi64(_mm_mul_epu32(whole, reciprocalOf10000), 45);
  const __m128i secondHalf = _mm_sub_epi32(whole, _mm_mul_epu32(firstHalf, _mm_set1_epi32(10000)));
  const __m128i halves = _mm_slli_epi64(_mm_unpacklo_epi16(firstHalf, secondHalf), 2);
  const __m128i pairs = _mm_unpacklo_epi16(halves, halves);
  const __m128i lanes = _mm_unpacklo_epi32(pairs, pairs);
  const __m128i leading = _mm_mulhi_epu16(_mm_mulhi_epu16(lanes, reciprocals), scales);
  return _mm_sub_epi16(leading, _mm_slli_epi64(_mm_mullo_epi16(leading, _mm_set1_epi16(10)), 16));
}

// The sixteen digits of value (below 1e16, leading zeros included) as the numbers 0 to 9, one
// to a byte with the first in the lowest: [0] the first eight, [1] the last eight.
[[gnu::always_inline]] inline std::array<std::uint64_t, 2> SixteenDigitValues(std::uint64_t value) {
  const __m128i digits =
      _mm_packus_epi16(EightDigitLanes(static_cast<std::uint32_t>(value / kEightDigits)),
                       EightDigitLanes(static_cast<std::uint32_t>(value % kEightDigits)));
  return {static_cast<std::uint64_t>(_mm_cvtsi128_si64(digits)),
          static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(digits, digits)))};
}

#else

[[gnu::always_inline]] inline std::array<std::uint64_t, 2> SixteenDigitValues(std::uint64_t value) {
  return {EightDigitValues(value / kEightDigits), EightDigitValues(value % kEightDigits)};
}

#endif

// The digits of value without leading zeros ("0" for 0); value is below 1e17.
[[gnu::always_inline]] inline DigitString DigitsOfInteger(std::uint64_t value) {
  // Zero and the small whole numbers that most results are take one block or none.
  if (value == 0) return {'0', 0, 0, 1};
  if (value < kEightDigits) {
    const std::uint64_t digits = EightDigitValues(value);
    const int zeros = std::countr_zero(digits) / 8;
    return {(digits + kAsciiZeros) >> (8 * zeros), 0, 0, 8 - zeros};
  }
  const std::uint64_t top = value / kSixteenDigits;
  const auto [high, low] = SixteenDigitValues(value % kSixteenDigits);
  if (top != 0) {
    const std::uint64_t highCharacters = high + kAsciiZeros;
    const std::uint64_t lowCharacters = low + kAsciiZeros;
    return {(highCharacters << 8) | ('0' + top), (lowCharacters << 8) | (highCharacters >> 56),
            lowCharacters >> 56, 17};
  }
  const Word128 sixteen = (static_cast<Word128>(low + kAsciiZeros) << 64) | (high + kAsciiZeros);
  const int zeros = high != 0 ? std::countr_zero(high) / 8 : 8 + std::countr_zero(low) / 8;
  return MakeDigitString(sixteen >> (8 * zeros), 0, 16 - zeros);
}

// Stores the digits at `at`, 24 characters whatever their count.
[[gnu::always_inline]] inline void Store(char* at, const DigitString& digits) {
  std::memcpy(at, &digits.low, 8);
  std::memcpy(at + 8, &digits.high, 8);
  std::memcpy(at + 16, &digits.last, 8);
}

// For a decimal point after the first p characters (p = 1 to 15) of sixteen held in two words,
// the bytes that keep their character, the point in its byte, and the bytes that take the
// character before them; [0] is the low word. A table spares variable 128-bit shifts.
struct PointMasks {
  std::uint64_t keep[2];
  std::uint64_t point[2];
  std::uint64_t moved[2];
};

constexpr std::array<PointMasks, 16> kPointMasks = [] {
  std::array<PointMasks, 16> masks{};
  for (std::size_t p = 1; p < 16; ++p) {
    for (std::size_t byte = 0; byte < 16; ++byte) {
      const std::size_t shift = 8 * (byte % 8);
      const std::size_t word = byte / 8;
      if (byte < p) masks[p].keep[word] |= std::uint64_t{0xFF} << shift;
      if (byte == p) masks[p].point[word] |= std::uint64_t{'.'} << shift;
      if (byte > p) masks[p].moved[word] |= std::uint64_t{0xFF} << shift;
    }
  }
  return masks;
}();

// The digits with a decimal point after the first `point` of them (1 to 15, fewer than the
// count): the digits from the point on move up one byte and the point takes their place.
[[gnu::always_inline]] inline char* StoreWithPoint(char* at, const DigitString& digits, int point) {
  const PointMasks& masks = kPointMasks[static_cast<std::size_t>(point)];
  const std::uint64_t movedLow = digits.low << 8;
  const std::uint64_t movedHigh = (digits.high << 8) | (digits.low >> 56);
  const DigitString withPoint = {
      (digits.low & masks.keep[0]) | masks.point[0] | (movedLow & masks.moved[0]),
      (digits.high & masks.keep[1]) | masks.point[1] | (movedHigh & masks.moved[1]),
      (digits.high >> 56) | (digits.last << 8), 0};
  Store(at, withPoint);
  return at + digits.count + 1;
}

char* WriteExponent(char* at, int exponent) {
  *at++ = 'e';
  *at++ = exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) *at++ = '0';
  return std::to_chars(at, at + 4, magnitude).ptr;
}

// Lays the shortest digits of a number that is not whole, or not below 1e15, out as the JSON
// library does: plain within its range, else d.ddde+XX. `point` is the number of digits before
// the decimal point; 0 or less when the number is below 1.
[[gnu::always_inline]] inline char* LayOut(char* at, const DigitString& digits, int point) {
  if (0 < point && point <= kHighestPlainPoint && point < digits.count)
    return StoreWithPoint(at, digits, point);
  if (kLowestPlainPoint < point && point <= 0) {
    std::memcpy(at, "0.000000", 8);
    at += 2 - point;
    Store(at, digits);
    return at + digits.count;
  }
  if (digits.count <= point && point <= kHighestPlainPoint) {
    Store(at, digits);
    std::memcpy(at + digits.count, "0000000000000000", 16);
    at += point;
    std::memcpy(at, ".0", 2);
    return at + 2;
  }
  if (digits.count > 1) {
    at = StoreWithPoint(at, digits, 1);
  } else {
    Store(at, digits);
    ++at;
  }
  return WriteExponent(at, point - 1);
}

// A number made ready to write: its sign and shortest digits, found apart from where they go so
// that a list's numbers are found side by side, each without waiting for the one before.
// Left without initial values: a list's are all set before they are read, and clearing them
// first would cost as much as a tenth of the writing.
struct PreparedNumber {
  DigitString digits;
  int point;  // digits before the decimal point
  bool negative;
  bool finite;
};

[[gnu::always_inline]] inline void Prepare(double value, PreparedNumber& prepared) {
  prepared.finite = std::isfinite(value);
  if (!prepared.finite) return;
  prepared.negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  // Zeros and whole numbers, a third of a beam's results, are their integer digits: the shortest
  // digits of a whole number below 1e15 are its own, laid out plain with ".0".
  if (magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
    prepared.digits = DigitsOfInteger(static_cast<std::uint64_t>(magnitude));
    prepared.point = prepared.digits.count;
    return;
  }
  // The shortest digits that read back as the double, and of those the nearest, ties to even:
  // the digits std::to_chars finds. {fmt}'s Dragonbox finds them in a third of the time. It sits
  // in {fmt}'s detail namespace (Debian 12 has {fmt} 9); the tests compare its digits with the
  // standard library's, so a {fmt} that changed them would fail there, not in a result.
  auto decimal = fmt::detail::dragonbox::to_decimal(magnitude);
  while (decimal.significand % 10 == 0) {
    decimal.significand /= 10;
    ++decimal.exponent;
  }
  prepared.digits = DigitsOfInteger(decimal.significand);
  prepared.point = decimal.exponent + prepared.digits.count;
}

[[gnu::always_inline]] inline char* WritePrepared(char* at, const PreparedNumber& prepared) {
  if (!prepared.finite) {
    std::memcpy(at, "null", 4);
    return at + 4;
  }
  if (prepared.negative) *at++ = '-';
  return LayOut(at, prepared.digits, prepared.point);
}

}  // namespace

char* WriteJsonNumber(char* at, double value) {
  PreparedNumber prepared;
  Prepare(value, prepared);
  return WritePrepared(at, prepared);
}

char* WriteJsonNumberList(char* at, std::span<const double> values) {
  constexpr std::size_t kGroup = 32;
  PreparedNumber prepared[kGroup];
  for (std::size_t start = 0; start < values.size(); start += kGroup) {
    const std::size_t count = std::min(kGroup, values.size() - start);
    for (std::size_t i = 0; i < count; ++i)
      Prepare(values[start + i], prepared[i]);
    for (std::size_t i = 0; i < count; ++i) {
      if (start + i > 0) *at++ = ',';
      at = WritePrepared(at, prepared[i]);
    }
  }
  return at;
}

}  // namespace trabeo::cli
