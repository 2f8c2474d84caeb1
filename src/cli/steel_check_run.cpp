#include "cli/steel_check_run.h"

#include "steel/beam_check/steel_check_hook.h"

namespace trabeo::cli {

SteelCheckRun::SteelCheckRun(BeamProject& project, const UnitSettings& units,
                             std::vector<std::string> answers)
    : project_(project), units_(units), dialogs_(std::move(answers)) {}

AnalysisHooks SteelCheckRun::Hooks() {
  AnalysisHooks hooks;
  auto check = MakeSteelCheckHook(project_, units_, dialogs_, *check_);
  hooks.steelCheck = [this, check](const BeamModel& model, AnalysisState& state,
                                   std::vector<std::string>& messages) {
    const std::size_t shown = dialogs_.messages().size();
    check(model, state, messages);
    const auto& all = dialogs_.messages();
    messages.insert(messages.end(), all.begin() + static_cast<std::ptrdiff_t>(shown), all.end());
  };
  return hooks;
}

}  // namespace trabeo::cli
