#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "document/beam_file_data.h"

namespace trabeo {

// The version 4 file of the beam as it stands: every field at its place, little-endian, texts
// with their length byte and zeros after them, then the padding of 1000 markers. Always
// kBeamFileSize bytes.
std::vector<uint8_t> EncodeBeamFile(const BeamFileData& data);

struct BeamFileReading {
  BeamFileMarkers markers;
  bool complete = false;  // false when the file ended before the last field
};

// Reads a version 4 file over the data, field by field up to SectionFamily (the padding is not
// read). Where the file ends early, the fields not reached keep the values they had.
BeamFileReading DecodeVersion4(std::span<const uint8_t> bytes, const BeamFileData& data);

// Reads a version 3 file (7323 bytes, or 7319 before version 3.5, which lacks
// TimberShearStiffness): the beam, section, restraints and effective lengths, no results.
BeamFileReading DecodeVersion3(std::span<const uint8_t> bytes, const BeamFileData& data);

}  // namespace trabeo
