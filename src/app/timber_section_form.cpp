#include "app/timber_section_form.h"

#include "app/form_keys.h"
#include "app/qt_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/form_controls.h"

namespace {

using trabeo::LoadDuration;
using trabeo::LoadSharing;
using trabeo::TimberExposure;

constexpr std::array<const char*, 4> kDurationNames{"Option_LT", "Option_MT", "Option_ST",
                                                    "Option_VST"};

}  // namespace

TTimSectFrm::TTimSectFrm(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
  setObjectName("TimSectFrm");
  setWindowTitle("Timber Section Properties");
  auto* layout = new QGridLayout(this);
  auto* left = new QVBoxLayout();
  left->addWidget(BuildSizes());
  left->addWidget(BuildOptions());
  left->addWidget(BuildValues());
  left->addStretch();
  layout->addLayout(left, 0, 0);
  results_ = Named(new QListWidget(this), "List_Results");
  results_->setFont(FixedPitchListFont());
  results_->setMinimumWidth(380);
  layout->addWidget(results_, 0, 1);
  layout->addWidget(BuildButtons(), 1, 0, 1, 2);
  PlaceOnScreen();
}

QWidget* TTimSectFrm::BuildSizes() {
  auto* group = Named(new QGroupBox("Section (mm)", this), "Frame_Size");
  auto* grid = new QGridLayout(group);
  width_ = Named(new QLabel(group), "lbl_Width");
  depth_ = Named(new QLabel(group), "lbl_Depth");
  grid->addWidget(new QLabel("Width", group), 0, 0);
  grid->addWidget(width_, 0, 1);
  grid->addWidget(new QLabel("Depth", group), 1, 0);
  grid->addWidget(depth_, 1, 1);
  grade_ = Named(new QComboBox(group), "Combo_Grade");
  for (int index = 0; index < trabeo::kTimberGradeListSize; ++index)
    grade_->addItem(ToQString(trabeo::TimberGradeListItem(index)));
  grid->addWidget(new QLabel("Grade", group), 2, 0);
  grid->addWidget(grade_, 2, 1);
  connect(grade_, &QComboBox::currentIndexChanged, this, [this](int index) {
    Handle([index](auto& w) { trabeo::ChooseTimberSectionGrade(w, index); });
  });
  return group;
}

QWidget* TTimSectFrm::BuildOptions() {
  auto* panel = new QWidget(this);
  auto* box = new QVBoxLayout(panel);
  box->setContentsMargins(0, 0, 0, 0);

  auto* sharing = Named(new QGroupBox("Single / Sharing K8", panel), "Frame_Sharing");
  auto* sharingRow = new QHBoxLayout(sharing);
  single_ = Named(new QRadioButton("Single", sharing), "Option_Single");
  share_ = Named(new QRadioButton("Sharing", sharing), "Option_Share");
  sharingRow->addWidget(single_);
  sharingRow->addWidget(share_);
  for (const auto& choice :
       {std::pair{single_, LoadSharing::Single}, std::pair{share_, LoadSharing::Share}}) {
    const auto value = choice.second;
    connect(choice.first, &QRadioButton::clicked, this, [this, value] {
      Handle([value](auto& w) { trabeo::ChooseTimberSectionSharing(w, value); });
    });
  }

  auto* exposure = Named(new QGroupBox("Wet / Dry   K1 and K2", panel), "Frame_Exposure");
  auto* exposureRow = new QHBoxLayout(exposure);
  dry_ = Named(new QRadioButton("Dry", exposure), "Option_Dry");
  wet_ = Named(new QRadioButton("Wet", exposure), "Option_Wet");
  exposureRow->addWidget(dry_);
  exposureRow->addWidget(wet_);
  for (const auto& choice :
       {std::pair{dry_, TimberExposure::Dry}, std::pair{wet_, TimberExposure::Wet}}) {
    const auto value = choice.second;
    connect(choice.first, &QRadioButton::clicked, this, [this, value] {
      Handle([value](auto& w) { trabeo::ChooseTimberSectionExposure(w, value); });
    });
  }

  auto* duration = Named(new QGroupBox("Load Duration  K3", panel), "Frame_Duration");
  auto* durationColumn = new QVBoxLayout(duration);
  for (std::size_t i = 0; i < durations_.size(); ++i) {
    const LoadDuration value = trabeo::kAllDurations[i];
    durations_[i] = Named(new QRadioButton(ToQString(trabeo::DurationCaption(value)), duration),
                          kDurationNames[i]);
    durationColumn->addWidget(durations_[i]);
    connect(durations_[i], &QRadioButton::clicked, this, [this, value] {
      Handle([value](auto& w) { trabeo::ChooseTimberSectionDuration(w, value); });
    });
  }

  box->addWidget(sharing);
  box->addWidget(exposure);
  box->addWidget(duration);
  return panel;
}

