#include "cli/answer_dialogs.h"

namespace trabeo::cli {

std::optional<std::string> AnswerDialogs::NextAnswer() {
  if (next_ >= answers_.size()) return std::nullopt;
  return answers_[next_++];
}

bool AnswerDialogs::AskYesNo(std::string_view text) {
  const std::optional<std::string> answer = NextAnswer();
  puts_.push_back({"", std::string(text), "", answer});
  return answer && *answer == "Yes";
}

std::optional<std::string> AnswerDialogs::InputBox(std::string_view caption,
                                                   std::string_view prompt,
                                                   std::string_view defaultText) {
  std::optional<std::string> answer = NextAnswer();
  puts_.push_back({std::string(caption), std::string(prompt), std::string(defaultText), answer});
  return answer;
}

nlohmann::json AnswerDialogs::PutsJson() const {
  nlohmann::json list = nlohmann::json::array();
  for (const Put& put : puts_) {
    list.push_back({{"Caption", put.caption},
                    {"Prompt", put.prompt},
                    {"Default", put.defaultText},
                    {"Answer", put.answer ? nlohmann::json(*put.answer) : nlohmann::json()}});
  }
  return list;
}

std::optional<std::vector<std::string>> ReadAnswers(const nlohmann::json& json,
                                                    std::string& problem) {
  std::vector<std::string> answers;
  if (!json.contains("Answers")) return answers;
  const nlohmann::json& list = json.at("Answers");
  if (!list.is_array()) {
    problem = "Answers must be a list of texts";
    return std::nullopt;
  }
  for (const nlohmann::json& answer : list) {
    if (!answer.is_string()) {
      problem = "Answers must be a list of texts";
      return std::nullopt;
    }
    answers.push_back(answer.get<std::string>());
  }
  return answers;
}

}  // namespace trabeo::cli
