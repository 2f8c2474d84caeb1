#pragma once

#include "steel/beam_check/check_inputs.h"
#include "steel/beam_check/check_text.h"
#include "steel/classification.h"

namespace trabeo {

// The part of an I-section, joist or channel with an effective length: lateral-torsional
// buckling with lambdaLT = n u v lambda, written in the line order of its class. Sets PartMb (the
// buckling resistance moment), PartMc (the capacity fully restrained, which the moment may not
// exceed either) and PartShearLimit. Returns false when the n question was left empty or
// cancelled; the part is then abandoned after its heading.
bool CheckLateralTorsionalBuckling(const SteelCheckInputs& in, const CheckedPart& part,
                                   SectionClass sectionClass, SteelCheckState& check,
                                   CheckTextWriter& out);

}  // namespace trabeo
