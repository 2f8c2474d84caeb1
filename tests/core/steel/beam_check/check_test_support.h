#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/engine/beam_builder.h"
#include "model/beam_project.h"
#include "results/results_listing.h"
#include "steel/beam_check/steel_check_hook.h"
#include "support/scripted_dialogs.h"

namespace trabeo::testing {

// 203 x 133 UB 25 in S275 as the Blue Book lists it: D 203.2, B 133.2, t 5.7, T 7.8, d 172.4,
// A 3196.8 mm2, Ixx 2340.2 cm4, Sxx 258 cm3, ry 31.021 mm, u 0.877, x 25.605; b/T = 8.54 makes it
// compact.
inline SectionValues UniversalBeam203x133x25() {
  SectionValues s;
  s.SectionDescription = "203 x 133 UB 25";
  s.SectionKind = SectionKind::Beam;
  s.SectionClass = SectionClass::Compact;
  s.SectionDepth = 203.2f;
  s.SectionWidth = 133.2f;
  s.SectionWebThk = 5.7f;
  s.SectionFlgThk = 7.8f;
  s.SectionRootRad = 7.6f;
  s.SectionWebDepth = 172.4f;
  s.SectionOutstand = 66.6f;
  s.SectionArea = 3196.8f;
  s.SectionSxx = 258000;
  s.SectionZxx = 23402000.0f / 101.6f;
  s.SectionRy = 31.021f;
  s.SectionU = 0.877f;
  s.SectionX = 25.605f;
  s.SteelGrade = AppliedGrade(SteelGrade::S275);
  s.DesignStrength = 275;
  return s;
}

// A beam with a steel section, analysed with the BS 5950 check as the analysis's hook and then
// listed. Set the restraints and script the dialogs before Run().
struct SteelChecked {
  std::unique_ptr<BeamProject> project = std::make_unique<BeamProject>();
  std::unique_ptr<AnalysisState> state = std::make_unique<AnalysisState>();
  std::unique_ptr<SteelCheckState> check = std::make_unique<SteelCheckState>();
  std::unique_ptr<ListingStores> stores = std::make_unique<ListingStores>();
  ScriptedDialogs dialogs;
  UnitSettings units;
  ResultsListing listing;

  SteelChecked(const BeamModel& model, const SectionValues& section) {
    project->model = model;
    project->model.DesignCode = DesignCode::BS5950;
    project->section = section;
  }

  SteelChecked& Run() {
    AnalysisHooks hooks;
    hooks.steelCheck = MakeSteelCheckHook(*project, units, dialogs, *check);
    RunAnalysis(project->model, *state, hooks);
    CodeCheckListing codeCheck;
    codeCheck.steel.check = check.get();
    listing = WriteResultsListing(*project, state->results, units, codeCheck, *stores);
    return *this;
  }

  SteelRestraints& restraints() { return project->restraints; }
  const std::string& Text(int block, int line) const {
    return check->CheckText[static_cast<std::size_t>(block)][line];
  }
  bool TextHas(int block, std::string_view text) const {
    for (int line = 1; line < kCheckTextLines; ++line) {
      if (check->CheckText[static_cast<std::size_t>(block)][line] == text) return true;
    }
    return false;
  }
  bool Listed(std::string_view text) const {
    for (const std::string& line : listing.lines) {
      if (line == text) return true;
    }
    return false;
  }
};

}  // namespace trabeo::testing
