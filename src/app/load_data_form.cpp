#include "app/load_data_form.h"

#include "app/qt_text.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "app/busy_cursor.h"
#include "app/form_controls.h"
#include "app/form_keys.h"
#include "app/picture_widget.h"
#include "app/print/qt_canvas.h"
#include "beam_input/load_sketch.h"
#include "settings/unit_conversion.h"

using trabeo::LoadRowTexts;
using trabeo::LoadRowType;

namespace {

constexpr int kFormWidth = 790;
constexpr int kSketchWidth = 737;
constexpr int kSketchHeight = 145;
constexpr int kRowHeight = 40;
const QColor kSketchGrey(128, 128, 128);

// The columns of a load row, left to right; the heads stand over the same widths, so each head
// sits over its own boxes. The whole row is 752 px, which leaves the form within 790 px.
constexpr int kColumnSpacing = 4;
constexpr int kNumberWidth = 30;
constexpr int kPointWidth = 62;
constexpr int kUdlWidth = 56;
constexpr int kBoxCellWidth = 84;
constexpr int kBoxWidth = 80;
constexpr int kApplyWidth = 64;
constexpr int kBoxesLeft = kNumberWidth + kPointWidth + kUdlWidth + 3 * kColumnSpacing;

QLabel* HeadLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  return label;
}

}  // namespace

TLoadDataFrm::TLoadDataFrm(AppContext& context) : QWidget(nullptr, Qt::Window), context_(context) {
  setObjectName("LoadDataFrm");
  setWindowTitle("Load Data");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  BuildSketch();
  BuildHeads();
  BuildRows();
  BuildCommands();
  resize(kFormWidth, trabeo::LoadFormHeight(5));
  PlaceAsEntryForm(this);
  rowsInUse_ = 0;
}

void TLoadDataFrm::BuildSketch() {
  sketch_ = new PictureWidget(this);
  sketch_->setObjectName("Image_Beam");
  sketch_->setFixedSize(kSketchWidth, kSketchHeight);
  // The length label stands on the sketch, under the beam line.
  lengthLabel_ = new QLabel(sketch_);
  lengthLabel_->setObjectName("lbl_Length");
  lengthLabel_->hide();
  static_cast<QVBoxLayout*>(layout())->addWidget(sketch_, 0, Qt::AlignHCenter);
}

void TLoadDataFrm::BuildHeads() {
  auto* heads = new QWidget(this);
  heads->setObjectName("Panel_Heads");
  auto* line = new QHBoxLayout(heads);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(kColumnSpacing);
  line->addSpacing(kBoxesLeft - kColumnSpacing);
  auto* finishUnit = HeadLabel("", heads);
  auto* coverUnit = HeadLabel("", heads);
  unitHeads_ = {HeadLabel("", heads), HeadLabel("", heads), HeadLabel("", heads), coverUnit};
  unitHeads_[0]->setObjectName("lbl_PL_Unit");
  unitHeads_[1]->setObjectName("lbl_Dist_Unit");
  unitHeads_[2]->setObjectName("lbl_UDLS_Unit");
  finishUnit->setObjectName("lbl_UDLF_Unit");
  coverUnit->setObjectName("lbl_Cover_Unit");
  const std::vector<std::tuple<QString, const char*, QLabel*>> columns{
      {"Point\nLoad", "lbl_Head_PL", unitHeads_[0]},
      {"Distance\nfrom LH end\nof beam", "lbl_Head_Dist", unitHeads_[1]},
      {"UDL\nstart rate", "lbl_Head_UDLS", unitHeads_[2]},
      {"UDL\nfinish rate", "lbl_Head_UDLF", finishUnit},
      {"Cover", "lbl_Head_Cover", coverUnit},
      {"Load\nfactor\n(optional)", "lbl_Head_LF", nullptr}};
  for (const auto& [caption, name, unit] : columns) {
    auto* column = new QWidget(heads);
    column->setFixedWidth(kBoxCellWidth);
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    auto* head = HeadLabel(caption, column);
    head->setObjectName(name);
    stack->addWidget(head, 1);
    if (unit != nullptr) {
      unit->setParent(column);
      stack->addWidget(unit);
    }
    line->addWidget(column, 0, Qt::AlignBottom);
  }
  line->addStretch();
  static_cast<QVBoxLayout*>(layout())->addWidget(heads);
}

