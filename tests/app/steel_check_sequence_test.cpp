// A universal beam picked from the catalogue, loaded, restrained through the span form and
// checked to BS 5950, all through the forms as a user does it.
#include <QPalette>

#include "app/app_test_support.h"
#include "app/index_form.h"

namespace trabeo::testing {
namespace {

constexpr int kUb25Line = 8;  // "203 x 133 UB 25" in UB.sct

class SteelCheckSequenceTest : public AppFixture {
 protected:
  // BS 5950 needs factored loads: both are switched on in the preferences first.
  void EnableBS5950() {
    Trigger("Preferences1");
    Click("TPreferencesFrm", "Check_FactoredLoads");
    Click("TPreferencesFrm", "Check_BS5950");
    Click("TPreferencesFrm", "cmd_OK");
  }
  // 203 x 133 UB 25 over a 4 m simple span under 10 kN/m factored 1.6 (no self weight): the
  // section form and the load form, whose "Next >" opens the span form.
  void EnterLoadedUniversalBeam() {
    Click("TIndexFrm", "cmdOK");
    Type("TBeamFrm", "Edit_Span_L", "4");
    Form("TBeamFrm")->findChild<QAction*>("UniversalBeams1")->trigger();
    Control<QListWidget>("TBeamFrm", "List_Sect")->setCurrentRow(kUb25Line);
    QApplication::processEvents();
    ASSERT_TRUE(Control<QRadioButton>("TBeamFrm", "Option_BS5950")->isChecked());
    Click("TBeamFrm", "cmdNext");
    Click("TLoadDataFrm", "OptionUDL1");
    Type("TLoadDataFrm", "Edit_Dist1", "0");
    Type("TLoadDataFrm", "Edit_UDLS1", "10");
    Type("TLoadDataFrm", "Edit_UDLF1", "10");
    Type("TLoadDataFrm", "Edit_Cover1", "4");
    Type("TLoadDataFrm", "Edit_LF1", "1.6");
    Click("TLoadDataFrm", "Check1");
    ASSERT_FALSE(Control<QCheckBox>("TLoadDataFrm", "Check_Swt")->isChecked());
    Click("TLoadDataFrm", "cmdOK");
    ASSERT_TRUE(Form("TSpanFrm")->isVisible());
  }
  QStringList Listing() const { return ListLines("TIndexFrm", "List_Results"); }
  QColor ListColour() const {
    return Control<QListWidget>("TIndexFrm", "List_Results")->palette().color(QPalette::Text);
  }
};

// Both ends laterally restrained with both flanges free under normal load: Le = 1.0 L = 4 m.
// By hand (BS 5950-1 Annex B, S275, n = 1): lambda = 4000 / 31.02 = 128.9, v = 0.815,
// lambdaLT = 0.877 x 0.815 x 128.9 = 92.1, pb = 139.3 N/mm2, Mb = 139.3 x 258 cm3 =
// 35.93 kN-m; M = 1.6 x 10 x 4^2 / 8 = 32 kN-m: 0.891 of Mb.
//
// Both ends laterally unrestrained in dead bearing under destabilising load:
// Le = 1.4 L + 2 D = 5.6 + 0.406 = 6.01 m as displayed; lambda = 193.7, v = 0.713,
// lambdaLT = 121.2, pb = 94.1 N/mm2, Mb = 24.29 kN-m: M is 1.318 of Mb and the beam fails.
TEST_F(SteelCheckSequenceTest, UniversalBeamRestrainedThroughTheSpanFormIsChecked) {
  EnableBS5950();
  EnterLoadedUniversalBeam();
  Click("TSpanFrm", "Option_LH_Both_Free");
  Click("TSpanFrm", "Option_RH_Both_Free");
  EXPECT_EQ(Control<QLabel>("TSpanFrm", "lbl_Le")->text(), "4.00");
  Click("TSpanFrm", "cmd_Next");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session().ResultsValid(), 1);
  EXPECT_EQ(session().steelCheck().ComplianceState, kComplies);
  QStringList lines = Listing();
  EXPECT_TRUE(lines.contains("               BEAM COMPLIES WITH BS 5950 FOR BENDING AND SHEAR"));
  EXPECT_TRUE(lines.contains(" Effective Length (Le) = 4.00 m"));
  EXPECT_TRUE(lines.contains(" Max Allowable Moment = 35.93 kN-m"));
  EXPECT_TRUE(lines.contains(" Bending Moment = 0.891 x allowable           BENDING MOMENT OK "));
  EXPECT_TRUE(lines.contains("  Buckling resistance moment = 35.93 kN-m"));
  EXPECT_EQ(ListColour(), QColor(Qt::black));

  Trigger("Loads1");
  Click("TLoadDataFrm", "cmdOK");
  Click("TSpanFrm", "Option_Destabilizing");
  Click("TSpanFrm", "Option_LH_Bottom_UnRestrained");
  Click("TSpanFrm", "Option_RH_Bottom_UnRestrained");
  EXPECT_EQ(Control<QLabel>("TSpanFrm", "lbl_LH_Lf")->text(), "1.4L + 2D");
  EXPECT_EQ(Control<QLabel>("TSpanFrm", "lbl_Le")->text(), "6.01");
  Click("TSpanFrm", "cmd_Next");
  EXPECT_EQ(session().steelCheck().ComplianceState, kComplianceFails);
  lines = Listing();
  EXPECT_TRUE(lines.contains("               BEAM DOES NOT COMPLY WITH BS 5950"));
  EXPECT_TRUE(lines.contains(" Max Allowable Moment = 24.29 kN-m"));
  EXPECT_TRUE(
      lines.contains(" Bending Moment = 1.318 x allowable           BENDING MOMENT TOO HIGH"));
  EXPECT_EQ(ListColour(), QColor(Qt::red));
}

}  // namespace
}  // namespace trabeo::testing
