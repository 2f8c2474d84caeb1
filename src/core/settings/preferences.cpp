#include "settings/preferences.h"

#include "model/design_code.h"

namespace trabeo {
namespace {

std::optional<int32_t> MatchingValue(std::span<const ValueOption> options, int32_t value) {
  if (!FindValueOption(options, value)) return std::nullopt;
  return value;
}

}  // namespace

PreferenceChoices ChoicesShowing(const UnitSettings& settings) {
  PreferenceChoices choices;
  for (const UnitGroup& group : UnitGroups()) {
    choices.unitOption(group.quantity) =
        FindUnitOption(group.quantity, UnitNameOf(settings, group.quantity));
  }
  for (const ModulusConventionOption& option : ModulusConventionOptions()) {
    if (UsesModulusConvention(settings, option.convention))
      choices.modulusConvention = option.convention;
  }
  choices.momentPlotSign = MatchingValue(MomentPlotOptions(), settings.MomentPlotSign);
  choices.nFactorMode = MatchingValue(NFactorOptions(), settings.NFactorMode);
  for (const CodeSwitchOption& option : CodeSwitchOptions()) {
    choices.code(option.code) = CodeSwitchOf(settings, option.code) == kSettingOn;
  }
  choices.factoredLoadsChecked = settings.FactoredLoads == kSettingOn;
  return choices;
}

void ApplyChoices(const PreferenceChoices& choices, UnitSettings& settings) {
  for (const UnitGroup& group : UnitGroups()) {
    if (const auto& index = choices.unitOption(group.quantity))
      ApplyUnitOption(settings, group.quantity, *index);
  }
  if (choices.modulusConvention) SetModulusConvention(settings, *choices.modulusConvention);
  if (choices.momentPlotSign) settings.MomentPlotSign = *choices.momentPlotSign;
  if (choices.nFactorMode) settings.NFactorMode = *choices.nFactorMode;
  for (const CodeSwitchOption& option : CodeSwitchOptions()) {
    CodeSwitchOf(settings, option.code) = choices.code(option.code) ? kSettingOn : kSettingOff;
  }
  settings.FactoredLoads = choices.factoredLoadsChecked ? kSettingOn : kSettingOff;
  settings.DesignCode = DesignCode::None;
  ApplyUnitOption(settings, UnitQuantity::Warping, 0);
}

std::vector<std::string_view> ConfirmationProblems(const PreferenceChoices& choices) {
  std::vector<std::string_view> problems;
  if (choices.factoredLoadsChecked) return problems;
  if (choices.code(CodeSwitch::Steel5950)) problems.push_back(kBS5950NeedsFactoredLoads);
  if (choices.code(CodeSwitch::SteelLRFD)) problems.push_back(kLrfdNeedsFactoredLoads);
  if (choices.code(CodeSwitch::SteelEN1993)) problems.push_back(kEN1993NeedsFactoredLoads);
  return problems;
}

}  // namespace trabeo