TLoadDataFrm::Row TLoadDataFrm::MakeRow(int number, QWidget* parent) {
  Row row;
  const QString n = QString::number(number);
  row.panel = new QFrame(parent);
  row.panel->setObjectName("Panel_" + n);
  row.panel->setFixedHeight(kRowHeight - 4);
  auto* line = new QHBoxLayout(row.panel);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(kColumnSpacing);
  row.number = new QLineEdit(n, row.panel);
  row.number->setObjectName("Edit_No" + n);
  row.number->setReadOnly(true);
  row.number->setFocusPolicy(Qt::NoFocus);  // a caption, not a stop for the Tab key
  row.number->setFixedWidth(kNumberWidth);
  row.point = new QRadioButton("Point", row.panel);
  row.point->setObjectName("OptionP" + n);
  row.point->setFixedWidth(kPointWidth);
  row.udl = new QRadioButton("UDL", row.panel);
  row.udl->setObjectName("OptionUDL" + n);
  row.udl->setFixedWidth(kUdlWidth);
  row.point->setAutoExclusive(false);
  row.udl->setAutoExclusive(false);
  line->addWidget(row.number);
  line->addWidget(row.point);
  line->addWidget(row.udl);
  const std::vector<std::pair<QLineEdit**, const char*>> boxes{
      {&row.pointLoad, "Edit_PL"},    {&row.distance, "Edit_Dist"}, {&row.startRate, "Edit_UDLS"},
      {&row.finishRate, "Edit_UDLF"}, {&row.cover, "Edit_Cover"},   {&row.factor, "Edit_LF"}};
  for (const auto& [box, name] : boxes) {
    *box = new QLineEdit(row.panel);
    (*box)->setObjectName(name + n);
    (*box)->setFixedWidth(kBoxWidth);
    (*box)->setVisible(false);
    auto* cell = new QWidget(row.panel);
    cell->setFixedWidth(kBoxCellWidth);
    auto* cellLayout = new QHBoxLayout(cell);
    cellLayout->setContentsMargins(0, 0, 0, 0);
    cellLayout->addWidget(*box);
    line->addWidget(cell);
  }
  row.apply = new QCheckBox("Apply", row.panel);
  row.apply->setObjectName("Check" + n);
  row.apply->setFixedWidth(kApplyWidth);
  line->addWidget(row.apply);
  line->addStretch();
  connect(row.point, &QRadioButton::clicked, this, [this, number] {
    rows_[static_cast<std::size_t>(number)].udl->setChecked(false);
    ChooseType(number);
  });
  connect(row.udl, &QRadioButton::clicked, this, [this, number] {
    rows_[static_cast<std::size_t>(number)].point->setChecked(false);
    ChooseType(number);
  });
  connect(row.apply, &QCheckBox::clicked, this, &TLoadDataFrm::ApplyClicked);
  return row;
}

void TLoadDataFrm::BuildRows() {
  auto* rowsWidget = new QWidget(this);
  rowsWidget->setObjectName("Panel_Rows");
  auto* list = new QVBoxLayout(rowsWidget);
  list->setContentsMargins(0, 0, 0, 0);
  list->setSpacing(4);
  for (int number = 1; number <= trabeo::kUserLoadRows; ++number) {
    rows_[static_cast<std::size_t>(number)] = MakeRow(number, rowsWidget);
    list->addWidget(rows_[static_cast<std::size_t>(number)].panel);
    rows_[static_cast<std::size_t>(number)].panel->setVisible(number <= 5);
  }
  list->addStretch();
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("ScrollBox_Rows");
  scroll_->setWidget(rowsWidget);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  static_cast<QVBoxLayout*>(layout())->addWidget(scroll_, 1);
}

