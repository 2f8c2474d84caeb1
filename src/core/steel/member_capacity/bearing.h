#pragma once

#include "steel/member_capacity/member_context.h"

namespace trabeo {

// End bearing and web buckling of an I-section, joist, channel ("Beam", "RSJ", "RSC") or box
// ("Box", two webs) over a stiff bearing of length Edit_b1, with the dispersion lengths of
// lbl_n1 and lbl_n2: the bearing detail list and summary, BearingCapacity (kN) and the buckling
// capacity. Computes nothing (false) unless n1, n2, D, t and d are all non-zero, or for another
// type.
bool RunBearingCalculation(MemberContext& c);

// The dispersion lengths shown when a section is picked: n1 = D / 2; n2 = 1.25 (D - d) for
// "Beam", "RSJ" and "RSC", 2.5 t for "Box"; empty for the types without a bearing check.
std::string DispersionLengthN1(const MemberSection& sec);
std::string DispersionLengthN2(const MemberSection& sec, SectionKind type);

}  // namespace trabeo
