// The span and cantilever restraint forms, reached as the user reaches them: through "Next >" of
// the load form for a steel I-section checked to BS 5950.
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "app/app_test_support.h"
#include "app/picture_widget.h"
#include "beam_input/span_restraints.h"

namespace trabeo::testing {
namespace {

constexpr const char* kSpan = "TSpanFrm";
constexpr const char* kLh = "TCantLHFrm";
constexpr const char* kRh = "TCantRHFrm";

class RestraintFormsTest : public AppFixture {
 protected:
  // A steel I-section 300 mm deep under BS 5950 with the given span and cantilevers (mm, 0 for
  // none), 10 kN at 3 m: its loads accepted, so the span form shows.
  void OpenSpanForm(double span, double lh = 0, double rh = 0) {
    BeamProject project = SimpleBeam();
    BeamModel& model = project.model;
    model.DesignCode = DesignCode::BS5950;
    model.MainSpan.Length = span;
    if (lh > 0) model.LhCantilever = {1, lh, 205000, 1e8, 0};
    if (rh > 0) model.RhCantilever = {1, rh, 205000, 1e8, 0};
    model.TotalLength = lh + span + rh;
    project.section.SectionKind = SectionKind::Beam;
    project.section.SectionDepth = 300;
    Load(project);
    ReachSpanForm();
  }
  // Input > "Loads" and its "Next >" with the loads as stored.
  void ReachSpanForm() {
    Trigger("Loads1");
    Click("TLoadDataFrm", "cmdOK");
  }
  // A beam of the same restraints whose span was changed since they were entered.
  void ChangeSpan(double span) {
    BeamProject project = session().project();
    project.model.TotalLength += span - project.model.MainSpan.Length;
    project.model.MainSpan.Length = span;
    Load(project);
  }

