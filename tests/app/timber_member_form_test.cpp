// The timber member capacity window and its load duration dialog, from the main menu.
#include <QAction>
#include <algorithm>

#include "app/app_test_support.h"

namespace trabeo::testing {
namespace {

class TimberMemberFormTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Trigger("TimberMemberCapacity1");
  }

  QWidget* Duration() const { return Form("TDurationFrm"); }
  bool Enabled(const char* name) const {
    return Duration()->findChild<QWidget*>(name)->isEnabled();
  }
  bool Shown(const char* name) const { return Duration()->findChild<QWidget*>(name)->isVisible(); }
  void Box(const char* name, const char* text) { Type("TTimberFrm", name, text); }
  void WindowMenu(const char* name) const {
    auto* action = Form("TTimberFrm")->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
    QApplication::processEvents();
  }
  QStringList Results() const { return ListLines("TTimberFrm", "List_Results"); }
  QStringList Summary() const { return ListLines("TTimberFrm", "List_Sum"); }
  QColor SummaryColour() const {
    return Control<QListWidget>("TTimberFrm", "List_Sum")->palette().color(QPalette::Text);
  }
  // The combined check with the applied loads, kN and kN m; the dialog offers both durations
  // and the loads.
  void CheckCombined(const char* axial, const char* moment) {
    Click("TTimberFrm", "cmd_Comb");
    EXPECT_TRUE(Enabled("Frame_Bending"));
    EXPECT_TRUE(Enabled("Frame_Strut"));
    EXPECT_TRUE(Shown("Panel_Loads"));
    Type("TDurationFrm", "Edit_Axial", axial);
    Type("TDurationFrm", "Edit_Mom", moment);
    Click("TDurationFrm", "cmd_OK");
  }
  double CombinedValue() const {
    const QStringList line = Summary().filter("  Combined Loading Equation = ");
    return line.size() == 1 ? line[0].section("= ", 1).toDouble() : -1;
  }
};

// 75 x 200 C24, single, dry, about the major axis, Le = 2 m. By hand: K7 = (300/200)^0.11 =
// 1.0456, sigma_m = 7.5 x 1.0456 = 7.842 N/mm2, Z = 75 x 200^2 / 6 = 500 cm3, M = 3.92 kN m;
// V = 0.71 x 15000 / 1.5 = 7.10 kN. The strut medium term: sigma_c = 7.9 x 1.25 = 9.875 N/mm2,
// lambda = 2000 / 57.74 = 34.64, K12 = 0.8210 (BS 5268-2 Annex B with E min 7200). With 20 kN
// and 2 kN m: sigma_ma = 4.00, sigma_ca = 1.333, sigma_e = pi^2 x 7200 / 34.64^2 = 59.22, so
// w = 4.00 / (7.842 (1 - 1.5 x 1.333 x 0.8210 / 59.22)) + 1.333 / (0.8210 x 9.875) = 0.689;
// with 5 kN m, w = 1.48.
TEST_F(TimberMemberFormTest, ThreeCalculationsFillBothListsAndPrint) {
  ASSERT_TRUE(Form("TTimberFrm")->isVisible());
  EXPECT_EQ(Form("TTimberFrm")->windowTitle(), "Timber");
  Box("Edit_Width", "75");
  Box("Edit_Depth", "200");
  Click("TTimberFrm", "cmd_AxialCap");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Enter value for effective length"});
  EXPECT_FALSE(Duration()->isVisible());
  Box("Edit_Le", "2");

  Click("TTimberFrm", "cmd_BendCap");
  ASSERT_TRUE(Duration()->isVisible());
  EXPECT_EQ(Duration()->windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(Enabled("Frame_Bending"));
  EXPECT_FALSE(Enabled("Frame_Strut"));
  EXPECT_FALSE(Shown("Panel_Loads"));
  Click("TDurationFrm", "cmd_OK");
  EXPECT_FALSE(Duration()->isVisible());
  EXPECT_TRUE(Results().contains("  Permissible Bending Moment = 3.92 kN-m"));
  EXPECT_TRUE(Results().contains("  (assuming adequate torsional restraint)"));
  EXPECT_TRUE(Summary().contains("  Permissible Shear Load = 7.10 kN"));

  Click("TTimberFrm", "cmd_AxialCap");
  EXPECT_FALSE(Enabled("Frame_Bending"));
  EXPECT_TRUE(Enabled("Frame_Strut"));
  Click("TDurationFrm", "Option_AxMT");
  EXPECT_EQ(Control<QLabel>("TDurationFrm", "lbl_AxK3")->text(), "1.25");
  Click("TDurationFrm", "cmd_OK");
  EXPECT_TRUE(Results().contains("  K3 = 1.25  (Medium Term)"));
  EXPECT_TRUE(Results().contains("  Permissible Bending Moment = 3.92 kN-m"));  // kept
  EXPECT_EQ(Summary().filter("  Permissible Axial Load = ").size(), 1);

  CheckCombined("20", "2");
  EXPECT_NEAR(CombinedValue(), 0.689, 0.0015);
  EXPECT_EQ(Summary().last(), "  Combined Loading OK");
  EXPECT_EQ(SummaryColour(), QColor(Qt::black));
  CheckCombined("20", "5");
  EXPECT_NEAR(CombinedValue(), 1.48, 0.006);
  EXPECT_EQ(Summary().last(), "  Combined Loading Too High");
  EXPECT_EQ(SummaryColour(), QColor(Qt::red));

  WindowMenu("Print1");
  ASSERT_TRUE(printing.printed);
  EXPECT_EQ(printing.titles.back(), "Timber");
  const auto& printed = printing.job->recorder().texts();
  EXPECT_TRUE(std::any_of(printed.begin(), printed.end(), [](const RecordedText& text) {
    return text.text == "  Permissible Bending Moment = 3.92 kN-m";
  }));

  // New sizes make the results stale.
  Box("Edit_Width", "100");
  EXPECT_TRUE(Results().isEmpty());
  EXPECT_TRUE(Summary().isEmpty());
}

// The window has no file of its own: a beam file's name must not head its printout.
TEST_F(TimberMemberFormTest, PrintoutNamesNoBeamFile) {
  LoadAnalysed(SimpleBeam());
  const std::string beamFile = (folder / "joist.trb").string();
  dialogs.saveAnswers = {beamFile};
  ASSERT_TRUE(session().SaveBeamFile(SaveCommand::SaveAs, dialogs).saved);
  Box("Edit_Width", "75");
  Box("Edit_Depth", "200");
  Click("TTimberFrm", "cmd_BendCap");
  Click("TDurationFrm", "cmd_OK");
  WindowMenu("Print1");
  ASSERT_TRUE(printing.printed);
  const auto& printed = printing.job->recorder().texts();
  EXPECT_TRUE(std::none_of(printed.begin(), printed.end(), [&](const RecordedText& text) {
    return text.text.find("joist.trb") != std::string::npos;
  }));
  EXPECT_EQ(session().header().CurrentFileName, beamFile);
}

}  // namespace
}  // namespace trabeo::testing
