#pragma once

// Checks the fuzz targets make beyond "no crash": a broken promise aborts, so libFuzzer keeps the
// input that broke it.

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "fileio/file_text.h"

namespace trabeo::fuzz {

inline void Require(bool holds, const char* promise, std::string_view shown = {}) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n%.*s\n", promise, static_cast<int>(shown.size()),
               shown.data());
  std::abort();
}

inline bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

// A shown text holds no "nan" or "inf" standing as a word of its own (as printf would show a
// value that is not finite); words that merely contain the letters do not count.
inline bool ShowsOnlyFiniteNumbers(std::string_view text) {
  std::string word;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (std::isalpha(static_cast<unsigned char>(c))) {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      continue;
    }
    if (word == "nan" || word == "inf" || word == "infinity") return false;
    word.clear();
  }
  return true;
}

// Every line the program would show: valid UTF-8 and no number that is not one.
template <typename Lines>
void RequireShowable(const Lines& lines) {
  for (const auto& line : lines) {
    Require(IsValidUtf8(line), "shown text is valid UTF-8", line);
    Require(ShowsOnlyFiniteNumbers(line), "no NaN or infinity is shown", line);
  }
}

}  // namespace trabeo::fuzz
