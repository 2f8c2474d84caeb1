#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace trabeo::testing {

// Answers dialogs from a script and records every message and question. An unscripted question
// fails the running test and is answered No / cancelled.
class ScriptedDialogs : public Dialogs {
 public:
  void Message(std::string_view text) override { messages.emplace_back(text); }
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view defaultText) override;
  std::optional<std::string> OpenFileName(const FileDialogOptions& options) override;
  std::optional<std::string> SaveFileName(const FileDialogOptions& options) override;
  SaveChoice AskSaveChanges(std::string_view text) override;

  // Scripted answers, consumed in order.
  std::deque<bool> yesNoAnswers;
  std::deque<std::optional<std::string>> inputAnswers;
  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  std::deque<SaveChoice> saveChangesAnswers;

  // What was shown.
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  struct InputRequest {
    std::string caption, prompt, defaultText;
  };
  std::vector<InputRequest> inputRequests;
  std::vector<FileDialogOptions> fileRequests;
};

}  // namespace trabeo::testing