void TLoadDataFrm::BuildCommands() {
  commands_ = new QWidget(this);
  commands_->setObjectName("Panel_Commands");
  // Two lines: the notes and the self-weight group over the buttons, within the form's width.
  auto* lines = new QVBoxLayout(commands_);
  lines->setContentsMargins(0, 0, 0, 0);
  auto* strip = new QHBoxLayout();
  lines->addLayout(strip);
  auto* help = new QVBoxLayout();
  help->addWidget(new QLabel("Max No of loads = 25", commands_));
  help->addWidget(new QLabel("If load factor left blank then load factor = 1", commands_));
  strip->addLayout(help);

  selfWeight_ = new QGroupBox("Beam Self-weight", commands_);
  selfWeight_->setObjectName("Frame_SWt");
  auto* group = new QHBoxLayout(selfWeight_);
  selfWeightApply_ = new QCheckBox("Apply", selfWeight_);
  selfWeightApply_->setObjectName("Check_Swt");
  selfWeightApply_->setToolTip("Add selfweight of steel beam");
  selfWeightLabel_ = new QLabel(selfWeight_);
  selfWeightLabel_->setObjectName("lbl_Swt");
  selfWeightFactor_ = new QLineEdit("1.4", selfWeight_);
  selfWeightFactor_->setObjectName("Edit_LF");
  selfWeightFactor_->setFixedWidth(50);
  group->addWidget(selfWeightApply_);
  group->addWidget(selfWeightLabel_);
  group->addWidget(new QLabel("LF", selfWeight_));
  group->addWidget(selfWeightFactor_);
  strip->addWidget(selfWeight_);
  strip->addStretch();
  connect(selfWeightApply_, &QCheckBox::clicked, this, &TLoadDataFrm::SelfWeightClicked);

  auto* buttonLine = new QHBoxLayout();
  buttonLine->addStretch();
  lines->addLayout(buttonLine);

  const std::vector<std::tuple<const char*, const char*, void (TLoadDataFrm::*)()>> buttons{
      {"< Back", "Button3", &TLoadDataFrm::Back},
      {"Expand", "cmd_Show", &TLoadDataFrm::Expand},
      {"Clear", "Button1", &TLoadDataFrm::ClearClicked},
      {"Cancel", "Button2", &TLoadDataFrm::Cancel},
      {"Next >", "cmdOK", &TLoadDataFrm::Next}};
  for (const auto& [caption, name, handler] : buttons) {
    auto* button = new QPushButton(caption, commands_);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, handler);
    buttonLine->addWidget(button);
  }
  SetDefaultButton(this, commands_->findChild<QPushButton*>("cmdOK"));
  SetCancelButton(this, commands_->findChild<QPushButton*>("Button2"));
  static_cast<QVBoxLayout*>(layout())->addWidget(commands_);
}

// A restored window keeps what the user typed; only a show by the program refills the form.
void TLoadDataFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  const trabeo::UnitSettings& units = context_.session.units();
  filling_ = true;
  unitHeads_[0]->setText(ToQString(trabeo::UnitHeading(units.PointLoadUnitName)));
  unitHeads_[1]->setText(ToQString(trabeo::UnitHeading(units.LengthUnitName)));
  unitHeads_[2]->setText(ToQString(trabeo::UnitHeading(units.UdlUnitName)));
  findChild<QLabel*>("lbl_UDLF_Unit")->setText(ToQString(trabeo::UnitHeading(units.UdlUnitName)));
  unitHeads_[3]->setText(ToQString(trabeo::UnitHeading(units.LengthUnitName)));
  working_ = context_.session.model().Loads;
  rowsInUse_ = trabeo::LoadRowsInUseAtShow(context_.session.project().LoadRowCount);
  for (int number = trabeo::kLoadRowsAlwaysShown + 1; number <= trabeo::kUserLoadRows; ++number) {
    rows_[static_cast<std::size_t>(number)].panel->hide();
  }
  Reveal();
  if (context_.session.model().TotalLength != 0) FillFromWorkingCopy();
  RedrawSketch(true);
  ShowSelfWeightGroup();
  filling_ = false;
}