QWidget* TTimSectFrm::BuildValues() {
  auto* group = Named(new QGroupBox("Grade Values and Factors", this), "Frame_Values");
  auto* grid = new QGridLayout(group);
  int row = 0;
  const auto value = [&](const char* caption, const char* name) {
    auto* label = Named(new QLabel(group), name);
    grid->addWidget(new QLabel(caption, group), row, 0);
    grid->addWidget(label, row, 1);
    ++row;
    return label;
  };
  bend_ = value("Bending Stress", "lbl_Bend");
  e_ = value("E", "lbl_E");
  shear_ = value("Shear Stress", "lbl_Shear");
  k8_ = value("K8", "lbl_K8");
  k1_ = value("K1", "lbl_K1");
  k2E_ = value("K2 (E)", "lbl_K2E");
  k2B_ = value("K2 (bending stress)", "lbl_K2B");
  k2S_ = value("K2 (shear stress)", "lbl_K2S");
  k3_ = value("K3", "lbl_K3");
  return group;
}

QWidget* TTimSectFrm::BuildButtons() {
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  auto* calc = Named(new QPushButton("Calc", panel), "Button1");
  auto* k3Help = Named(new QPushButton("K3 Help", panel), "cmd_K3");
  auto* next = Named(new QPushButton("Next >", panel), "cmd_OK");
  SetDefaultButton(this, next);
  row->addWidget(calc);
  row->addWidget(k3Help);
  row->addStretch();
  row->addWidget(next);
  connect(calc, &QPushButton::clicked, this,
          [this] { Handle([](auto& w) { trabeo::CalculateTimberSection(w); }); });
  connect(k3Help, &QPushButton::clicked, this, &TTimSectFrm::k3HelpRequested);
  connect(next, &QPushButton::clicked, this, &TTimSectFrm::Next);
  return panel;
}

void TTimSectFrm::PlaceOnScreen() {
  adjustSize();
  PlaceOnScreenAt(this, 2.0 / 3.0, 2.0 / 3.0);
}

void TTimSectFrm::ShowForBeam() {
  window_ = trabeo::ShowTimberSectionWindow(context_.session.project());
  ShowState();
  show();
  raise();
  activateWindow();
}

template <typename Handler>
void TTimSectFrm::Handle(Handler handler) {
  handler(window_);
  ShowState();
}

void TTimSectFrm::ShowState() {
  const trabeo::TimberSectionLabels& l = window_.labels;
  const std::array<std::pair<QLabel*, const std::string*>, 11> labels{{{width_, &l.lbl_Width},
                                                                       {depth_, &l.lbl_Depth},
                                                                       {bend_, &l.lbl_Bend},
                                                                       {e_, &l.lbl_E},
                                                                       {shear_, &l.lbl_Shear},
                                                                       {k8_, &l.lbl_K8},
                                                                       {k1_, &l.lbl_K1},
                                                                       {k2E_, &l.lbl_K2E},
                                                                       {k2B_, &l.lbl_K2B},
                                                                       {k2S_, &l.lbl_K2S},
                                                                       {k3_, &l.lbl_K3}}};
  for (const auto& [label, text] : labels)
    label->setText(ToQString(*text));
  {
    const QSignalBlocker blocker(grade_);
    grade_->setCurrentIndex(window_.gradeIndex);
  }
  (window_.sharing == LoadSharing::Share ? share_ : single_)->setChecked(true);
  (window_.exposure == TimberExposure::Wet ? wet_ : dry_)->setChecked(true);
  for (std::size_t i = 0; i < durations_.size(); ++i) {
    if (trabeo::kAllDurations[i] == window_.duration) durations_[i]->setChecked(true);
  }
  ShowLines(results_, window_.lines);
}

void TTimSectFrm::Next() {
  const bool handed = context_.session.ApplyTimberSection(window_).has_value();
  ShowState();  // with nothing to hand over, the empty list says so and the window stays
  if (!handed) return;
  hide();
  Q_EMIT handedOver();
}
