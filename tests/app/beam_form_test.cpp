#include "app/beam_form.h"

#include <functional>
#include <utility>
#include <vector>

#include "app/app_test_support.h"
#include "app/index_form.h"
#include "app/picture_widget.h"

namespace trabeo::testing {
namespace {

constexpr int kUb25Line = 8;       // "203 x 133 UB 25" in UB.sct
constexpr int kSeparatorLine = 7;  // the blank line before it

class BeamFormTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    index = static_cast<TIndexFrm*>(Form("TIndexFrm"));
    form = static_cast<TBeamFrm*>(Form("TBeamFrm"));
  }

  const BeamModel& model() const { return session().model(); }
  const SectionValues& section() const { return session().section(); }
  int32_t ResultsValid() const { return session().ResultsValid(); }

  // Input > "Beam", as the user opens the form.
  void OpenForm() { Trigger("Beam1"); }
  void ReopenForm() {
    form->hide();
    OpenForm();
  }
  void Menu(const char* name) {
    auto* action = form->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
    QApplication::processEvents();
  }
  void PickLine(int line) {
    Control<QListWidget>("TBeamFrm", "List_Sect")->setCurrentRow(line);
    QApplication::processEvents();
  }
  void PickUb25() {
    Menu("UniversalBeams1");
    PickLine(kUb25Line);
  }
  void Box(const char* name, const char* text) { Type("TBeamFrm", name, text); }
  QString BoxText(const char* name) const { return Control<QLineEdit>("TBeamFrm", name)->text(); }
  QString LabelText(const char* name) const { return Control<QLabel>("TBeamFrm", name)->text(); }
  bool Checked(const char* name) const {
    return Control<QAbstractButton>("TBeamFrm", name)->isChecked();
  }
  bool Visible(const char* name) const { return form->findChild<QWidget*>(name)->isVisible(); }
  void SetTicked(const char* name, bool ticked) {
    if (Checked(name) != ticked) Click("TBeamFrm", name);
  }
  void TypeBeam() {
    Box("Edit_Span_L", "6");
    Box("Edit_Span_E", "205000");
    Box("Edit_Span_Ixx", "2340");
  }
  void Next() { Click("TBeamFrm", "cmdNext"); }
  bool LoadFormShown() const { return Form("TLoadDataFrm")->isVisible(); }

  TIndexFrm* index = nullptr;
  TBeamFrm* form = nullptr;
};

TEST_F(BeamFormTest, ShowsTheUnitsInItsCaptions) {
  OpenForm();
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), "Beam / Span Details");
  EXPECT_EQ(LabelText("lbl_Span"), "Length ( m )");
  EXPECT_EQ(LabelText("lbl_E"), "E ( N/mm^2 )");
  EXPECT_EQ(LabelText("lbl_Ixx"), "Ixx( cm^4 )");
  EXPECT_EQ(LabelText("lbl_Py_Unit"), "N/mm^2");
  EXPECT_EQ(LabelText("Label_S"), "Sxx/Syy = Plastic Modulus");
  EXPECT_EQ(LabelText("Label_Z"), "Zxx/Zyy = Elastic Modulus");
  EXPECT_TRUE(Control<QLineEdit>("TBeamFrm", "Edit_Span_L")->isEnabled());
  EXPECT_TRUE(Visible("Frame_Steel"));
  EXPECT_FALSE(Visible("Frame_Timber"));
  EXPECT_FALSE(Visible("Edit_LHC_L"));
  EXPECT_TRUE(Checked("Option_None"));
  EXPECT_FALSE(Control<QRadioButton>("TBeamFrm", "Option_BS5950")->isEnabled());
  for (const char* hidden : {"Option_BS449", "Option_AISC", "Option_LRFD"})
    EXPECT_FALSE(Visible(hidden)) << hidden;
  const auto* grade = Control<QComboBox>("TBeamFrm", "Combo_Grade");
  ASSERT_EQ(grade->count(), 3);
  EXPECT_EQ(grade->itemText(0), "S 275 (Grade 43)");
  EXPECT_EQ(grade->itemText(2), "S 450 (Grade 55)");
  EXPECT_EQ(grade->currentIndex(), 0);  // grade 0 shows as 43
}

