#pragma once

#include <optional>

#include "steel/beam_check/check_inputs.h"
#include "steel/beam_check/check_text.h"
#include "steel/classification.h"

namespace trabeo {

// The moment capacity of an I-section, joist or channel held fully restrained, by its class:
// Sxx py limited by the 1.2 / gamma rule, Zxx py, or Zxx times the slender section's reduced py.
double RestrainedISectionCapacity(const SectionValues& section, SectionClass sectionClass,
                                  float gamma);

// The part of an I-section, joist or channel without an effective length: writes its lines and
// sets PartMb, PartMc and PartShearLimit.
void CheckRestrainedISection(const SteelCheckInputs& in, const CheckedPart& part,
                             SectionClass sectionClass, SteelCheckState& check,
                             CheckTextWriter& out);

// "  Check local web buckling" when the web's d/t is above 63.
void WriteWebBucklingNote(double webDepth, double webThickness, CheckTextWriter& out);

}  // namespace trabeo
