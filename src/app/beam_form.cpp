#include "app/beam_form.h"

#include "app/form_keys.h"
#include "app/qt_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>

#include "app/busy_cursor.h"
#include "app/form_controls.h"
#include "app/picture_widget.h"
#include "beam_input/beam_entry.h"
#include "beam_input/property_lines.h"
#include "beam_input/section_entry.h"
#include "beam_input/section_pick.h"
#include "sections/section_table_file.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace {

constexpr int kPictureWidth = 545;
constexpr int kPictureHeight = 90;
constexpr int kFormWidth = 800;
constexpr int kFormHeight = 600;
const QColor kPictureGrey(128, 128, 128);

// One family of the "Section Properties Database" menu: the file listed is family + ".sct".
struct FamilyItem {
  const char* submenu;  // nullptr for an item of the menu itself
  const char* caption;
  const char* action;
  const char* groupCaption;
  const char* family;
};

constexpr std::array<FamilyItem, 18> kFamilies{{
    {"Beams", "Universal Beams", "UniversalBeams1", "Beam", "UB"},
    {"Beams", "Univeral Columns", "UniversalColumns1", "Universal Column", "UC"},
    {"Beams", "RSJ", "RSJ1", "RSJ", "RSJ"},
    {"Beams", "IPE", "IPE1", "IPE", "IPE"},
    {"Beams", "HE", "HE1", "HE Beam", "HE"},
    {"Beams", "W Shape Beams", "WShapeBeams1", "Wide Flanged Beam", "WsBeam"},
    {"Beams", "W Shape Columns", "WShapeColumns1", "Wide Flanged Column", "WsCol"},
    {"Channels", "RSC", "RSC1", "Rolled Steel Channel", "RSC"},
    {"Channels", "PFC", "PFC1", "Parallel Flanged Channel", "PFC"},
    {"Channels", "UPN", "UPN1", "Rolled Steel Channel", "UPN"},
    {"Channels", "C Shape", "CShape1", "Rolled Steel Channel", "C"},
    {"Angles", "Equal RSA", "EqualRSA1", "Rolled Steel Angle", "EqRSA"},
    {"Angles", "Unequal RSA", "UnequalRSA1", "Rolled Steel Angle", "UnEqRSA"},
    {"Angles", "Equal 'L'", "EqualL1", "Rolled Steel Angle", "EqL"},
    {"Angles", "Unequal 'L'", "UnequalL1", "Rolled Steel Angle", "UnEqL"},
    {"Closed Sections", "RHS", "RHS1", "Rectangular Hollow Section", "RHS"},
    {"Closed Sections", "CHS", "CHS1", "Circular Hollow Section", "CHS"},
    {nullptr, "Miscellaneous", "Miscellaneous1", "Miscellaneous", "Misc"},
}};

struct SubmenuName {
  const char* caption;
  const char* objectName;
};
constexpr std::array<SubmenuName, 4> kSubmenus{{{"Beams", "Beams1"},
                                                {"Channels", "Channels1"},
                                                {"Angles", "Angles1"},
                                                {"Closed Sections", "ClosedSections1"}}};

// A length, E or Ixx box: the model value in its unit, a zero shown as an empty box.
QString BoxText(double internal, const trabeo::UnitSettings& units, trabeo::UnitQuantity quantity) {
  return ToQString(
      trabeo::EmptyIfZeroText(trabeo::ShowValue(units, quantity, internal, trabeo::SigFig4Dec3)));
}

}  // namespace

TBeamFrm::TBeamFrm(AppContext& context) : QWidget(nullptr, Qt::Window), context_(context) {
  setObjectName("BeamFrm");
  setWindowTitle("Beam / Span Details");
  auto* layout = new QGridLayout(this);
  BuildMenu();
  layout->setMenuBar(menuBar_);

  picture_ = Named(new PictureWidget(this), "Image_Beam");
  picture_->setFixedSize(kPictureWidth, kPictureHeight);
  layout->addWidget(picture_, 0, 0, 1, 3, Qt::AlignHCenter);

  auto* sectionSource = new QVBoxLayout();
  sectionSource->addWidget(BuildSteelGroup());
  sectionSource->addWidget(BuildTimberGroup());
  layout->addLayout(sectionSource, 1, 0);
  layout->addWidget(BuildSpanGroup(), 1, 1);
  layout->addWidget(BuildSectionPanel(), 1, 2);

  auto* bottom = new QHBoxLayout();
  bottom->addWidget(BuildCodeGroup());
  bottom->addStretch();
  auto* next = Named(new QPushButton("Next >", this), "cmdNext");
  next->setToolTip("Click Here for Next");
  connect(next, &QPushButton::clicked, this, &TBeamFrm::Next);
  SetDefaultButton(this, next);
  bottom->addWidget(next, 0, Qt::AlignBottom);
  layout->addLayout(bottom, 2, 0, 1, 3);

  timberGroup_->hide();
  timberNote1_->hide();
  timberNote2_->hide();
  PlaceOnScreen();
}

