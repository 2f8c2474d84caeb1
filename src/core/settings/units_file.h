#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/unit_settings.h"

namespace trabeo {

// The units file keeps the preferences between sessions, in the start folder: 1000 bytes, of
// which the first 350 hold the settings and the rest is filler that is never read.
inline constexpr std::string_view kUnitsFileName = "TRB4_Unit.dim";
inline constexpr std::size_t kUnitsFileSize = 1000;
inline constexpr std::size_t kUnitsFileDataSize = 350;

enum class UnitsFileState {
  Complete,  // all settings were read
  Short,     // the file ended early; what it lacks keeps the defaults
  Missing,   // the file could not be opened or read; the defaults apply
};

struct UnitsFileLoad {
  UnitSettings settings;
  UnitsFileState state = UnitsFileState::Missing;
};

// The settings at start-up and on "Reset to default values": the start-up defaults, overlaid
// with what the file in `folder` holds. FactoredLoads and DesignCode keep the values in
// `current` unless the file sets them.
UnitsFileLoad ReadUnitsFile(const std::filesystem::path& folder, UnitSettings current);

// The settings for a new beam: what the file in `folder` holds over the settings in force
// (`current`); where the file is missing or short, the settings in force stay.
UnitsFileLoad ReadUnitsFileForNewBeam(const std::filesystem::path& folder, UnitSettings current);

// Writes the whole file through a temporary file, so a failed save leaves the old file as it
// was. DesignCode is always written as 0. Returns an error text, empty on success.
std::string WriteUnitsFile(const std::filesystem::path& folder, const UnitSettings& settings);

// The file's bytes, and the reading of them over `settings` (which should already hold the
// defaults). Fields are read in file order until the bytes run out: a unit is taken only with
// both its name and factor, and only when the factor is finite and positive; the four modulus
// labels are taken together. Returns the state (never Missing).
std::vector<uint8_t> EncodeUnitsFile(const UnitSettings& settings);
UnitsFileState DecodeUnitsFile(std::span<const uint8_t> bytes, UnitSettings& settings);

}  // namespace trabeo
