#include "app/member_capacity_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "app/form_controls.h"
#include "app/picture_widget.h"
#include "app/qt_text.h"
#include "steel/member_capacity/member_ec3.h"

using trabeo::MemberCalculation;
using trabeo::MemberEc3Inputs;
using trabeo::MemberFormTexts;

namespace {

// The design size of the form: it is as wide as an XVGA screen allows and shows the "End
// Bearing + Buckling" button only when wider than kBearingButtonWidth.
constexpr int kDesignWidth = 1019;
constexpr int kDesignHeight = 600;
constexpr int kScreenMargin = 5;
constexpr int kSketchWidth = 190;
constexpr int kSketchHeight = 120;
constexpr int kBearingSketchWidth = 200;
constexpr int kBearingSketchHeight = 110;
constexpr int kBoxWidth = 70;
constexpr int kGradeTextLength = 16;  // "S 275 (Grade 43)"
constexpr int kClassIndent = 12;

// A menu item's objectName: its caption without blanks and signs, then "1".
QString MenuObjectName(std::string_view caption) {
  QString name;
  for (const char c : caption) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) name += QChar(c);
  }
  return name + "1";
}

// The submenus of "Section Properties" and the families, by table file, each lists.
struct FamilySubmenu {
  const char* caption;
  std::array<std::string_view, 7> files;  // unused places empty
};
constexpr std::array<FamilySubmenu, 3> kFamilySubmenus{{
    {"Beams", {"UB.sct", "UC.sct", "RSJ.sct", "IPE.sct", "HE.sct", "WsBeam.sct", "WsCol.sct"}},
    {"Channels", {"RSC.sct", "PFC.sct", "UPN.sct", "C.sct"}},
    {"Closed Sections", {"RHS.sct", "CHS.sct"}},
}};

QListWidget* ResultList(const char* objectName, QWidget* parent) {
  auto* list = Named(new QListWidget(parent), objectName);
  list->setFont(FixedPitchFont());
  // Not uniform sizes: the view would take every line's width from the first one and cut the
  // longer EN 1993 detail lines short, even scrolled.
  return list;
}

}  // namespace

TMemCapFrm::TMemCapFrm(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
  setObjectName("MemCapFrm");
  setWindowTitle(ToQString(trabeo::kMemberCaption));
  auto* layout = new QVBoxLayout(this);
  auto* menuBar = Named(new QMenuBar(this), "MainMenu1");
  BuildMenu(menuBar);
  layout->setMenuBar(menuBar);
  auto* columns = new QHBoxLayout();
  columns->addLayout(BuildSectionColumn(), 3);
  columns->addLayout(BuildMaterialColumn(), 2);
  columns->addLayout(BuildLoadColumn(), 3);
  layout->addLayout(columns);
  layout->addLayout(BuildLists(), 1);

  // Never shown: their sizes are the form's design width and height.
  designWidth_ = Named(new QWidget(this), "Panel_XVGA_Width");
  designWidth_->setFixedSize(kDesignWidth, 1);
  designWidth_->hide();
  designHeight_ = Named(new QWidget(this), "Panel_VGA_Ht");
  designHeight_->setFixedSize(1, kDesignHeight);
  designHeight_->hide();
  w_.state.McClassSet.grade = trabeo::SteelGrade::S275;
  PlaceOnScreen();
  ShowState();
}