void TLoadDataFrm::ShowSelfWeightGroup() {
  const trabeo::UnitSettings& units = context_.session.units();
  const bool steel = trabeo::IsSteelKind(context_.session.section().SectionKind);
  selfWeight_->setVisible(steel);
  if (!steel) {
    selfWeightApply_->setChecked(false);
    return;
  }
  const trabeo::LoadRecord& selfWeight = working_.row(trabeo::kSelfWeightRow);
  selfWeightApply_->setChecked(selfWeight.IsApplied());
  selfWeightLabel_->setText(ToQString(trabeo::SelfWeightLabel(selfWeight, units)));
  selfWeightFactor_->setText(ToQString(trabeo::SelfWeightFactorText(selfWeight, units)));
}

void TLoadDataFrm::ShowTypeBoxes(int number) {
  Row& row = rows_[static_cast<std::size_t>(number)];
  const bool point = row.point->isChecked();
  row.distance->setVisible(true);
  row.pointLoad->setVisible(point);
  row.startRate->setVisible(!point);
  row.finishRate->setVisible(!point);
  row.cover->setVisible(!point);
  row.factor->setVisible(context_.session.units().FactoredLoads == trabeo::kSettingOn);
}

void TLoadDataFrm::ChooseType(int number) {
  ShowTypeBoxes(number);
  const int inUse = trabeo::LoadRowsInUseAfterPick(rowsInUse_, number);
  if (inUse == rowsInUse_) return;
  rowsInUse_ = inUse;
  Reveal();
}

void TLoadDataFrm::Reveal() {
  const int visible = trabeo::VisibleLoadRows(rowsInUse_);
  for (int number = 1; number <= visible; ++number) {
    rows_[static_cast<std::size_t>(number)].panel->show();
  }
  const int wanted = trabeo::LoadFormHeight(rowsInUse_);
  if (height() < wanted) {
    const QRect screen = ScreenRect();
    resize(width(), wanted);
    move(x(), std::max(0, (screen.height() - 600) / 5 - (rowsInUse_ - 5) * kRowHeight));
    scroll_->ensureWidgetVisible(rows_[static_cast<std::size_t>(visible)].panel);
  }
}

void TLoadDataFrm::SetRowType(Row& row, LoadRowType type) {
  row.point->setChecked(type == LoadRowType::Point);
  row.udl->setChecked(type == LoadRowType::Udl);
}

void TLoadDataFrm::FillRow(int number) {
  Row& row = rows_[static_cast<std::size_t>(number)];
  const LoadRowTexts texts = trabeo::ShowLoadRow(working_.row(number), context_.session.units());
  SetRowType(row, texts.type);
  if (texts.type == LoadRowType::None) {
    for (QLineEdit* box :
         {row.pointLoad, row.distance, row.startRate, row.finishRate, row.cover, row.factor}) {
      box->clear();
      box->hide();
    }
    row.apply->setChecked(false);
    return;
  }
  row.apply->setChecked(texts.applied);
  row.distance->setText(ToQString(texts.distance));
  row.pointLoad->setText(ToQString(texts.pointLoad));
  row.startRate->setText(ToQString(texts.startRate));
  row.finishRate->setText(ToQString(texts.finishRate));
  row.cover->setText(ToQString(texts.cover));
  row.factor->setText(ToQString(texts.factor));
  ShowTypeBoxes(number);
}

void TLoadDataFrm::FillFromWorkingCopy() {
  const bool wasFilling = filling_;
  filling_ = true;
  for (int number = 1; number <= trabeo::kUserLoadRows; ++number)
    FillRow(number);
  filling_ = wasFilling;
}

LoadRowTexts TLoadDataFrm::RowTexts(const Row& row) const {
  LoadRowTexts texts;
  texts.type = row.point->isChecked() ? LoadRowType::Point
               : row.udl->isChecked() ? LoadRowType::Udl
                                      : LoadRowType::None;
  texts.pointLoad = TextOf(row.pointLoad);
  texts.distance = TextOf(row.distance);
  texts.startRate = TextOf(row.startRate);
  texts.finishRate = TextOf(row.finishRate);
  texts.cover = TextOf(row.cover);
  texts.factor = TextOf(row.factor);
  texts.applied = row.apply->isChecked();
  return texts;
}

