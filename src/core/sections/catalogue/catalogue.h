#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/section_record.h"

namespace trabeo {

// One of the seventeen standard section table files that the program writes from its built-in
// tables as it starts.
struct CatalogueFile {
  std::string_view name;  // "UB.sct"
  std::string_view type;  // section type of its records, "Beam"
  std::vector<SectionRecord> (*records)();
};

// The seventeen files in the order they are written.
std::span<const CatalogueFile> CatalogueFiles();

// The file of that name (compared exactly), or nullptr.
const CatalogueFile* FindCatalogueFile(std::string_view name);

// The file's records in file order, RecordNo 1, 2, ...
std::vector<SectionRecord> CatalogueRecords(const CatalogueFile& file);

// Writes the file's records as 200-byte blocks to folder/name, unless the file already holds
// exactly those bytes. The old file is replaced only by a complete new one; false (and the old
// file left as it was) when it could not be written.
bool WriteCatalogueFile(const std::filesystem::path& folder, const CatalogueFile& file);

// Runs the seventeen writers in order. A file that cannot be written is skipped and the others
// are still written; the names of the skipped files are returned (the program itself ignores
// them, the batch front end reports them).
std::vector<std::string> WriteCatalogue(const std::filesystem::path& folder);

}  // namespace trabeo
