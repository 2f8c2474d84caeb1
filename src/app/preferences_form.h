#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "app/app_context.h"
#include "settings/preferences.h"

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

// The preferences: units of entry and display, modulus labels, the moment diagram's orientation,
// the n rule, the design codes offered and factored loads. The controls are built from the
// option tables of the core, so the captions live in one place.
//
// objectNames:
// - the tabs in `PageControl1`: `Tab_InputUnits`, `Tab_OutputUnits`, `Tab_SectionUnits`,
//   `Tab_MomentDiagram`, `Tab_DefaultN`, `Tab_Codes`;
// - a unit group `Group_<Quantity>` with options `Option_<Quantity>_<unit>`, where <Quantity> is
//   Length, PointLoad, Udl, Shear, Moment, Deflection, Stress, Modulus, E, Inertia, Area,
//   SectLength or Weight and <unit> is the unit name with "/" as "_per_", "-" as "_" and "^"
//   and blanks dropped (`Option_Length_m`, `Option_Udl_kN_per_m`, `Option_Moment_kN_m`,
//   `Option_Stress_N_per_mm2`); an option's note is `Label_<Quantity>_<unit>_Note`;
// - `Group_ModulusTerms` with `Option_SxxPlastic`, `Option_ZxxPlastic`;
// - `Group_MomentPlot` with `Option_MomentPlot_NumericallyCorrect`, `Option_MomentPlot_Inverted`;
// - `Group_NFactor` with `Option_NFactor_One`, `Option_NFactor_ByLoading`,
//   `Option_NFactor_Requested`; its notes `Label_NFactor_Note1` to `Label_NFactor_Note5`;
// - `Group_Timber`, `Group_Steel` with `Check_BS5268`, `Check_BS5950`, `Check_BS449`,
//   `Check_AISC`, `Check_LRFD` (the last three never shown); `Check_FactoredLoads`;
// - `Check_SetDefault`, `cmd_Reset`, `Button1` (Cancel), `cmd_OK`.
class TPreferencesFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TPreferencesFrm(AppContext& context);

  // The settings the program runs with, for the forms that show values in units.
  const trabeo::UnitSettings& settings() const { return context_.session.units(); }
  // The design code of the beam, which confirming the preferences resets.
  trabeo::DesignCode beamDesignCode() const { return context_.session.model().DesignCode; }

 Q_SIGNALS:
  // OK or "Reset to default values" changed the settings: pictures in units are redrawn.
  void settingsChanged();
  // "Save as default" wrote the units file: the program keeps what that file cannot hold.
  void savedAsDefault();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildUnitTab(trabeo::PreferencesTab tab);
  QWidget* BuildMomentTab();
  QWidget* BuildNFactorTab();
  QWidget* BuildCodesTab();
  void BuildButtons(QVBoxLayout* layout);

  // Sets every control from the current settings and enables OK when they may be confirmed.
  void ShowCurrentSettings();
  trabeo::PreferenceChoices ChoicesFromControls() const;
  // Enables OK when the choices can be confirmed; otherwise disables it and says why.
  void CheckConfirmation();

  void RecheckCodeSwitches();
  void ApplyChoices();
  void CancelClicked();
  void ResetToSavedDefaults();

  AppContext& context_;
  QTabWidget* pages_ = nullptr;
  // The option groups; a button's id is its index in the group's option table.
  std::array<QButtonGroup*, trabeo::kUnitQuantityCount> unitGroups_{};
  QButtonGroup* modulusGroup_ = nullptr;
  QButtonGroup* momentPlotGroup_ = nullptr;
  QButtonGroup* nFactorGroup_ = nullptr;
  std::array<QCheckBox*, trabeo::kCodeSwitchCount> codeBoxes_{};  // by CodeSwitch
  QCheckBox* factoredLoads_ = nullptr;
  QCheckBox* setDefault_ = nullptr;
  QPushButton* reset_ = nullptr;
  QPushButton* ok_ = nullptr;
  bool shownBefore_ = false;
};