  bool Shown(const char* form) const { return Form(form)->isVisible(); }
  bool Ticked(const char* form, const char* name) const {
    return Control<QAbstractButton>(form, name)->isChecked();
  }
  bool Visible(const char* form, const char* name) const {
    return Form(form)->findChild<QWidget*>(name)->isVisible();
  }
  QString Text(const char* form, const char* name) const {
    return Control<QLabel>(form, name)->text();
  }
  QString Box(const char* form) const { return Control<QLineEdit>(form, "Edit_Le")->text(); }
  QString ButtonText(const char* form, const char* name) const {
    return Control<QAbstractButton>(form, name)->text();
  }
  // A click on a caption or a picture that stands for an option.
  void ClickOn(const char* form, const char* name) const {
    QWidget* widget = Form(form)->findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2),
                        widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
  }
  const SteelRestraints& Restraints() const { return session().project().restraints; }
  QStringList GridCells() const {
    QStringList cells;
    const auto* grid = Control<QTableWidget>(kSpan, "Grid_Int");
    for (int column = 0; column < grid->columnCount(); ++column)
      cells << grid->item(0, column)->text();
    return cells;
  }
};

// Normal load, LH both flanges fully restrained (0.7L), RH both flanges free (1.0L) on a 6 m
// span: Le = (4.2 + 6.0) / 2 = 5.10 m. "< Back" keeps nothing of what was picked; "Next >"
// stores it, and the next showing brings it back from the stored flags.
TEST_F(RestraintFormsTest, EndConditionsAreAveragedStoredOnNextAndShownAgain) {
  OpenSpanForm(6000);
  ASSERT_TRUE(Shown(kSpan));
  EXPECT_FALSE(Shown("TLoadDataFrm"));
  EXPECT_EQ(Form(kSpan)->windowTitle(), "Span");
  EXPECT_TRUE(Ticked(kSpan, "Option_Normal"));
  EXPECT_EQ(Text(kSpan, "Label_LengthUnit"), "m");
  EXPECT_FALSE(Visible(kSpan, "Frame_LH_Top"));

  Click(kSpan, "Option_LH_Lat_Rest");
  EXPECT_TRUE(Visible(kSpan, "Frame_LH_Top"));
  EXPECT_FALSE(Visible(kSpan, "Frame_LH_Bottom"));
  Click(kSpan, "Option_LH_Both_Restrained");
  EXPECT_EQ(Text(kSpan, "lbl_LH_Lf"), "0.7L");
  EXPECT_EQ(Text(kSpan, "lbl_Le"), "") << "one end alone gives no effective length";
  // A both-flanges option ticks its end's "laterally restrained" and shows its group.
  Click(kSpan, "Option_RH_Both_Free");
  EXPECT_TRUE(Ticked(kSpan, "Option_RH_Lat_Rest"));
  EXPECT_TRUE(Visible(kSpan, "Frame_RH_Top"));
  EXPECT_EQ(Text(kSpan, "lbl_RH_Lf"), "1.0L");
  EXPECT_EQ(Text(kSpan, "lbl_Le"), "5.10");

  Click(kSpan, "cmd_Back");
  EXPECT_TRUE(Shown("TLoadDataFrm"));
  EXPECT_FALSE(Shown(kSpan));
  EXPECT_EQ(Restraints().SpanRestraintFlags, (std::array<int32_t, 18>{}));
  Click("TLoadDataFrm", "cmdOK");
  ASSERT_TRUE(Shown(kSpan));
  EXPECT_FALSE(Ticked(kSpan, "Option_LH_Both_Restrained")) << "Back stored nothing";
  EXPECT_FALSE(Visible(kSpan, "Frame_LH_Top"));

  Click(kSpan, "Option_LH_Both_Restrained");
  Click(kSpan, "cmd_Next");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], kSpanIncompleteMessage);
  EXPECT_TRUE(Shown(kSpan));
  EXPECT_EQ(session().ResultsValid(), 0);

  Click(kSpan, "Option_RH_Both_Free");
  Click(kSpan, "cmd_Next");
  EXPECT_FALSE(Shown(kSpan));
  EXPECT_EQ(session().ResultsValid(), 1);
  EXPECT_EQ(Restraints().SpanLeText, "0.7L & 1.0L");
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[10], 5100);

  ReachSpanForm();
  EXPECT_TRUE(Ticked(kSpan, "Option_LH_Both_Restrained"));
  EXPECT_TRUE(Ticked(kSpan, "Option_RH_Lat_Rest"));
  EXPECT_TRUE(Visible(kSpan, "Frame_LH_Top"));
  EXPECT_EQ(Text(kSpan, "lbl_Le"), "5.10");
}

// A typed effective length stays in force while the span changes: "Next >" then refuses with
// the length message, storing nothing, until an end condition is picked again.
TEST_F(RestraintFormsTest, TypedEffectiveLengthAndAChangedSpan) {
  OpenSpanForm(6000);
  dialogs.inputAnswers = {"4"};
  Click(kSpan, "cmd_Edit");
  ASSERT_EQ(dialogs.inputRequests.size(), 1u);
  EXPECT_EQ(dialogs.inputRequests[0].caption, "Span Effective Length");
  EXPECT_EQ(dialogs.inputRequests[0].prompt, "Enter effective length (m )");
  EXPECT_EQ(Text(kSpan, "lbl_Le"), "4.00");
  EXPECT_EQ(Text(kSpan, "lbl_LH_Lf"), "User value");
  EXPECT_TRUE(Ticked(kSpan, "Option_Edit"));
  Click(kSpan, "cmd_Next");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Restraints().SpanLeText, "User value");
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[10], 4000);

  ChangeSpan(7000);
  ReachSpanForm();
  EXPECT_EQ(Text(kSpan, "lbl_Le"), "4.000");
  Click(kSpan, "cmd_Next");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], kSpanLengthChangedMessage);
  EXPECT_TRUE(Shown(kSpan));
  EXPECT_EQ(session().ResultsValid(), 0);

  Click(kSpan, "Option_LH_Both_Free");
  Click(kSpan, "Option_RH_Both_Free");
  Click(kSpan, "cmd_Next");
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_FALSE(Shown(kSpan));
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[10], 7000);
}