TEST_F(BeamFormTest, TypedBeamGoesToTheLoadForm) {
  LoadAnalysed(SimpleBeam());
  ASSERT_EQ(ResultsValid(), 1);
  OpenForm();
  TypeBeam();
  EXPECT_EQ(model().TotalLength, 6000);
  Next();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(LoadFormShown());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(model().MainSpan.Present, 1);
  EXPECT_EQ(model().MainSpan.Length, 6000);
  EXPECT_EQ(model().MainSpan.E, 205000);
  EXPECT_EQ(model().MainSpan.Ixx, 2.34e7);
  EXPECT_EQ(model().SectionIxx, 2.34e7f);
  EXPECT_EQ(model().LhSupportKind, kPinnedSupport);
  EXPECT_EQ(model().FibreDistance, 1e12f);  // typed Ixx
  EXPECT_EQ(model().DesignCode, DesignCode::None);
  EXPECT_EQ(ResultsValid(), 0);

  // "< Back" shows the same beam again.
  Click("TLoadDataFrm", "Button3");
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(BoxText("Edit_Span_L"), "6.000");
  EXPECT_EQ(BoxText("Edit_Span_E"), "205000");
  EXPECT_EQ(BoxText("Edit_Span_Ixx"), "2340");
  EXPECT_EQ(BoxText("Edit_LHC_L"), "");
}

TEST_F(BeamFormTest, PickedUniversalBeamGivesItsValuesAndSelfWeight) {
  OpenForm();
  Menu("UniversalBeams1");
  EXPECT_EQ(LabelText("lbl_Group"), "Beam");
  const QStringList lines = ListLines("TBeamFrm", "List_Sect");
  ASSERT_EQ(lines.size(), 95);
  EXPECT_EQ(lines[kUb25Line].trimmed(), "203 x 133 UB 25");
  EXPECT_EQ(lines[kSeparatorLine].trimmed(), "");

  PickLine(kUb25Line);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(BoxText("Edit_Span_Ixx"), "2340");
  EXPECT_EQ(BoxText("Edit_Span_E"), "205000");
  EXPECT_EQ(BoxText("Edit_Desc").trimmed(), "203 x 133 UB 25");
  EXPECT_TRUE(BoxText("Edit_Desc").startsWith(" 203"));
  const QStringList props = ListLines("TBeamFrm", "List_Props");
  ASSERT_GE(props.size(), 3);
  EXPECT_EQ(props[0], " Beam");
  EXPECT_TRUE(props.contains(" Ixx = 2340 cm^4"));
  EXPECT_TRUE(props.contains(" E = 205000 N/mm^2"));
  EXPECT_EQ(LabelText("lbl_Py"), "275");  // T = 7.8 in grade 43
  EXPECT_EQ(LabelText("lbl_SectionTypeX"), "Section is Compact");
  EXPECT_EQ(section().SectionKind, SectionKind::Beam);
  EXPECT_EQ(section().SectionFamily, "UB");
  EXPECT_EQ(section().SteelGrade.FileNumber(), 43);
  EXPECT_FLOAT_EQ(section().SectionArea, 3196.8f);
  EXPECT_FLOAT_EQ(model().FibreDistance, 101.6f);
  EXPECT_TRUE(Checked("Option_None"));  // BS 5950 is not enabled

  Box("Edit_Span_L", "6");
  Next();
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_TRUE(LoadFormShown());
  const LoadRecord& selfWeight = model().Loads.row(kSelfWeightRow);
  EXPECT_EQ(selfWeight.Kind, -1);
  EXPECT_EQ(selfWeight.Position, 0);
  // The published mass of 203 x 133 UB 25 is 25.1 kg/m.
  EXPECT_NEAR(selfWeight.Intensity, 25.1 * 9.81 / 1000, 0.0005);
  EXPECT_EQ(selfWeight.EndIntensity, selfWeight.Intensity);
  EXPECT_EQ(selfWeight.Cover, 6000);
  EXPECT_TRUE(Form("TLoadDataFrm")->findChild<QWidget*>("Frame_SWt")->isVisible());
}

