#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <array>

#include "app/form_controls.h"
#include "app/member_capacity_form.h"
#include "app/picture_widget.h"
#include "app/print/header_date_time.h"
#include "app/qt_text.h"
#include "settings/page_header.h"
#include "steel/member_capacity/bearing_sketch.h"
#include "steel/member_capacity/member_ec3.h"
#include "steel/member_capacity/member_print.h"
#include "steel/member_capacity/moment_sketch.h"

namespace {

// The form shows "End Bearing + Buckling" only when it is wider than this; on a smaller screen
// the command stays in the "Calculate" menu.
constexpr int kBearingButtonWidth = 1000;
constexpr std::string_view kNarrowScreenMessage = "Balls";

// An opened file brings the section with the grade its py was found for: the grade box shows
// that grade rather than the one chosen before.
void ShowGradeOfSection(trabeo::MemberCapacityWindow& w) {
  if (!w.state.McClassSet.grade) return;
  w.Combo_GradeIndex = trabeo::SteelGradeListIndex(*w.state.McClassSet.grade);
  w.Combo_GradeText = trabeo::kMemberGradeItems[static_cast<std::size_t>(w.Combo_GradeIndex)];
}

}  // namespace

void TMemCapFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) StartFromBeamSection();
}

bool TMemCapFrm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == axialLabel_ && event->type() == QEvent::MouseButtonRelease) AxialLabelClicked();
  return QWidget::eventFilter(watched, event);
}

// Every showing starts afresh from the beam's section description and grade; "Set Header" is a
// window of its own, so returning from it shows nothing anew.
void TMemCapFrm::StartFromBeamSection() {
  trabeo::ShowMemberWindow(w_, context_.session.section(), false);
  ClearMomentSketches();
  ShowState();
}

void TMemCapFrm::PickFamily(const trabeo::MemberFamily& family) {
  trabeo::PickMemberFamily(w_, family, context_.session.StartFolder());
  {
    const QSignalBlocker blocker(sectionList_);
    ShowLines(sectionList_, w_.List_Section);
  }
  ShowState();
}

// A press on another line picks it at once (as the keyboard does); the click that its release
// completes does not pick it a second time. A click on the line already picked picks it again.
void TMemCapFrm::SectionRowChanged(int line) {
  if (line < 0) return;
  awaitingClickOnLine_ = QApplication::mouseButtons() != Qt::NoButton ? line : -1;
  PickSection(line);
}

void TMemCapFrm::SectionLineClicked(int line) {
  const bool alreadyPicked = line == awaitingClickOnLine_;
  awaitingClickOnLine_ = -1;
  if (!alreadyPicked) PickSection(line);
}

void TMemCapFrm::PickSection(int line) {
  if (line < 0) return;
  trabeo::PickMemberSectionLine(w_, static_cast<std::size_t>(line), context_.session.StartFolder(),
                                context_.dialogs, context_.session.units());
  ShowState();
}

void TMemCapFrm::GradeChosen(int item) {
  trabeo::ChangeMemberGrade(w_, item, context_.dialogs, context_.session.units());
  ShowState();
}

void TMemCapFrm::RunSingle(trabeo::MemberCalculation calculation) {
  trabeo::RunSingleMemberCalculation(w_, calculation, context_.dialogs, context_.session.units());
  ShowState();
}

void TMemCapFrm::RunCombined() {
  trabeo::RunCombinedMemberCalculation(w_, context_.dialogs, context_.session.units());
  DrawMomentSketches();
  ShowState();
}

void TMemCapFrm::ShowBearingPanel() {
  trabeo::ShowMemberBearingPanel(w_, context_.dialogs);
  ShowState();
  if (!w_.Panel_BearingVisible) return;
  bearingSketch_->Draw([this](trabeo::Canvas& canvas) {
    trabeo::DrawBearingSketch(canvas, bearingSketch_->width(), bearingSketch_->height());
  });
}

void TMemCapFrm::RunBearing() {
  trabeo::RunMemberBearingCalculation(w_, context_.dialogs, context_.session.units());
  ShowState();
}

void TMemCapFrm::CodeChosen(trabeo::DesignCode code) {
  trabeo::ChooseMemberCode(w_, code);
  ClearMomentSketches();
  ShowState();
}

void TMemCapFrm::Ec3InputChanged() {
  trabeo::MemberEc3InputEdited(w_);
  ShowState();
}

void TMemCapFrm::RunEc3Check() {
  trabeo::RunEc3MemberCheck(w_, context_.dialogs);
  ShowState();
}

void TMemCapFrm::AxialLabelClicked() {
  trabeo::ClickMemberAxialLabel(w_, context_.dialogs, context_.session.units());
}

void TMemCapFrm::PyOrEEdited() {
  trabeo::MemberPyOrEEdited(w_);
  ShowState();
}

void TMemCapFrm::LengthEdited() {
  trabeo::MemberLengthEdited(w_);
  ShowState();
}

void TMemCapFrm::LoadsEdited() {
  trabeo::MemberLoadsEdited(w_);
  ShowState();
}

void TMemCapFrm::DataListClicked() {
  if (ScreenRect().width() < designWidth_->width()) context_.dialogs.Message(kNarrowScreenMessage);
}