void TBeamFrm::BuildMenu() {
  menuBar_ = Named(new QMenuBar(this), "MainMenu1");
  QMenu* database = menuBar_->addMenu("Section Properties Database");
  database->setObjectName("SectionPropertiesDatabase1");
  for (const SubmenuName& name : kSubmenus) {
    QMenu* submenu = database->addMenu(name.caption);
    submenu->setObjectName(name.objectName);
    for (const FamilyItem& item : kFamilies) {
      if (item.submenu == nullptr || std::string(item.submenu) != name.caption) continue;
      QAction* action = submenu->addAction(item.caption);
      action->setObjectName(item.action);
      connect(action, &QAction::triggered, this,
              [this, item] { PickFamily(item.family, item.groupCaption); });
    }
  }
  const FamilyItem& misc = kFamilies.back();
  QAction* miscAction = database->addAction(misc.caption);
  miscAction->setObjectName(misc.action);
  connect(
      miscAction, &QAction::triggered, this,
      [this, family = misc.family, caption = misc.groupCaption] { PickFamily(family, caption); });
  QAction* timber = database->addAction("Timber");
  timber->setObjectName("Timber1");
  connect(timber, &QAction::triggered, this, &TBeamFrm::PickTimber);

  QMenu* edit = menuBar_->addMenu("  Edit Section Data");
  edit->setObjectName("EditSectionData1");
  QAction* editMisc = edit->addAction("Edit Miscellaneous");
  editMisc->setObjectName("EditMiscellaneous1");
  connect(editMisc, &QAction::triggered, this, &TBeamFrm::EditMiscellaneous);
}

QWidget* TBeamFrm::BuildSteelGroup() {
  steelGroup_ = Named(new QGroupBox("Steel Section Database", this), "Frame_Steel");
  auto* box = new QVBoxLayout(steelGroup_);
  groupLabel_ = Named(new QLabel(steelGroup_), "lbl_Group");
  sectionList_ = Named(new QListWidget(steelGroup_), "List_Sect");
  sectionList_->setToolTip("Click to set values for I and E");
  auto* note = Named(
      new QLabel("Some sections on the database may not be currently available.", steelGroup_),
      "lbl_Note");
  note->setWordWrap(true);
  classLabel_ = Named(new QLabel(steelGroup_), "lbl_SectionTypeX");
  gradeList_ = Named(new QComboBox(steelGroup_), "Combo_Grade");
  for (std::string_view item : trabeo::kBeamGradeItems)
    gradeList_->addItem(ToQString(std::string(item)));
  auto* pyRow = new QHBoxLayout();
  pyRow->addWidget(new QLabel("py", steelGroup_));
  pyLabel_ = Named(new QLabel(steelGroup_), "lbl_Py");
  pyUnitLabel_ = Named(new QLabel(steelGroup_), "lbl_Py_Unit");
  pyRow->addWidget(pyLabel_);
  pyRow->addWidget(pyUnitLabel_);
  pyRow->addStretch();
  box->addWidget(groupLabel_);
  box->addWidget(sectionList_, 1);
  box->addWidget(note);
  box->addWidget(classLabel_);
  box->addWidget(gradeList_);
  box->addLayout(pyRow);

  connect(sectionList_, &QListWidget::currentRowChanged, this, &TBeamFrm::SectionRowChanged);
  connect(sectionList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { SectionLineClicked(sectionList_->row(item)); });
  connect(gradeList_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) ApplyGrade();
  });
  return steelGroup_;
}

