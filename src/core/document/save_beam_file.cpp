#include "document/save_beam_file.h"

#include <algorithm>
#include <cctype>

#include "document/beam_file_layout.h"
#include "fileio/file_bytes.h"

namespace trabeo {
namespace {

// The dialog normally adds it; a name typed without an extension gets it here all the same.
std::filesystem::path WithBeamFileExtension(std::filesystem::path path) {
  if (!path.has_extension()) path += "." + std::string(kBeamFileExtension);
  return path;
}

SaveOutcome SaveAs(const BeamFileData& data, Dialogs& dialogs) {
  SaveOutcome outcome{false, data.header.CurrentFileName};
  const auto chosen = dialogs.SaveFileName(SaveBeamFileDialog());
  if (!chosen) return outcome;
  const std::filesystem::path path = WithBeamFileExtension(*chosen);
  if (!WriteBeamFile(path, data).empty()) {
    dialogs.Message(kFileSavingErrorMessage);
    return outcome;
  }
  data.header.CurrentFileName = path.string();
  return {true, data.header.CurrentFileName};
}

// The header's file name is also the member capacity window's last file: "Save" writes without
// asking only over a beam data file ("trb" in any letter case, as opening takes it).
bool IsBeamFileName(std::string_view name) {
  if (name.size() < 4) return false;
  const std::string_view end = name.substr(name.size() - 4);
  return std::equal(end.begin(), end.end(), ".trb", [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

}  // namespace

FileDialogOptions OpenBeamFileDialog() {
  FileDialogOptions options;
  options.filter = std::string(kOpenBeamFilter);
  options.defaultExtension = std::string(kBeamFileExtension);
  options.overwritePrompt = false;
  return options;
}

FileDialogOptions SaveBeamFileDialog() {
  FileDialogOptions options;
  options.filter = std::string(kSaveBeamFilter);
  options.defaultExtension = std::string(kBeamFileExtension);
  options.overwritePrompt = true;
  return options;
}

std::string WriteBeamFile(const std::filesystem::path& path, const BeamFileData& data) {
  return WriteFileAtomically(path, EncodeBeamFile(data));
}

SaveOutcome SaveBeam(SaveCommand command, const BeamFileData& data, Dialogs& dialogs) {
  const std::string& current = data.header.CurrentFileName;
  if (command == SaveCommand::Save && IsBeamFileName(current) &&
      WriteBeamFile(current, data).empty())
    return {true, current};
  return SaveAs(data, dialogs);
}

}  // namespace trabeo
