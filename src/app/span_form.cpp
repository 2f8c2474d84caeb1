#include "app/span_form.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/click_through.h"
#include "app/form_controls.h"
#include "app/form_keys.h"
#include "app/picture_widget.h"
#include "app/qt_text.h"
#include "beam_input/intermediate_restraints.h"

using trabeo::SpanOption;

namespace {

constexpr int kPictureWidth = 520;
constexpr int kPictureHeight = 150;
const QColor kPictureGrey(128, 128, 128);

std::size_t Index(SpanOption option) {
  return static_cast<std::size_t>(option);
}

// One end's options, in the order of the flags, with their captions and objectNames.
struct EndNames {
  const char* head;
  SpanOption latRestrained, latUnrestrained, bothRestrained, bothPart, bothFree, bottomConnected,
      bottomDeadBearing;
  const char *latRestrainedName, *latUnrestrainedName, *bothRestrainedName, *bothPartName,
      *bothFreeName, *bottomConnectedName, *bottomDeadBearingName, *bothFrame, *bottomFrame;
};

constexpr EndNames kLhNames{"LH Support",
                            SpanOption::LhLatRestrained,
                            SpanOption::LhLatUnrestrained,
                            SpanOption::LhBothRestrained,
                            SpanOption::LhBothPartRestrained,
                            SpanOption::LhBothFree,
                            SpanOption::LhBottomRestrained,
                            SpanOption::LhBottomUnRestrained,
                            "Option_LH_Lat_Rest",
                            "Option_LH_Lat_UnRest",
                            "Option_LH_Both_Restrained",
                            "Option_LH_Both_Part_Restrained",
                            "Option_LH_Both_Free",
                            "Option_LH_Bottom_Restrained",
                            "Option_LH_Bottom_UnRestrained",
                            "Frame_LH_Top",
                            "Frame_LH_Bottom"};
constexpr EndNames kRhNames{"RH Support",
                            SpanOption::RhLatRestrained,
                            SpanOption::RhLatUnrestrained,
                            SpanOption::RhBothRestrained,
                            SpanOption::RhBothPartRestrained,
                            SpanOption::RhBothFree,
                            SpanOption::RhBottomRestrained,
                            SpanOption::RhBottomUnRestrained,
                            "Option_RH_Lat_Rest",
                            "Option_RH_Lat_Unrest",
                            "Option_RH_Both_Restrained",
                            "Option_RH_Both_Part_Restrained",
                            "Option_RH_Both_Free",
                            "Option_RH_Bottom_Restrained",
                            "Option_RH_Bottom_UnRestrained",
                            "Frame_RH_Top",
                            "Frame_RH_Bottom"};

QLabel* Head(const char* text, QWidget* parent) {
  auto* head = new QLabel(text, parent);
  QFont font = head->font();
  font.setBold(true);
  head->setFont(font);
  head->setAlignment(Qt::AlignHCenter);
  return head;
}

}  // namespace

TSpanFrm::TSpanFrm(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
  setObjectName("SpanFrm");
  setWindowTitle(ToQString(trabeo::kSpanCaption));
  auto* layout = new QVBoxLayout(this);

  layout->addWidget(BuildEndRestraintPanel());
  layout->addWidget(BuildIntermediateFrame());
  layout->addLayout(BuildResults());
  layout->addWidget(BuildCommands());

  SizeForBothViews(layout);
  PlaceAsEntryForm(this);
}

QWidget* TSpanFrm::BuildEndRestraintPanel() {
  panel_ = Named(new QFrame(this), "Panel_Span");
  panel_->setFrameShape(QFrame::StyledPanel);
  auto* columns = new QGridLayout(panel_);
  columns->addWidget(Head(kLhNames.head, panel_), 0, 0);
  columns->addWidget(Head("Common", panel_), 0, 1);
  columns->addWidget(Head(kRhNames.head, panel_), 0, 2);
  columns->addWidget(BuildEndColumn(true), 1, 0);
  columns->addWidget(BuildCommonColumn(), 1, 1);
  columns->addWidget(BuildEndColumn(false), 1, 2);
  return panel_;
}