QWidget* TBeamFrm::BuildTimberGroup() {
  timberGroup_ = Named(new QGroupBox("Timber", this), "Frame_Timber");
  auto* grid = new QGridLayout(timberGroup_);
  auto* image = Named(new QLabel(timberGroup_), "Image_Timber");
  image->setFixedSize(60, 80);
  image->setStyleSheet("background-color: rgb(160, 110, 60);");
  auto* note = Named(
      new QLabel("Enter the width and depth of the section in dry timber sizes.", timberGroup_),
      "lbl_TimberSizes");
  note->setWordWrap(true);
  timberDepth_ = Named(new QLineEdit(timberGroup_), "Edit_Timber_H");
  timberWidth_ = Named(new QLineEdit(timberGroup_), "Edit_Timber_W");
  timberDepthUnit_ = Named(new QLabel(timberGroup_), "lbl_Timber_H_Unit");
  timberWidthUnit_ = Named(new QLabel(timberGroup_), "lbl_Timber_W_Unit");
  auto* calculate = Named(new QPushButton("Calculate 'E' and 'Ixx'", timberGroup_), "cmd_OK");
  connect(calculate, &QPushButton::clicked, this, &TBeamFrm::CalculateTimber);
  grid->addWidget(image, 0, 0, 2, 1);
  grid->addWidget(note, 0, 1, 1, 3);
  grid->addWidget(new QLabel("Depth", timberGroup_), 2, 0);
  grid->addWidget(timberDepth_, 2, 1);
  grid->addWidget(timberDepthUnit_, 2, 2);
  grid->addWidget(new QLabel("Width", timberGroup_), 3, 0);
  grid->addWidget(timberWidth_, 3, 1);
  grid->addWidget(timberWidthUnit_, 3, 2);
  grid->addWidget(calculate, 4, 0, 1, 3);
  grid->setRowStretch(5, 1);
  return timberGroup_;
}

QWidget* TBeamFrm::BuildSpanGroup() {
  auto* group = Named(new QGroupBox("Span Properties", this), "Frame_Span");
  auto* grid = new QGridLayout(group);
  auto box = [group](const char* name) { return Named(new QLineEdit(group), name); };
  spanCaption_ = Named(new QLabel(group), "lbl_Span");
  spanLength_ = box("Edit_Span_L");
  spanLength_->setEnabled(false);
  lhCaption_ = Named(new QLabel("LHC", group), "lbl_LHC");
  lhLength_ = box("Edit_LHC_L");
  rhCaption_ = Named(new QLabel("RHC", group), "lbl_RHC");
  rhLength_ = box("Edit_RHC_L");
  eCaption_ = Named(new QLabel(group), "lbl_E");
  eBox_ = box("Edit_Span_E");
  ixxCaption_ = Named(new QLabel(group), "lbl_Ixx");
  ixxBox_ = box("Edit_Span_Ixx");
  lhCantilever_ = Named(new QCheckBox("LH Cantilever", group), "Check_LH");
  rhCantilever_ = Named(new QCheckBox("RH Cantilever", group), "Check_RH");
  lhFixed_ = Named(new QCheckBox("LH End Fixed", group), "Check_LHF");
  rhFixed_ = Named(new QCheckBox("RH End Fixed", group), "Check_RHF");

  grid->addWidget(lhCaption_, 0, 0);
  grid->addWidget(spanCaption_, 0, 1, Qt::AlignHCenter);
  grid->addWidget(rhCaption_, 0, 2);
  grid->addWidget(lhLength_, 1, 0);
  grid->addWidget(spanLength_, 1, 1);
  grid->addWidget(rhLength_, 1, 2);
  grid->addWidget(lhCantilever_, 2, 0);
  grid->addWidget(rhCantilever_, 2, 2);
  grid->addWidget(lhFixed_, 3, 0);
  grid->addWidget(rhFixed_, 3, 2);
  grid->addWidget(eCaption_, 4, 0);
  grid->addWidget(eBox_, 4, 1);
  grid->addWidget(ixxCaption_, 5, 0);
  grid->addWidget(ixxBox_, 5, 1);
  grid->setRowStretch(6, 1);
  // The Tab key goes through the lengths left to right, then the ends, then the stiffness.
  QWidget* previous = lhLength_;
  for (QWidget* next :
       std::initializer_list<QWidget*>{spanLength_, rhLength_, lhCantilever_, rhCantilever_,
                                       lhFixed_, rhFixed_, eBox_, ixxBox_}) {
    setTabOrder(previous, next);
    previous = next;
  }
  lhCaption_->hide();
  lhLength_->hide();
  rhCaption_->hide();
  rhLength_->hide();

  using trabeo::BeamEndBox;
  connect(lhCantilever_, &QCheckBox::clicked, this,
          [this] { EndBoxClicked(true, BeamEndBox::Cantilever); });
  connect(rhCantilever_, &QCheckBox::clicked, this,
          [this] { EndBoxClicked(false, BeamEndBox::Cantilever); });
  connect(lhFixed_, &QCheckBox::clicked, this, [this] { EndBoxClicked(true, BeamEndBox::Fixed); });
  connect(rhFixed_, &QCheckBox::clicked, this, [this] { EndBoxClicked(false, BeamEndBox::Fixed); });
  for (QLineEdit* length : {lhLength_, spanLength_, rhLength_})
    connect(length, &QLineEdit::textChanged, this, &TBeamFrm::LengthChanged);
  connect(ixxBox_, &QLineEdit::textEdited, this, &TBeamFrm::IxxEdited);
  return group;
}