void TMemCapFrm::BuildMenu(QMenuBar* menuBar) {
  const auto add = [this](QMenu* menu, std::string_view caption, auto slot) {
    QAction* action = menu->addAction(ToQString(caption));
    action->setObjectName(MenuObjectName(caption));
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  const auto addMenu = [](auto* parent, const char* caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(MenuObjectName(caption));
    return menu;
  };

  QMenu* file = addMenu(menuBar, "File");
  add(file, "Set Header", &TMemCapFrm::setHeaderRequested);
  add(file, "Open", &TMemCapFrm::Open);
  save_ = add(file, "Save", [this] { Save(trabeo::MemberSaveCommand::Save); });
  saveAs_ = add(file, "Save As", [this] { Save(trabeo::MemberSaveCommand::SaveAs); });
  print_ = add(file, "Print", &TMemCapFrm::Print);
  add(file, "Close", &QWidget::hide);
  add(file, "Exit Trabeo", &TMemCapFrm::exitRequested);

  QMenu* sections = addMenu(menuBar, "Section Properties");
  for (const FamilySubmenu& submenu : kFamilySubmenus) {
    QMenu* menu = addMenu(sections, submenu.caption);
    for (const std::string_view tableFile : submenu.files) {
      const trabeo::MemberFamily* family = trabeo::FindMemberFamily(tableFile);
      if (family != nullptr) add(menu, family->menuItem, [this, family] { PickFamily(*family); });
    }
  }
  const trabeo::MemberFamily* misc = trabeo::FindMemberFamily("Misc.sct");
  add(sections, misc->menuItem, [this, misc] { PickFamily(*misc); });
  add(sections, "Edit Misc Properties", &TMemCapFrm::editMiscellaneousRequested);

  QMenu* calculate = addMenu(menuBar, "Calculate");
  bs5950Actions_ = {
      add(calculate, "Moment Capacity about x-x",
          [this] { RunSingle(MemberCalculation::MomentXX); }),
      add(calculate, "Moment Capacity about y-y",
          [this] { RunSingle(MemberCalculation::MomentYY); }),
      add(calculate, "Axial Capacity about x-x", [this] { RunSingle(MemberCalculation::AxialXX); }),
      add(calculate, "Axial Capacity about y-y", [this] { RunSingle(MemberCalculation::AxialYY); }),
      add(calculate, "End Bearing and Buckling", &TMemCapFrm::ShowBearingPanel)};
  combinedItem_ = add(calculate, "Combined Compression and Bending", &TMemCapFrm::RunCombined);
  calculate->insertAction(bs5950Actions_.back(), combinedItem_);

  QMenu* modules = addMenu(menuBar, "Modules");
  add(modules, "Beam Analysis", [this] { SwitchModule(&TMemCapFrm::beamAnalysisRequested); });
  add(modules, "Steel Bolt Capacities",
      [this] { SwitchModule(&TMemCapFrm::boltCapacityRequested); });
  add(modules, "Timber Member Capacities",
      [this] { SwitchModule(&TMemCapFrm::timberMemberCapacityRequested); });
}

QLayout* TMemCapFrm::BuildSectionColumn() {
  auto* column = new QVBoxLayout();
  column->addWidget(new QLabel("Section List", this));
  sectionList_ = Named(new QListWidget(this), "List_Section");
  column->addWidget(sectionList_, 1);
  groupLabel_ = Named(new QLabel(this), "lbl_Group");
  descLabel_ = Named(new QLabel(this), "lbl_Desc");
  column->addWidget(groupLabel_);
  column->addWidget(descLabel_);
  column->addWidget(new QLabel("Section Classification", this));
  // Each class reads as a sentence over two lines: "Section is <class>" / "for ...".
  auto* classes = new QGridLayout();
  classes->setVerticalSpacing(0);
  const auto addClassRow = [&](int row, const char* objectName, const char* rest) {
    classes->addWidget(new QLabel("Section is ", this), row, 0);
    auto* label = Named(new QLabel(this), objectName);
    classes->addWidget(label, row, 1);
    auto* restLabel = new QLabel(rest, this);
    restLabel->setIndent(kClassIndent);
    classes->addWidget(restLabel, row + 1, 0, 1, 2);
    return label;
  };
  classAxial_ = addClassRow(0, "lbl_SectionTypeA", "for axial loading");
  classXX_ = addClassRow(2, "lbl_SectionTypeX", "for bending about x-x axis");
  classYY_ = addClassRow(4, "lbl_SectionTypeY", "for bending about y-y axis");
  classes->setColumnStretch(1, 1);
  column->addLayout(classes);

  connect(sectionList_, &QListWidget::currentRowChanged, this, &TMemCapFrm::SectionRowChanged);
  connect(sectionList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { SectionLineClicked(sectionList_->row(item)); });
  return column;
}

QLayout* TMemCapFrm::BuildMaterialColumn() {
  auto* column = new QVBoxLayout();
  auto* codes = new QHBoxLayout();
  codeBS5950_ = Named(new QRadioButton(ToQString(trabeo::kMemberCodeBS5950), this), "Code_BS5950");
  codeEN1993_ = Named(new QRadioButton(ToQString(trabeo::kMemberCodeEN1993), this), "Code_EN1993");
  auto* codeGroup = new QButtonGroup(this);
  for (QRadioButton* code : {codeBS5950_, codeEN1993_}) {
    codeGroup->addButton(code);
    codes->addWidget(code);
  }
  connect(codeBS5950_, &QRadioButton::clicked, this,
          [this] { CodeChosen(trabeo::DesignCode::BS5950); });
  connect(codeEN1993_, &QRadioButton::clicked, this,
          [this] { CodeChosen(trabeo::DesignCode::EN1993); });
  column->addLayout(codes);
  auto* grid = new QGridLayout();
  grid->addWidget(new QLabel("Grade  ", this), 0, 0);
  grade_ = Named(new QComboBox(this), "Combo_Grade");
  // Editable only so that it can show the beam's grade text, which is not one of its items.
  grade_->setEditable(true);
  grade_->lineEdit()->setReadOnly(true);
  grade_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  grade_->setMinimumContentsLength(kGradeTextLength);
  for (const std::string_view item : trabeo::kMemberGradeItems)
    grade_->addItem(ToQString(item));
  grid->addWidget(grade_, 0, 1);
  connect(grade_, &QComboBox::activated, this, &TMemCapFrm::GradeChosen);
  grid->addWidget(new QLabel("py (N/mm^2)  ", this), 1, 0);
  QLineEdit* py = AddBox("Edit_Py", &MemberFormTexts::Edit_Py, &TMemCapFrm::PyOrEEdited);
  grid->addWidget(py, 1, 1);
  grid->addWidget(new QLabel("E (N/mm^2)  ", this), 2, 0);
  QLineEdit* e = AddBox("Edit_E", &MemberFormTexts::Edit_E, &TMemCapFrm::PyOrEEdited);
  grid->addWidget(e, 2, 1);
  // EN 1993-1-1 takes fy from the product standard by thickness and a fixed E.
  bs5950Controls_.insert(bs5950Controls_.end(), {py, e});
  column->addLayout(grid);
  column->addWidget(BuildEc3Group());
  sketchXX_ = Named(new PictureWidget(this), "Image_XX");
  sketchYY_ = Named(new PictureWidget(this), "Image_YY");
  for (PictureWidget* sketch : {sketchXX_, sketchYY_}) {
    sketch->setFixedSize(kSketchWidth, kSketchHeight);
    column->addWidget(sketch);
  }
  column->addStretch();
  return column;
}

QWidget* TMemCapFrm::BuildEc3Group() {
  auto* group = Named(new QGroupBox(ToQString(trabeo::kMemberCodeEN1993), this), "Group_EN1993");
  ec3Group_ = group;
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel("National Annex  ", group), 0, 0);
  annex_ = Named(new QComboBox(group), "Combo_NationalAnnex");
  for (const std::string_view item : trabeo::kMemberAnnexItems)
    annex_->addItem(ToQString(item));
  connect(annex_, &QComboBox::activated, this, [this](int item) {
    w_.state.ec3.annex = item == 1 ? trabeo::NationalAnnex::Recommended : trabeo::NationalAnnex::UK;
    Ec3InputChanged();
  });
  grid->addWidget(annex_, 0, 1);
  const std::pair<std::string_view, std::pair<const char*, std::string MemberEc3Inputs::*>>
      boxes[] = {{trabeo::kLcryCaption, {"Edit_Lcry", &MemberEc3Inputs::Edit_Lcry}},
                 {trabeo::kLcrzCaption, {"Edit_Lcrz", &MemberEc3Inputs::Edit_Lcrz}},
                 {trabeo::kLLTCaption, {"Edit_LLT", &MemberEc3Inputs::Edit_LLT}},
                 {trabeo::kVEdCaption, {"Edit_VEd", &MemberEc3Inputs::Edit_VEd}},
                 {trabeo::kC1Caption, {"Edit_C1", &MemberEc3Inputs::Edit_C1}}};
  int row = 1;
  for (const auto& [caption, box] : boxes) {
    grid->addWidget(new QLabel(ToQString(caption) + "  ", group), row, 0);
    grid->addWidget(AddEc3Box(box.first, box.second), row++, 1);
  }
  destabilising_ = Named(new QCheckBox("Destabilising load", group), "Check_Destabilising");
  restrained_ = Named(new QCheckBox("Laterally restrained", group), "Check_Restrained");
  connect(destabilising_, &QCheckBox::clicked, this, [this](bool checked) {
    w_.state.ec3.Check_Destabilising = checked;
    Ec3InputChanged();
  });
  connect(restrained_, &QCheckBox::clicked, this, [this](bool checked) {
    w_.state.ec3.Check_Restrained = checked;
    Ec3InputChanged();
  });
  grid->addWidget(destabilising_, row++, 0, 1, 2);
  grid->addWidget(restrained_, row++, 0, 1, 2);
  auto* check = Named(new QPushButton("Check to EN 1993-1-1", group), "cmd_CheckEN1993");
  connect(check, &QPushButton::clicked, this, &TMemCapFrm::RunEc3Check);
  grid->addWidget(check, row, 0, 1, 2);
  return group;
}

