#pragma once

#include <string>
#include <string_view>

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {

// The member capacity window works in fixed units whatever the preferences: lengths in m,
// dimensions in mm, forces in kN, moments in kN-m, stresses in N/mm^2, section properties in
// cm, the warping constant in dm^6 and the weight in kg/m; only the modulus labels come from the
// preferences. Values convert in double precision, dividing by the exact powers of ten, so that
// a value shows as typed or computed: through the preferences' single-precision factor 1e-6 a
// moment of 302.5 kN-m would show as 302.

// Values from internal units (N, mm), formatted with SigFig3 unless another formatter is given.
std::string KiloNewtons(double newtons);
std::string KiloNewtonMetres(double newtonMillimetres);
std::string Metres(double millimetres);
std::string Millimetres(double millimetres);
std::string Stress(double newtonsPerMm2);
std::string SquareCm(double mm2, Formatter format = SigFig3);
std::string CubicCm(double mm3, Formatter format = SigFig3);
std::string QuarticCm(double mm4, Formatter format = SigFig3);
std::string SixthPowerDm(double mm6, Formatter format);
// The weight of a steel section of the given area, at 7850 kg/m3.
std::string KilogramsPerMetre(double areaMm2, Formatter format);

// A typed number read as the window reads its boxes: the leading number, or 0.
double BoxNumber(std::string_view text);

}  // namespace trabeo
