#pragma once

#include <string_view>

#include "steel/beam_check/check_inputs.h"

namespace trabeo {

inline constexpr std::string_view kNoSectionDataMessage = "No Data";

// The BS 5950 check of an analysed steel beam, part by part (LH cantilever, the span or its
// segments between intermediate restraints, RH cantilever): the moment capacity or buckling
// resistance moment and the low-shear limit of each part with its lines of check text, then the
// verdict (ComplianceState). Every run starts afresh (InputError cleared, the check text, the
// warning block and the part results emptied); only n, m and the angles' lengths carry over as
// the defaults of the next run's questions. A cancelled or refused question leaves the remaining
// parts unchecked, and the verdict then never reads as compliance.
void RunSteelBeamCheck(const SteelCheckInputs& in, SteelCheckState& check);

// The check text's header block: the section, its class and design strength, moduli, ryy and E.
// The beam data file does not keep it; an opened beam's is written again from its section.
void WriteCheckHeaderBlock(const SectionValues& section, const UnitSettings& units, double E,
                           SteelCheckState& check);

}  // namespace trabeo
