#include "app/cantilever_form.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/click_through.h"
#include "app/form_controls.h"
#include "app/form_keys.h"
#include "app/picture_widget.h"
#include "app/qt_text.h"

using trabeo::CantileverOption;
using trabeo::CantileverSide;

namespace {

constexpr int kPictureWidth = 110;
constexpr int kPictureHeight = 64;

std::size_t Index(CantileverOption option) {
  return static_cast<std::size_t>(option);
}

}  // namespace

CantileverForm::CantileverForm(AppContext& context, CantileverSide side, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), side_(side) {
  const trabeo::CantileverFormTexts texts = trabeo::CantileverTexts(side);
  setWindowTitle(ToQString(texts.caption));
  auto* layout = new QGridLayout(this);
  layout->addWidget(BuildLoadingGroup(), 0, 0);
  layout->addWidget(BuildSupportGroup(), 0, 1);
  layout->addWidget(BuildEndGroup(), 1, 0, 1, 2);
  layout->addWidget(BuildRestrainedGroup(), 2, 0);
  layout->addWidget(BuildResults(), 2, 1);
  auto* warning = Named(new QLabel(ToQString(trabeo::kCantileverWarning), this), "lbl_Warning");
  warning->setStyleSheet("color: red;");
  warning->setWordWrap(true);
  layout->addWidget(warning, 3, 0, 1, 2);
  layout->addWidget(BuildCommands(), 4, 0, 1, 2);

  options_[Index(CantileverOption::UserValue)]->setEnabled(false);
  adjustSize();
  PlaceAsEntryForm(this);
}

TCantLHFrm::TCantLHFrm(AppContext& context, QWidget* parent)
    : CantileverForm(context, CantileverSide::Lh, parent) {
  setObjectName("CantLHFrm");
}

TCantRHFrm::TCantRHFrm(AppContext& context, QWidget* parent)
    : CantileverForm(context, CantileverSide::Rh, parent) {
  setObjectName("CantRHFrm");
}

// The core decides which options are ticked, so the buttons do not exclude each other by
// themselves: the form shows the core's choices after every pick.
QRadioButton* CantileverForm::AddOption(CantileverOption option, const QString& caption,
                                        const char* name, QWidget* parent) {
  auto* button = Named(new QRadioButton(caption, parent), name);
  button->setAutoExclusive(false);
  options_[Index(option)] = button;
  if (option == CantileverOption::FullyRestrained) {
    connect(button, &QRadioButton::clicked, this, &CantileverForm::FullyRestrainedClicked);
  } else {
    connect(button, &QRadioButton::clicked, this, [this, option] { OptionClicked(option); });
  }
  return button;
}

PictureWidget* CantileverForm::AddPicture(CantileverOption option, const char* name,
                                          QWidget* parent) {
  auto* picture = Named(new PictureWidget(parent), name);
  picture->setFixedSize(kPictureWidth, kPictureHeight);
  pictures_[Index(option)] = picture;
  ClickThrough(picture, options_[Index(option)]);
  return picture;
}

QWidget* CantileverForm::BuildLoadingGroup() {
  auto* group = new QGroupBox("Loading", this);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(AddOption(CantileverOption::Normal, "Normal", "Option_Normal", group));
  layout->addWidget(
      AddOption(CantileverOption::Destabilising, "Destabilizing", "Option_Destabilizing", group));
  layout->addStretch();
  return group;
}

QWidget* CantileverForm::BuildSupportGroup() {
  struct Support {
    CantileverOption option;
    const char* caption;
    const char* name;
    const char* label;
    const char* picture;
  };
  static constexpr Support kSupports[] = {
      {CantileverOption::SupportLateral, "Continuous with lateral restraint only",
       "Option_Support_Lateral", "Label_Support_Lateral", "Image_Support_Lateral"},
      {CantileverOption::SupportBoth, "Continuous with lateral and torsional restraint",
       "Option_Support_Both", "Label_Support_Both", "Image_Support_Both"},
  };
  auto* group = new QGroupBox("Support Restraint", this);
  auto* layout = new QGridLayout(group);
  int row = 0;
  for (const Support& support : kSupports) {
    QRadioButton* button = AddOption(support.option, "", support.name, group);
    button->setAccessibleName(support.caption);
    auto* label = Named(new QLabel(support.caption, group), support.label);
    ClickThrough(label, button);
    layout->addWidget(button, row, 0);
    layout->addWidget(AddPicture(support.option, support.picture, group), row, 1);
    layout->addWidget(label, row, 2);
    ++row;
  }
  return group;
}

QWidget* CantileverForm::BuildEndGroup() {
  const trabeo::CantileverFormTexts texts = trabeo::CantileverTexts(side_);
  struct Tip {
    CantileverOption option;
    QString caption;
    const char* name;
    const char* picture;
  };
  const Tip tips[] = {
      {CantileverOption::TipFree, "Free", "Option_End_Free", "Image_End_Free"},
      {CantileverOption::TipTopFlange, "Top flange restraint", "Option_End_Top", "Image_End_Top"},
      {CantileverOption::TipTorsional, ToQString(texts.tipTorsional), "Option_End_Torsion",
       "Image_End_Torsion"},
      {CantileverOption::TipLateralAndTorsional, ToQString(texts.tipLateralAndTorsional),
       "Option_End_Both", "Image_End_Both"},
  };
  auto* group = Named(new QGroupBox(ToQString(texts.endGroupCaption), this), "Frame_End");
  auto* layout = new QGridLayout(group);
  int column = 0;
  for (const Tip& tip : tips) {
    layout->addWidget(AddOption(tip.option, tip.caption, tip.name, group), 0, column);
    layout->addWidget(AddPicture(tip.option, tip.picture, group), 1, column);
    ++column;
  }
  layout->addWidget(new QLabel("Braced laterally in at least one bay", group), 2, 0, 1, column);
  return group;
}

