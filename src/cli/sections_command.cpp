#include <filesystem>

#include "cli/commands.h"
#include "cli/file_arguments.h"
#include "cli/section_json.h"
#include "fileio/file_bytes.h"
#include "sections/section_table_file.h"

namespace trabeo::cli {

int RunSectionsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<FileArguments> arguments =
      ParseFileArguments(args, "sections", "section table file", err);
  if (!arguments) return kExitBadInput;
  const std::string& file = arguments->file;
  const bool json = arguments->json;
  // The file is looked up as the program looks up its tables: by name in its folder, letter
  // case aside.
  const std::filesystem::path given(file);
  const std::filesystem::path folder = given.has_parent_path() ? given.parent_path() : ".";
  const auto bytes = ReadFileBytes(SectionTablePath(folder, given.filename().string()));
  if (!bytes) {
    err << "trabeo-cli sections: cannot read " << file << "\n";
    return kExitBadInput;
  }
  const std::vector<SectionRecord> records = DecodeSectionTable(*bytes);
  if (json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const SectionRecord& record : records)
      list.push_back(SectionRecordJson(record));
    out << DumpJson(list) << "\n";
  } else {
    for (const SectionRecord& record : records)
      out << record.Designation << "\n";
  }
  return kExitOk;
}

}  // namespace trabeo::cli