TEST_F(BeamFormTest, PickingASteelSectionChoosesBS5950WhenOffered) {
  EnableCodes(true, true);
  OpenForm();
  Click("TBeamFrm", "Option_BS5268");
  PickUb25();
  EXPECT_TRUE(Checked("Option_BS5950"));
  EXPECT_FALSE(Checked("Option_BS5268"));

  EnableCodes(false, true);
  ReopenForm();
  PickLine(kUb25Line + 1);
  EXPECT_TRUE(Checked("Option_None"));
}

TEST_F(BeamFormTest, TheBeamsOwnCodeStaysSelectableWhenNoLongerOffered) {
  BeamProject project;
  project.model.DesignCode = DesignCode::BS5950;
  Load(project);
  OpenForm();
  const auto* bs5950 = Control<QRadioButton>("TBeamFrm", "Option_BS5950");
  EXPECT_TRUE(bs5950->isEnabled());
  EXPECT_TRUE(bs5950->isChecked());
  EXPECT_FALSE(Control<QRadioButton>("TBeamFrm", "Option_BS5268")->isEnabled());
}

// The first unusable box stops "Next >"; mending each in turn brings up the next message.
TEST_F(BeamFormTest, ValidationMessagesComeInOrderAndKeepTheCode) {
  EnableCodes(true, false);
  OpenForm();
  Click("TBeamFrm", "Check_LH");
  Click("TBeamFrm", "Check_RH");
  Click("TBeamFrm", "Option_BS5950");
  const std::vector<std::pair<const char*, std::function<void()>>> steps{
      {"Enter length for LH Cantilever", [&] { Box("Edit_LHC_L", "1"); }},
      {" Enter Length for Beam", [&] { Box("Edit_Span_L", "6"); }},
      {" Enter E for Beam", [&] { Box("Edit_Span_E", "205000"); }},
      {" Enter Ixx for Beam", [&] { Box("Edit_Span_Ixx", "2340"); }},
      {" Select grade and check value of py", [&] { PickLine(kUb25Line); }},
      {"Enter length for RH Cantilever", [&] { Box("Edit_RHC_L", "2"); }},
  };
  Menu("UniversalBeams1");
  for (const auto& [message, mend] : steps) {
    dialogs.messages.clear();
    Next();
    ASSERT_EQ(dialogs.messages.size(), 1u) << message;
    EXPECT_EQ(dialogs.messages[0], message);
    EXPECT_TRUE(form->isVisible()) << message;
    EXPECT_FALSE(LoadFormShown()) << message;
    EXPECT_EQ(model().DesignCode, DesignCode::None) << message;
    mend();
  }
  dialogs.messages.clear();
  Next();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(LoadFormShown());
  EXPECT_EQ(model().DesignCode, DesignCode::BS5950);
  EXPECT_EQ(model().TotalLength, 9000);
  EXPECT_EQ(model().LhCantilever.Length, 1000);
  EXPECT_EQ(model().RhCantilever.Length, 2000);
}

// "Next >" stores the geometry before it looks at the code, so a refused code leaves results
// that no longer belong to the beam: they are invalidated, as after any other "Next >".
TEST_F(BeamFormTest, CodeNotSuitingTheSectionIsRefusedAndInvalidatesTheResults) {
  BeamProject steel = SimpleBeam();
  steel.section.SectionKind = SectionKind::Beam;
  steel.section.DesignStrength = 275;
  steel.model.FibreDistance = 100;
  LoadAnalysed(steel);
  EnableCodes(true, true);
  OpenForm();
  ASSERT_EQ(ResultsValid(), 1);
  Click("TBeamFrm", "Option_BS5268");
  Next();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "Cannot check steel beam to timber code");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(ResultsValid(), 0);

  // Typing in the Ixx box makes the value the user's own: no code check.
  Box("Edit_Span_Ixx", "2400");
  Click("TBeamFrm", "Option_BS5950");
  Next();
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1], "Cannot code check section with value of Ixx edited by user");
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(LoadFormShown());
  Click("TBeamFrm", "Option_None");
  Next();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(LoadFormShown());
  EXPECT_EQ(model().MainSpan.Ixx, 2.4e7);
}

