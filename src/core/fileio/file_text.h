#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trabeo {

// The texts in the program's files are 8-bit, one byte per character, in the Windows-1252 code
// page; inside the program every text is UTF-8. A character count of a UTF-8 text is therefore
// the number of bytes it takes in a file.

// Decodes 8-bit file text. Every byte becomes one character; the five bytes the code page leaves
// undefined become the control characters of the same number, so any bytes read and written
// back come out unchanged.
std::string FileTextToUtf8(std::string_view fileText);

// Encodes text for a file, one byte per character. A character outside the code page, and a
// byte that does not belong to a valid UTF-8 sequence, becomes "?".
std::string Utf8ToFileText(std::string_view text);

// The text with every byte outside a valid UTF-8 sequence replaced by "?": what a message may
// quote of text typed or read from outside.
std::string ValidUtf8(std::string_view text);

// Length of the UTF-8 sequence that starts at text[at], or 0 when none does (a stray or
// continuation byte, an overlong form, a surrogate, a sequence cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// The number of characters the text takes in a file: each valid UTF-8 sequence and each byte
// outside one counts as one.
std::size_t CharacterCount(std::string_view text);

}  // namespace trabeo
