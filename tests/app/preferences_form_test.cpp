#include <QButtonGroup>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_test_support.h"
#include "app/preferences_form.h"
#include "model/beam_model.h"
#include "settings/unit_settings.h"
#include "settings/units_file.h"

namespace trabeo::testing {
namespace {

constexpr const char* kForm = "TPreferencesFrm";
constexpr std::size_t kDesignCodeOffset = 342;

class PreferencesFormTest : public AppFixture {
 protected:
  TPreferencesFrm* Preferences() const { return static_cast<TPreferencesFrm*>(Form(kForm)); }
  const UnitSettings& Settings() const { return Preferences()->settings(); }

  void Open() { Trigger("Preferences1"); }
  bool IsChecked(const char* name) const {
    auto* button = Control<QAbstractButton>(kForm, name);
    return button != nullptr && button->isChecked();
  }
  bool OkEnabled() const { return Control<QPushButton>(kForm, "cmd_OK")->isEnabled(); }

  // Writes a units file holding `settings`, with a design code the program itself never writes.
  void WriteUnitsFileWith(const UnitSettings& settings, int32_t designCode = 0) const {
    std::vector<uint8_t> bytes = EncodeUnitsFile(settings);
    for (std::size_t i = 0; i < 4; ++i)
      bytes[kDesignCodeOffset + i] =
          static_cast<uint8_t>(static_cast<uint32_t>(designCode) >> (8 * i));
    std::ofstream out(folder / kUnitsFileName, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  // Starts the program again in the same folder, so it reads the units file there.
  void Restart() {
    app.reset();
    QApplication::processEvents();
    app = std::make_unique<TrabeoApplication>(AppOptions{folder, &dialogs});
    app->start();
    QApplication::processEvents();
  }
};

// The option each start-up default unit is shown by.
constexpr const char* kDefaultOptions[] = {
    "Option_Length_m",         "Option_PointLoad_kN", "Option_Udl_kN_per_m",
    "Option_Shear_kN",         "Option_Moment_kN_m",  "Option_Deflection_mm",
    "Option_Stress_N_per_mm2", "Option_Modulus_cm3",  "Option_E_N_per_mm2",
    "Option_Inertia_cm4",      "Option_Area_cm2",     "Option_SectLength_mm",
    "Option_Weight_kg_per_m",  "Option_SxxPlastic",   "Option_MomentPlot_NumericallyCorrect",
    "Option_NFactor_One"};

TEST_F(PreferencesFormTest, FirstShowingShowsTheStartupDefaultsOnTheCodesTab) {
  Click("TIndexFrm", "cmdSet");  // the start panel's "Settings"
  QWidget* form = Form(kForm);
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), "Preferences");
  auto* pages = Control<QTabWidget>(kForm, "PageControl1");
  const QStringList expectedTabs{"Input Units",    "Output Units", "Section  Units",
                                 "Moment Diagram", "Default n",    "Codes"};
  QStringList tabs;
  for (int i = 0; i < pages->count(); ++i)
    tabs << pages->tabText(i);
  EXPECT_EQ(tabs, expectedTabs);
  EXPECT_EQ(pages->currentWidget()->objectName(), "Tab_Codes");
  // Opening on the last tab scrolls no tab out of view.
  QApplication::processEvents();
  for (int i = 0; i < pages->count(); ++i)
    EXPECT_TRUE(pages->tabBar()->rect().contains(pages->tabBar()->tabRect(i))) << i;

