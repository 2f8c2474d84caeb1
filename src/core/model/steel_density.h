#pragma once

namespace trabeo {

// Structural steel's density in tonnes per cubic metre (7850 kg/m3): the self weight of a steel
// beam and the mass per metre the section calculators show both come from it.
inline constexpr double kSteelDensity = 7.85;

}  // namespace trabeo