QWidget* TBeamFrm::BuildSectionPanel() {
  auto* panel = Named(new QWidget(this), "Panel_Section");
  auto* box = new QVBoxLayout(panel);
  box->setContentsMargins(0, 0, 0, 0);
  description_ = Named(new QLineEdit(panel), "Edit_Desc");
  description_->setReadOnly(true);
  propertyList_ = Named(new QListWidget(panel), "List_Props");
  plasticLabel_ = Named(new QLabel(panel), "Label_S");
  elasticLabel_ = Named(new QLabel(panel), "Label_Z");
  timberNote1_ = Named(new QLabel("Shear deflection will be included for timber sections", panel),
                       "lbl_Timber1");
  timberNote2_ = Named(new QLabel("code checked to BS 5268.", panel), "lbl_Timber2");
  box->addWidget(description_);
  box->addWidget(propertyList_, 1);
  box->addWidget(plasticLabel_);
  box->addWidget(elasticLabel_);
  box->addWidget(timberNote1_);
  box->addWidget(timberNote2_);
  return panel;
}

QWidget* TBeamFrm::BuildCodeGroup() {
  auto* group = Named(new QGroupBox("Code Check", this), "Frame_Code");
  group->setToolTip("Set Preferences to enable option buttons");
  auto* row = new QHBoxLayout(group);
  auto option = [group, row](const char* caption, const char* name) {
    auto* button = Named(new QRadioButton(caption, group), name);
    row->addWidget(button);
    return button;
  };
  optionNone_ = option("None", "Option_None");
  option5268_ = option("Timber BS 5268", "Option_BS5268");
  option5950_ = option("Steel BS 5950", "Option_BS5950");
  option449_ = option("Steel BS 449", "Option_BS449");
  optionAisc_ = option("AISC 9th edition", "Option_AISC");
  optionLrfd_ = option("Steel LRFD", "Option_LRFD");
  optionEn1993_ = option("Steel EN 1993", "Option_EN1993");
  // The other codes are not offered in this version.
  for (QRadioButton* hidden : {option449_, optionAisc_, optionLrfd_})
    hidden->hide();
  optionNone_->setChecked(true);
  return group;
}

void TBeamFrm::PlaceOnScreen() {
  resize(kFormWidth, kFormHeight);
  PlaceAsEntryForm(this);
}

// A restored window keeps what the user typed; only a show by the program refills the form.
void TBeamFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  picture_->Fill(kPictureGrey);
  SetGroups(context_.session.section().SectionKind == trabeo::SectionKind::Timber);
  FillFromModel();
  Redraw();
  ShowCaptions();
  spanLength_->setEnabled(true);
  ShowCodeOptions();
}

void TBeamFrm::SetGroups(bool timber) {
  steelGroup_->setVisible(!timber);
  timberGroup_->setVisible(timber);
}

