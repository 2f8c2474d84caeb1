#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "model/section_record.h"
#include "sections/catalogue/catalogue_tables.h"

namespace trabeo::catalogue {

// What every record of one catalogue file shares.
struct FileStyle {
  std::string_view type;  // "Beam", "RSJ", ...
  float grade = 0;        // 43, or 0 where the table leaves it open
  bool padded = true;     // designations padded with blanks to 25 characters
  float flangeAngle = 0;  // degrees, for the I-section files (8 for joists)
};

inline constexpr float kCatalogueE = 205000;

// The records of a table, in order, RecordNo 1, 2, ...: separators with blank (or, unpadded,
// empty) designations and every other number 0; sections without data with their designation,
// type and grade only.
std::vector<SectionRecord> MakeRecords(std::span<const IBeamRow> rows, const FileStyle& style);
std::vector<SectionRecord> MakeRecords(std::span<const ChannelRow> rows, const FileStyle& style);
std::vector<SectionRecord> MakeRecords(std::span<const AngleRow> rows, const FileStyle& style);
std::vector<SectionRecord> MakeRecords(std::span<const BoxRow> rows, const FileStyle& style);
std::vector<SectionRecord> MakeRecords(std::span<const TubeRow> rows, const FileStyle& style);

}  // namespace trabeo::catalogue
