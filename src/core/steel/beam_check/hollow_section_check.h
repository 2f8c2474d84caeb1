#pragma once

#include <string_view>

#include "steel/beam_check/check_inputs.h"
#include "steel/beam_check/check_text.h"
#include "steel/classification.h"

namespace trabeo {

inline constexpr std::string_view kBoxTooDeepMessage =
    "Section D/B is greater than 1/4\ncannot evaluate max effective length";

// A rectangular hollow section ("Box"): its moment capacity by class, then the effective length
// within which lateral-torsional buckling needs no check; beyond it the warning block is filled.
// The effective lengths of the cantilevers and the span become their actual lengths first. Sets
// PartMb, PartMc and PartShearLimit; false when the n question was left empty or cancelled.
bool CheckBox(const SteelCheckInputs& in, const CheckedPart& part, SectionClass sectionClass,
              SteelCheckState& check, CheckTextWriter& out);

// A circular hollow section ("Tube"), which does not buckle laterally: its moment capacity by
// class. Sets PartMb, PartMc and PartShearLimit; false when the n question was left empty or
// cancelled.
bool CheckTube(const SteelCheckInputs& in, const CheckedPart& part, SectionClass sectionClass,
               SteelCheckState& check, CheckTextWriter& out);

}  // namespace trabeo