void TBeamFrm::FillFromModel() {
  const trabeo::BeamModel& model = context_.session.model();
  const trabeo::SectionValues& section = context_.session.section();
  const trabeo::UnitSettings& units = context_.session.units();
  filling_ = true;
  description_->setText(ToQString(section.SectionDescription));
  lhCantilever_->setChecked(model.LhCantilever.Present == 1);
  rhCantilever_->setChecked(model.RhCantilever.Present == 1);
  lhFixed_->setChecked(model.LhSupportKind == trabeo::kFixedSupport);
  rhFixed_->setChecked(model.RhSupportKind == trabeo::kFixedSupport);
  using trabeo::UnitQuantity;
  lhLength_->setText(BoxText(model.LhCantilever.Length, units, UnitQuantity::Length));
  spanLength_->setText(BoxText(model.MainSpan.Length, units, UnitQuantity::Length));
  rhLength_->setText(BoxText(model.RhCantilever.Length, units, UnitQuantity::Length));
  eBox_->setText(BoxText(model.MainSpan.E, units, UnitQuantity::E));
  ixxBox_->setText(BoxText(model.MainSpan.Ixx, units, UnitQuantity::Inertia));
  ShowCantileverBoxes();
  gradeList_->setCurrentIndex(trabeo::GradeListIndex(section.SteelGrade));
  timberWidth_->setText(ToQString(trabeo::TimberSizeText(section.TimberWidth, units)));
  timberDepth_->setText(ToQString(trabeo::TimberSizeText(section.TimberDepth, units)));
  filling_ = false;
}

void TBeamFrm::ShowCaptions() {
  const trabeo::UnitSettings& units = context_.session.units();
  spanCaption_->setText(ToQString("Length ( " + units.LengthUnitName + " )"));
  eCaption_->setText(ToQString("E ( " + units.EUnitName + " )"));
  ixxCaption_->setText(ToQString("Ixx( " + units.InertiaUnitName + " )"));
  pyUnitLabel_->setText(ToQString(units.StressUnitName));
  timberDepthUnit_->setText(ToQString(units.SectLengthUnitName));
  timberWidthUnit_->setText(ToQString(units.SectLengthUnitName));
  plasticLabel_->setText(
      ToQString(units.PlasticXLabel + "/" + units.PlasticYLabel + " = Plastic Modulus"));
  elasticLabel_->setText(
      ToQString(units.ElasticXLabel + "/" + units.ElasticYLabel + " = Elastic Modulus"));
}

// The codes the preferences enable are offered; the beam's own code stays selectable even when
// the preferences no longer enable it.
void TBeamFrm::ShowCodeOptions() {
  const trabeo::UnitSettings& units = context_.session.units();
  const trabeo::DesignCode beamCode = context_.session.model().DesignCode;
  option5268_->setEnabled(trabeo::CodeOffered(units, beamCode, trabeo::DesignCode::BS5268));
  option5950_->setEnabled(trabeo::CodeOffered(units, beamCode, trabeo::DesignCode::BS5950));
  optionEn1993_->setEnabled(trabeo::CodeOffered(units, beamCode, trabeo::DesignCode::EN1993));
  QRadioButton* selected = optionNone_;
  for (const auto& [option, code] : CodeOptions()) {
    if (code == beamCode) selected = option;
  }
  selected->setEnabled(true);
  selected->setChecked(true);
}

trabeo::DesignCode TBeamFrm::SelectedCode() const {
  for (const auto& [option, code] : CodeOptions()) {
    if (option->isChecked()) return code;
  }
  return trabeo::DesignCode::None;
}

std::array<std::pair<QRadioButton*, trabeo::DesignCode>, 7> TBeamFrm::CodeOptions() const {
  return {{{optionNone_, trabeo::DesignCode::None},
           {option5268_, trabeo::DesignCode::BS5268},
           {option5950_, trabeo::DesignCode::BS5950},
           {option449_, trabeo::DesignCode::BS449},
           {optionAisc_, trabeo::DesignCode::AISC},
           {optionLrfd_, trabeo::DesignCode::LRFD},
           {optionEn1993_, trabeo::DesignCode::EN1993}}};
}

void TBeamFrm::ShowPropertyLines() {
  const auto& lines = context_.session.section().PropertyLines;
  propertyList_->clear();
  const int count = std::min(lines.Count(), lines.kSlots - 1);
  for (int slot = 1; slot <= count; ++slot)
    propertyList_->addItem(ToQString(lines[slot]));
}

// With an LH cantilever the span's caption moves to the left edge of its box, clear of the
// cantilever's caption beside it; otherwise it stands centred over the box.
void TBeamFrm::ShowCantileverBoxes() {
  auto* grid = static_cast<QGridLayout*>(spanCaption_->parentWidget()->layout());
  grid->setAlignment(spanCaption_, lhCantilever_->isChecked() ? Qt::AlignLeft : Qt::AlignHCenter);
  lhCaption_->setVisible(lhCantilever_->isChecked());
  lhLength_->setVisible(lhCantilever_->isChecked());
  rhCaption_->setVisible(rhCantilever_->isChecked());
  rhLength_->setVisible(rhCantilever_->isChecked());
}

