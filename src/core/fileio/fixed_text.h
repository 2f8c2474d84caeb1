#pragma once

#include <string>
#include <string_view>

namespace trabeo {

// Capacities of the length-prefixed texts kept in state and in files.
inline constexpr int kUnitNameCapacity = 10;
inline constexpr int kShortTextCapacity = 25;
inline constexpr int kPropertyLineCapacity = 50;
inline constexpr int kResultLineCapacity = 80;
inline constexpr int kDescriptionCapacity = 100;

// Cuts text to at most capacity characters, the bytes it takes in a file (see file_text.h). A
// UTF-8 sequence is never split.
std::string CutToCapacity(std::string_view text, int capacity);

}  // namespace trabeo