// The results stand under both views: the intermediate view shows "n support(s)" and "varies".
QLayout* TSpanFrm::BuildResults() {
  auto* results = new QGridLayout();
  results->addWidget(new QLabel("LH effective length factor", this), 0, 0);
  lhFactor_ = Named(new QLabel(this), "lbl_LH_Lf");
  results->addWidget(lhFactor_, 0, 1);
  results->addWidget(new QLabel("RH effective length factor", this), 1, 0);
  rhFactor_ = Named(new QLabel(this), "lbl_RH_Lf");
  results->addWidget(rhFactor_, 1, 1);
  results->addWidget(new QLabel("Effective length ", this), 2, 0);
  effectiveLength_ = Named(new QLabel(this), "lbl_Le");
  results->addWidget(effectiveLength_, 2, 1);
  lengthUnit_ = Named(new QLabel(this), "Label_LengthUnit");
  results->addWidget(lengthUnit_, 2, 2);
  spanLabel_ = Named(new QLabel("Clear Span", this), "Label_Span");
  results->addWidget(spanLabel_, 0, 3, 3, 1, Qt::AlignCenter);
  results->setColumnStretch(3, 1);
  return results;
}

// Sized to hold either view with every group shown, as the hidden sizing panels did.
void TSpanFrm::SizeForBothViews(QLayout* layout) {
  layout->setSizeConstraint(QLayout::SetMinimumSize);
  intermediate_->hide();
  const QSize endRestraints = sizeHint();
  panel_->hide();
  intermediate_->show();
  resize(endRestraints.expandedTo(sizeHint()));
  intermediate_->hide();
  panel_->show();
  for (QGroupBox* group : {lhBoth_, lhBottom_, rhBoth_, rhBottom_})
    group->hide();
}

// The core decides which options are ticked, so the buttons do not exclude each other by
// themselves: the form shows the core's choices after every pick. The long captions of the end
// conditions wrap in a label beside their button.
QRadioButton* TSpanFrm::AddOption(SpanOption option, const QString& caption, const char* name,
                                  QWidget* parent, bool wrapCaption) {
  auto* button = Named(new QRadioButton(wrapCaption ? QString() : caption, parent), name);
  button->setAutoExclusive(false);
  options_[Index(option)] = button;
  connect(button, &QRadioButton::clicked, this, [this, option] { OptionClicked(option); });
  auto* layout = static_cast<QBoxLayout*>(parent->layout());
  if (!wrapCaption) {
    layout->addWidget(button);
    return button;
  }
  button->setAccessibleName(caption);
  auto* label = new QLabel(caption, parent);
  label->setWordWrap(true);
  label->setMinimumWidth(220);
  ClickThrough(label, button);
  auto* row = new QHBoxLayout();
  row->addWidget(button, 0, Qt::AlignTop);
  row->addWidget(label, 1);
  layout->addLayout(row);
  return button;
}

QWidget* TSpanFrm::BuildEndColumn(bool lh) {
  const EndNames& names = lh ? kLhNames : kRhNames;
  auto* column = new QWidget(panel_);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* flange = new QGroupBox("Compression Flange", column);
  new QVBoxLayout(flange);
  AddOption(names.latRestrained,
            " Compression flange laterally restrained. \n Beam fully restrained against torsion.",
            names.latRestrainedName, flange, true);
  AddOption(names.latUnrestrained,
            " Compression flange laterally unrestrained. \n Both flanges free to rotate on plan.",
            names.latUnrestrainedName, flange, true);
  layout->addWidget(flange);

  auto* both = Named(new QGroupBox("Rotation Restrained by both flanges", column), names.bothFrame);
  new QVBoxLayout(both);
  AddOption(names.bothRestrained, "Both flanges fully restrained against rotation on plan",
            names.bothRestrainedName, both, true);
  AddOption(names.bothPart, "Both flanges partially restrained against rotation on plan",
            names.bothPartName, both, true);
  AddOption(names.bothFree, "Both flanges free to rotation on plan", names.bothFreeName, both,
            true);
  layout->addWidget(both);

  auto* bottom =
      Named(new QGroupBox("Rotation restrained by bottom flange", column), names.bottomFrame);
  new QVBoxLayout(bottom);
  AddOption(names.bottomConnected,
            "Restraint against torsion provided only by positive connection of bottom flange to "
            "supports",
            names.bottomConnectedName, bottom, true);
  AddOption(names.bottomDeadBearing,
            "Restraint against torsion provided only by dead bearing of bottom flange on supports",
            names.bottomDeadBearingName, bottom, true);
  layout->addWidget(bottom);
  layout->addStretch();

  (lh ? lhBoth_ : rhBoth_) = both;
  (lh ? lhBottom_ : rhBottom_) = bottom;
  return column;
}