// Three restraints on a 12 m span: "ends 1/2 mid span" gives intervals of 2, 4, 4 and 2 m
// (stations 33, 67, 67, 33 in 1/200 of the span), equal spacing 3 m each; an interval typed in
// the grid leaves the remainder to the last one.
TEST_F(RestraintFormsTest, IntermediateRestraintsWithBothSpacings) {
  OpenSpanForm(12000);
  Click(kSpan, "cmd_Select");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "Select end restraints first");
  EXPECT_FALSE(Visible(kSpan, "Frame_Int"));

  Click(kSpan, "Option_LH_Both_Restrained");
  Click(kSpan, "Option_RH_Both_Free");
  Click(kSpan, "cmd_Select");
  EXPECT_TRUE(Visible(kSpan, "Frame_Int"));
  EXPECT_FALSE(Visible(kSpan, "Panel_Span"));
  EXPECT_EQ(ButtonText(kSpan, "cmd_Select"), "Set end restraints");
  EXPECT_EQ(Text(kSpan, "lbl_Le"), "varies");
  EXPECT_EQ(Text(kSpan, "lbl_SpanL"), "Span Length = 12.0 m");

  Control<QSpinBox>(kSpan, "Edit_No")->setValue(3);
  EXPECT_EQ(Text(kSpan, "Label_Span"), "3 Intermediate Supports");
  EXPECT_EQ(Text(kSpan, "lbl_LH_Lf"), "3 support(s)");
  EXPECT_EQ(GridCells(), (QStringList{"2.00", "4.00", "4.00"}));
  EXPECT_EQ(Control<QTableWidget>(kSpan, "Grid_Int")->horizontalHeaderItem(2)->text(), " Sup. 3");
  EXPECT_EQ(Restraints().RestraintStations,
            (std::array<int32_t, 10>{33, 67, 67, 33, 0, 0, 0, 0, 0, 0}));
  // The first segment: (2 + 0.7 x 2) / 2 = 1.7 m; the last (2 + 1.0 x 2) / 2 = 2 m.
  EXPECT_NEAR(Restraints().EffectiveLengths[7], 1700, 1e-3);
  EXPECT_NEAR(Restraints().EffectiveLengths[8], 2000, 1e-3);
  // The first restraint is drawn in red 2 m along: 50 + 2000 x (520 - 100) / 12000 pixels.
  const QImage& picture = Form(kSpan)->findChild<PictureWidget*>("Image_IntSpan")->image();
  EXPECT_EQ(picture.pixelColor(120, 70), QColor(Qt::red));

  Click(kSpan, "Option_Equal");
  EXPECT_EQ(GridCells(), (QStringList{"3.00", "3.00", "3.00"}));
  EXPECT_EQ(Restraints().RestraintStations[3], 50);
  Control<QTableWidget>(kSpan, "Grid_Int")->item(0, 0)->setText("2");
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[1], 2000);
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[4], 4000);
  EXPECT_EQ(Restraints().RestraintStations[3], 67);

  // Intervals running past the RH support leave a negative last segment: refused.
  auto* grid = Control<QTableWidget>(kSpan, "Grid_Int");
  grid->item(0, 2)->setText("8");
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[4], -1000);
  Click(kSpan, "cmd_Next");
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1], kRestraintsOutsideSpanMessage);
  EXPECT_TRUE(Shown(kSpan));
  grid->item(0, 2)->setText("3");

  Click(kSpan, "cmd_Next");
  EXPECT_FALSE(Shown(kSpan));
  EXPECT_EQ(Restraints().IntermediateRestraints, 1);
  EXPECT_EQ(Restraints().RestraintSpacing, 1);
  EXPECT_EQ(session().ResultsValid(), 1);

  // Showing again brings back the view, the count and the spacing, with the intervals edited.
  ReachSpanForm();
  EXPECT_TRUE(Visible(kSpan, "Frame_Int"));
  EXPECT_EQ(Control<QSpinBox>(kSpan, "Edit_No")->value(), 3);
  EXPECT_TRUE(Ticked(kSpan, "Option_Equal"));
  EXPECT_EQ(GridCells(), (QStringList{"2.00", "3.00", "3.00"}));
}

