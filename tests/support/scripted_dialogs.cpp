#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace trabeo::testing {

bool ScriptedDialogs::AskYesNo(std::string_view text) {
  questions.emplace_back(text);
  if (yesNoAnswers.empty()) {
    ADD_FAILURE() << "unscripted Yes/No question: " << text;
    return false;
  }
  const bool answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDialogs::InputBox(std::string_view caption,
                                                     std::string_view prompt,
                                                     std::string_view defaultText) {
  inputRequests.push_back({std::string(caption), std::string(prompt), std::string(defaultText)});
  if (inputAnswers.empty()) {
    ADD_FAILURE() << "unscripted input box: " << caption << " / " << prompt;
    return std::nullopt;
  }
  auto answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDialogs::OpenFileName(const FileDialogOptions& options) {
  fileRequests.push_back(options);
  if (openAnswers.empty()) {
    ADD_FAILURE() << "unscripted open-file dialog";
    return std::nullopt;
  }
  auto answer = openAnswers.front();
  openAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDialogs::SaveFileName(const FileDialogOptions& options) {
  fileRequests.push_back(options);
  if (saveAnswers.empty()) {
    ADD_FAILURE() << "unscripted save-file dialog";
    return std::nullopt;
  }
  auto answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

SaveChoice ScriptedDialogs::AskSaveChanges(std::string_view text) {
  questions.emplace_back(text);
  if (saveChangesAnswers.empty()) {
    ADD_FAILURE() << "unscripted save-changes question: " << text;
    return SaveChoice::Cancel;
  }
  const SaveChoice answer = saveChangesAnswers.front();
  saveChangesAnswers.pop_front();
  return answer;
}

}  // namespace trabeo::testing