// Boxes out of the range of single precision are refused whether or not the rows are validated.
bool TLoadDataFrm::ReadForm(bool validate) {
  trabeo::LoadFormTexts texts;
  for (std::size_t i = 0; i < texts.rows.size(); ++i)
    texts.rows[i] = RowTexts(rows_[i + 1]);
  texts.selfWeight = {selfWeightApply_->isChecked(), TextOf(selfWeightFactor_)};
  const std::vector<std::string> refused =
      trabeo::ReadLoadForm(texts, context_.session.units(), working_);
  for (std::size_t i = 0; i < texts.rows.size(); ++i)
    rows_[i + 1].apply->setChecked(texts.rows[i].applied);
  for (const std::string& message : refused)
    context_.dialogs.Message(message);
  if (!refused.empty()) return false;
  if (!validate) return true;
  const auto messages = trabeo::ValidateLoadRows(working_, context_.session.model().TotalLength);
  for (const std::string& message : messages)
    context_.dialogs.Message(message);
  return messages.empty();
}

void TLoadDataFrm::RedrawSketch(bool withLoads) {
  const trabeo::ProjectSession& session = context_.session;
  const trabeo::SketchSize size{sketch_->width(), sketch_->height()};
  trabeo::SketchLengthLabel label;
  sketch_->Draw([&](trabeo::Canvas& canvas) {
    if (withLoads) {
      label = trabeo::DrawLoadSketch(canvas, session.model(), working_, session.udlOutline(),
                                     session.units(), size);
    } else {
      trabeo::ClearLoadSketch(canvas);
      label = trabeo::DrawSketchBeam(canvas, session.model(), session.units(), size);
    }
  });
  lengthLabel_->setText(ToQString(label.text));
  lengthLabel_->adjustSize();
  lengthLabel_->move((sketch_->width() - lengthLabel_->width()) / 2, label.top);
  lengthLabel_->setVisible(label.visible);
}

void TLoadDataFrm::ApplyClicked() {
  if (filling_) return;
  ReadForm(true);
  context_.session.RebuildUdlOutline(working_);
  RedrawSketch(true);
}

void TLoadDataFrm::SelfWeightClicked() {
  if (filling_) return;
  ReadForm(true);
  RedrawSketch(true);
}

// Row 25's type handler: its boxes appear (the UDL ones, unless "Point" is picked) and every
// row is revealed.
void TLoadDataFrm::Expand() {
  ChooseType(trabeo::kUserLoadRows);
}

void TLoadDataFrm::ClearRows() {
  filling_ = true;
  for (int number = 1; number <= trabeo::kUserLoadRows; ++number) {
    Row& row = rows_[static_cast<std::size_t>(number)];
    for (QLineEdit* box :
         {row.pointLoad, row.distance, row.startRate, row.finishRate, row.cover, row.factor}) {
      box->clear();
      box->hide();
    }
    row.apply->setChecked(false);
    SetRowType(row, LoadRowType::None);
  }
  rowsInUse_ = trabeo::kLoadRowsAlwaysShown;
  filling_ = false;
  resize(width(), 580);
}

void TLoadDataFrm::ClearClicked() {
  BusyCursor busy;
  ClearRows();
  for (int number = trabeo::kLoadRowsAlwaysShown + 1; number <= trabeo::kUserLoadRows; ++number) {
    rows_[static_cast<std::size_t>(number)].panel->hide();
  }
  Reveal();
  RedrawSketch(false);
  move(x(), ScreenRect().top() + (ScreenRect().height() - height()) / 5);
}

void TLoadDataFrm::Cancel() {
  hide();
}

void TLoadDataFrm::Back() {
  sketch_->Fill(kSketchGrey);
  ReadForm(false);
  context_.session.StoreLoads(working_, rowsInUse_);
  Q_EMIT backRequested();
}

void TLoadDataFrm::Next() {
  const bool rowsValid = ReadForm(true);
  const trabeo::LoadsOutcome outcome = context_.session.ApplyLoads(working_, rowsInUse_, rowsValid);
  for (const std::string& message : outcome.messages)
    context_.dialogs.Message(message);
  if (!outcome.stays) Q_EMIT accepted(outcome.next);
}
