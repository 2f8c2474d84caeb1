#include "steel/member_capacity/torsion.h"

#include "settings/sig_fig.h"
#include "steel/member_capacity/compression.h"
#include "steel/member_capacity/member_format.h"

namespace trabeo {
namespace {

constexpr double kShearModulus = 80000;  // N/mm2
constexpr double kPi = 3.1415927;

}  // namespace

bool AxialBoxAsksForTorsion(const MemberFormTexts& texts) {
  return texts.Edit_Axial == "T" || texts.Edit_Axial == "t";
}

bool RunTorsionCalculation(MemberContext& c) {
  const MemberSection& sec = c.s.McSection;
  const std::optional<std::string> length = c.dialogs.InputBox("Torsion", "Input Length (m)", "");
  if (!length) return false;
  const std::optional<std::string> torque =
      c.dialogs.InputBox("Torsion", "Input Torsion (kN-m)", "");
  if (!torque) return false;
  if (!(sec.K > 0)) {
    c.dialogs.Message(kNoDataMessage);
    return false;
  }
  const double L = BoxNumber(*length) * 1000;
  const double T = BoxNumber(*torque) * 1e6;
  const double stress = T * sec.TorsionFibre / sec.K;
  const double rotation = T * L / (sec.K * kShearModulus) * 180 / kPi;
  c.dialogs.Message(
      "TORSION\nTorque = " + KiloNewtonMetres(T) + " kN-m\nLength = " + Metres(L) +
      " m\nFor Member fixed one end, other end free:\nTorsional stress = " + Stress(stress) +
      " N/mm^2\nAngle of rotation = " + SigFig3(rotation) + " deg\n");
  return true;
}

}  // namespace trabeo
