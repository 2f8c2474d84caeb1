#include "app/timber_member_form.h"

#include "app/qt_text.h"

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
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/form_controls.h"
#include "app/print/header_date_time.h"
#include "app/print/qt_canvas.h"
#include "settings/page_header.h"
#include "timber/timber_member_print.h"

namespace {

using trabeo::LoadSharing;
using trabeo::TimberAxis;
using trabeo::TimberExposure;
using trabeo::TimberMemberButton;
using trabeo::TimberMemberLabels;
using trabeo::TimberMemberWindow;

// A grade value or factor label: its caption, objectName and place in the window's state.
struct ValueLabel {
  const char* caption;
  const char* name;
  std::string TimberMemberLabels::*text;
};

constexpr std::array<ValueLabel, 13> kValueLabels{{
    {"Bending Stress", "lbl_BendStress", &TimberMemberLabels::lbl_BendStress},
    {"Shear Stress", "lbl_ShearStress", &TimberMemberLabels::lbl_ShearStress},
    {"Axial Stress", "lbl_AxStress", &TimberMemberLabels::lbl_AxStress},
    {"E (bending)", "lbl_Eb", &TimberMemberLabels::lbl_Eb},
    {"E (axial)", "lbl_Eax", &TimberMemberLabels::lbl_Eax},
    {"K8", "lbl_K8", &TimberMemberLabels::lbl_K8},
    {"K1", "lbl_K1", &TimberMemberLabels::lbl_K1},
    {"E modifier K2", "lbl_K2E", &TimberMemberLabels::lbl_K2E},
    {"Bending stress modifier K2", "lbl_K2B", &TimberMemberLabels::lbl_K2B},
    {"Shear stress modifier K2", "lbl_K2S", &TimberMemberLabels::lbl_K2S},
    {"Axial Stress modifier K2", "lbl_K2Ax", &TimberMemberLabels::lbl_K2Ax},
    {"K3 (bending)", "lbl_K3b", &TimberMemberLabels::lbl_K3b},
    {"K3  (axial)", "lbl_K3ax", &TimberMemberLabels::lbl_K3ax},
}};

}  // namespace

TTimberFrm::TTimberFrm(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), window_(trabeo::NewTimberMemberWindow()) {
  setObjectName("TimberFrm");
  setWindowTitle("Timber");
  auto* layout = new QGridLayout(this);
  BuildMenu();
  layout->setMenuBar(menuBar_);
  auto* left = new QVBoxLayout();
  left->addWidget(BuildInputs());
  left->addWidget(BuildOptions());
  left->addWidget(BuildValues());
  auto* note = Named(new QLabel(ToQString(trabeo::kTimberUnitsNote), this), "lbl_Units");
  note->setWordWrap(true);
  left->addWidget(note);
  left->addWidget(BuildButtons());
  left->addStretch();
  layout->addLayout(left, 0, 0, 2, 1);
  results_ = Named(new QListWidget(this), "List_Results");
  summary_ = Named(new QListWidget(this), "List_Sum");
  for (QListWidget* list : {results_, summary_}) {
    list->setFont(FixedPitchListFont());
    list->setMinimumWidth(420);
  }
  layout->addWidget(results_, 0, 1);
  layout->addWidget(summary_, 1, 1);
  layout->setRowStretch(0, 3);
  layout->setRowStretch(1, 2);
  ShowState();
  resize(900, 720);
}

void TTimberFrm::BuildMenu() {
  menuBar_ = Named(new QMenuBar(this), "MainMenu1");
  QMenu* file = menuBar_->addMenu("File");
  file->setObjectName("File1");
  const auto add = [&](const char* caption, const char* name, auto slot) {
    QAction* action = file->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
  };
  add("Set Header", "SetHeader1", &TTimberFrm::setHeaderRequested);
  add("Print", "Print1", &TTimberFrm::Print);
  file->addSeparator();
  add("Close", "Close1", &QWidget::hide);
  add("Exit Trabeo", "ExitTrabeo1", &TTimberFrm::exitRequested);
}