TEST_F(BeamFormTest, TimberSectionIsNotCheckedToTheSteelCode) {
  EnableCodes(true, false);
  BeamProject timber;
  timber.section.SectionKind = SectionKind::Timber;
  timber.section.SectionDescription = "47 x 200 C24 Timber";
  timber.model.FibreDistance = 100;
  Load(timber);
  OpenForm();
  EXPECT_TRUE(Visible("Frame_Timber"));
  EXPECT_FALSE(Visible("Frame_Steel"));
  EXPECT_EQ(BoxText("Edit_Desc"), "47 x 200 C24 Timber");
  Box("Edit_Span_L", "4");
  Box("Edit_Span_E", "10800");
  Control<QLineEdit>("TBeamFrm", "Edit_Span_Ixx")->setText("3133");  // as the timber form does
  Click("TBeamFrm", "Option_BS5950");
  Next();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "Cannot check timber beam to steel code");
  EXPECT_TRUE(form->isVisible());
}

TEST_F(BeamFormTest, TimberWithSteelEIsQuestioned) {
  BeamProject timber = SimpleBeam();
  timber.section.SectionKind = SectionKind::Timber;
  timber.section.SectionDescription = "47 x 200 C24 Timber";
  LoadAnalysed(timber);
  ASSERT_EQ(ResultsValid(), 1);
  OpenForm();
  Box("Edit_Span_E", "205000");
  dialogs.yesNoAnswers = {false};
  Next();
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0],
            "You appear to have a timber section \nwith a value of \"E\" for steel.\nIs this "
            "correct?\n");
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(LoadFormShown());
  EXPECT_EQ(ResultsValid(), 0);

  dialogs.yesNoAnswers = {true};
  Next();
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_TRUE(LoadFormShown());
  EXPECT_FALSE(form->isVisible());
}

TEST_F(BeamFormTest, CantileverAndFixityExcludeEachOtherAtEachEnd) {
  OpenForm();
  Box("Edit_Span_L", "6");
  struct End {
    const char* cantilever;
    const char* fixed;
    const char* length;
    const char* caption;
  };
  for (const End& end : {End{"Check_LH", "Check_LHF", "Edit_LHC_L", "lbl_LHC"},
                         End{"Check_RH", "Check_RHF", "Edit_RHC_L", "lbl_RHC"}}) {
    Click("TBeamFrm", end.fixed);
    EXPECT_TRUE(Checked(end.fixed));
    Click("TBeamFrm", end.cantilever);
    EXPECT_TRUE(Checked(end.cantilever)) << end.cantilever;
    EXPECT_FALSE(Checked(end.fixed)) << end.fixed;
    EXPECT_TRUE(Visible(end.length)) << end.length;
    EXPECT_TRUE(Visible(end.caption)) << end.caption;
    Box(end.length, "1.5");
    EXPECT_EQ(model().TotalLength, 7500) << end.cantilever;
    Click("TBeamFrm", end.fixed);
    EXPECT_TRUE(Checked(end.fixed));
    EXPECT_FALSE(Checked(end.cantilever)) << end.cantilever;
    EXPECT_FALSE(Visible(end.length)) << end.length;
    EXPECT_EQ(model().TotalLength, 6000) << end.cantilever;  // an unticked cantilever counts 0
  }
  Next();
  EXPECT_TRUE(dialogs.messages.size() == 1u && dialogs.messages[0] == " Enter E for Beam");
  EXPECT_EQ(model().LhSupportKind, kFixedSupport);
  EXPECT_EQ(model().RhSupportKind, kFixedSupport);
}

// The span's caption makes way for the LH cantilever's; Enter presses "Next >".
TEST_F(BeamFormTest, SpanCaptionMovesLeftWithAnLhCantileverAndEnterGoesOn) {
  OpenForm();
  const auto* caption = Control<QLabel>("TBeamFrm", "lbl_Span");
  QApplication::processEvents();
  const int alone = caption->mapTo(form, QPoint(0, 0)).x();
  Click("TBeamFrm", "Check_LH");
  QApplication::processEvents();
  EXPECT_LT(caption->mapTo(form, QPoint(0, 0)).x(), alone);

  Click("TBeamFrm", "Check_LH");
  TypeBeam();
  PressKey(Control<QLineEdit>("TBeamFrm", "Edit_Span_Ixx"), Qt::Key_Return);
  EXPECT_TRUE(LoadFormShown());
}