void TMemCapFrm::Open() {
  trabeo::HeaderTexts header = context_.session.header();
  if (!trabeo::OpenMemberCapacity(w_, header, context_.dialogs)) return;
  // The file also holds the beam's section area; the beam keeps its own, since this window
  // never changes the beam.
  context_.session.ReplaceHeader(header);
  ShowGradeOfSection(w_);
  ShowState();
}

void TMemCapFrm::Save(trabeo::MemberSaveCommand command) {
  trabeo::HeaderTexts header = context_.session.header();
  if (trabeo::SaveMemberCapacity(w_, header, context_.session.section().SectionArea,
                                 context_.session.units(), context_.dialogs, command))
    context_.session.ReplaceHeader(header);
}

void TMemCapFrm::Print() {
  const trabeo::HeaderTexts header = context_.session.header();
  const std::string dateTime = HeaderDateTimeNow();
  context_.printing.Preview(this, std::string(trabeo::kMemberCaption), [&](trabeo::PrintJob& job) {
    return trabeo::PrintMemberCapacity(job, w_.state, header, kProgramTitle, dateTime);
  });
}

void TMemCapFrm::SwitchModule(void (TMemCapFrm::*request)()) {
  hide();
  Q_EMIT(this->*request)();
}

void TMemCapFrm::ShowState() {
  const trabeo::MemberFormTexts& t = w_.state.texts;
  groupLabel_->setText(ToQString(w_.lbl_Group));
  descLabel_->setText(ToQString(t.lbl_Desc));
  classAxial_->setText(ToQString(t.lbl_SectionTypeA));
  classXX_->setText(ToQString(t.lbl_SectionTypeX));
  classYY_->setText(ToQString(t.lbl_SectionTypeY));
  n1_->setText(ToQString(t.lbl_n1));
  n2_->setText(ToQString(t.lbl_n2));
  ShowBoxTexts();
  ShowGrade();
  ShowCode();
  ShowLists();
  const bool bs5950 = w_.state.code != trabeo::DesignCode::EN1993;
  bearing_->setVisible(bs5950 && w_.cmd_BearingVisible && width() > kBearingButtonWidth);
  bearingPanel_->setVisible(w_.Panel_BearingVisible);
  helpList_->setVisible(w_.List_HelpVisible);
  combined_->setEnabled(bs5950 && w_.cmd_CalcEnabled);
  combinedItem_->setEnabled(bs5950 && w_.cmd_CalcEnabled);
  for (QAction* action : {save_, saveAs_, print_})
    action->setEnabled(w_.fileCommandsEnabled);
}

// Only boxes whose text differs are set, so the one being typed in keeps its cursor.
void TMemCapFrm::ShowBoxTexts() {
  const auto show = [](QLineEdit* box, const std::string& value) {
    const QString text = ToQString(value);
    if (box->text() != text) box->setText(text);
  };
  for (const auto& [box, field] : boxes_)
    show(box, w_.state.texts.*field);
  for (const auto& [box, field] : ec3Boxes_)
    show(box, w_.state.ec3.*field);
}

// The code's own controls: EN 1993-1-1's group, or BS 5950's calculations and sketches.
void TMemCapFrm::ShowCode() {
  const bool en1993 = w_.state.code == trabeo::DesignCode::EN1993;
  const trabeo::MemberEc3Inputs& e = w_.state.ec3;
  {
    const QSignalBlocker blockBS(codeBS5950_);
    const QSignalBlocker blockEN(codeEN1993_);
    (en1993 ? codeEN1993_ : codeBS5950_)->setChecked(true);
  }
  annex_->setCurrentIndex(e.annex == trabeo::NationalAnnex::Recommended ? 1 : 0);
  destabilising_->setChecked(e.Check_Destabilising);
  restrained_->setChecked(e.Check_Restrained);
  ec3Group_->setVisible(en1993);
  sketchXX_->setVisible(!en1993);
  sketchYY_->setVisible(!en1993);
  for (QWidget* control : bs5950Controls_)
    control->setEnabled(!en1993);
  for (QAction* action : bs5950Actions_)
    action->setEnabled(!en1993);
}

void TMemCapFrm::ShowGrade() {
  const QSignalBlocker blocker(grade_);
  grade_->setCurrentIndex(w_.Combo_GradeIndex);
  grade_->setEditText(ToQString(w_.Combo_GradeText));
}

void TMemCapFrm::ShowLists() {
  ShowLines(resultsList_, w_.List_Results);
  ShowLines(dataList_, w_.List_Data);
  ShowLines(helpList_, w_.List_Help);
}

void TMemCapFrm::DrawMomentSketches() {
  const std::optional<std::array<double, 4>>& moments = w_.state.extra.SketchMoments;
  if (!moments) return;
  const auto draw = [](PictureWidget* picture, trabeo::MemberAxis axis, double M1, double M2) {
    picture->Draw([&](trabeo::Canvas& canvas) {
      trabeo::DrawMomentSketch(canvas, picture->width(), picture->height(), axis, M1, M2);
    });
  };
  draw(sketchXX_, trabeo::MemberAxis::XX, (*moments)[0], (*moments)[1]);
  draw(sketchYY_, trabeo::MemberAxis::YY, (*moments)[2], (*moments)[3]);
}

void TMemCapFrm::ClearMomentSketches() {
  sketchXX_->Fill(Qt::white);
  sketchYY_->Fill(Qt::white);
}
