#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "document/beam_file_data.h"
#include "platform/dialogs.h"

namespace trabeo {

inline constexpr std::string_view kBeamFileExtension = "trb";
inline constexpr std::string_view kOpenBeamFilter = "Trabeo Pro Beam Data   (*.trb)";
inline constexpr std::string_view kSaveBeamFilter = "Trabeo Professional  (*.trb)";
inline constexpr std::string_view kFileSavingErrorMessage = "File Saving Error";

// The file dialogs of the open and save commands. The save dialog adds the extension to a name
// typed without one and asks before overwriting a file.
FileDialogOptions OpenBeamFileDialog();
FileDialogOptions SaveBeamFileDialog();

// Writes the beam to a temporary file beside `path` and puts it in the old file's place only
// once it is whole, so a failed save (disk full, folder read-only) leaves the old file as it
// was. Returns an error text, empty on success.
std::string WriteBeamFile(const std::filesystem::path& path, const BeamFileData& data);

enum class SaveCommand {
  Save,    // to CurrentFileName; with no name, or when that fails, Save As instead
  SaveAs,  // to a name the user chooses; a failure shows "File Saving Error"
};

struct SaveOutcome {
  bool saved = false;
  std::string fileName;  // CurrentFileName afterwards, which is the main window's caption
};

// The Save and Save As commands. CurrentFileName becomes the chosen name only once the beam is
// written there, so a name that could not be written is never saved to later without asking.
SaveOutcome SaveBeam(SaveCommand command, const BeamFileData& data, Dialogs& dialogs);

}  // namespace trabeo
