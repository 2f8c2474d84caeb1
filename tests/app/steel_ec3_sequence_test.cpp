// A universal beam picked from the catalogue, loaded, restrained through the span form and
// checked to EN 1993-1-1, all through the forms as a user does it, then printed.
#include <algorithm>
#include <vector>

#include "app/app_test_support.h"
#include "fileio/file_bytes.h"
#include "sections/section_table_file.h"

namespace trabeo::testing {
namespace {

constexpr int kUb25Line = 8;  // "203 x 133 UB 25" in UB.sct

class SteelEc3SequenceTest : public AppFixture {
 protected:
  bool Listed(const QString& line) const {
    for (const QString& listed : ListLines("TIndexFrm", "List_Results"))
      if (listed.trimmed() == line.trimmed()) return true;
    return false;
  }
  // One uniform load over the whole span, applied, in the load form's first row.
  void EnterFullUdl(const char* rate, const char* cover, const char* factor) const {
    Click("TLoadDataFrm", "OptionUDL1");
    Type("TLoadDataFrm", "Edit_Dist1", "0");
    Type("TLoadDataFrm", "Edit_UDLS1", rate);
    Type("TLoadDataFrm", "Edit_UDLF1", rate);
    Type("TLoadDataFrm", "Edit_Cover1", cover);
    Type("TLoadDataFrm", "Edit_LF1", factor);
    Click("TLoadDataFrm", "Check1");
  }
};

// 203 x 133 UB 25, S275, UK National Annex, simply supported over 4 m under 10 kN/m factored
// 1.6; both ends laterally restrained with both flanges free under normal load: Lcr = 4.00 m.
// By hand from the catalogue row (A = 31.97 cm2, Wpl,y = 258 cm3, Iz = 307.6 cm4,
// It = 5.964 cm4, Iw = 0.02936 dm6, h = 203.2, b = 133.2, tw = 5.7, tf = 7.8, r = 7.6 mm):
// - MEd = 1.6 x 10 x 4^2 / 8 = 32 kN-m, VEd = 1.6 x 10 x 4 / 2 = 32 kN.
// - tf = 7.8 mm: fy = 275; class 1. Mc,Rd = 258e3 x 275 = 70.95 kN-m: 32 / 70.95 = 0.451.
// - Av = 3196.8 - 2 x 133.2 x 7.8 + (5.7 + 15.2) x 7.8 = 1281.9 mm2 (> h_w tw = 1069):
//   Vpl,Rd = 1281.9 x 275 / sqrt3 = 203.5 kN: 32 / 203.5 = 0.157.
// - Parabolic diagram: M_A = M_C = 0.75 M, M_B = M; C1 = sqrt(35 / (1 + 9 x 0.5625 x 2 + 16)) =
//   1.1359.
// - Mcr = 1.1359 x pi^2 x 210000 x 307.6e4 / 4000^2 x sqrt(0.02936e12 / 307.6e4 + 4000^2 x
//   81000 x 5.964e4 / (pi^2 x 210000 x 307.6e4)) = 1.1359 x 398.5 kN x 0.1472 m = 66.63 kN-m.
// - lambdaLT = sqrt(70.95 / 66.63) = 1.0319; h/b = 1.53: curve b; phi = 0.5 (1 + 0.34 x 0.6319
//   + 0.75 x 1.0648) = 1.0067; chiLT = 0.6801; kc = 1 / sqrt1.1359 = 0.9383, f = 1 - 0.5 x
//   0.0617 x (1 - 2 x 0.2319^2) = 0.9725; chiLT,mod = 0.6994; Mb,Rd = 0.6994 x 70.95 =
//   49.62 kN-m: 32 / 49.62 = 0.645. Every check passes.
TEST_F(SteelEc3SequenceTest, UniversalBeamThroughTheEntryFormsIsCheckedAndPrinted) {
  Trigger("Preferences1");
  Click("TPreferencesFrm", "Check_FactoredLoads");
  Click("TPreferencesFrm", "Check_EN1993");
  Click("TPreferencesFrm", "cmd_OK");

  Click("TIndexFrm", "cmdOK");
  Type("TBeamFrm", "Edit_Span_L", "4");
  Form("TBeamFrm")->findChild<QAction*>("UniversalBeams1")->trigger();
  Control<QListWidget>("TBeamFrm", "List_Sect")->setCurrentRow(kUb25Line);
  QApplication::processEvents();
  Click("TBeamFrm", "Option_EN1993");
  ASSERT_TRUE(Control<QRadioButton>("TBeamFrm", "Option_EN1993")->isChecked());
  Click("TBeamFrm", "cmdNext");
  EnterFullUdl("10", "4", "1.6");
  ASSERT_FALSE(Control<QCheckBox>("TLoadDataFrm", "Check_Swt")->isChecked());
  Click("TLoadDataFrm", "cmdOK");
  ASSERT_TRUE(Form("TSpanFrm")->isVisible());
  Click("TSpanFrm", "Option_LH_Both_Free");
  Click("TSpanFrm", "Option_RH_Both_Free");
  EXPECT_EQ(Control<QLabel>("TSpanFrm", "lbl_Le")->text(), "4.00");
  Click("TSpanFrm", "cmd_Next");
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();
  ASSERT_EQ(session().ResultsValid(), 1);

  const QStringList expected{" SPAN  (EN 1993-1-1)",
                             " BEAM COMPLIES WITH EN 1993-1-1 FOR BENDING AND SHEAR",
                             " chiLT,mod = 0.699",
                             " Mb,Rd = 49.62 kN-m",
                             " Bending = 0.451   OK",
                             " Shear = 0.157   OK",
                             " Lateral-torsional buckling = 0.645   OK"};
  for (const QString& line : expected)
    EXPECT_TRUE(Listed(line)) << line.toStdString();
  EXPECT_TRUE(Listed(" Mc,Rd = 70.95 kN-m   Vpl,Rd = 203.5 kN"));
  EXPECT_TRUE(Listed(" C1 = 1.14   Mcr = 66.63 kN-m   chiLT = 0.680"));

  // The printed report carries the check's header, the block and the verdict, and prints the
  // same once the beam is saved and opened again.
  SaveAs("ec3.trb");
  const std::vector<std::string> printed = PrintedTextsWithoutTime();
  for (const QString& line : expected) {
    bool found = false;
    for (const std::string& text : printed)
      found = found || QString::fromStdString(text).trimmed() == line.trimmed();
    EXPECT_TRUE(found) << line.toStdString();
  }
  EXPECT_NE(std::find(printed.begin(), printed.end(), "  EN 1993-1-1 with the UK National Annex"),
            printed.end());
  NewAndOpen("ec3.trb");
  EXPECT_EQ(PrintedTextsWithoutTime(), printed);
}

// A box deeper than four widths buckles laterally to EN 1993-1-1, so the entry asks for its
// effective length as for an I section; without it the span would be taken as restrained.
TEST_F(SteelEc3SequenceTest, DeepBoxGoesThroughTheSpanRestraintForm) {
  SectionRecord box;  // 260 x 50 x 6.3 as the box calculator makes it
  box.Designation = "260 x 50 x 6.3 box";
  box.Type = "Box";
  box.Depth = 260;
  box.Width = 50;
  box.WebThk = box.FlgThk = 6.3f;
  box.Grade = 50;
  box.E = 205000;
  box.Area = 3728.08f;
  box.Ixx = 25673030;
  box.Iyy = 1611166;
  box.Rx = 82.98f;
  box.Ry = 20.79f;
  box.ExtremeX = 25;
  box.ExtremeY = 130;
  box.K = 5323594;
  box.Sxx = 270056;
  box.Syy = 75339;
  box.RecordNo = 1;
  ASSERT_TRUE(
      WriteFileBytes(folder / "Misc.sct", EncodeSectionTable(std::vector<SectionRecord>{box})));
  Trigger("Preferences1");
  Click("TPreferencesFrm", "Check_FactoredLoads");
  Click("TPreferencesFrm", "Check_EN1993");
  Click("TPreferencesFrm", "cmd_OK");

  Click("TIndexFrm", "cmdOK");
  Type("TBeamFrm", "Edit_Span_L", "6");
  Form("TBeamFrm")->findChild<QAction*>("Miscellaneous1")->trigger();
  Control<QListWidget>("TBeamFrm", "List_Sect")->setCurrentRow(0);
  QApplication::processEvents();
  Click("TBeamFrm", "Option_EN1993");
  Click("TBeamFrm", "cmdNext");
  EnterFullUdl("20", "6", "1");
  Click("TLoadDataFrm", "cmdOK");
  ASSERT_TRUE(Form("TSpanFrm")->isVisible());
  Click("TSpanFrm", "Option_LH_Both_Free");
  Click("TSpanFrm", "Option_RH_Both_Free");
  Click("TSpanFrm", "cmd_Next");
  ASSERT_EQ(session().ResultsValid(), 1);
  EXPECT_TRUE(Listed(" Lcr = 6.00 m"));
  EXPECT_FALSE(Listed(" Fully restrained"));
}

}  // namespace
}  // namespace trabeo::testing
