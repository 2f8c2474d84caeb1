#pragma once

#include <optional>
#include <string_view>

#include "platform/dialogs.h"

namespace trabeo {

inline constexpr std::string_view kNTooLowMessage = "value of n entered is too low";
inline constexpr std::string_view kNTooHighMessage = "value of n entered is too high";
inline constexpr double kLeastN = 0.56;

// Asks for the slenderness correction factor n until the answer lies from 0.56 to 1, saying
// why an answer outside was refused. nullopt when the answer is empty or the question cancelled.
std::optional<float> AskForNInRange(Dialogs& dialogs, std::string_view caption,
                                    std::string_view prompt, std::string_view defaultText);

}  // namespace trabeo
