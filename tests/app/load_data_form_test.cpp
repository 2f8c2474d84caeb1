#include "app/load_data_form.h"
#include "app/app_test_support.h"
#include "app/index_form.h"
#include "app/picture_widget.h"
#include "engine/finite_results.h"
#include "results/unshown_results.h"

namespace trabeo::testing {
namespace {

class LoadDataFormTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    index = static_cast<TIndexFrm*>(Form("TIndexFrm"));
    BeamProject project = SimpleBeam();
    project.model.Loads = LoadTable{};
    Load(project);
    Trigger("Loads1");
    form = static_cast<TLoadDataFrm*>(Form("TLoadDataFrm"));
  }

  void PickUdl(int row) { Click("TLoadDataFrm", ("OptionUDL" + std::to_string(row)).c_str()); }
  void PickPoint(int row) { Click("TLoadDataFrm", ("OptionP" + std::to_string(row)).c_str()); }
  void Box(const char* name, int row, const char* text) {
    Type("TLoadDataFrm", (name + std::to_string(row)).c_str(), text);
  }
  bool Visible(const std::string& name) {
    return form->findChild<QWidget*>(QString::fromStdString(name))->isVisible();
  }
  const BeamModel& model() const { return session().model(); }

  TIndexFrm* index = nullptr;
  TLoadDataFrm* form = nullptr;
};

TEST_F(LoadDataFormTest, OpensWithFiveRowsAndTheUnitHeads) {
  ASSERT_TRUE(form->isVisible());
  // Five rows in use at least, and one empty row after them.
  EXPECT_TRUE(Visible("Panel_6"));
  EXPECT_FALSE(Visible("Panel_7"));
  EXPECT_EQ(Control<QLabel>("TLoadDataFrm", "lbl_PL_Unit")->text(), "(kN)");
  EXPECT_EQ(Control<QLabel>("TLoadDataFrm", "lbl_Dist_Unit")->text(), "(m)");
  EXPECT_EQ(Control<QLabel>("TLoadDataFrm", "lbl_UDLS_Unit")->text(), "(kN/m)");
  EXPECT_FALSE(Visible("Frame_SWt"));  // no steel section
}

TEST_F(LoadDataFormTest, PickingATypeShowsItsBoxesAndRevealsTheNextRow) {
  PickPoint(1);
  EXPECT_TRUE(Visible("Edit_PL1"));
  EXPECT_TRUE(Visible("Edit_Dist1"));
  EXPECT_FALSE(Visible("Edit_Cover1"));
  EXPECT_FALSE(Visible("Edit_LF1"));  // factored loads are off
  PickUdl(12);
  EXPECT_TRUE(Visible("Panel_13"));
  EXPECT_FALSE(Visible("Panel_14"));
  EXPECT_TRUE(Visible("Edit_Cover12"));
  EXPECT_EQ(form->rowsInUse(), 12);
  Click("TLoadDataFrm", "cmd_Show");
  EXPECT_TRUE(Visible("Panel_25"));
  EXPECT_TRUE(Visible("Edit_UDLS25"));
}

TEST_F(LoadDataFormTest, ApplyChecksEveryRowAsTheUserGoes) {
  PickUdl(1);
  Box("Edit_Dist", 1, "2");
  Box("Edit_UDLS", 1, "5");
  Box("Edit_UDLF", 1, "5");
  Box("Edit_Cover", 1, "4.5");
  Click("TLoadDataFrm", "Check1");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "Load 1 extends past end of beam");
  PickPoint(2);
  Box("Edit_Dist", 2, "-1");
  Click("TLoadDataFrm", "Check2");
  EXPECT_EQ(dialogs.messages.back(), "Negative lengths not allowed");
}

TEST_F(LoadDataFormTest, NextWithNothingAppliedStoresTheRowsAndStaysOpen) {
  PickPoint(1);
  Box("Edit_PL", 1, "10");
  Box("Edit_Dist", 1, "3");
  Click("TLoadDataFrm", "cmdOK");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "No loads applied to beam");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(model().Loads.row(1).Kind, 1);
  EXPECT_EQ(model().Loads.row(1).Intensity, 10000);
  EXPECT_EQ(model().Loads.row(1).Factor, 1);
}

TEST_F(LoadDataFormTest, NextAnalysesTheBeam) {
  PickPoint(1);
  Box("Edit_PL", 1, "10");
  Box("Edit_Dist", 1, "3");
  Click("TLoadDataFrm", "Check1");
  Click("TLoadDataFrm", "cmdOK");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(session().ResultsValid(), 1);
  EXPECT_NEAR(session().results().Reactions[0], 5000, 1e-6);
  EXPECT_TRUE(MenuAction("Save1")->isEnabled());
  EXPECT_TRUE(MenuAction("Print1")->isEnabled());
}

