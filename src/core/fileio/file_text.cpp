#include "fileio/file_text.h"

#include <array>
#include <cstdint>

namespace trabeo {
namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1. The undefined
// bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kReplacement = '?';

char32_t CharacterOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80u];
  return byte;
}

// The byte of a character, or the replacement when the code page has none.
char ByteOfCharacter(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
    return static_cast<char>(character);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == character) return static_cast<char>(0x80 + i);
  }
  return kReplacement;
}

void AppendUtf8(std::string& out, char32_t character) {
  const auto unit = [&](uint32_t bits) { out += static_cast<char>(bits); };
  const auto value = static_cast<uint32_t>(character);
  if (value < 0x80) {
    unit(value);
  } else if (value < 0x800) {
    unit(0xC0 | (value >> 6));
    unit(0x80 | (value & 0x3F));
  } else {
    unit(0xE0 | (value >> 12));
    unit(0x80 | ((value >> 6) & 0x3F));
    unit(0x80 | (value & 0x3F));
  }
}

char32_t DecodeSequence(std::string_view text, std::size_t at, std::size_t length) {
  const auto byte = [&](std::size_t k) {
    return static_cast<uint32_t>(static_cast<unsigned char>(text[at + k]));
  };
  constexpr std::array<uint32_t, 5> kLeadMask = {0, 0x7F, 0x1F, 0x0F, 0x07};
  uint32_t value = byte(0) & kLeadMask[length];
  for (std::size_t k = 1; k < length; ++k)
    value = (value << 6) | (byte(k) & 0x3F);
  return static_cast<char32_t>(value);
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return 0;
  }
  // Overlong forms, surrogates and values beyond U+10FFFF are not characters.
  if (lead == 0xE0 && byte(1) < 0xA0) return 0;
  if (lead == 0xED && byte(1) > 0x9F) return 0;
  if (lead == 0xF0 && byte(1) < 0x90) return 0;
  if (lead == 0xF4 && byte(1) > 0x8F) return 0;
  return length;
}

std::string FileTextToUtf8(std::string_view fileText) {
  std::string out;
  out.reserve(fileText.size());
  for (const char c : fileText)
    AppendUtf8(out, CharacterOfByte(static_cast<unsigned char>(c)));
  return out;
}

namespace {

// Walks the text a character at a time: `visit(at, length)` for each valid UTF-8 sequence, and
// with a length of 0 for each byte outside one.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = Utf8SequenceLength(text, at);
    visit(at, length);
    at += length == 0 ? 1 : length;
  }
}

}  // namespace

std::string Utf8ToFileText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachCharacter(text, [&](std::size_t at, std::size_t length) {
    out += length == 0 ? kReplacement : ByteOfCharacter(DecodeSequence(text, at, length));
  });
  return out;
}

std::string ValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachCharacter(text, [&](std::size_t at, std::size_t length) {
    if (length == 0)
      out += kReplacement;
    else
      out.append(text.substr(at, length));
  });
  return out;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  ForEachCharacter(text, [&count](std::size_t, std::size_t) { ++count; });
  return count;
}

}  // namespace trabeo
