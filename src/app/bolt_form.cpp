#include "app/bolt_form.h"

#include "app/form_keys.h"
#include "app/qt_text.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <vector>

#include "app/form_controls.h"

namespace {

using trabeo::BoltChoices;

// One option of a group: its caption, objectName and what it sets.
struct BoltOption {
  std::string caption;
  std::string name;
  std::function<void(BoltChoices&)> choose;
};

QGroupBox* OptionGroup(QWidget* parent, const QString& caption, const char* name,
                       const std::vector<BoltOption>& options,
                       const std::function<void(const BoltOption&)>& clicked) {
  auto* group = Named(new QGroupBox(caption, parent), name);
  auto* column = new QVBoxLayout(group);
  for (const BoltOption& option : options) {
    auto* button = new QRadioButton(ToQString(option.caption), group);
    button->setObjectName(ToQString(option.name));
    column->addWidget(button);
    QObject::connect(button, &QRadioButton::clicked, group, [clicked, option] { clicked(option); });
  }
  column->addStretch();
  // The first option is the default one.
  group->findChildren<QRadioButton*>().first()->setChecked(true);
  return group;
}

}  // namespace

TStBoltFrm::TStBoltFrm(AppContext& /*context*/, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("StBoltFrm");
  setWindowTitle(ToQString(trabeo::kBoltWindowCaption));
  auto* layout = new QVBoxLayout(this);
  BuildMenu();
  layout->setMenuBar(menuBar_);
  layout->addWidget(BuildChoices());
  layout->addWidget(BuildResults());
}

void TStBoltFrm::BuildMenu() {
  menuBar_ = Named(new QMenuBar(this), "MainMenu1");
  QMenu* file = menuBar_->addMenu("File");
  file->setObjectName("File1");
  QAction* close = file->addAction("Close");
  close->setObjectName("Close1");
  connect(close, &QAction::triggered, this, &QWidget::hide);
  QAction* exit = file->addAction("Exit Trabeo");
  exit->setObjectName("ExitTrabeo1");
  connect(exit, &QAction::triggered, this, &TStBoltFrm::exitRequested);
}

QWidget* TStBoltFrm::BuildChoices() {
  using trabeo::BoltGrade;
  using trabeo::PlateSteel;
  using trabeo::ShearPlane;
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  const auto clicked = [this](const BoltOption& option) {
    option.choose(choices_);
    Calculate();
  };
  row->addWidget(OptionGroup(
      panel, "Material", "Frame_Material",
      {{"S275  (Grade 43)", "Option_43", [](BoltChoices& c) { c.steel = PlateSteel::S275; }},
       {"S355  (Grade 50)", "Option_50", [](BoltChoices& c) { c.steel = PlateSteel::S355; }}},
      clicked));
  row->addWidget(OptionGroup(
      panel, "Bolt Grade", "Frame_BoltGrade",
      {{"Grade 4.6", "Option_46", [](BoltChoices& c) { c.grade = BoltGrade::Grade46; }},
       {"Grade 8.8", "Option_88", [](BoltChoices& c) { c.grade = BoltGrade::Grade88; }}},
      clicked));
  row->addWidget(OptionGroup(
      panel, "Shear Area", "Frame_ShearArea",
      {{"Thread", "Option_Thread", [](BoltChoices& c) { c.plane = ShearPlane::Thread; }},
       {"Shank", "Option_Shank", [](BoltChoices& c) { c.plane = ShearPlane::Shank; }}},
      clicked));

  std::vector<BoltOption> sizes;
  for (std::string_view size : trabeo::kBoltSizeOptions) {
    sizes.push_back({std::string(size), "Option_" + std::string(size),
                     [size](BoltChoices& c) { c.size = size; }});
  }
  sizeGroup_ = OptionGroup(panel, "Bolt Dia", "Frame_BoltDia", sizes, clicked);
  sizeGroup_->installEventFilter(this);
  row->addWidget(sizeGroup_);
  return panel;
}

QWidget* TStBoltFrm::BuildResults() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  grid->addWidget(new QLabel("Material Thickness  ", panel), 0, 0);
  thickness_ = Named(new QLineEdit(panel), "Edit_Thk");
  grid->addWidget(thickness_, 0, 1);
  grid->addWidget(new QLabel("(mm)", panel), 0, 2);
  const auto result = [&](std::string_view caption, const char* name, int row) {
    auto* label = Named(new QLabel(panel), name);
    grid->addWidget(new QLabel(ToQString(caption), panel), row, 0);
    grid->addWidget(label, row, 1);
    grid->addWidget(new QLabel(ToQString(trabeo::kCapacityUnit), panel), row, 2);
    return label;
  };
  tensile_ = result(trabeo::kTensileCaption, "lbl_Tensile", 1);
  singleShear_ = result(trabeo::kSingleShearCaption, "lbl_Shear1", 2);
  doubleShear_ = result(trabeo::kDoubleShearCaption, "lbl_Shear2", 3);
  bearing_ = result(trabeo::kBearingCaption, "lbl_Bearing", 4);
  auto* assumption = new QLabel(ToQString(trabeo::kBearingAssumption), panel);
  assumption->setWordWrap(true);
  grid->addWidget(assumption, 1, 3, 4, 1);
  note_ = Named(new QLabel(panel), "Label_BearingNote");
  grid->addWidget(note_, 5, 0, 1, 4);
  auto* calculate = Named(new QPushButton("Calculate", panel), "cmd_Calc");
  SetDefaultButton(this, calculate);
  grid->addWidget(calculate, 6, 3);
  connect(calculate, &QPushButton::clicked, this, &TStBoltFrm::Calculate);
  return panel;
}

bool TStBoltFrm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == sizeGroup_ && event->type() == QEvent::MouseButtonPress) Calculate();
  return QWidget::eventFilter(watched, event);
}

void TStBoltFrm::Calculate() {
  choices_.Edit_Thk = TextOf(thickness_);
  note_->clear();
  const std::optional<trabeo::BoltCapacities> capacities =
      trabeo::CalculateBoltCapacities(choices_);
  if (!capacities) return;  // every size offered is in the table
  tensile_->setText(ToQString(capacities->lbl_Tensile));
  singleShear_->setText(ToQString(capacities->lbl_Shear1));
  doubleShear_->setText(ToQString(capacities->lbl_Shear2));
  bearing_->setText(ToQString(capacities->lbl_Bearing));
  note_->setText(ToQString(capacities->Label_BearingNote));
}
