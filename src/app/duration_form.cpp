#include "app/duration_form.h"

#include "app/form_keys.h"
#include "app/qt_text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/form_controls.h"

namespace {

using trabeo::LoadDuration;
using trabeo::TimberDurationChoices;

constexpr std::array<const char*, 4> kBendingNames{"Option_LT", "Option_MT", "Option_ST",
                                                   "Option_VST"};
constexpr std::array<const char*, 4> kStrutNames{"Option_AxLT", "Option_AxMT", "Option_AxST",
                                                 "Option_AxVST"};

}  // namespace

TDurationFrm::TDurationFrm(AppContext& /*context*/, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("DurationFrm");
  setWindowTitle(ToQString(trabeo::kDurationDialogCaption));
  auto* layout = new QVBoxLayout(this);
  auto* groups = new QHBoxLayout();
  bendingGroup_ =
      BuildGroup(trabeo::kBendingDurationGroup, "Frame_Bending", kBendingNames, "lbl_K3",
                 bendingOptions_, bendingK3_, &TimberDurationChoices::bending);
  strutGroup_ = BuildGroup(trabeo::kStrutDurationGroup, "Frame_Strut", kStrutNames, "lbl_AxK3",
                           strutOptions_, strutK3_, &TimberDurationChoices::strut);
  groups->addWidget(bendingGroup_);
  groups->addWidget(strutGroup_);
  layout->addLayout(groups);
  layout->addWidget(BuildLoads());

  auto* ok = Named(new QPushButton("OK", this), "cmd_OK");
  SetDefaultButton(this, ok);
  auto* row = new QHBoxLayout();
  row->addStretch();
  row->addWidget(ok);
  layout->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &TDurationFrm::Confirm);
  HideOnEscape(this);  // Esc cancels: the calculation waits for OK
  ShowK3Labels();
}

QGroupBox* TDurationFrm::BuildGroup(std::string_view caption, const char* name,
                                    const std::array<const char*, 4>& optionNames,
                                    const char* k3Name, std::array<QRadioButton*, 4>& options,
                                    QLabel*& k3, LoadDuration TimberDurationChoices::*choice) {
  auto* group = Named(new QGroupBox(ToQString(caption), this), name);
  auto* column = new QVBoxLayout(group);
  for (std::size_t i = 0; i < options.size(); ++i) {
    const LoadDuration value = trabeo::kAllDurations[i];
    options[i] =
        Named(new QRadioButton(ToQString(trabeo::DurationCaption(value)), group), optionNames[i]);
    column->addWidget(options[i]);
    connect(options[i], &QRadioButton::clicked, this, [this, choice, value] {
      choices_.*choice = value;
      ShowK3Labels();
    });
  }
  options[0]->setChecked(true);
  auto* k3Row = new QHBoxLayout();
  k3Row->addWidget(new QLabel("K3 =", group));
  k3 = Named(new QLabel(group), k3Name);
  k3Row->addWidget(k3);
  k3Row->addStretch();
  column->addLayout(k3Row);
  return group;
}

QWidget* TDurationFrm::BuildLoads() {
  loads_ = Named(new QWidget(this), "Panel_Loads");
  auto* grid = new QGridLayout(loads_);
  grid->addWidget(Named(new QLabel(ToQString(trabeo::kAppliedLoadsPrompt), loads_), "lbl_Prompt"),
                  0, 0, 1, 3);
  axial_ = Named(new QLineEdit(loads_), "Edit_Axial");
  moment_ = Named(new QLineEdit(loads_), "Edit_Mom");
  grid->addWidget(new QLabel(ToQString(trabeo::kAppliedAxialCaption), loads_), 1, 0);
  grid->addWidget(axial_, 1, 1);
  grid->addWidget(new QLabel("kN", loads_), 1, 2);
  grid->addWidget(new QLabel(ToQString(trabeo::kAppliedMomentCaption), loads_), 2, 0);
  grid->addWidget(moment_, 2, 1);
  grid->addWidget(new QLabel("kN-m", loads_), 2, 2);
  return loads_;
}

void TDurationFrm::ShowK3Labels() {
  bendingK3_->setText(ToQString(trabeo::DurationK3Label(choices_.bending)));
  strutK3_->setText(ToQString(trabeo::DurationK3Label(choices_.strut)));
}

void TDurationFrm::Open(trabeo::TimberMemberMode mode) {
  bendingGroup_->setEnabled(trabeo::BendingDurationEnabled(mode));
  strutGroup_->setEnabled(trabeo::StrutDurationEnabled(mode));
  loads_->setVisible(trabeo::AppliedLoadsVisible(mode));
  adjustSize();
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
}

void TDurationFrm::Confirm() {
  choices_.Edit_Axial = TextOf(axial_);
  choices_.Edit_Mom = TextOf(moment_);
  hide();
  Q_EMIT confirmed(choices_);
}
