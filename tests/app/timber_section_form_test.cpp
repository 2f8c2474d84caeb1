// A timber joist taken from the beam form through the timber section window, loaded and
// analysed, as a user does it.
#include <QAction>

#include "app/app_test_support.h"

namespace trabeo::testing {
namespace {

class TimberSectionFormTest : public AppFixture {
 protected:
  // A 4 m simple span of 75 x 200 C24 (the window's default class), single, dry, long term.
  void EnterJoistThroughTimberWindow() {
    Click("TIndexFrm", "cmdOK");
    Type("TBeamFrm", "Edit_Span_L", "4");
    QAction* timber = Form("TBeamFrm")->findChild<QAction*>("Timber1");
    ASSERT_NE(timber, nullptr);
    timber->trigger();
    Type("TBeamFrm", "Edit_Timber_W", "75");
    Type("TBeamFrm", "Edit_Timber_H", "200");
    Click("TBeamFrm", "cmd_OK");
    ASSERT_TRUE(Form("TTimSectFrm")->isVisible());
    Click("TTimSectFrm", "Button1");  // "Calc"
  }

  // 2 kN/m over the whole span, then the analysis.
  void LoadAndAnalyse() {
    Click("TBeamFrm", "cmdNext");
    ASSERT_TRUE(Form("TLoadDataFrm")->isVisible());
    Click("TLoadDataFrm", "OptionUDL1");
    Type("TLoadDataFrm", "Edit_Dist1", "0");
    Type("TLoadDataFrm", "Edit_UDLS1", "2");
    Type("TLoadDataFrm", "Edit_UDLF1", "2");
    Type("TLoadDataFrm", "Edit_Cover1", "4");
    Click("TLoadDataFrm", "Check1");
    Click("TLoadDataFrm", "cmdOK");
  }

  QString Box(const char* name) const { return Control<QLineEdit>("TBeamFrm", name)->text(); }
  bool Checked(const char* name) const {
    return Control<QAbstractButton>("TBeamFrm", name)->isChecked();
  }
  bool Enabled(const char* name) const {
    return Control<QAbstractButton>("TBeamFrm", name)->isEnabled();
  }
  QStringList Listing() const { return ListLines("TIndexFrm", "List_Results"); }
};

// By hand, 75 x 200 C24 single, dry, long term: I = 75 x 200^3 / 12 = 5000 cm4; E min 7200;
// K7 = (300 / 200)^0.11 = 1.0456, sigma_m = 7.5 x 1.0456 = 7.842 N/mm2,
// M = sigma_m x 2 I / d = 3.921 kN m; V = 0.71 x 75 x 200 / 1.5 = 7.100 kN;
// GA/Kform = 15000 x 7200 / 16 / 1.2 = 5625 kN. Under 2 kN/m on 4 m, wL^2/8 = 4.000 kN m exceeds
// M, and the mid-span deflection is 5wL^4 / (384 EI) = 18.52 mm in bending plus about
// wL^2 / (8 GA) = 0.71 mm in shear.
// The window is not modal; File New and Open hide it with the other entry forms, so its
// "Next >" cannot hand the old section to the new or opened beam.
TEST_F(TimberSectionFormTest, NewAndOpenHideTheWindow) {
  Load(SimpleBeam());
  const std::string file = (folder / "steel.trb").string();
  ASSERT_EQ(session().SaveBeamFileTo(file), "");
  EnterJoistThroughTimberWindow();
  Trigger("New1");
  EXPECT_FALSE(Form("TTimSectFrm")->isVisible());

  EnterJoistThroughTimberWindow();
  dialogs.openAnswers.push_back(file);
  Trigger("Open1");
  EXPECT_FALSE(Form("TTimSectFrm")->isVisible());
  EXPECT_NE(session().section().SectionKind, SectionKind::Timber);
}

TEST_F(TimberSectionFormTest, CheckedJoistFailsInBendingWithTheShearDeflectionIncluded) {
  EnableCodes(false, true);
  EnterJoistThroughTimberWindow();
  EXPECT_EQ(Form("TTimSectFrm")->windowTitle(), "Timber Section Properties");
  const QStringList window = ListLines("TTimSectFrm", "List_Results");
  for (const char* line :
       {"  Ixx = 5000 cm^4", "  GA/Kform = 5625 kN", "  Permissible  Bending Moment = 3.921 kN-m",
        "  Permissible Shear Load = 7.100 kN"}) {
    EXPECT_TRUE(window.contains(line)) << line;
  }
  Click("TTimSectFrm", "cmd_K3");
  EXPECT_TRUE(Form("TK3Frm")->isVisible());

  Click("TTimSectFrm", "cmd_OK");  // "Next >"
  EXPECT_FALSE(Form("TTimSectFrm")->isVisible());
  EXPECT_EQ(Box("Edit_Span_E"), "7200");
  EXPECT_EQ(Box("Edit_Span_Ixx"), "5000");
  EXPECT_EQ(Box("Edit_Desc"), "75.0 x 200 C24 Timber");
  const QStringList properties = ListLines("TBeamFrm", "List_Props");
  ASSERT_EQ(properties.size(), 16);
  EXPECT_EQ(properties[5], " Ixx = 5000 cm^4");
  EXPECT_TRUE(Enabled("Option_BS5268"));
  EXPECT_TRUE(Checked("Option_BS5268"));

  LoadAndAnalyse();
  ASSERT_EQ(session().ResultsValid(), 1);
  const QStringList lines = Listing();
  for (const char* line :
       {" CODE CHECK TO BS 5268 ", " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR", "SPAN",
        " Max Shear = 4.000 kN", " Max Permissible Shear = 7.100 kN",
        " Max Bending Moment = 4.000 kN-m", " Max Permissible Moment = 3.921 kN-m"}) {
    EXPECT_TRUE(lines.contains(line)) << line;
  }
  EXPECT_FALSE(lines.filter("BENDING MOMENT TOO HIGH").isEmpty());
  EXPECT_FALSE(lines.filter("SHEAR OK").isEmpty());
  const QStringList deflection = lines.filter(" Maximum -ve deflection = ");
  ASSERT_EQ(deflection.size(), 1);
  EXPECT_NEAR(deflection[0].section('=', 1).section(' ', 1, 1).toDouble(), -19.23, 0.015);
  const QColor listColour =
      Control<QListWidget>("TIndexFrm", "List_Results")->palette().color(QPalette::Text);
  EXPECT_EQ(listColour, QColor(Qt::red));
}

// Timber checks are off at start-up: the section goes over, the code stays "None".
TEST_F(TimberSectionFormTest, WithoutTimberChecksTheJoistIsAnalysedUnchecked) {
  EnterJoistThroughTimberWindow();
  Click("TTimSectFrm", "cmd_OK");
  EXPECT_EQ(Box("Edit_Span_Ixx"), "5000");
  EXPECT_TRUE(Checked("Option_None"));
  EXPECT_FALSE(Enabled("Option_BS5268"));

  LoadAndAnalyse();
  ASSERT_EQ(session().ResultsValid(), 1);
  EXPECT_EQ(session().model().DesignCode, DesignCode::None);
  const QStringList lines = Listing();
  EXPECT_TRUE(lines.contains(" Max Sagging Moment = 4.000 kN-m"));
  EXPECT_TRUE(lines.contains(" Maximum -ve deflection = -18.52 mm"));  // bending alone
  EXPECT_TRUE(lines.filter("BS 5268").isEmpty());
}

}  // namespace
}  // namespace trabeo::testing