QWidget* TTimberFrm::BuildInputs() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto box = [&](const char* caption, const char* name, int row) {
    auto* edit = Named(new QLineEdit(panel), name);
    grid->addWidget(new QLabel(caption, panel), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
  };
  title_ = box("Description", "Edit_Title", 0);
  width_ = box("Width (mm)", "Edit_Width", 1);
  depth_ = box("Depth (mm)", "Edit_Depth", 2);
  le_ = box("Effective Length (m)", "Edit_Le", 3);
  le_->setToolTip("Enter value for axial capacity check");
  grade_ = Named(new QComboBox(panel), "Combo_Grade");
  for (int index = 0; index < trabeo::kTimberGradeListSize; ++index)
    grade_->addItem(ToQString(trabeo::TimberGradeListItem(index)));
  grid->addWidget(new QLabel("Grade", panel), 4, 0);
  grid->addWidget(grade_, 4, 1);

  // New sizes make every result shown stale: a click into a box or a change clears them.
  for (QLineEdit* edit : {width_, depth_, le_}) {
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, &TTimberFrm::ClearResults);
  }
  connect(grade_, &QComboBox::currentIndexChanged, this, [this](int index) {
    Handle([index](TimberMemberWindow& w) { trabeo::ChooseTimberMemberGrade(w, index); });
  });
  return panel;
}

QWidget* TTimberFrm::BuildOptions() {
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  const auto group = [&](const char* caption, const char* name, QRadioButton*& first,
                         const char* firstCaption, const char* firstName, QRadioButton*& second,
                         const char* secondCaption, const char* secondName) {
    auto* frame = Named(new QGroupBox(caption, panel), name);
    auto* column = new QVBoxLayout(frame);
    first = Named(new QRadioButton(firstCaption, frame), firstName);
    second = Named(new QRadioButton(secondCaption, frame), secondName);
    column->addWidget(first);
    column->addWidget(second);
    row->addWidget(frame);
  };
  group("Single / Sharing K8", "Frame_Sharing", single_, "Single", "Option_Single", share_,
        "Sharing", "Option_Share");
  group("Wet / Dry   K1 and K2", "Frame_Exposure", dry_, "Dry", "Option_Dry", wet_, "Wet",
        "Option_Wet");
  group("Axis", "Frame_Axis", major_, "Major", "Option_Major", minor_, "Minor", "Option_Minor");

  for (const auto& choice :
       {std::pair{single_, LoadSharing::Single}, std::pair{share_, LoadSharing::Share}}) {
    const auto value = choice.second;
    connect(choice.first, &QRadioButton::clicked, this, [this, value] {
      Handle([value](TimberMemberWindow& w) { trabeo::ChooseTimberMemberSharing(w, value); });
    });
  }
  for (const auto& choice :
       {std::pair{dry_, TimberExposure::Dry}, std::pair{wet_, TimberExposure::Wet}}) {
    const auto value = choice.second;
    connect(choice.first, &QRadioButton::clicked, this, [this, value] {
      Handle([value](TimberMemberWindow& w) { trabeo::ChooseTimberMemberExposure(w, value); });
    });
  }
  for (const auto& choice :
       {std::pair{major_, TimberAxis::Major}, std::pair{minor_, TimberAxis::Minor}}) {
    const auto value = choice.second;
    connect(choice.first, &QRadioButton::clicked, this, [this, value] {
      Handle([value](TimberMemberWindow& w) { trabeo::ChooseTimberMemberAxis(w, value); });
    });
  }
  return panel;
}

QWidget* TTimberFrm::BuildValues() {
  auto* group = Named(new QGroupBox("Grade Values (N/mm^2) and Factors", this), "Frame_Values");
  auto* grid = new QGridLayout(group);
  for (std::size_t i = 0; i < kValueLabels.size(); ++i) {
    const int row = static_cast<int>(i);
    values_[i] = Named(new QLabel(group), kValueLabels[i].name);
    grid->addWidget(new QLabel(kValueLabels[i].caption, group), row, 0);
    grid->addWidget(values_[i], row, 1);
  }
  return group;
}

