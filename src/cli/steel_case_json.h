#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "beam_input/beam_project.h"
#include "cli/answer_dialogs.h"
#include "sections/section_record.h"
#include "settings/unit_settings.h"
#include "steel/steel_beam_state.h"

namespace trabeo::cli {

// The BS 5950 check's part of a beam case: the section record, the grade, the restraints as the
// span and cantilever forms leave them, the n rule and the answers to the check's questions.
//   "Section": { "Designation": ..., "Type": "Beam", "Depth": ..., ... },
//   "SteelGrade": 43, "EffectiveLengths": [12], "IntermediateRestraints": 0,
//   "RestraintStations": [10], "SpanRestraintFlags": [18], "LhCantRestraintFlags": [10],
//   "RhCantRestraintFlags": [10], "NFactorMode": 1, "Answers": ["0.9", ...]
struct SteelCase {
  std::optional<SectionRecord> section;
  int32_t steelGrade = 43;
  SteelRestraints restraints;
  std::optional<int32_t> nFactorMode;  // the preference's when absent
  std::vector<std::string> answers;
};

// The case's steel fields; every one is optional. A message for anything unusable.
std::variant<SteelCase, std::string> ParseSteelCase(const nlohmann::json& caseRoot);

// Gives the project the case's section, as picking the record on the beam form does (E and Ixx
// of the span stay the case's), and its restraints; the case's n rule wins over the units. The
// messages of the pick are returned, to show first.
std::vector<std::string> ApplySteelCase(const SteelCase& steelCase, BeamProject& project,
                                        UnitSettings& units);

// The check's results under their own names, in internal units: ComplianceState, DesignStrength,
// SectionClassText, AvgLoadFactor, PartMb, PartMc, PartShearLimit, PartN, PartM, PartChecked,
// SegmentMaxShear, SegmentMaxMoment, EffectiveLengths, RsaLengths, CheckText (13 blocks of 102
// lines), CheckWarnings, ListColour and Dialogs.
void AddSteelCheckJson(nlohmann::json& out, const BeamProject& project,
                       const SteelCheckState& check, const AnswerDialogs& dialogs);

}  // namespace trabeo::cli
