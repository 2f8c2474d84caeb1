#pragma once

#include <memory>
#include <string>
#include <vector>

#include "beam_input/beam_project.h"
#include "cli/answer_dialogs.h"
#include "engine/analysis.h"
#include "settings/unit_settings.h"
#include "steel/steel_beam_state.h"

namespace trabeo::cli {

// One batch run of the BS 5950 check: its questions answered from the case's answers, its state,
// and the analysis hook that runs it. The check's messages join the analysis messages at the
// point where they arose.
class SteelCheckRun {
 public:
  SteelCheckRun(BeamProject& project, const UnitSettings& units, std::vector<std::string> answers);

  AnalysisHooks Hooks();
  const SteelCheckState& check() const { return *check_; }
  const AnswerDialogs& dialogs() const { return dialogs_; }

 private:
  BeamProject& project_;
  const UnitSettings& units_;
  AnswerDialogs dialogs_;
  std::unique_ptr<SteelCheckState> check_ = std::make_unique<SteelCheckState>();
};

}  // namespace trabeo::cli
