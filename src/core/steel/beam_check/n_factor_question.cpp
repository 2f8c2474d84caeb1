#include "steel/beam_check/n_factor_question.h"

#include <string>

#include "settings/unit_conversion.h"

namespace trabeo {

std::optional<float> AskForNInRange(Dialogs& dialogs, std::string_view caption,
                                    std::string_view prompt, std::string_view defaultText) {
  for (;;) {
    const std::optional<std::string> answer = dialogs.InputBox(caption, prompt, defaultText);
    if (!answer || answer->empty()) return std::nullopt;
    const double n = TextToNumber(*answer);
    if (n < kLeastN) {
      dialogs.Message(kNTooLowMessage);
    } else if (n > 1) {
      dialogs.Message(kNTooHighMessage);
    } else {
      return static_cast<float>(n);
    }
  }
}

}  // namespace trabeo
