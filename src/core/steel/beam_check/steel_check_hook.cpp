#include "steel/beam_check/steel_check_hook.h"

#include "steel/beam_check/steel_beam_check.h"

namespace trabeo {

decltype(AnalysisHooks::steelCheck) MakeSteelCheckHook(BeamProject& project,
                                                       const UnitSettings& units, Dialogs& dialogs,
                                                       SteelCheckState& check) {
  return [&project, &units, &dialogs, &check](const BeamModel& model, AnalysisState& state,
                                              std::vector<std::string>&) {
    const SteelCheckInputs inputs{model, state.results, project.section, project.restraints,
                                  units, dialogs};
    RunSteelBeamCheck(inputs, check);
  };
}

}  // namespace trabeo