QLayout* TMemCapFrm::BuildLoadColumn() {
  auto* column = new QVBoxLayout();
  auto* grid = new QGridLayout();
  grid->addWidget(new QLabel("Common Effective Length (m)  ", this), 0, 0);
  grid->addWidget(AddBox("Edit_Le", &MemberFormTexts::Edit_Le, &TMemCapFrm::LengthEdited), 0, 1);
  axialLabel_ = Named(new QLabel("Factored Axial Load (kN)  ", this), "Label24");
  axialLabel_->installEventFilter(this);
  grid->addWidget(axialLabel_, 1, 0);
  grid->addWidget(AddBox("Edit_Axial", &MemberFormTexts::Edit_Axial, &TMemCapFrm::LoadsEdited), 1,
                  1);
  column->addLayout(grid);
  const auto addEnd = [&](const char* caption, const char* xxName, std::string MemberFormTexts::*xx,
                          const char* yyName, std::string MemberFormTexts::*yy) {
    auto* group = new QGroupBox(caption, this);
    auto* moments = new QGridLayout(group);
    moments->addWidget(new QLabel("Moment about x-x axis (kN-m)  ", group), 0, 0);
    moments->addWidget(AddBox(xxName, xx, &TMemCapFrm::LoadsEdited), 0, 1);
    moments->addWidget(new QLabel("Moment about y-y axis (kN-m)  ", group), 1, 0);
    moments->addWidget(AddBox(yyName, yy, &TMemCapFrm::LoadsEdited), 1, 1);
    column->addWidget(group);
  };
  addEnd(" End 1 (always positive)", "Edit_MomAxx", &MemberFormTexts::Edit_MomAxx, "Edit_MomAyy",
         &MemberFormTexts::Edit_MomAyy);
  addEnd(" End 2 (positive or negative)", "Edit_MomBxx", &MemberFormTexts::Edit_MomBxx,
         "Edit_MomByy", &MemberFormTexts::Edit_MomByy);

  auto* buttons = new QGridLayout();
  // The single calculations in two columns, the combined check and bearing across both.
  const auto addButton = [&](const char* caption, const char* objectName, int row, int col,
                             int span, auto slot) {
    auto* button = Named(new QPushButton(caption, this), objectName);
    connect(button, &QPushButton::clicked, this, slot);
    buttons->addWidget(button, row, col, 1, span);
    return button;
  };
  addButton("Mom. Capacity about x-x", "cmd_MomXX", 0, 0, 1,
            [this] { RunSingle(MemberCalculation::MomentXX); });
  addButton("Mom. Capacity about y-y", "cmd_MomYY", 0, 1, 1,
            [this] { RunSingle(MemberCalculation::MomentYY); });
  addButton("Axial Capacity about x-x", "cmd_AxialXX", 1, 0, 1,
            [this] { RunSingle(MemberCalculation::AxialXX); });
  addButton("Axial Capacity about y-y", "cmd_AxialYY", 1, 1, 1,
            [this] { RunSingle(MemberCalculation::AxialYY); });
  combined_ =
      addButton("Combined Compression and Bending", "cmd_Calc", 2, 0, 2, &TMemCapFrm::RunCombined);
  bearing_ =
      addButton("End Bearing + Buckling", "cmd_Bearing", 3, 0, 2, &TMemCapFrm::ShowBearingPanel);
  for (const char* name : {"cmd_MomXX", "cmd_MomYY", "cmd_AxialXX", "cmd_AxialYY"})
    bs5950Controls_.push_back(findChild<QPushButton*>(name));
  column->addLayout(buttons);
  column->addStretch();
  return column;
}