QWidget* TSpanFrm::BuildCommonColumn() {
  auto* column = new QWidget(panel_);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* loading = new QGroupBox("Loading Condition", column);
  new QVBoxLayout(loading);
  AddOption(SpanOption::Normal, "Normal", "Option_Normal", loading)->setChecked(true);
  AddOption(SpanOption::Destabilising, "Destabilizing", "Option_Destabilizing", loading);
  layout->addWidget(loading);

  auto* restrained = Named(new QRadioButton("Span fully restrained", column), "Option_Restrained");
  restrained->setAutoExclusive(false);
  options_[Index(SpanOption::SpanFullyRestrained)] = restrained;
  connect(restrained, &QRadioButton::clicked, this, &TSpanFrm::FullyRestrainedClicked);
  layout->addWidget(restrained);

  auto* enter = Named(new QPushButton("Enter effective length", column), "cmd_Edit");
  connect(enter, &QPushButton::clicked, this, &TSpanFrm::EnterEffectiveLength);
  layout->addWidget(enter);
  // Records only that a typed value is in force; the user never picks it.
  auto* userValue = Named(new QRadioButton("Enter effective length", column), "Option_Edit");
  userValue->setAutoExclusive(false);
  userValue->hide();
  options_[Index(SpanOption::UserValue)] = userValue;
  layout->addStretch();
  return column;
}

QWidget* TSpanFrm::BuildIntermediateFrame() {
  intermediate_ = Named(new QFrame(this), "Frame_Int");
  intermediate_->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(intermediate_);

  auto* spacing = new QGroupBox("Select number of supports", intermediate_);
  auto* spacingLayout = new QGridLayout(spacing);
  equal_ =
      Named(new QRadioButton("Select number of equal support positions.", spacing), "Option_Equal");
  halfEnds_ = Named(
      new QRadioButton("Select number of equal support positions with ends 1/2 mid span.", spacing),
      "Option_UnEqual");
  for (QRadioButton* option : {equal_, halfEnds_})
    option->setAutoExclusive(false);
  halfEnds_->setChecked(true);
  connect(equal_, &QRadioButton::clicked, this, [this] { SpacingClicked(true); });
  connect(halfEnds_, &QRadioButton::clicked, this, [this] { SpacingClicked(false); });
  count_ = Named(new QSpinBox(spacing), "Edit_No");
  count_->setRange(1, 5);
  count_->setValue(1);
  count_->setFixedWidth(60);
  connect(count_, &QSpinBox::valueChanged, this, &TSpanFrm::CountChanged);
  spacingLayout->addWidget(equal_, 0, 0);
  spacingLayout->addWidget(halfEnds_, 1, 0);
  spacingLayout->addWidget(count_, 0, 1, 2, 1, Qt::AlignVCenter);
  layout->addWidget(spacing);

  grid_ = Named(new QTableWidget(1, 1, intermediate_), "Grid_Int");
  grid_->setFixedHeight(64);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  connect(grid_, &QTableWidget::itemChanged, this, &TSpanFrm::IntervalEdited);
  layout->addWidget(grid_);
  layout->addWidget(new QLabel("Span intervals can be edited in the grid above.", intermediate_));
  layout->addWidget(new QLabel("Values will be rounded to nearest  1/100 span.", intermediate_));
  picture_ = Named(new PictureWidget(intermediate_), "Image_IntSpan");
  picture_->setFixedSize(kPictureWidth, kPictureHeight);
  layout->addWidget(picture_, 0, Qt::AlignHCenter);
  spanLength_ = Named(new QLabel(intermediate_), "lbl_SpanL");
  layout->addWidget(spanLength_);
  return intermediate_;
}

QWidget* TSpanFrm::BuildCommands() {
  auto* commands = new QWidget(this);
  auto* layout = new QHBoxLayout(commands);
  layout->setContentsMargins(0, 0, 0, 0);
  select_ = Named(new QPushButton("Intermediate Supports", commands), "cmd_Select");
  connect(select_, &QPushButton::clicked, this, &TSpanFrm::SwitchView);
  layout->addWidget(select_);
  layout->addStretch();
  auto* back = Named(new QPushButton("< Back", commands), "cmd_Back");
  connect(back, &QPushButton::clicked, this, &TSpanFrm::backRequested);
  layout->addWidget(back);
  next_ = Named(new QPushButton("Next >", commands), "cmd_Next");
  SetDefaultButton(this, next_);
  connect(next_, &QPushButton::clicked, this, &TSpanFrm::Next);
  layout->addWidget(next_);
  return commands;
}

void TSpanFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  picture_->Fill(kPictureGrey);
  context_.session.ShowSpanForm(state_);
  lengthUnit_->setText(ToQString(context_.session.units().LengthUnitName));
  ShowState();
}

void TSpanFrm::ResetForNew() {
  context_.session.ResetSpanForm(state_);
  ShowState();
  for (QGroupBox* group : {lhBoth_, lhBottom_, rhBoth_, rhBottom_})
    group->hide();
}