void TBeamFrm::PickFamily(const char* family, const char* groupCaption) {
  timberNote1_->hide();
  timberNote2_->hide();
  plasticLabel_->show();
  elasticLabel_->show();
  SetGroups(false);
  groupLabel_->setText(groupCaption);
  context_.session.ListSectionFamily(family);
  listedFile_ = std::string(family) + ".sct";
  awaitingClickOnLine_ = -1;
  const QSignalBlocker blocker(sectionList_);
  sectionList_->clear();
  for (const std::string& line :
       trabeo::ListSectionTable(context_.session.StartFolder(), listedFile_))
    sectionList_->addItem(ToQString(line));
}

void TBeamFrm::ListSectionFamily(const std::string& family) {
  if (family == "Timber") {
    PickTimber();
    return;
  }
  for (const FamilyItem& item : kFamilies) {
    if (family != item.family) continue;
    PickFamily(item.family, item.groupCaption);
    return;
  }
}

void TBeamFrm::ShowStoredSectionLabels() {
  ShowPyLabel();
  classLabel_->setText(ToQString(trabeo::SectionClassLabel(context_.session.section())));
  ShowPropertyLines();
}

// A mouse press selects the line and its release clicks it: the line is picked once. A click on
// the line already selected, and a selection made by the keys, pick it too.
void TBeamFrm::SectionRowChanged(int line) {
  if (line < 0) return;
  const bool mousePressed = QApplication::mouseButtons() != Qt::NoButton;
  awaitingClickOnLine_ = line;
  if (!mousePressed) {
    QTimer::singleShot(0, this, [this, line] {
      if (awaitingClickOnLine_ == line) awaitingClickOnLine_ = -1;
    });
  }
  PickSection(line);
}

void TBeamFrm::SectionLineClicked(int line) {
  const bool alreadyPicked = line == awaitingClickOnLine_;
  awaitingClickOnLine_ = -1;
  if (!alreadyPicked) PickSection(line);
}

void TBeamFrm::PickSection(int line) {
  if (line < 0 || listedFile_.empty()) return;
  const std::optional<trabeo::SectionPick> pick = context_.session.PickTableSection(
      listedFile_, static_cast<std::size_t>(line), SelectedGrade());
  // The file no longer holds the line (changed since it was listed): the section stays.
  if (!pick) return;
  const trabeo::UnitSettings& units = context_.session.units();
  description_->setText(ToQString(pick->descriptionText));
  ShowPropertyLines();
  ixxBox_->setText(BoxText(pick->Ixx, units, trabeo::UnitQuantity::Inertia));
  eBox_->setText(BoxText(pick->E, units, trabeo::UnitQuantity::E));
  ShowDesignUpdate(pick->design);
  for (const auto& [option, code] : CodeOptions()) {
    if (code == pick->code) option->setChecked(true);
  }
}

std::optional<trabeo::SteelGrade> TBeamFrm::SelectedGrade() const {
  return trabeo::SteelGradeOfListIndex(gradeList_->currentIndex());
}

void TBeamFrm::ApplyGrade() {
  ShowDesignUpdate(context_.session.ApplyGrade(SelectedGrade()));
}

void TBeamFrm::ShowPyLabel() {
  pyLabel_->setText(
      ToQString(trabeo::ShowValue(context_.session.units(), trabeo::UnitQuantity::Stress,
                                  context_.session.section().DesignStrength, trabeo::SigFig3)));
}

void TBeamFrm::ShowDesignUpdate(const trabeo::SectionDesignUpdate& update) {
  ShowPyLabel();
  if (update.classChanged)
    classLabel_->setText(ToQString(trabeo::SectionClassLabel(context_.session.section())));
  for (const std::string& message : update.messages)
    context_.dialogs.Message(message);
}

void TBeamFrm::EndBoxClicked(bool leftHand, trabeo::BeamEndBox clicked) {
  QCheckBox* cantilever = leftHand ? lhCantilever_ : rhCantilever_;
  QCheckBox* fixed = leftHand ? lhFixed_ : rhFixed_;
  const trabeo::BeamEndTicks end =
      trabeo::AfterEndBoxClick({cantilever->isChecked(), fixed->isChecked()}, clicked);
  cantilever->setChecked(end.cantilever);
  fixed->setChecked(end.fixed);
  ShowCantileverBoxes();
  Redraw();
}