QLayout* TMemCapFrm::BuildLists() {
  auto* row = new QHBoxLayout();
  resultsList_ = ResultList("List_Results", this);
  dataList_ = ResultList("List_Data", this);
  helpList_ = Named(new QListWidget(this), "List_Help");
  row->addWidget(resultsList_, 1);
  row->addWidget(dataList_, 1);
  row->addWidget(helpList_, 1);
  row->addWidget(BuildBearingPanel(), 1);
  connect(dataList_, &QListWidget::itemClicked, this, &TMemCapFrm::DataListClicked);
  return row;
}

QWidget* TMemCapFrm::BuildBearingPanel() {
  bearingPanel_ = Named(new QWidget(this), "Panel_Bearing");
  auto* layout = new QVBoxLayout(bearingPanel_);
  bearingSketch_ = Named(new PictureWidget(bearingPanel_), "Image_Bearing");
  bearingSketch_->setFixedSize(kBearingSketchWidth, kBearingSketchHeight);
  layout->addWidget(bearingSketch_);
  auto* grid = new QGridLayout();
  grid->addWidget(new QLabel("b1 ", bearingPanel_), 0, 0);
  grid->addWidget(AddBox("Edit_b1", &MemberFormTexts::Edit_b1, nullptr), 0, 1);
  grid->addWidget(new QLabel("n1 ", bearingPanel_), 1, 0);
  n1_ = Named(new QLabel(bearingPanel_), "lbl_n1");
  grid->addWidget(n1_, 1, 1);
  grid->addWidget(new QLabel("n2 ", bearingPanel_), 2, 0);
  n2_ = Named(new QLabel(bearingPanel_), "lbl_n2");
  grid->addWidget(n2_, 2, 1);
  layout->addLayout(grid);
  auto* calculate =
      Named(new QPushButton("Calc Bearing + Buckling", bearingPanel_), "cmd_CalcBearing");
  connect(calculate, &QPushButton::clicked, this, &TMemCapFrm::RunBearing);
  layout->addWidget(calculate);
  layout->addStretch();
  bearingPanel_->hide();
  return bearingPanel_;
}