  for (const char* name : kDefaultOptions)
    EXPECT_TRUE(IsChecked(name)) << name;
  for (const char* name : {"Check_BS5268", "Check_BS5950", "Check_BS449", "Check_AISC",
                           "Check_LRFD", "Check_FactoredLoads", "Check_SetDefault"})
    EXPECT_FALSE(IsChecked(name)) << name;
  // Only the two codes with a check behind them are offered.
  for (const char* name : {"Check_BS5268", "Check_BS5950", "Check_FactoredLoads"})
    EXPECT_TRUE(Control<QWidget>(kForm, name)->isVisible()) << name;
  for (const char* name : {"Check_BS449", "Check_AISC", "Check_LRFD"})
    EXPECT_TRUE(Control<QWidget>(kForm, name)->isHidden()) << name;
  EXPECT_TRUE(OkEnabled());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PreferencesFormTest, OkAppliesTheChosenOptionsAndReopeningShowsThem) {
  Open();
  const char* chosen[] = {"Option_Length_ft",
                          "Option_PointLoad_ton",
                          "Option_Udl_N_per_mm",
                          "Option_Shear_ton",
                          "Option_Moment_lbf_ft",
                          "Option_Deflection_in",
                          "Option_Stress_lbf_per_in2",
                          "Option_Modulus_in3",
                          "Option_E_lbf_per_in2",
                          "Option_Inertia_mm4",
                          "Option_Area_in2",
                          "Option_SectLength_cm",
                          "Option_Weight_lb_per_ft",
                          "Option_ZxxPlastic",
                          "Option_MomentPlot_Inverted",
                          "Option_NFactor_Requested",
                          "Check_BS5268",
                          "Check_FactoredLoads",
                          "Check_BS5950"};
  for (const char* name : chosen)
    Click(kForm, name);
  EXPECT_TRUE(OkEnabled());
  Click(kForm, "cmd_OK");
  EXPECT_FALSE(Form(kForm)->isVisible());

  const UnitSettings& s = Settings();
  const struct {
    const char* what;
    std::string name;
    float factor;
    std::string expectedName;
    float expectedFactor;
  } units[] = {
      {"length", s.LengthUnitName, s.LengthFactor, "ft", 304.8f},
      {"point load", s.PointLoadUnitName, s.PointLoadFactor, "ton", 9964.0f},
      {"udl", s.UdlUnitName, s.UdlFactor, "N/mm", 1.0f},
      {"shear", s.ShearUnitName, s.ShearFactor, "ton", 0.0001003611f},
      {"moment", s.MomentUnitName, s.MomentFactor, "lbf-ft", 0.000737562f},
      {"deflection", s.DeflectionUnitName, s.DeflectionFactor, "in", 0.03937008f},
      {"stress", s.StressUnitName, s.StressFactor, "lbf/in^2", 145.03767f},
      {"modulus", s.ModulusUnitName, s.ModulusFactor, "in^3", 16387.064f},
      {"E", s.EUnitName, s.EFactor, "lbf/in^2", 0.00689476f},
      {"inertia", s.InertiaUnitName, s.InertiaFactor, "mm^4", 1.0f},
      {"area", s.AreaUnitName, s.AreaFactor, "in^2", 645.16f},
      {"section length", s.SectLengthUnitName, s.SectLengthFactor, "cm", 10.0f},
      {"weight", s.WeightUnitName, s.WeightFactor, "lb/ft", 0.005275f},
      {"warping", s.WarpingUnitName, s.WarpingFactor, "dm^6", 1e-12f},
  };
  for (const auto& u : units) {
    EXPECT_EQ(u.name, u.expectedName) << u.what;
    EXPECT_FLOAT_EQ(u.factor, u.expectedFactor) << u.what;
  }
  EXPECT_EQ(s.PlasticXLabel, "Zxx");
  EXPECT_EQ(s.ElasticXLabel, "Sxx");
  EXPECT_EQ(s.MomentPlotSign, kMomentPlotInverted);
  EXPECT_EQ(s.NFactorMode, kNFactorRequested);
  EXPECT_EQ(s.EnableTimber5268, kSettingOn);
  EXPECT_EQ(s.EnableSteel5950, kSettingOn);
  EXPECT_EQ(s.EnableSteel449, kSettingOff);
  EXPECT_EQ(s.EnableSteelLRFD, kSettingOff);
  EXPECT_EQ(s.FactoredLoads, kSettingOn);
  // Without "Save as default" nothing is written.
  EXPECT_FALSE(std::filesystem::exists(folder / kUnitsFileName));

  Open();
  for (const char* name : chosen)
    EXPECT_TRUE(IsChecked(name)) << name;
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PreferencesFormTest, OkResetsTheBeamsDesignCode) {
  WriteUnitsFileWith(UnitSettings{}, DesignCodeNumber(DesignCode::BS5950));
  Restart();
  ASSERT_EQ(Preferences()->beamDesignCode(), DesignCode::BS5950);
  Open();
  Click(kForm, "cmd_OK");
  EXPECT_EQ(Preferences()->beamDesignCode(), DesignCode::None);
  EXPECT_EQ(Settings().DesignCode, DesignCode::None);
}

TEST_F(PreferencesFormTest, CancelAndClosingApplyNothing) {
  for (const bool byClose : {false, true}) {
    SCOPED_TRACE(byClose ? "window closed" : "Cancel");
    Open();
    for (const char* name : {"Option_Length_mm", "Option_Moment_N_m", "Option_ZxxPlastic",
                             "Option_NFactor_ByLoading", "Check_BS5268", "Check_FactoredLoads"})
      Click(kForm, name);
    if (byClose)
      Form(kForm)->close();
    else
      Click(kForm, "Button1");
    QApplication::processEvents();
    EXPECT_FALSE(Form(kForm)->isVisible());
    EXPECT_EQ(Settings(), UnitSettings{});
    Open();
    for (const char* name : kDefaultOptions)
      EXPECT_TRUE(IsChecked(name)) << name;
    EXPECT_FALSE(IsChecked("Check_BS5268"));
    EXPECT_FALSE(IsChecked("Check_FactoredLoads"));
    Click(kForm, "Button1");
  }
}

TEST_F(PreferencesFormTest, ResetLoadsTheUnitsFileAtOnceEvenWhenCancelled) {
  UnitSettings saved;
  saved.LengthUnitName = "ft";
  saved.LengthFactor = 304.8f;
  SetModulusConvention(saved, ModulusConvention::ZxxPlastic);
  saved.EnableTimber5268 = kSettingOn;
  saved.FactoredLoads = kSettingOff;
  WriteUnitsFileWith(saved);
  Open();
  Click(kForm, "Option_Length_mm");
  Click(kForm, "cmd_Reset");
  EXPECT_TRUE(Form(kForm)->isVisible());
  EXPECT_EQ(Settings(), saved);
  for (const char* name : {"Option_Length_ft", "Option_ZxxPlastic", "Check_BS5268"})
    EXPECT_TRUE(IsChecked(name)) << name;
  EXPECT_FALSE(IsChecked("Option_Length_mm"));
  Click(kForm, "Button1");
  EXPECT_EQ(Settings(), saved);
}

TEST_F(PreferencesFormTest, ResetWithoutAUnitsFileRestoresTheStartupDefaults) {
  Open();
  Click(kForm, "Option_Length_mm");
  Click(kForm, "Option_Area_mm2");
  Click(kForm, "cmd_OK");
  ASSERT_EQ(Settings().LengthUnitName, "mm");
  Open();
  Click(kForm, "cmd_Reset");
  EXPECT_EQ(Settings().LengthUnitName, "m");
  EXPECT_EQ(Settings().AreaUnitName, "cm^2");
  EXPECT_TRUE(IsChecked("Option_Length_m"));
  EXPECT_TRUE(IsChecked("Option_Area_cm2"));
}

// Without a units file File New has nothing better than the units the user chose.
TEST_F(PreferencesFormTest, NewWithoutAUnitsFileKeepsTheChosenUnits) {
  Open();
  Click(kForm, "Option_Length_mm");
  Click(kForm, "Option_Udl_kN_per_m");
  Click(kForm, "cmd_OK");
  Trigger("New1");
  EXPECT_EQ(Settings().LengthUnitName, "mm");
  EXPECT_EQ(Settings().UdlUnitName, "kN/m");
}

TEST_F(PreferencesFormTest, ResetTakesTheDesignCodeFromTheFileOnly) {
  WriteUnitsFileWith(UnitSettings{}, DesignCodeNumber(DesignCode::BS5268));
  Restart();
  std::filesystem::remove(folder / kUnitsFileName);
  Open();
  Click(kForm, "cmd_Reset");
  EXPECT_EQ(Preferences()->beamDesignCode(),
            DesignCode::BS5268);  // no file: the beam keeps its code
  WriteUnitsFileWith(UnitSettings{});
  Click(kForm, "cmd_Reset");
  EXPECT_EQ(Preferences()->beamDesignCode(), DesignCode::None);
}

TEST_F(PreferencesFormTest, SaveAsDefaultWritesTheUnitsFileInTheStartFolder) {
  Open();
  Click(kForm, "Check_SetDefault");
  Click(kForm, "Option_Length_cm");
  Click(kForm, "Option_ZxxPlastic");
  Click(kForm, "cmd_OK");
  EXPECT_FALSE(Form(kForm)->isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_TRUE(std::filesystem::exists(folder / kUnitsFileName));
  EXPECT_EQ(std::filesystem::file_size(folder / kUnitsFileName), kUnitsFileSize);
  const UnitsFileLoad load = ReadUnitsFile(folder, UnitSettings{});
  EXPECT_EQ(load.state, UnitsFileState::Complete);
  EXPECT_EQ(load.settings, Settings());
  EXPECT_EQ(load.settings.LengthUnitName, "cm");
  EXPECT_EQ(load.settings.PlasticXLabel, "Zxx");
  // The box stays ticked for the next showing.
  Open();
  EXPECT_TRUE(IsChecked("Check_SetDefault"));
}

TEST_F(PreferencesFormTest, FailedSaveIsReportedKeepsTheFormOpenAndTheSettingsApplied) {
  WriteUnitsFileWith(UnitSettings{});
  const auto before = ReadUnitsFile(folder, UnitSettings{}).settings;
  // A units file marked read-only is not replaced.
  std::filesystem::permissions(folder / kUnitsFileName, std::filesystem::perms::owner_read);
  Open();
  Click(kForm, "Check_SetDefault");
  Click(kForm, "Option_Length_cm");
  Click(kForm, "cmd_OK");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].rfind("The settings could not be saved as default.\n", 0), 0u)
      << dialogs.messages[0];
  EXPECT_TRUE(Form(kForm)->isVisible());
  EXPECT_EQ(Settings().LengthUnitName, "cm");
  EXPECT_EQ(ReadUnitsFile(folder, UnitSettings{}).settings, before);
}

TEST_F(PreferencesFormTest, FactoredLoadsAreRequiredForBs5950) {
  Open();
  Click(kForm, "Check_BS5950");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], " Factored loading must be enabled to check to BS 5950");
  EXPECT_FALSE(OkEnabled());
  EXPECT_TRUE(Control<QWidget>(kForm, "cmd_Reset")->hasFocus());

  Click(kForm, "Check_FactoredLoads");
  EXPECT_TRUE(OkEnabled());
  EXPECT_EQ(dialogs.messages.size(), 1u);

  Click(kForm, "Check_FactoredLoads");
  EXPECT_FALSE(OkEnabled());
  EXPECT_EQ(dialogs.messages.size(), 2u);

  Click(kForm, "Check_BS5950");
  EXPECT_TRUE(OkEnabled());
  EXPECT_EQ(dialogs.messages.size(), 2u);

  // A refused edit that is cancelled leaves OK enabled for the next showing.
  Click(kForm, "Check_BS5950");
  EXPECT_FALSE(OkEnabled());
  Click(kForm, "Button1");
  dialogs.messages.clear();
  Open();
  EXPECT_TRUE(OkEnabled());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PreferencesFormTest, StoredCodesWithoutFactoredLoadsCannotBeConfirmed) {
  UnitSettings stored;
  stored.EnableSteel5950 = kSettingOn;
  stored.EnableSteelLRFD = kSettingOn;
  stored.FactoredLoads = kSettingOff;
  WriteUnitsFileWith(stored);
  Restart();
  Open();
  const std::vector<std::string> expected{" Factored loading must be enabled to check to BS 5950",
                                          " Factored loading must be enabled to check to LRFD"};
  EXPECT_EQ(dialogs.messages, expected);
  EXPECT_FALSE(OkEnabled());
  EXPECT_TRUE(IsChecked("Check_LRFD"));  // kept, though not offered
  Click(kForm, "Check_FactoredLoads");
  EXPECT_TRUE(OkEnabled());
  Click(kForm, "cmd_OK");
  EXPECT_EQ(Settings().EnableSteelLRFD, kSettingOn);
  EXPECT_EQ(Settings().FactoredLoads, kSettingOn);
}