void TBeamFrm::LengthChanged() {
  if (!filling_) Redraw();
}

// The picture and the total length follow the boxes as they are typed.
void TBeamFrm::Redraw() {
  const trabeo::BeamEntryTexts texts = EntryTexts();
  const double total = context_.session.ApplyTypedLengths(texts);
  const trabeo::BeamPictureInput beam = trabeo::BeamPictureFromTexts(
      texts, context_.session.units(), picture_->width(), picture_->height());
  // With no length left the old beam would still stand there with its old lengths.
  if (total == 0) picture_->Fill(kPictureGrey);
  picture_->Draw([&](trabeo::Canvas& canvas) {
    trabeo::DrawBeamEntryPicture(canvas, beam, context_.session.units());
  });
}

void TBeamFrm::IxxEdited() {
  context_.session.MarkIxxTypedByUser();
}

void TBeamFrm::PickTimber() {
  context_.session.ListSectionFamily("Timber");
  const trabeo::SectionValues& section = context_.session.section();
  const trabeo::UnitSettings& units = context_.session.units();
  timberNote1_->show();
  timberNote2_->show();
  plasticLabel_->hide();
  elasticLabel_->hide();
  SetGroups(true);
  timberWidth_->setText(ToQString(trabeo::TimberSizeText(section.TimberWidth, units)));
  timberDepth_->setText(ToQString(trabeo::TimberSizeText(section.TimberDepth, units)));
}

void TBeamFrm::CalculateTimber() {
  if (const auto refusal =
          context_.session.ApplyTimberSize(TextOf(timberWidth_), TextOf(timberDepth_))) {
    context_.dialogs.Message(*refusal);
    return;
  }
  Q_EMIT timberSectionRequested();
}

// The boxes show E and Ixx to four figures, as the timber section window hands them over.
void TBeamFrm::ShowTimberSection() {
  const trabeo::BeamModel& model = context_.session.model();
  const trabeo::UnitSettings& units = context_.session.units();
  using trabeo::UnitQuantity;
  description_->setText(ToQString(context_.session.section().SectionDescription));
  eBox_->setText(
      ToQString(trabeo::ShowValue(units, UnitQuantity::E, model.MainSpan.E, trabeo::SigFig4)));
  ixxBox_->setText(ToQString(
      trabeo::ShowValue(units, UnitQuantity::Inertia, model.MainSpan.Ixx, trabeo::SigFig4)));
  ShowPropertyLines();
  ShowCodeOptions();
}

void TBeamFrm::EditMiscellaneous() {
  Q_EMIT editMiscellaneousRequested();
}

trabeo::BeamEntryTexts TBeamFrm::EntryTexts() const {
  trabeo::BeamEntryTexts texts;
  texts.lhCantilever = lhCantilever_->isChecked();
  texts.rhCantilever = rhCantilever_->isChecked();
  texts.lhFixed = lhFixed_->isChecked();
  texts.rhFixed = rhFixed_->isChecked();
  texts.lhLength = TextOf(lhLength_);
  texts.spanLength = TextOf(spanLength_);
  texts.rhLength = TextOf(rhLength_);
  texts.E = TextOf(eBox_);
  texts.Ixx = TextOf(ixxBox_);
  texts.code = SelectedCode();
  return texts;
}

void TBeamFrm::Next() {
  trabeo::BeamEntryOutcome outcome;
  {
    BusyCursor busy;
    outcome = context_.session.ApplyBeamEntry(EntryTexts());
  }
  if (outcome.status != trabeo::BeamEntryStatus::Accepted) {
    context_.dialogs.Message(outcome.message);
    return;
  }
  if (outcome.askTimberWithSteelE &&
      !context_.dialogs.AskYesNo(trabeo::kTimberWithSteelEQuestion)) {
    return;
  }
  Q_EMIT accepted();
}

void TBeamFrm::ResetForNew() {
  filling_ = true;
  {
    const QSignalBlocker blocker(sectionList_);
    sectionList_->clear();
  }
  listedFile_.clear();
  awaitingClickOnLine_ = -1;
  propertyList_->clear();
  groupLabel_->clear();
  classLabel_->clear();
  pyLabel_->clear();
  gradeList_->setCurrentIndex(0);
  gradeList_->setCurrentIndex(-1);
  timberWidth_->clear();
  timberDepth_->clear();
  filling_ = false;
}
