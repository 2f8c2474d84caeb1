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

// Saves bytes in place of the file at path so that any failure leaves the old file as it was:
// the bytes go to a new file of a unique name in the same folder (created exclusively, never
// through an existing name or link), are flushed to the disk, and only then is that file renamed
// over the target. A target the user may not write (a read-only or immutable file, a read-only
// folder, a folder or other non-file in its place) is refused and left alone; a replaced file
// keeps its mode. Returns an error text naming the file, empty on success.
std::string WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Creates or truncates the file and writes the bytes in place, with none of the safeguards
// above; for tests and tools that lay down fixtures. Returns false on failure.
bool WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace trabeo