// The controls from the state the core left.
void TSpanFrm::ShowState() {
  filling_ = true;
  const trabeo::SpanFormChoices& choices = state_.choices;
  for (std::size_t k = 0; k < options_.size(); ++k)
    options_[k]->setChecked(choices.ticked[k]);
  options_[Index(SpanOption::RhLatUnrestrained)]->setEnabled(choices.rhLatUnrestrainedEnabled);
  const trabeo::SpanGroupsShown shown = trabeo::GroupsShown(choices);
  lhBoth_->setVisible(shown.lhBoth);
  lhBottom_->setVisible(shown.lhBottom);
  rhBoth_->setVisible(shown.rhBoth);
  rhBottom_->setVisible(shown.rhBottom);
  lhFactor_->setText(ToQString(state_.lhFactorLabel));
  rhFactor_->setText(ToQString(state_.rhFactorLabel));
  effectiveLength_->setText(ToQString(state_.effectiveLengthLabel));
  spanLabel_->setText(ToQString(state_.spanLabel));
  select_->setText(ToQString(trabeo::SwitchViewCaption(state_)));
  panel_->setVisible(!choices.intermediateMode);
  intermediate_->setVisible(choices.intermediateMode);
  if (choices.intermediateMode) ShowIntermediate();
  filling_ = false;
}

void TSpanFrm::ShowIntermediate() {
  const trabeo::SpanFormChoices& choices = state_.choices;
  equal_->setChecked(choices.equalSpacing);
  halfEnds_->setChecked(choices.halfEndSpacing);
  {
    const QSignalBlocker blocker(count_);
    count_->setValue(choices.restraintCount);
  }
  ShowGrid();
  spanLength_->setText(ToQString(state_.spanLengthLabel));
  DrawIntervals();
}

// A column per restraint, headed " Sup. k", holding the interval that ends at it; the last
// interval, up to the RH support, is what remains of the span.
void TSpanFrm::ShowGrid() {
  const QSignalBlocker blocker(grid_);
  const int n = state_.choices.restraintCount;
  grid_->setColumnCount(n);
  QStringList heads;
  for (int k = 1; k <= n; ++k) {
    heads << QString(" Sup. %1").arg(k);
    const QString text = ToQString(state_.choices.intervalCells[static_cast<std::size_t>(k - 1)]);
    QTableWidgetItem* item = grid_->item(0, k - 1);
    if (item == nullptr) {
      grid_->setItem(0, k - 1, new QTableWidgetItem(text));
    } else if (item->text() != text) {
      item->setText(text);
    }
  }
  grid_->setHorizontalHeaderLabels(heads);
  grid_->setVerticalHeaderLabels({ToQString(context_.session.units().LengthUnitName)});
}

void TSpanFrm::DrawIntervals() {
  const trabeo::ProjectSession& session = context_.session;
  picture_->Draw([&](trabeo::Canvas& canvas) {
    trabeo::DrawIntermediateRestraints(canvas, picture_->width(), picture_->height(),
                                       session.project().restraints,
                                       session.model().MainSpan.Length, session.units());
  });
}

void TSpanFrm::OptionClicked(SpanOption option) {
  if (filling_) return;
  context_.session.PickSpanOption(state_, option);
  ShowState();
  next_->setFocus();
}

void TSpanFrm::FullyRestrainedClicked() {
  if (filling_) return;
  context_.session.PickSpanFullyRestrained(state_);
  ShowState();
}

void TSpanFrm::EnterEffectiveLength() {
  picture_->Fill(kPictureGrey);
  trabeo::EnterSpanEffectiveLength(state_, context_.session.project().restraints,
                                   context_.session.units(), context_.dialogs);
  ShowState();
}

void TSpanFrm::SwitchView() {
  context_.session.SwitchSpanView(state_, context_.dialogs);
  ShowState();
}

void TSpanFrm::CountChanged(int count) {
  if (filling_) return;
  context_.session.ChangeRestraintCount(state_, count);
  ShowState();
}

void TSpanFrm::SpacingClicked(bool equal) {
  if (filling_) return;
  context_.session.PickRestraintSpacing(state_, equal);
  ShowState();
}

// An interval typed in the grid: read again with the remainder to the RH support, without
// the default spacing.
void TSpanFrm::IntervalEdited() {
  if (filling_) return;
  for (int column = 0; column < grid_->columnCount(); ++column) {
    const QTableWidgetItem* item = grid_->item(0, column);
    state_.choices.intervalCells[static_cast<std::size_t>(column)] =
        item != nullptr ? item->text().toStdString() : std::string();
  }
  context_.session.ReadRestraintIntervals(state_);
  ShowState();
}

void TSpanFrm::Next() {
  const trabeo::SpanNextResult result = context_.session.AcceptSpanForm(state_, context_.dialogs);
  ShowState();
  if (!result.stays) Q_EMIT accepted(result.next);
}
