#include "settings/unit_settings.h"

#include <cmath>

namespace trabeo {
namespace {

struct UnitFields {
  std::string UnitSettings::*name;
  float UnitSettings::*factor;
  FactorKind kind;
};

// Indexed by UnitQuantity.
constexpr std::array<UnitFields, kUnitQuantityCount> kUnitFields{{
    {&UnitSettings::LengthUnitName, &UnitSettings::LengthFactor, FactorKind::Entry},
    {&UnitSettings::SectLengthUnitName, &UnitSettings::SectLengthFactor, FactorKind::Entry},
    {&UnitSettings::PointLoadUnitName, &UnitSettings::PointLoadFactor, FactorKind::Entry},
    {&UnitSettings::UdlUnitName, &UnitSettings::UdlFactor, FactorKind::Entry},
    {&UnitSettings::ShearUnitName, &UnitSettings::ShearFactor, FactorKind::Result},
    {&UnitSettings::MomentUnitName, &UnitSettings::MomentFactor, FactorKind::Result},
    {&UnitSettings::DeflectionUnitName, &UnitSettings::DeflectionFactor, FactorKind::Result},
    {&UnitSettings::StressUnitName, &UnitSettings::StressFactor, FactorKind::Result},
    {&UnitSettings::EUnitName, &UnitSettings::EFactor, FactorKind::Entry},
    {&UnitSettings::InertiaUnitName, &UnitSettings::InertiaFactor, FactorKind::Entry},
    {&UnitSettings::ModulusUnitName, &UnitSettings::ModulusFactor, FactorKind::Entry},
    {&UnitSettings::AreaUnitName, &UnitSettings::AreaFactor, FactorKind::Entry},
    {&UnitSettings::WeightUnitName, &UnitSettings::WeightFactor, FactorKind::Result},
    {&UnitSettings::WarpingUnitName, &UnitSettings::WarpingFactor, FactorKind::Result},
}};

const UnitFields& FieldsOf(UnitQuantity quantity) {
  return kUnitFields[static_cast<std::size_t>(quantity)];
}

constexpr std::array<int32_t UnitSettings::*, kCodeSwitchCount> kCodeSwitchFields{
    &UnitSettings::EnableTimber5268, &UnitSettings::EnableSteel5950,
    &UnitSettings::EnableSteel449,   &UnitSettings::EnableSteelAISC,
    &UnitSettings::EnableSteelLRFD,  &UnitSettings::EnableSteelEN1993};

}  // namespace

FactorKind KindOf(UnitQuantity quantity) {
  return FieldsOf(quantity).kind;
}

std::string& UnitNameOf(UnitSettings& settings, UnitQuantity quantity) {
  return settings.*FieldsOf(quantity).name;
}

const std::string& UnitNameOf(const UnitSettings& settings, UnitQuantity quantity) {
  return settings.*FieldsOf(quantity).name;
}

float& UnitFactorOf(UnitSettings& settings, UnitQuantity quantity) {
  return settings.*FieldsOf(quantity).factor;
}

float UnitFactorOf(const UnitSettings& settings, UnitQuantity quantity) {
  return settings.*FieldsOf(quantity).factor;
}

int32_t& CodeSwitchOf(UnitSettings& settings, CodeSwitch code) {
  return settings.*kCodeSwitchFields[static_cast<std::size_t>(code)];
}

int32_t CodeSwitchOf(const UnitSettings& settings, CodeSwitch code) {
  return settings.*kCodeSwitchFields[static_cast<std::size_t>(code)];
}

void SetModulusConvention(UnitSettings& settings, ModulusConvention convention) {
  const bool sPlastic = convention == ModulusConvention::SxxPlastic;
  settings.PlasticXLabel = sPlastic ? "Sxx" : "Zxx";
  settings.PlasticYLabel = sPlastic ? "Syy" : "Zyy";
  settings.ElasticXLabel = sPlastic ? "Zxx" : "Sxx";
  settings.ElasticYLabel = sPlastic ? "Zyy" : "Syy";
}

bool UsesModulusConvention(const UnitSettings& settings, ModulusConvention convention) {
  return settings.PlasticXLabel == (convention == ModulusConvention::SxxPlastic ? "Sxx" : "Zxx");
}

void ApplyStartupDefaults(UnitSettings& settings) {
  const UnitSettings defaults;
  for (UnitQuantity quantity : kAllUnitQuantities) {
    UnitNameOf(settings, quantity) = UnitNameOf(defaults, quantity);
    UnitFactorOf(settings, quantity) = UnitFactorOf(defaults, quantity);
  }
  SetModulusConvention(settings, ModulusConvention::SxxPlastic);
  settings.MomentPlotSign = defaults.MomentPlotSign;
  settings.NFactorMode = defaults.NFactorMode;
  // EN 1993's switch is not the units file's: it keeps the value the program gave it.
  for (int32_t UnitSettings::*field : kCodeSwitchFields) {
    if (field != &UnitSettings::EnableSteelEN1993) settings.*field = kSettingOff;
  }
}

bool IsUsableFactor(float factor) {
  return std::isfinite(factor) && factor > 0.0f;
}

}  // namespace trabeo