// Each head stands over its own boxes, and the form fits an 800-pixel screen, all rows shown.
TEST_F(LoadDataFormTest, HeadsStandOverTheirColumnsWithinTheFormsWidth) {
  UnitSettings units = session().units();
  units.FactoredLoads = kSettingOn;  // the load-factor boxes shown too
  session().SetUnits(units);
  Trigger("Loads1");
  PickUdl(1);
  PickPoint(2);
  Click("TLoadDataFrm", "cmd_Show");
  QApplication::processEvents();
  EXPECT_LE(form->width(), 790);
  EXPECT_LE(form->minimumSizeHint().width(), 790);
  const std::vector<std::pair<const char*, std::string>> columns{
      {"lbl_Head_PL", "Edit_PL2"},       {"lbl_Head_Dist", "Edit_Dist1"},
      {"lbl_Head_UDLS", "Edit_UDLS1"},   {"lbl_Head_UDLF", "Edit_UDLF1"},
      {"lbl_Head_Cover", "Edit_Cover1"}, {"lbl_Head_LF", "Edit_LF1"}};
  for (const auto& [head, box] : columns) {
    const auto* label = Control<QLabel>("TLoadDataFrm", head);
    const auto* edit = Control<QLineEdit>("TLoadDataFrm", box.c_str());
    ASSERT_TRUE(edit->isVisible()) << box;
    const int centre = label->mapTo(form, label->rect().center()).x();
    const int left = edit->mapTo(form, QPoint(0, 0)).x();
    EXPECT_GE(centre, left) << head;
    EXPECT_LE(centre, left + edit->width()) << head;
  }
}

// Restoring the form after a minimise keeps what was typed; Enter presses "Next >" and Esc
// "Cancel", from any box.
TEST_F(LoadDataFormTest, KeysAndRestoringKeepTheFormsWork) {
  PickPoint(1);
  Box("Edit_PL", 1, "10");
  Box("Edit_Dist", 1, "3");
  MinimiseAndRestore(form);
  EXPECT_EQ(Control<QLineEdit>("TLoadDataFrm", "Edit_PL1")->text(), "10");
  EXPECT_TRUE(Control<QRadioButton>("TLoadDataFrm", "OptionP1")->isChecked());

  PressKey(Control<QLineEdit>("TLoadDataFrm", "Edit_PL1"), Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(model().Loads.row(1).Kind, 0);

  Trigger("Loads1");
  PickPoint(1);
  Box("Edit_PL", 1, "10");
  Box("Edit_Dist", 1, "3");
  Click("TLoadDataFrm", "Check1");
  PressKey(Control<QLineEdit>("TLoadDataFrm", "Edit_Dist1"), Qt::Key_Return);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(session().ResultsValid(), 1);
}

TEST_F(LoadDataFormTest, CancelLeavesTheModelAndBackStoresTheRows) {
  PickPoint(1);
  Box("Edit_PL", 1, "10");
  Click("TLoadDataFrm", "Button2");
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(model().Loads.row(1).Kind, 0);
  Trigger("Loads1");
  PickPoint(1);
  Box("Edit_PL", 1, "10");
  Click("TLoadDataFrm", "Button3");
  EXPECT_EQ(model().Loads.row(1).Kind, 1);
  EXPECT_TRUE(Form("TBeamFrm")->isVisible());
  EXPECT_FALSE(form->isVisible());
}

TEST_F(LoadDataFormTest, ClearEmptiesTheRowsButNotTheModel) {
  Trigger("Loads1");
  PickPoint(1);
  Box("Edit_PL", 1, "10");
  Click("TLoadDataFrm", "Check1");
  Click("TLoadDataFrm", "cmdOK");
  Trigger("Loads1");
  EXPECT_TRUE(Control<QRadioButton>("TLoadDataFrm", "OptionP1")->isChecked());
  EXPECT_EQ(Control<QLineEdit>("TLoadDataFrm", "Edit_PL1")->text(), "10.000");
  Click("TLoadDataFrm", "Button1");
  EXPECT_FALSE(Control<QRadioButton>("TLoadDataFrm", "OptionP1")->isChecked());
  EXPECT_TRUE(Control<QLineEdit>("TLoadDataFrm", "Edit_PL1")->text().isEmpty());
  Click("TLoadDataFrm", "Button2");
  EXPECT_EQ(model().Loads.row(1).Kind, 1);
}

// The sketch follows "Apply": a yellow arrow for the point load, the red profile of the
// distributed load, whose outline was rebuilt first (its stacked rate is labelled), and the
// length label under the beam.
TEST_F(LoadDataFormTest, ApplyRedrawsTheSketchWithTheLoads) {
  const auto* sketch = form->findChild<PictureWidget*>("Image_Beam");
  ASSERT_NE(sketch, nullptr);
  const auto countPixels = [&](QRgb colour) {
    int count = 0;
    const QImage& image = sketch->image();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x)
        count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
  };
  EXPECT_EQ(countPixels(qRgb(255, 255, 0)), 0);
  EXPECT_EQ(Control<QLabel>("TLoadDataFrm", "lbl_Length")->text(), "Length = 6.00 m");
  EXPECT_TRUE(Control<QLabel>("TLoadDataFrm", "lbl_Length")->isVisible());

  PickPoint(1);
  Box("Edit_PL", 1, "10");
  Box("Edit_Dist", 1, "3");
  Click("TLoadDataFrm", "Check1");
  EXPECT_GT(countPixels(qRgb(255, 255, 0)), 0);
  EXPECT_EQ(countPixels(qRgb(255, 0, 0)), 0);

  for (int row : {2, 3}) {
    PickUdl(row);
    Box("Edit_Dist", row, row == 2 ? "0" : "2");
    Box("Edit_UDLS", row, row == 2 ? "10" : "5");
    Box("Edit_UDLF", row, row == 2 ? "10" : "5");
    Box("Edit_Cover", row, "4");
    Click("TLoadDataFrm", ("Check" + std::to_string(row)).c_str());
  }
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(countPixels(qRgb(255, 0, 0)), 0);
  // The second load starts inside the first: 5 + 10 kN/m just inside its start.
  EXPECT_FLOAT_EQ(session().udlOutline().record(3).StartStacked, 15);
}

