#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/dialogs.h"

namespace trabeo::cli {

// The dialogs of a batch run: questions are answered from the case's "Answers" list, in the
// order they are put, and every question and message is recorded for the output. An answer that
// is used up cancels an input box and answers a Yes/No question with No.
class AnswerDialogs : public Dialogs {
 public:
  explicit AnswerDialogs(std::vector<std::string> answers) : answers_(std::move(answers)) {}

  void Message(std::string_view text) override { messages_.emplace_back(text); }
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view defaultText) override;
  // A batch run has no files to choose: file dialogs are cancelled.
  std::optional<std::string> OpenFileName(const FileDialogOptions&) override { return {}; }
  std::optional<std::string> SaveFileName(const FileDialogOptions&) override { return {}; }

  struct Put {
    std::string caption;  // empty for a Yes/No question
    std::string prompt;   // the question's text
    std::string defaultText;
    std::optional<std::string> answer;  // nullopt when cancelled (or used up)
  };
  const std::vector<Put>& puts() const { return puts_; }
  const std::vector<std::string>& messages() const { return messages_; }

  // [{"Caption", "Prompt", "Default", "Answer"}, ...], Answer null when cancelled.
  nlohmann::json PutsJson() const;

 private:
  std::optional<std::string> NextAnswer();

  std::vector<std::string> answers_;
  std::size_t next_ = 0;
  std::vector<Put> puts_;
  std::vector<std::string> messages_;
};

// The case's "Answers": absent gives none; anything but an array of texts is refused.
std::optional<std::vector<std::string>> ReadAnswers(const nlohmann::json& json,
                                                    std::string& problem);

}  // namespace trabeo::cli