// A box that keeps the window's text as it is typed and then applies the rule for typing in it.
QLineEdit* TMemCapFrm::AddBox(const char* objectName, std::string MemberFormTexts::*field,
                              void (TMemCapFrm::*edited)()) {
  auto* box = Named(new QLineEdit(this), objectName);
  box->setMaximumWidth(kBoxWidth);
  // As much as the member file keeps of a box.
  box->setMaxLength(trabeo::kMemberBoxTextCapacity);
  boxes_.emplace_back(box, field);
  connect(box, &QLineEdit::textEdited, this, [this, field, edited](const QString& text) {
    w_.state.texts.*field = text.toStdString();
    if (edited != nullptr) (this->*edited)();
  });
  return box;
}

QLineEdit* TMemCapFrm::AddEc3Box(const char* objectName, std::string MemberEc3Inputs::*field) {
  auto* box = Named(new QLineEdit(this), objectName);
  box->setMaximumWidth(kBoxWidth);
  box->setMaxLength(trabeo::kMemberBoxTextCapacity);
  ec3Boxes_.emplace_back(box, field);
  connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
    w_.state.ec3.*field = text.toStdString();
    Ec3InputChanged();
  });
  return box;
}

void TMemCapFrm::PlaceOnScreen() {
  const QRect screen = ScreenRect();
  const int width = std::min(designWidth_->width(), screen.width() - kScreenMargin);
  resize(width, designHeight_->height());
}