TEST_F(PreferencesFormTest, AUnitMatchingNoOptionChecksNoneAndOkKeepsIt) {
  Open();
  ASSERT_TRUE(IsChecked("Option_Length_m"));
  UnitSettings stored;
  stored.LengthUnitName = "yd";
  stored.LengthFactor = 914.4f;
  stored.NFactorMode = 7;
  WriteUnitsFileWith(stored);
  Click(kForm, "cmd_Reset");
  auto* group = Form(kForm)->findChild<QButtonGroup*>("Group_Length_Buttons");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->checkedId(), -1);
  for (const char* name :
       {"Option_NFactor_One", "Option_NFactor_ByLoading", "Option_NFactor_Requested"})
    EXPECT_FALSE(IsChecked(name)) << name;
  Click(kForm, "cmd_OK");
  EXPECT_EQ(Settings().LengthUnitName, "yd");
  EXPECT_FLOAT_EQ(Settings().LengthFactor, 914.4f);
  EXPECT_EQ(Settings().NFactorMode, 7);
  // The group still works as one: choosing an option checks only that one.
  Open();
  Click(kForm, "Option_Length_ft");
  Click(kForm, "Option_Length_mm");
  EXPECT_FALSE(IsChecked("Option_Length_ft"));
}

TEST_F(PreferencesFormTest, LaterShowingsKeepTheTabTheUserLeftOpen) {
  Open();
  auto* pages = Control<QTabWidget>(kForm, "PageControl1");
  pages->setCurrentIndex(0);
  Click(kForm, "Button1");
  Open();
  EXPECT_EQ(pages->currentWidget()->objectName(), "Tab_InputUnits");
}

}  // namespace
}  // namespace trabeo::testing
