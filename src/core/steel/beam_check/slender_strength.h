#pragma once

#include "model/section_values.h"
#include "steel/beam_check/check_text.h"

namespace trabeo {

// The reduced design strength of a slender I-section, joist or channel: the flange outstand b/T
// beyond 15 epsilon and the web d/t beyond 120 epsilon each reduce py; the lesser governs.
struct SlenderStrength {
  double epsilon = 0;
  double pyr = 0;
  bool flangeSlender = false;
  bool webSlender = false;
};

SlenderStrength SlenderISectionStrength(const SectionValues& section, double py);

// "  Flange is slender" and "  Web is slender" where they apply.
void WriteSlenderElements(const SlenderStrength& strength, CheckTextWriter& out);

// a / b for a section ratio; a zero divisor gives an unbounded ratio (or 0 for 0 / 0), so that a
// missing dimension reads as slender rather than dividing by zero.
double SectionRatio(double a, double b);

}  // namespace trabeo
