#include "settings/unit_options.h"

namespace trabeo {
namespace {

constexpr std::string_view kTonNote = "(2240 lbf)";

constexpr UnitOption kLengthOptions[] = {
    {"mm", "mm", 1.0f, ""},      {"cm", "cm", 10.0f, ""},    {"m", "m", 1000.0f, ""},
    {"Inches", "in", 25.4f, ""}, {"feet", "ft", 304.8f, ""},
};

constexpr UnitOption kPointLoadOptions[] = {
    {"N", "N", 1.0f, ""},           {"kN", "kN", 1000.0f, ""},
    {"lbf", "lbf", 4.4482217f, ""}, {"Imperial ton (tonf)", "ton", 9964.0f, kTonNote},
    {"Kips", "Kips", 4448.22f, ""},
};

constexpr UnitOption kUdlOptions[] = {
    {"N/mm", "N/mm", 1.0f, ""},
    {"kN/m", "kN/m", 1.0f, ""},
    {"lbf/in", "lbf/in", 0.175127f, ""},
    {"lbf/ft", "lbf/ft", 0.0145939f, ""},
    {"Imp ton/ft", "Ton/ft", 32.690342f, ""},
    {"Kips/ft", "Kip/ft", 14.593903f, ""},
};

// The ton is shown as the reciprocal of 9964.0196 N, while it is entered as 9964 N: the two are
// deliberately not exact reciprocals.
constexpr UnitOption kShearOptions[] = {
    {"N", "N", 1.0f, ""},
    {"kN", "kN", 0.001f, ""},
    {"lbf", "lbf", 0.224809f, ""},
    {"Imperial ton (tonf)", "ton", 0.0001003611f, kTonNote},
    {"Kips", "Kip", 0.000224809f, ""},
};

constexpr UnitOption kMomentOptions[] = {
    {"N-mm", "N-mm", 1.0f, ""},
    {"N-m", "N-m", 0.001f, ""},
    {"kN-m", "kN-m", 1e-6f, ""},
    {"lbf-in", "lbf-in", 0.00885075f, ""},
    {"lbf-ft", "lbf-ft", 0.000737562f, ""},
};

constexpr UnitOption kDeflectionOptions[] = {
    {"mm", "mm", 1.0f, ""},
    {"cm", "cm", 0.1f, ""},
    {"m", "m", 0.001f, ""},
    {"inches", "in", 0.03937008f, ""},
};

constexpr UnitOption kStressOptions[] = {
    {"N/mm^2", "N/mm^2", 1.0f, ""},
    {"lbf/in^2", "lbf/in^2", 145.03767f, ""},
};

constexpr UnitOption kModulusOptions[] = {
    {"mm^3", "mm^3", 1.0f, ""},
    {"cm^3", "cm^3", 1000.0f, ""},
    {"in^3", "in^3", 16387.064f, ""},
};

constexpr UnitOption kEOptions[] = {
    {"N/mm^2", "N/mm^2", 1.0f, ""},
    {"lbf/in^2", "lbf/in^2", 0.00689476f, ""},
};

constexpr UnitOption kInertiaOptions[] = {
    {"mm^4", "mm^4", 1.0f, ""},
    {"cm^4", "cm^4", 10000.0f, ""},
    {"inches^4", "in^4", 416231.44f, ""},
};

constexpr UnitOption kAreaOptions[] = {
    {"mm^2", "mm^2", 1.0f, ""},
    {"cm^2", "cm^2", 100.0f, ""},
    {"in^2", "in^2", 645.16f, ""},
};

constexpr UnitOption kSectLengthOptions[] = {
    {"mm", "mm", 1.0f, ""},
    {"cm", "cm", 10.0f, ""},
    {"inches", "in", 25.4f, ""},
};

// Weight per length of steel, per mm2 of section area.
constexpr UnitOption kWeightOptions[] = {
    {"kg / m", "kg/m", 0.00785f, ""},
    {"lb / ft", "lb/ft", 0.005275f, ""},
};

constexpr UnitOption kWarpingOptions[] = {
    {"", "dm^6", 1e-12f, ""},
};

constexpr UnitGroup kUnitGroups[] = {
    {UnitQuantity::Length, PreferencesTab::InputUnits, "Length"},
    {UnitQuantity::PointLoad, PreferencesTab::InputUnits, "Point Load"},
    {UnitQuantity::Udl, PreferencesTab::InputUnits, "UDL Load Rate"},
    {UnitQuantity::Shear, PreferencesTab::OutputUnits, "Shear"},
    {UnitQuantity::Moment, PreferencesTab::OutputUnits, "Moment"},
    {UnitQuantity::Deflection, PreferencesTab::OutputUnits, "Deflection"},
    {UnitQuantity::Stress, PreferencesTab::OutputUnits, "Stress"},
    {UnitQuantity::Modulus, PreferencesTab::SectionUnits, "S/ Z"},
    {UnitQuantity::E, PreferencesTab::SectionUnits, "E"},
    {UnitQuantity::Inertia, PreferencesTab::SectionUnits, "I"},
    {UnitQuantity::Area, PreferencesTab::SectionUnits, "Area"},
    {UnitQuantity::SectLength, PreferencesTab::SectionUnits, "Length"},
    {UnitQuantity::Weight, PreferencesTab::SectionUnits, "Weight"},
};

constexpr ValueOption kMomentPlotOptions[] = {
    {"Numerically Correct", kMomentPlotNumericallyCorrect},
    {"Inverted", kMomentPlotInverted},
};

constexpr ValueOption kNFactorOptions[] = {
    {"Take n = 1 and m = 1", kNFactorOne},
    {"Take n = 1 or n = 0.94 as detailed below", kNFactorByLoading},
    {"Request input of value for  n", kNFactorRequested},
};

constexpr std::string_view kNFactorNotes[] = {
    "Sets values for n and m for analysis",
    "FOR BS 5950 ONLY",
    "n = 0.94 for beam with zero no moments and any loading",
    "n = 1 for beam  with end moments and any loading",
    "(m calculated if approriate)",
};

constexpr ModulusConventionOption kModulusConventionOptions[] = {
    {"Sxx / Syy = Plastic Modulus", ModulusConvention::SxxPlastic},
    {"Zxx / Zyy = Plastic Modulus", ModulusConvention::ZxxPlastic},
};

constexpr CodeSwitchOption kCodeSwitchOptions[] = {
    {CodeSwitch::Timber5268, "Timber", "BS 5268", true},
    {CodeSwitch::Steel5950, "Steel", "BS 5950 ", true},
    {CodeSwitch::Steel449, "Steel", "BS 449 ", false},
    {CodeSwitch::SteelAISC, "Steel", "AISC 9th Edition", false},
    {CodeSwitch::SteelLRFD, "Steel", "LRFD", false},
    {CodeSwitch::SteelEN1993, "Steel", "EN 1993", true},
};

}  // namespace

std::string_view TabCaption(PreferencesTab tab) {
  switch (tab) {
    case PreferencesTab::InputUnits:
      return "Input Units";
    case PreferencesTab::OutputUnits:
      return "Output Units";
    case PreferencesTab::SectionUnits:
      return "Section  Units";
    case PreferencesTab::MomentDiagram:
      return "Moment Diagram";
    case PreferencesTab::DefaultN:
      return "Default n";
    case PreferencesTab::Codes:
      return "Codes";
  }
  return {};
}

std::span<const UnitGroup> UnitGroups() {
  return kUnitGroups;
}

std::span<const UnitOption> UnitOptionsOf(UnitQuantity quantity) {
  switch (quantity) {
    case UnitQuantity::Length:
      return kLengthOptions;
    case UnitQuantity::SectLength:
      return kSectLengthOptions;
    case UnitQuantity::PointLoad:
      return kPointLoadOptions;
    case UnitQuantity::Udl:
      return kUdlOptions;
    case UnitQuantity::Shear:
      return kShearOptions;
    case UnitQuantity::Moment:
      return kMomentOptions;
    case UnitQuantity::Deflection:
      return kDeflectionOptions;
    case UnitQuantity::Stress:
      return kStressOptions;
    case UnitQuantity::E:
      return kEOptions;
    case UnitQuantity::Inertia:
      return kInertiaOptions;
    case UnitQuantity::Modulus:
      return kModulusOptions;
    case UnitQuantity::Area:
      return kAreaOptions;
    case UnitQuantity::Weight:
      return kWeightOptions;
    case UnitQuantity::Warping:
      return kWarpingOptions;
  }
  return {};
}

std::optional<int> FindUnitOption(UnitQuantity quantity, std::string_view unitName) {
  const auto options = UnitOptionsOf(quantity);
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (options[i].unitName == unitName) return static_cast<int>(i);
  }
  return std::nullopt;
}

bool ApplyUnitOption(UnitSettings& settings, UnitQuantity quantity, int index) {
  const auto options = UnitOptionsOf(quantity);
  if (index < 0 || static_cast<std::size_t>(index) >= options.size()) return false;
  const UnitOption& option = options[static_cast<std::size_t>(index)];
  UnitNameOf(settings, quantity) = option.unitName;
  UnitFactorOf(settings, quantity) = option.factor;
  return true;
}

std::span<const ValueOption> MomentPlotOptions() {
  return kMomentPlotOptions;
}

std::span<const ValueOption> NFactorOptions() {
  return kNFactorOptions;
}

std::span<const std::string_view> NFactorNotes() {
  return kNFactorNotes;
}

std::span<const ModulusConventionOption> ModulusConventionOptions() {
  return kModulusConventionOptions;
}

std::optional<int> FindValueOption(std::span<const ValueOption> options, int32_t value) {
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (options[i].value == value) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::span<const CodeSwitchOption> CodeSwitchOptions() {
  return kCodeSwitchOptions;
}

}  // namespace trabeo
