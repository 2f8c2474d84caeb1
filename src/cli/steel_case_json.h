#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/answer_dialogs.h"
#include "model/beam_project.h"
#include "model/section_record.h"
#include "model/steel_beam_state.h"
#include "settings/unit_settings.h"
#include "steel/beam_check/ec3_beam_check.h"

namespace trabeo::cli {

// The steel check's part of a beam case (BS 5950 or EN 1993): the section record, the grade, the
// restraints as the span and cantilever forms leave them, the n rule and the answers to the
// BS 5950 check's questions, the National Annex of an EN 1993 check.
//   "Section": { "Designation": ..., "Type": "Beam", "Depth": ..., ... },
//   "SteelGrade": 43 (or "S275"), "NationalAnnex": "UK", "EffectiveLengths": [12],
//   "IntermediateRestraints": 0,
//   "RestraintStations": [10], "SpanRestraintFlags": [18], "LhCantRestraintFlags": [10],
//   "RhCantRestraintFlags": [10], "NFactorMode": 1, "Answers": ["0.9", ...]
struct SteelCase {
  std::optional<SectionRecord> section;
  SteelGrade steelGrade = SteelGrade::S275;
  SteelRestraints restraints;
  std::optional<int32_t> nFactorMode;  // the preference's when absent
  std::vector<std::string> answers;
  NationalAnnex annex = NationalAnnex::UK;  // of an EN 1993 check
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

// An EN 1993 check's results, in N, mm and N mm: Ec3Parts (one object per part checked, in
// listing order), Ec3Verdict ("PASS", "FAIL" or "NOT CHECKED"; deflection apart), ListColour.
void AddEc3CheckJson(nlohmann::json& out, const Ec3BeamCheck& check, const SteelCheckState& state);

}  // namespace trabeo::cli
