#include "steel/member_capacity/member_format.h"

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {

const UnitSettings& MemberUnits() {
  static const UnitSettings kUnits{};
  return kUnits;
}

std::string KiloNewtons(double newtons) {
  return ShowValue(MemberUnits(), UnitQuantity::PointLoad, newtons, SigFig3);
}

std::string KiloNewtonMetres(double newtonMillimetres) {
  return ShowValue(MemberUnits(), UnitQuantity::Moment, newtonMillimetres, SigFig3);
}

std::string Metres(double millimetres) {
  return ShowValue(MemberUnits(), UnitQuantity::Length, millimetres, SigFig3);
}

std::string Millimetres(double millimetres) {
  return ShowValue(MemberUnits(), UnitQuantity::SectLength, millimetres, SigFig3);
}

std::string Stress(double newtonsPerMm2) {
  return ShowValue(MemberUnits(), UnitQuantity::Stress, newtonsPerMm2, SigFig3);
}

std::string SquareCm(double mm2) {
  return ShowValue(MemberUnits(), UnitQuantity::Area, mm2, SigFig3);
}

std::string CubicCm(double mm3) {
  return ShowValue(MemberUnits(), UnitQuantity::Modulus, mm3, SigFig3);
}

std::string QuarticCm(double mm4) {
  return ShowValue(MemberUnits(), UnitQuantity::Inertia, mm4, SigFig3);
}

double BoxNumber(std::string_view text) {
  return TextToNumber(text);
}

}  // namespace trabeo
