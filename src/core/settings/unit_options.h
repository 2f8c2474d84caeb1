#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "settings/unit_settings.h"

namespace trabeo {

// The choices the preferences form offers, as data: the form builds its tabs, groups and option
// buttons from these tables and maps a checked option to settings and back through them.

enum class PreferencesTab { InputUnits, OutputUnits, SectionUnits, MomentDiagram, DefaultN, Codes };

// In the order the tabs stand on the form.
inline constexpr std::array<PreferencesTab, 6> kPreferencesTabs{
    PreferencesTab::InputUnits,    PreferencesTab::OutputUnits, PreferencesTab::SectionUnits,
    PreferencesTab::MomentDiagram, PreferencesTab::DefaultN,    PreferencesTab::Codes};

std::string_view TabCaption(PreferencesTab tab);

// One unit a quantity can be shown in.
struct UnitOption {
  std::string_view caption;  // text of the option button
  std::string_view unitName;
  float factor;
  std::string_view note;  // shown under the option; empty for none
};

// One group of unit options on the form.
struct UnitGroup {
  UnitQuantity quantity;
  PreferencesTab tab;
  std::string_view caption;
};

// The thirteen unit groups in order, tab by tab. The warping constant has no group: its unit is
// fixed.
std::span<const UnitGroup> UnitGroups();

// The options of a quantity in form order; the warping constant has its single fixed unit.
std::span<const UnitOption> UnitOptionsOf(UnitQuantity quantity);

// The option whose unit name equals unitName exactly; nullopt when none does (a unit from a
// foreign file), in which case the group shows no option for it.
std::optional<int> FindUnitOption(UnitQuantity quantity, std::string_view unitName);

// Sets the quantity's name and factor from option `index`; false (and nothing changed) when
// there is no such option.
bool ApplyUnitOption(UnitSettings& settings, UnitQuantity quantity, int index);

// An option button that stands for one value of an integer setting.
struct ValueOption {
  std::string_view caption;
  int32_t value;
};

inline constexpr std::string_view kMomentPlotGroupCaption = "Bending Moment Diagam";
std::span<const ValueOption> MomentPlotOptions();

std::span<const ValueOption> NFactorOptions();
// The explanatory lines of the tab of the default n, in order.
std::span<const std::string_view> NFactorNotes();

struct ModulusConventionOption {
  std::string_view caption;
  ModulusConvention convention;
};

inline constexpr std::string_view kModulusGroupCaption = "S / Z Unit Terminology";
std::span<const ModulusConventionOption> ModulusConventionOptions();

// The index of the option whose value equals value; nullopt when none does.
std::optional<int> FindValueOption(std::span<const ValueOption> options, int32_t value);

struct CodeSwitchOption {
  CodeSwitch code;
  std::string_view groupCaption;  // "Timber" or "Steel"
  std::string_view caption;
  bool shown;  // BS 449, AISC and LRFD have boxes that are never shown
};

inline constexpr std::string_view kCodesHeading = "Enable options  for code checking";
std::span<const CodeSwitchOption> CodeSwitchOptions();

}  // namespace trabeo
