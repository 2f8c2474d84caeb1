#include "steel/member_capacity/member_format.h"

namespace trabeo {
namespace {

constexpr double kNewtonsPerKiloNewton = 1e3;
constexpr double kNmmPerKnm = 1e6;
constexpr double kMillimetresPerMetre = 1e3;
constexpr double kMm2PerCm2 = 1e2;
constexpr double kMm3PerCm3 = 1e3;
constexpr double kMm4PerCm4 = 1e4;
constexpr double kMm6PerDm6 = 1e12;
constexpr double kMm2PerM2 = 1e6;
constexpr double kSteelDensity = 7850;  // kg/m3

}  // namespace

std::string KiloNewtons(double newtons) {
  return SigFig3(newtons / kNewtonsPerKiloNewton);
}

std::string KiloNewtonMetres(double newtonMillimetres) {
  return SigFig3(newtonMillimetres / kNmmPerKnm);
}

std::string Metres(double millimetres) {
  return SigFig3(millimetres / kMillimetresPerMetre);
}

std::string Millimetres(double millimetres) {
  return SigFig3(millimetres);
}

std::string Stress(double newtonsPerMm2) {
  return SigFig3(newtonsPerMm2);
}

std::string SquareCm(double mm2, Formatter format) {
  return format(mm2 / kMm2PerCm2);
}

std::string CubicCm(double mm3, Formatter format) {
  return format(mm3 / kMm3PerCm3);
}

std::string QuarticCm(double mm4, Formatter format) {
  return format(mm4 / kMm4PerCm4);
}

std::string SixthPowerDm(double mm6, Formatter format) {
  return format(mm6 / kMm6PerDm6);
}

std::string KilogramsPerMetre(double areaMm2, Formatter format) {
  return format(areaMm2 * kSteelDensity / kMm2PerM2);
}

double BoxNumber(std::string_view text) {
  return TextToNumber(text);
}

}  // namespace trabeo
