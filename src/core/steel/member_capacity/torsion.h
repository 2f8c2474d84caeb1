#pragma once

#include "steel/member_capacity/member_context.h"

namespace trabeo {

// The torsion calculation of a member fixed at one end and free at the other: asks for the
// length and the torque and shows the torsional stress and the angle of rotation (shear
// modulus 80000 N/mm2) in one message. False when a question was cancelled or the section has
// no torsion constant.
bool RunTorsionCalculation(MemberContext& c);

// Torsion runs from the axial load box when it holds exactly "T" or "t".
bool AxialBoxAsksForTorsion(const MemberFormTexts& texts);

}  // namespace trabeo