// An interval the user moved stays moved when the form shows again and after the beam is saved
// and opened; the default spacing returns only when the span changes.
TEST_F(RestraintFormsTest, EditedIntervalsStayUntilTheSpanChanges) {
  OpenSpanForm(6000);
  Click(kSpan, "Option_LH_Both_Free");
  Click(kSpan, "Option_RH_Both_Free");
  Click(kSpan, "cmd_Select");
  EXPECT_EQ(GridCells(), (QStringList{"3.00"}));
  Control<QTableWidget>(kSpan, "Grid_Int")->item(0, 0)->setText("2");
  Click(kSpan, "cmd_Next");
  ASSERT_FALSE(Shown(kSpan));

  ReachSpanForm();
  EXPECT_EQ(GridCells(), (QStringList{"2.00"}));
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[1], 2000);
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[2], 4000);
  Click(kSpan, "cmd_Next");

  const std::string file = (folder / "moved.trb").string();
  ASSERT_EQ(session().SaveBeamFileTo(file), "");
  dialogs.openAnswers.push_back(file);
  Trigger("Open1");
  ReachSpanForm();
  EXPECT_EQ(GridCells(), (QStringList{"2.00"}));
  EXPECT_DOUBLE_EQ(Restraints().EffectiveLengths[2], 4000);
  Click(kSpan, "cmd_Next");

  ChangeSpan(8000);
  ReachSpanForm();
  EXPECT_EQ(GridCells(), (QStringList{"4.00"}));
}

