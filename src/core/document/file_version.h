#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace trabeo {

// The version a beam data file's header names: the header is a 25-character text "Version "
// followed by a number, read in single precision from its leading part. nullopt when the file
// is too short for a header, or its header is not "Version " and a number: it is then not a
// beam data file.
std::optional<float> ReadFileVersion(std::span<const uint8_t> bytes);

}  // namespace trabeo