TEST_F(BeamFormTest, PictureFollowsTheLengths) {
  OpenForm();
  const auto* picture = form->findChild<PictureWidget*>("Image_Beam");
  ASSERT_NE(picture, nullptr);
  const QColor grey(128, 128, 128);
  const int beamY = picture->height() / 2 - 10;
  EXPECT_EQ(picture->image().pixelColor(100, beamY), grey);
  Box("Edit_Span_L", "6");
  EXPECT_EQ(picture->image().pixelColor(100, beamY), QColor(Qt::white));
  Box("Edit_Span_L", "");
  EXPECT_EQ(model().TotalLength, 0);
  EXPECT_EQ(picture->image().pixelColor(100, beamY), grey);
}

TEST_F(BeamFormTest, SeparatorLineEmptiesEAndIxx) {
  OpenForm();
  TypeBeam();
  PickUb25();
  const QStringList props = ListLines("TBeamFrm", "List_Props");
  PickLine(kSeparatorLine);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(BoxText("Edit_Span_E"), "");
  EXPECT_EQ(BoxText("Edit_Span_Ixx"), "");
  EXPECT_EQ(BoxText("Edit_Desc").trimmed(), "");
  EXPECT_EQ(section().SectionArea, 0);
  EXPECT_EQ(section().SectionKind, SectionKind::None);
  EXPECT_EQ(model().FibreDistance, 0);
  EXPECT_EQ(ListLines("TBeamFrm", "List_Props"), props);  // the stored lines stay
  Next();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], " Enter E for Beam");
}

TEST_F(BeamFormTest, ClickingTheSelectedLinePicksItAgain) {
  OpenForm();
  PickUb25();
  Box("Edit_Span_Ixx", "1");
  auto* list = Control<QListWidget>("TBeamFrm", "List_Sect");
  QApplication::processEvents();
  Q_EMIT list->itemClicked(list->item(kUb25Line));
  EXPECT_EQ(BoxText("Edit_Span_Ixx"), "2340");
  EXPECT_FLOAT_EQ(model().FibreDistance, 101.6f);
}

TEST_F(BeamFormTest, TimberSizesAreAskedForBeforeTheTimberSection) {
  OpenForm();
  Menu("Timber1");
  EXPECT_EQ(section().SectionFamily, "Timber");
  EXPECT_TRUE(Visible("Frame_Timber"));
  EXPECT_FALSE(Visible("Frame_Steel"));
  EXPECT_TRUE(Visible("lbl_Timber1"));
  EXPECT_TRUE(Visible("lbl_Timber2"));
  EXPECT_FALSE(Visible("Label_S"));
  EXPECT_FALSE(Visible("Label_Z"));
  EXPECT_EQ(LabelText("lbl_Timber_W_Unit"), "mm");

  for (const auto& [width, depth] : std::vector<std::pair<const char*, const char*>>{
           {"", ""}, {"47", ""}, {"", "200"}, {"-47", "200"}}) {
    dialogs.messages.clear();
    Box("Edit_Timber_W", width);
    Box("Edit_Timber_H", depth);
    Click("TBeamFrm", "cmd_OK");
    ASSERT_EQ(dialogs.messages.size(), 1u) << width << " x " << depth;
    EXPECT_EQ(dialogs.messages[0], "Input beam size");
    EXPECT_EQ(section().TimberWidth, 0);
    EXPECT_FALSE(Form("TTimSectFrm")->isVisible());
  }
  dialogs.messages.clear();
  Box("Edit_Timber_W", "47");
  Box("Edit_Timber_H", "200");
  Click("TBeamFrm", "cmd_OK");
  EXPECT_EQ(section().TimberWidth, 47);
  EXPECT_EQ(section().TimberDepth, 200);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(Form("TTimSectFrm")->isVisible());
  Form("TTimSectFrm")->hide();

  // The sizes come back when the group is shown again.
  Box("Edit_Timber_W", "");
  Menu("Timber1");
  EXPECT_EQ(BoxText("Edit_Timber_W"), "47.0");
  EXPECT_EQ(BoxText("Edit_Timber_H"), "200");

  Menu("RHS1");
  EXPECT_EQ(LabelText("lbl_Group"), "Rectangular Hollow Section");
  EXPECT_EQ(section().SectionFamily, "RHS");
  EXPECT_TRUE(Visible("Frame_Steel"));
  EXPECT_FALSE(Visible("Frame_Timber"));
  EXPECT_FALSE(Visible("lbl_Timber1"));
  EXPECT_TRUE(Visible("Label_S"));
}

