#pragma once

#include <string>
#include <string_view>

#include "settings/unit_settings.h"

namespace trabeo {

// The member capacity window works in fixed units whatever the preferences: lengths in m,
// dimensions in mm, forces in kN, moments in kN-m, stresses in N/mm^2 and section properties
// in cm. These are the program's default units; only the modulus labels come from the
// preferences.
const UnitSettings& MemberUnits();

// Values from internal units (N, mm), formatted with SigFig3 unless named otherwise.
std::string KiloNewtons(double newtons);
std::string KiloNewtonMetres(double newtonMillimetres);
std::string Metres(double millimetres);
std::string Millimetres(double millimetres);
std::string Stress(double newtonsPerMm2);
std::string SquareCm(double mm2);
std::string CubicCm(double mm3);
std::string QuarticCm(double mm4);

// A typed number read as the window reads its boxes: the leading number, or 0.
double BoxNumber(std::string_view text);

}  // namespace trabeo
