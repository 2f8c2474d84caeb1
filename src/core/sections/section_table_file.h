#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/section_record.h"

namespace trabeo {

inline constexpr std::string_view kMiscTableFileName = "Misc.sct";
inline constexpr int kMiscTableRows = 250;  // rows of the miscellaneous section editor

// Whole 200-byte records of a table file's bytes; a trailing partial record is ignored.
std::vector<SectionRecord> DecodeSectionTable(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeSectionTable(std::span<const SectionRecord> records);

// The table file fileName in the start folder. Names compare without regard to letter case, so
// an existing "misc.SCT" answers for "Misc.sct"; a file not found keeps the name as given.
std::filesystem::path SectionTablePath(const std::filesystem::path& startFolder,
                                       std::string_view fileName);

// Every whole record of the file, in file order; empty when the file cannot be read.
std::vector<SectionRecord> ReadSectionTable(const std::filesystem::path& startFolder,
                                            std::string_view fileName);

// The list box lines of a table file: one Designation per record, separators as blank lines,
// so that line k is record k. No lines when the file cannot be read.
std::vector<std::string> ListSectionTable(const std::filesystem::path& startFolder,
                                          std::string_view fileName);

// Record k (0-based) of the file; nullopt when the file no longer holds it, in which case the
// caller keeps its section as it was. A separator comes back like any record (IsSeparator()).
std::optional<SectionRecord> PickSectionRecord(const std::filesystem::path& startFolder,
                                               std::string_view fileName, std::size_t k);

// Writes a table file, records in order as given, replacing the old file only by a complete new
// one. False (and the old file left as it was) when it cannot be written.
bool WriteSectionTable(const std::filesystem::path& startFolder, std::string_view fileName,
                       std::span<const SectionRecord> records);

struct MiscAppendResult {
  std::string message;   // empty when the section was appended; otherwise the text to show
  int32_t recordNo = 0;  // the new record's RecordNo, its 1-based row, when appended

  bool ok() const { return message.empty(); }
};

inline constexpr std::string_view kNeedsDescriptionMessage = "Section needs a description";
// A new section goes after the last named row, and there is no row after the 250th.
inline constexpr std::string_view kMiscTableFullMessage =
    "Misc.sct has a section in row 250, its last row\nMove or delete that section in the "
    "miscellaneous section editor before saving another";
// The refusal when the file names sections past row 250 (the last in row lastNamedRow), which
// the editor neither shows nor keeps: a new section would go after them.
std::string MiscRowsPastEditorMessage(int lastNamedRow);

// Appends a calculator's section to Misc.sct after the last named row: rows up to that row are
// written back unchanged, trailing unnamed rows are dropped and the new record, its
// designation cut to 25 characters, comes last with RecordNo = its row. A section that would
// come after row 250 is refused and the file left alone. The file is replaced only after a
// complete write, so a failure leaves it as it was.
MiscAppendResult AppendToMiscTable(const std::filesystem::path& startFolder,
                                   const SectionRecord& record);

// The miscellaneous section editor's Save: exactly 250 rows (missing rows empty, rows beyond
// 250 dropped) with RecordNo 1 to 250, replacing the file only after a complete write. Returns
// an error text, empty on success.
std::string RewriteMiscTable(const std::filesystem::path& startFolder,
                             std::span<const SectionRecord> rows);

}  // namespace trabeo