QWidget* TTimberFrm::BuildButtons() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  bending_ = Named(new QPushButton(panel), "cmd_BendCap");
  axial_ = Named(new QPushButton(panel), "cmd_AxialCap");
  combined_ = Named(new QPushButton(panel), "cmd_Comb");
  for (QPushButton* button : {bending_, axial_, combined_})
    column->addWidget(button);
  connect(bending_, &QPushButton::clicked, this,
          [this] { Press(&trabeo::PressTimberBendingCapacity); });
  connect(axial_, &QPushButton::clicked, this,
          [this] { Press(&trabeo::PressTimberAxialCapacity); });
  connect(combined_, &QPushButton::clicked, this,
          [this] { Press(&trabeo::PressTimberCombinedLoading); });
  return panel;
}

bool TTimberFrm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) ClearResults();
  return QWidget::eventFilter(watched, event);
}

template <typename Handler>
void TTimberFrm::Handle(Handler handler) {
  ReadBoxes();
  handler(window_);
  ShowState();
}

void TTimberFrm::ReadBoxes() {
  window_.Edit_Title = TextOf(title_);
  window_.Edit_Width = TextOf(width_);
  window_.Edit_Depth = TextOf(depth_);
  window_.Edit_Le = TextOf(le_);
}

void TTimberFrm::ShowState() {
  for (std::size_t i = 0; i < kValueLabels.size(); ++i)
    values_[i]->setText(ToQString(window_.labels.*kValueLabels[i].text));
  {
    const QSignalBlocker blocker(grade_);
    grade_->setCurrentIndex(window_.gradeIndex);
  }
  (window_.sharing == LoadSharing::Share ? share_ : single_)->setChecked(true);
  (window_.exposure == TimberExposure::Wet ? wet_ : dry_)->setChecked(true);
  (window_.axis == TimberAxis::Minor ? minor_ : major_)->setChecked(true);
  bending_->setText(
      ToQString(trabeo::TimberMemberButtonCaption(window_.axis, TimberMemberButton::Bending)));
  axial_->setText(
      ToQString(trabeo::TimberMemberButtonCaption(window_.axis, TimberMemberButton::Axial)));
  combined_->setText(
      ToQString(trabeo::TimberMemberButtonCaption(window_.axis, TimberMemberButton::Combined)));
  ShowLines(results_, trabeo::TimberMemberResultsList(window_));
  ShowLines(summary_, trabeo::TimberMemberSummaryList(window_));
  QPalette palette = summary_->palette();
  palette.setColor(QPalette::Text, ToQColor(trabeo::TimberMemberSummaryColor(window_)));
  summary_->setPalette(palette);
}

void TTimberFrm::ClearResults() {
  Handle([](TimberMemberWindow& w) { trabeo::ClearTimberMemberResults(w); });
}

void TTimberFrm::Press(std::string (*press)(TimberMemberWindow&)) {
  ReadBoxes();
  const std::string problem = press(window_);
  ShowState();
  if (!problem.empty()) {
    context_.dialogs.Message(problem);
    return;
  }
  Q_EMIT durationRequested(window_.mode);
}

void TTimberFrm::ConfirmDuration(const trabeo::TimberDurationChoices& choices) {
  window_.durations = choices;
  Handle([](TimberMemberWindow& w) { trabeo::ConfirmTimberDuration(w); });
}

// The window keeps no file of its own, so no file name goes into the header: a beam file's name
// there would name a file this calculation is not in.
void TTimberFrm::Print() {
  if (window_.sectionLines.empty()) return;  // nothing calculated yet
  trabeo::HeaderTexts header = context_.session.header();
  header.CurrentFileName.clear();
  const std::string dateTime = HeaderDateTimeNow();
  context_.printing.Preview(this, "Timber", [this, header, dateTime](trabeo::PrintJob& job) {
    return trabeo::PrintTimberMember(job, window_, header, trabeo::kProgramTitle, dateTime);
  });
}
