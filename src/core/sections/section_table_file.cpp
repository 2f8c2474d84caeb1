#include "sections/section_table_file.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>

#include "fileio/binary_reader.h"
#include "fileio/binary_writer.h"
#include "fileio/file_bytes.h"
#include "fileio/fixed_text.h"
#include "sections/section_record_io.h"

namespace trabeo {
namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

int LastNamedRow(const std::vector<SectionRecord>& rows) {
  for (std::size_t i = rows.size(); i > 0; --i)
    if (!rows[i - 1].Designation.empty()) return static_cast<int>(i);
  return 0;
}

// The row after which a new section goes: the RecordNo of the last row with a designation among
// the first 250. In every file the program writes that number is the row's position; where a
// file's numbers have gone wrong (a number before the last named row, past the file's end, or past
// the editor's 250 rows where only empty rows would follow) the position of the last named row
// decides, so that no named row is lost and no rows are invented.
int RowsToKeep(const std::vector<SectionRecord>& rows) {
  int byRecordNo = 0;
  const auto editorRows = std::min(rows.size(), static_cast<std::size_t>(kMiscTableRows));
  for (std::size_t i = 0; i < editorRows; ++i)
    if (!rows[i].Designation.empty()) byRecordNo = rows[i].RecordNo;
  const int lastNamedRow = LastNamedRow(rows);
  if (byRecordNo < lastNamedRow || byRecordNo > static_cast<int>(rows.size()) ||
      byRecordNo > kMiscTableRows)
    return lastNamedRow;
  return byRecordNo;
}

// Why the new section cannot follow the kept rows; empty when it can.
std::string AppendRefusal(const std::vector<SectionRecord>& rows, int keep) {
  const int lastNamedRow = LastNamedRow(rows);
  if (lastNamedRow > kMiscTableRows) return MiscRowsPastEditorMessage(lastNamedRow);
  if (keep >= kMiscTableRows) return std::string(kMiscTableFullMessage);
  return {};
}

SectionRecord EmptyRow(int rowNumber) {
  SectionRecord row;
  row.RecordNo = rowNumber;
  return row;
}

}  // namespace

std::vector<SectionRecord> DecodeSectionTable(std::span<const uint8_t> bytes) {
  std::vector<SectionRecord> records;
  BinaryReader reader(bytes);
  SectionRecord record;
  while (ReadSectionRecord(reader, record))
    records.push_back(record);
  return records;
}

std::vector<uint8_t> EncodeSectionTable(std::span<const SectionRecord> records) {
  BinaryWriter writer;
  for (const SectionRecord& record : records)
    WriteSectionRecord(writer, record);
  return writer.bytes();
}

std::filesystem::path SectionTablePath(const std::filesystem::path& startFolder,
                                       std::string_view fileName) {
  const std::filesystem::path exact = startFolder / std::filesystem::path(fileName);
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (std::filesystem::directory_iterator it(startFolder, error), end; !error && it != end;
       it.increment(error)) {
    if (SameNameIgnoringCase(it->path().filename().string(), fileName)) return it->path();
  }
  return exact;
}

std::vector<SectionRecord> ReadSectionTable(const std::filesystem::path& startFolder,
                                            std::string_view fileName) {
  const auto bytes = ReadFileBytes(SectionTablePath(startFolder, fileName));
  if (!bytes) return {};
  return DecodeSectionTable(*bytes);
}

std::vector<std::string> ListSectionTable(const std::filesystem::path& startFolder,
                                          std::string_view fileName) {
  std::vector<std::string> lines;
  for (const SectionRecord& record : ReadSectionTable(startFolder, fileName))
    lines.push_back(record.Designation);
  return lines;
}

std::optional<SectionRecord> PickSectionRecord(const std::filesystem::path& startFolder,
                                               std::string_view fileName, std::size_t k) {
  std::vector<SectionRecord> records = ReadSectionTable(startFolder, fileName);
  if (k >= records.size()) return std::nullopt;
  return std::move(records[k]);
}

bool WriteSectionTable(const std::filesystem::path& startFolder, std::string_view fileName,
                       std::span<const SectionRecord> records) {
  return WriteFileAtomically(SectionTablePath(startFolder, fileName), EncodeSectionTable(records))
      .empty();
}

std::string MiscRowsPastEditorMessage(int lastNamedRow) {
  return "Misc.sct holds sections past row 250, the last in row " + std::to_string(lastNamedRow) +
         "\nThe miscellaneous section editor shows rows 1 to 250 only, so the new section was "
         "not added";
}

MiscAppendResult AppendToMiscTable(const std::filesystem::path& startFolder,
                                   const SectionRecord& record) {
  SectionRecord added = record;
  added.Designation = CutToCapacity(record.Designation, kDesignationCapacity);
  if (added.Designation.empty()) return {std::string(kNeedsDescriptionMessage), 0};

  const std::filesystem::path path = SectionTablePath(startFolder, kMiscTableFileName);
  std::error_code ignored;
  const bool exists = std::filesystem::exists(path, ignored);
  const auto bytes = ReadFileBytes(path);
  // Rewriting a file that exists but cannot be read would throw the user's sections away.
  if (exists && !bytes) return {"Cannot read " + path.string(), 0};
  const std::vector<SectionRecord> rows =
      bytes ? DecodeSectionTable(*bytes) : std::vector<SectionRecord>{};

  const int keep = RowsToKeep(rows);
  // A row past the editor's 250 would be dropped by its next Save.
  if (std::string refusal = AppendRefusal(rows, keep); !refusal.empty())
    return {std::move(refusal), 0};
  std::vector<SectionRecord> written(rows.begin(), rows.begin() + keep);
  added.RecordNo = keep + 1;
  written.push_back(added);
  const std::string error = WriteFileAtomically(path, EncodeSectionTable(written));
  if (!error.empty()) return {error, 0};
  return {{}, added.RecordNo};
}

std::string RewriteMiscTable(const std::filesystem::path& startFolder,
                             std::span<const SectionRecord> rows) {
  std::vector<SectionRecord> written;
  for (int row = 1; row <= kMiscTableRows; ++row) {
    const auto index = static_cast<std::size_t>(row - 1);
    SectionRecord record = index < rows.size() ? rows[index] : EmptyRow(row);
    record.RecordNo = row;
    written.push_back(std::move(record));
  }
  return WriteFileAtomically(SectionTablePath(startFolder, kMiscTableFileName),
                             EncodeSectionTable(written));
}

}  // namespace trabeo
