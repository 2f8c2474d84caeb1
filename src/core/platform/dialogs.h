#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trabeo {

struct FileDialogOptions {
  std::string title;
  std::string filter;            // e.g. "Trabeo files (*.trb)"
  std::string defaultExtension;  // without the dot, e.g. "trb"
  std::string initialFolder;
  std::string initialName;
  bool overwritePrompt = true;  // save dialogs only
};

// The answers to "Save changes to ...?".
enum class SaveChoice { Save, Discard, Cancel };

// The questions and messages that routines put to the user. Messages use '\n' for a line break.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Modal message with an OK button.
  virtual void Message(std::string_view text) = 0;
  // Yes/No question; true for Yes.
  virtual bool AskYesNo(std::string_view text) = 0;
  // One-line input box; nullopt when the user cancelled.
  virtual std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                              std::string_view defaultText) = 0;
  // File dialogs; nullopt when the user cancelled. The result is a full path.
  virtual std::optional<std::string> OpenFileName(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> SaveFileName(const FileDialogOptions& options) = 0;
  // Before work would be lost: Save, Discard or Cancel. Only the desktop program asks it; a front
  // end that never asks keeps the work (Cancel).
  virtual SaveChoice AskSaveChanges(std::string_view) { return SaveChoice::Cancel; }
};

}  // namespace trabeo