// A load beyond single precision is refused by name and never stored; a beam whose results
// overflow shows the message and no results.
TEST_F(LoadDataFormTest, NumbersBeyondSinglePrecisionNeverReachTheResults) {
  PickPoint(1);
  Box("Edit_PL", 1, "1e36");  // kN: 1e39 N
  Box("Edit_Dist", 1, "3");
  Click("TLoadDataFrm", "Check1");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "Load 1 point load is out of range");
  Click("TLoadDataFrm", "cmdOK");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(model().Loads.row(1).Intensity, 0);

  BeamProject huge = SimpleBeam();
  huge.model.Loads.row(1).Intensity = 3e38f;  // fits, but its moments do not
  dialogs.messages.clear();
  LoadAnalysed(huge);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], kResultsNotFiniteMessage);
  EXPECT_EQ(session().ResultsValid(), 0);
  EXPECT_TRUE(ListLines("TIndexFrm", "List_Results").isEmpty());
  EXPECT_FALSE(MenuAction("Save1")->isEnabled());
}

// Text that is not a number is refused with a message naming the load and the box; nothing of
// the row is stored and the form stays open.
TEST_F(LoadDataFormTest, LettersInABoxAreRefusedByRowAndColumn) {
  PickPoint(1);
  Box("Edit_PL", 1, "20");
  Box("Edit_Dist", 1, "abc");
  PickUdl(2);
  Box("Edit_Dist", 2, "0");
  Box("Edit_UDLS", 2, "1O");
  Box("Edit_UDLF", 2, "10");
  Box("Edit_Cover", 2, "6");
  Click("TLoadDataFrm", "Check1");
  Click("TLoadDataFrm", "Check2");
  dialogs.messages.clear();
  Click("TLoadDataFrm", "cmdOK");
  ASSERT_GE(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0], "Load 1, distance: \"abc\" is not a number.");
  EXPECT_EQ(dialogs.messages[1], "Load 2, UDL start rate: \"1O\" is not a number.");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(model().Loads.row(1).Kind, 0);
  EXPECT_EQ(model().Loads.row(2).Kind, 0);
}

// Results too large for their format ("#####") give one message naming what to check and no
// results, as results that are not finite do.
TEST_F(LoadDataFormTest, ResultsTooLargeToShowGiveOneMessageAndNoResults) {
  BeamProject heavyLoad = SimpleBeam();
  heavyLoad.model.Loads.row(1).Intensity = 1e33f;  // 1e30 kN
  dialogs.messages.clear();
  LoadAnalysed(heavyLoad);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kResultsTooLargeMessage});
  EXPECT_EQ(session().ResultsValid(), 0);
  EXPECT_TRUE(ListLines("TIndexFrm", "List_Results").isEmpty());
  EXPECT_FALSE(MenuAction("Print1")->isEnabled());
}

}  // namespace
}  // namespace trabeo::testing
