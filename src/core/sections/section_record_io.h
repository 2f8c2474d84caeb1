#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "fileio/binary_reader.h"
#include "fileio/binary_writer.h"
#include "model/section_record.h"

namespace trabeo {

// Appends the record's 200 bytes: texts length-prefixed in fixed slots, numbers little-endian
// singles, padding and reserved bytes zero.
void WriteSectionRecord(BinaryWriter& writer, const SectionRecord& record);

// Reads one 200-byte record; false (and the reader unmoved past the end) when fewer than 200
// bytes remain.
bool ReadSectionRecord(BinaryReader& reader, SectionRecord& record);

}  // namespace trabeo