TEST_F(BeamFormTest, EveryFamilyListsItsTable) {
  OpenForm();
  struct Family {
    const char* action;
    const char* caption;
    const char* code;
    int lines;
  };
  for (const Family& f :
       {Family{"UniversalColumns1", "Universal Column", "UC", 37}, Family{"RSJ1", "RSJ", "RSJ", 9},
        Family{"WShapeBeams1", "Wide Flanged Beam", "WsBeam", 208},
        Family{"PFC1", "Parallel Flanged Channel", "PFC", 16},
        Family{"CShape1", "Rolled Steel Channel", "C", 37},
        Family{"UnequalL1", "Rolled Steel Angle", "UnEqL", 34},
        Family{"CHS1", "Circular Hollow Section", "CHS", 89},
        Family{"Miscellaneous1", "Miscellaneous", "Misc", 0}}) {
    Menu(f.action);
    EXPECT_EQ(LabelText("lbl_Group"), f.caption) << f.action;
    EXPECT_EQ(section().SectionFamily, f.code) << f.action;
    EXPECT_EQ(ListLines("TBeamFrm", "List_Sect").size(), f.lines) << f.action;
  }
  Menu("EditMiscellaneous1");
  EXPECT_TRUE(Form("TGridFrm")->isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(BeamFormTest, AnglePickGivesItsClass) {
  OpenForm();
  Menu("EqualRSA1");
  PickLine(0);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(section().SectionKind, SectionKind::RSA);
  EXPECT_FALSE(LabelText("lbl_SectionTypeX").isEmpty());
  EXPECT_TRUE(LabelText("lbl_SectionTypeX").startsWith("Section is "));
}

TEST_F(BeamFormTest, FileNewEmptiesTheForm) {
  OpenForm();
  Click("TBeamFrm", "Check_LH");
  Box("Edit_LHC_L", "1");
  TypeBeam();
  PickUb25();
  Next();
  ASSERT_TRUE(LoadFormShown());
  Form("TLoadDataFrm")->hide();
  Menu("Timber1");
  Box("Edit_Timber_W", "47");
  Trigger("New1");

  ASSERT_TRUE(form->isVisible());
  EXPECT_TRUE(ListLines("TBeamFrm", "List_Sect").isEmpty());
  EXPECT_TRUE(ListLines("TBeamFrm", "List_Props").isEmpty());
  EXPECT_EQ(LabelText("lbl_Group"), "");
  EXPECT_EQ(LabelText("lbl_SectionTypeX"), "");
  EXPECT_EQ(LabelText("lbl_Py"), "");
  EXPECT_EQ(BoxText("Edit_Timber_W").trimmed(), "");
  EXPECT_EQ(BoxText("Edit_Timber_H").trimmed(), "");
  for (const char* box : {"Edit_Span_L", "Edit_LHC_L", "Edit_Span_E", "Edit_Span_Ixx", "Edit_Desc"})
    EXPECT_EQ(BoxText(box), "") << box;
  EXPECT_FALSE(Checked("Check_LH"));
  EXPECT_FALSE(Visible("Edit_LHC_L"));
  EXPECT_EQ(model().TotalLength, 0);
  // Shown again, the form offers grade 43 for the new beam.
  EXPECT_EQ(Control<QComboBox>("TBeamFrm", "Combo_Grade")->currentIndex(), 0);
}

}  // namespace
}  // namespace trabeo::testing
