#pragma once

namespace trabeo {

// The program's name and version as its windows show them and its beam files record them.
inline constexpr const char* kProgramTitle = "Trabeo Professional";
inline constexpr const char* kProgramVersion = "4.0";
inline constexpr const char* kVersionSuffix = ".0";

}  // namespace trabeo
