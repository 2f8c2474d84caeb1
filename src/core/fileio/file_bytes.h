#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trabeo {

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path);

// Writes bytes to a temporary file beside the target and renames it over the target only after
// the whole write succeeded, so a failed save never leaves a damaged file. Returns an error text,
// empty on success.
std::string WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Creates or truncates the file and writes the bytes (used where a partial file is harmless
// because the program rewrites it at every start). Returns false on failure.
bool WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace trabeo