// Both cantilevers, 2 m each: span, LH and RH forms in turn, "< Back" through them, and the
// analysis after the RH form. Normal load, lateral restraint only, free tip: k = 3.0, 6.00 m.
TEST_F(RestraintFormsTest, CantileverFormsFollowTheSpanFormAndLeadBack) {
  OpenSpanForm(6000, 2000, 2000);
  Click(kSpan, "Option_Restrained");
  EXPECT_EQ(Text(kSpan, "lbl_LH_Lf"), "Restrained");
  EXPECT_EQ(Text(kSpan, "lbl_Le"), "0");
  Click(kSpan, "cmd_Next");
  ASSERT_TRUE(Shown(kLh));
  EXPECT_FALSE(Shown(kSpan));
  EXPECT_EQ(Form(kLh)->windowTitle(), "LH Cantilever");
  EXPECT_EQ(ButtonText(kLh, "cmd_Next"), "Next >");
  EXPECT_EQ(Text(kLh, "Label_Units"), "m");

  Click(kLh, "Option_Normal");
  ClickOn(kLh, "Label_Support_Lateral");
  ClickOn(kLh, "Image_End_Free");
  EXPECT_TRUE(Ticked(kLh, "Option_Support_Lateral"));
  EXPECT_TRUE(Ticked(kLh, "Option_End_Free"));
  EXPECT_EQ(Text(kLh, "lbl_Lf"), "3.00");
  EXPECT_EQ(Box(kLh), "6.00");
  Click(kLh, "cmd_Next");
  ASSERT_TRUE(Shown(kRh));
  EXPECT_FALSE(Shown(kLh));

  // The RH form's own texts, as it was made.
  EXPECT_EQ(Form(kRh)->windowTitle(), "RH Cantilever");
  EXPECT_EQ(ButtonText(kRh, "Option_End_Torsion"), "Torsional restaint");
  EXPECT_EQ(ButtonText(kRh, "Option_End_Both"), "Lateral and torsional retraint");
  EXPECT_EQ(ButtonText(kLh, "Option_End_Torsion"), "Torsionional restraint");
  EXPECT_EQ(Control<QGroupBox>(kRh, "Frame_End")->title(), " End Restraint ");
  EXPECT_EQ(Text(kRh, "lbl_Not_Applicable"), "Enter effective length if above not applicable");
  EXPECT_EQ(Form(kLh)->findChild<QLabel*>("lbl_Not_Applicable"), nullptr);

  Click(kRh, "cmd_Next");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], kSpanIncompleteMessage);
  EXPECT_TRUE(Shown(kRh));
  Click(kRh, "Cmd_Back");
  ASSERT_TRUE(Shown(kLh));
  EXPECT_EQ(Text(kLh, "lbl_Lf"), "3.00");
  Click(kLh, "Cmd_Back");
  ASSERT_TRUE(Shown(kSpan));
  EXPECT_TRUE(Ticked(kSpan, "Option_Restrained"));
  Click(kSpan, "cmd_Next");
  Click(kLh, "cmd_Next");

  // A length typed over the shown one is the user's value.
  Click(kRh, "Option_Restrained");
  EXPECT_EQ(Text(kRh, "lbl_Lf"), "Restrained");
  EXPECT_EQ(Box(kRh), "0");
  Type(kRh, "Edit_Le", "1.5");
  EXPECT_EQ(Text(kRh, "lbl_Lf"), "User value");
  Click(kRh, "cmd_Next");
  EXPECT_FALSE(Shown(kRh));
  EXPECT_EQ(session().ResultsValid(), 1);
  const SteelRestraints& r = Restraints();
  EXPECT_DOUBLE_EQ(r.EffectiveLengths[0], 6000);
  EXPECT_DOUBLE_EQ(r.EffectiveLengths[10], 0);
  EXPECT_DOUBLE_EQ(r.EffectiveLengths[11], 1500);
  EXPECT_EQ(r.LhCantLeText, "3.00");
  EXPECT_EQ(r.RhCantLeText, "User value");

  // File New, the analysed beam discarded, resets the three forms and forgets the restraints (but
  // for the spacing chosen).
  dialogs.saveChangesAnswers.push_back(SaveChoice::Discard);
  Trigger("New1");
  EXPECT_FALSE(Shown(kSpan) || Shown(kLh) || Shown(kRh));
  SteelRestraints cleared;
  cleared.RestraintSpacing = Restraints().RestraintSpacing;
  EXPECT_EQ(Restraints(), cleared);
  EXPECT_FALSE(Ticked(kLh, "Option_Normal"));
  EXPECT_EQ(Text(kLh, "lbl_Lf"), "");
  EXPECT_EQ(Box(kLh), "");
  EXPECT_FALSE(Ticked(kRh, "Option_Restrained"));
  EXPECT_EQ(Text(kSpan, "lbl_Le"), "");
}

// One cantilever: the LH form finishes the sequence; a beam with only a RH cantilever goes from
// the span form straight to the RH form, whose "< Back" returns to the span form.
TEST_F(RestraintFormsTest, OneCantileverOnly) {
  OpenSpanForm(6000, 2000, 0);
  Click(kSpan, "Option_Restrained");
  Click(kSpan, "cmd_Next");
  ASSERT_TRUE(Shown(kLh));
  EXPECT_EQ(ButtonText(kLh, "cmd_Next"), "Finish >");
  Click(kLh, "Option_Restrained");
  Click(kLh, "cmd_Next");
  EXPECT_FALSE(Shown(kLh));
  EXPECT_EQ(session().ResultsValid(), 1);

  OpenSpanForm(6000, 0, 2000);
  Click(kSpan, "Option_Restrained");
  Click(kSpan, "cmd_Next");
  ASSERT_TRUE(Shown(kRh));
  EXPECT_FALSE(Shown(kLh));
  EXPECT_EQ(ButtonText(kRh, "cmd_Next"), "Next >");
  Click(kRh, "Cmd_Back");
  EXPECT_TRUE(Shown(kSpan));
  EXPECT_FALSE(Shown(kRh));
}

}  // namespace
}  // namespace trabeo::testing