QWidget* CantileverForm::BuildRestrainedGroup() {
  auto* group = new QGroupBox(this);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(AddOption(CantileverOption::FullyRestrained, "Cantilever fully restrained",
                              "Option_Restrained", group));
  // Ticked only when the stored flags say a typed length is in force; the user never picks it.
  layout->addWidget(
      AddOption(CantileverOption::UserValue, "Enter effective length", "Option_Edited", group));
  layout->addWidget(Named(new QPushButton("Reset effective length", group), "cmd_Reset"));
  return group;
}

QWidget* CantileverForm::BuildResults() {
  auto* results = new QWidget(this);
  auto* layout = new QGridLayout(results);
  layout->addWidget(new QLabel("Effective length factor", results), 0, 0);
  factor_ = Named(new QLabel(results), "lbl_Lf");
  layout->addWidget(factor_, 0, 1);
  layout->addWidget(new QLabel("Effective length ", results), 1, 0);
  effectiveLength_ = Named(new QLineEdit(results), "Edit_Le");
  effectiveLength_->installEventFilter(this);
  connect(effectiveLength_, &QLineEdit::textEdited, this, &CantileverForm::LengthTyped);
  layout->addWidget(effectiveLength_, 1, 1);
  units_ = Named(new QLabel(results), "Label_Units");
  layout->addWidget(units_, 1, 2);
  const std::string_view extra = trabeo::CantileverTexts(side_).extraLabel;
  if (!extra.empty()) {
    layout->addWidget(Named(new QLabel(ToQString(extra), results), "lbl_Not_Applicable"), 2, 0, 1,
                      3);
  }
  return results;
}

QWidget* CantileverForm::BuildCommands() {
  auto* commands = new QWidget(this);
  auto* layout = new QHBoxLayout(commands);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  auto* back = Named(new QPushButton("< Back", commands), "Cmd_Back");
  connect(back, &QPushButton::clicked, this, &CantileverForm::backRequested);
  layout->addWidget(back);
  next_ = Named(new QPushButton("Next >", commands), "cmd_Next");
  SetDefaultButton(this, next_);
  connect(next_, &QPushButton::clicked, this, &CantileverForm::Next);
  layout->addWidget(next_);
  return commands;
}

// Each option's picture shows the cantilever with that restraint alone.
void CantileverForm::DrawPictures() {
  for (std::size_t k = 0; k < pictures_.size(); ++k) {
    PictureWidget* picture = pictures_[k];
    if (picture == nullptr) continue;
    trabeo::CantileverFormState alone;
    alone.ticked[k] = true;
    picture->Draw([&](trabeo::Canvas& canvas) {
      trabeo::DrawCantileverPicture(canvas, picture->width(), picture->height(), side_, alone);
    });
  }
}

double CantileverForm::Length() const {
  const trabeo::BeamModel& model = context_.session.model();
  return side_ == CantileverSide::Lh ? model.LhCantilever.Length : model.RhCantilever.Length;
}

void CantileverForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  const trabeo::ProjectSession& session = context_.session;
  units_->setText(ToQString(session.units().LengthUnitName));
  next_->setText(ToQString(trabeo::CantileverNextCaption(side_, session.model())));
  trabeo::ShowCantileverForm(state_, side_, session.model(), session.project().restraints,
                             session.units());
  DrawPictures();
  ShowState();
}

// A click in the effective length box: the length about to be typed is the user's own.
bool CantileverForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == effectiveLength_ && event->type() == QEvent::MouseButtonPress) {
    trabeo::ClickCantileverEffectiveLength(state_);
    ShowState();
  }
  return QWidget::eventFilter(watched, event);
}

void CantileverForm::ResetForNew() {
  trabeo::ResetCantileverForm(state_);
  ShowState();
}

void CantileverForm::ShowState() {
  filling_ = true;
  for (std::size_t k = 0; k < options_.size(); ++k)
    options_[k]->setChecked(state_.ticked[k]);
  factor_->setText(ToQString(state_.factorLabel));
  const QString length = ToQString(state_.effectiveLengthText);
  if (effectiveLength_->text() != length) effectiveLength_->setText(length);
  filling_ = false;
}

void CantileverForm::OptionClicked(CantileverOption option) {
  if (filling_) return;
  trabeo::PickCantileverOption(state_, option, Length(), context_.session.units());
  ShowState();
}

void CantileverForm::FullyRestrainedClicked() {
  if (filling_) return;
  trabeo::PickCantileverFullyRestrained(state_, Length(), context_.session.units());
  ShowState();
}

// A length typed is the user's value however the box was reached (by mouse or by keyboard):
// the factor label, and the text the report shows, say so.
void CantileverForm::LengthTyped(const QString& text) {
  state_.effectiveLengthText = text.toStdString();
  trabeo::ClickCantileverEffectiveLength(state_);
  ShowState();
}

void CantileverForm::Next() {
  const trabeo::CantileverNextResult result =
      context_.session.AcceptCantileverForm(state_, side_, context_.dialogs);
  ShowState();
  if (!result.stays) Q_EMIT accepted(result.next);
}
