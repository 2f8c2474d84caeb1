#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "settings/unit_options.h"
#include "settings/unit_settings.h"

namespace trabeo {

// What the preferences form shows: which option of each group is checked. The form copies this
// to its controls on every showing and back from them on OK, so the rules of showing and
// applying live here and the form only moves values.
struct PreferenceChoices {
  // Index into UnitOptionsOf(quantity), by UnitQuantity; nullopt when no option is checked.
  std::array<std::optional<int>, kUnitQuantityCount> unitOptions{};
  std::optional<ModulusConvention> modulusConvention;
  std::optional<int32_t> momentPlotSign;  // the value of the checked option
  std::optional<int32_t> nFactorMode;
  std::array<bool, kCodeSwitchCount> codeChecked{};  // by CodeSwitch
  bool factoredLoadsChecked = false;

  std::optional<int>& unitOption(UnitQuantity quantity) {
    return unitOptions[static_cast<std::size_t>(quantity)];
  }
  const std::optional<int>& unitOption(UnitQuantity quantity) const {
    return unitOptions[static_cast<std::size_t>(quantity)];
  }
  bool& code(CodeSwitch which) { return codeChecked[static_cast<std::size_t>(which)]; }
  bool code(CodeSwitch which) const { return codeChecked[static_cast<std::size_t>(which)]; }
};

// The choices that show the settings. A unit group, the moment group or the n group whose stored
// value matches no option gets nullopt; the form then checks none of its options, so that OK
// keeps the stored value. A code box and "Enable factored loads" are checked exactly when their
// setting is 1, so the form never shows a code as enabled that is not (after Cancel or Reset).
PreferenceChoices ChoicesShowing(const UnitSettings& settings);

// OK: every group with a checked option sets its unit, then the modulus labels, moment sign and
// n rule; each code switch becomes 1 when its box is checked and -1 otherwise; FactoredLoads 1 or
// -1; DesignCode 0 and the fixed warping unit. Groups without a checked option keep their value.
// The caller also resets the beam's chosen design code and, with "Save as default", writes the
// units file.
void ApplyChoices(const PreferenceChoices& choices, UnitSettings& settings);

// Why the choices cannot be confirmed, in the order the messages are shown; empty when OK may be
// enabled. Factored loading is required by the limit-state codes.
std::vector<std::string_view> ConfirmationProblems(const PreferenceChoices& choices);

inline constexpr std::string_view kBS5950NeedsFactoredLoads =
    " Factored loading must be enabled to check to BS 5950";
inline constexpr std::string_view kLrfdNeedsFactoredLoads =
    " Factored loading must be enabled to check to LRFD";
inline constexpr std::string_view kEN1993NeedsFactoredLoads =
    " Factored loading must be enabled to check to EN 1993";

// Fixed texts of the form.
inline constexpr std::string_view kFactoredLoadsCaption = "Enable factored loads";
inline constexpr std::array<std::string_view, 2> kFactoredLoadsNotes{
    "Sets the Load Data form to show or hide the edit boxes for load factors.",
    "Sets the default selfweight factor to 1.4  if applied and 1.0 if not applied"};
inline constexpr std::string_view kOkCaption = "OK";
inline constexpr std::string_view kCancelCaption = "Cancel";
inline constexpr std::string_view kResetCaption = "Reset to default values";
inline constexpr std::string_view kSaveAsDefaultCaption = "Save as default";
inline constexpr std::string_view kSaveAsDefaultHint =
    "If unchecked settings will revert back after clicking 'New'";

}  // namespace trabeo
