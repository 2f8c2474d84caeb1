#include "app/calculator_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <string>
#include <utility>

#include "app/busy_cursor.h"
#include "app/form_controls.h"
#include "app/form_keys.h"
#include "app/print/header_date_time.h"
#include "app/qt_text.h"
#include "calculators/calculator_print.h"
#include "sections/section_table_file.h"

namespace {

constexpr const char* kGradeActions[] = {"Grade431", "Grade501", "Grade551"};
constexpr int kBoxWidth = 90;
constexpr int kValueWidth = 80;

// Print, copy and save work on what the window shows; before a calculation there is nothing.
constexpr const char* kNothingCalculatedMessage = "Calculate the section properties first";

}  // namespace

CalculatorWindow::CalculatorWindow(AppContext& context, CalculatorWindowSpec shape, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), spec_(std::move(shape)) {
  setObjectName(spec_.objectName);
  setWindowTitle(spec_.caption);
  auto* layout = new QVBoxLayout(this);
  BuildMenu(this);
  auto* body = new QHBoxLayout();
  body->addWidget(BuildEntryPanel(), 0, Qt::AlignTop);
  body->addWidget(BuildResultPanel(), 0, Qt::AlignTop);
  layout->addLayout(body);
  layout->addStretch();
}

void CalculatorWindow::BuildMenu(QWidget* menuParent) {
  auto* menuBar = Named(new QMenuBar(menuParent), "MainMenu1");
  layout()->setMenuBar(menuBar);
  QMenu* file = menuBar->addMenu("File");
  file->setObjectName("File1");
  connect(Named(file->addAction("Print"), "Print1"), &QAction::triggered, this,
          &CalculatorWindow::Print);
  connect(Named(file->addAction(spec_.saveCaption), "SaveToFile1"), &QAction::triggered, this,
          &CalculatorWindow::SaveToFile);
  connect(Named(file->addAction("Close"), "Close1"), &QAction::triggered, this, &QWidget::hide);
  QMenu* edit = menuBar->addMenu("Edit");
  edit->setObjectName("Edit1");
  connect(Named(edit->addAction("Copy to Clipboard"), "CopyToClipboard1"), &QAction::triggered,
          this, &CalculatorWindow::CopyToClipboard);
  if (!trabeo::HasGrade(spec_.shape)) return;
  QMenu* grade = menuBar->addMenu("Grade");
  grade->setObjectName("Grade1");
  for (std::size_t i = 0; i < spec_.gradeItems.size(); ++i) {
    const trabeo::SteelGrade chosen =
        trabeo::SteelGradeOfListIndex(static_cast<int>(i)).value_or(trabeo::SteelGrade::S275);
    connect(Named(grade->addAction(spec_.gradeItems[i]), kGradeActions[i]), &QAction::triggered,
            this, [this, chosen] { ChooseGrade(chosen); });
  }
}

QWidget* CalculatorWindow::BuildEntryPanel() {
  auto* group = Named(new QGroupBox("Section Dimensions", this), "Frame_Dimensions");
  auto* grid = new QGridLayout(group);
  int row = 0;
  grid->addWidget(new QLabel("Description", group), row, 0);
  description_ = Named(new QLineEdit(group), "Edit_Desc");
  grid->addWidget(description_, row++, 1, 1, 2);
  auto* note = Named(new QLabel(spec_.note, group), "lbl_Note");
  grid->addWidget(note, row++, 0, 1, 3);
  for (const CalculatorDimensionBox& box : spec_.boxes) {
    grid->addWidget(new QLabel(box.caption, group), row, 0);
    boxes_.push_back(Named(new QLineEdit(group), box.objectName));
    boxes_.back()->setMinimumWidth(kBoxWidth);
    grid->addWidget(boxes_.back(), row, 1);
    grid->addWidget(new QLabel(box.unit, group), row++, 2);
  }
  if (spec_.boxNote != nullptr) {
    auto* boxNote = Named(new QLabel(spec_.boxNote, group), "lbl_BoxNote");
    boxNote->setWordWrap(true);
    grid->addWidget(boxNote, row++, 0, 1, 3);
  }
  if (trabeo::HasGrade(spec_.shape)) {
    grid->addWidget(new QLabel("Grade", group), row, 0);
    gradeLabel_ = Named(new QLabel(GradeText(), group), "lbl_Grade");
    grid->addWidget(gradeLabel_, row++, 1);
  }
  auto* calculate = Named(new QPushButton("Calculate Section Properties", group), "cmd_Calc");
  SetDefaultButton(this, calculate);
  connect(calculate, &QPushButton::clicked, this, &CalculatorWindow::Calculate);
  grid->addWidget(calculate, row, 0, 1, 3);
  return group;
}

QWidget* CalculatorWindow::BuildResultPanel() {
  auto* group = Named(new QGroupBox("Section Properties", this), "Frame_Properties");
  auto* grid = new QGridLayout(group);
  int row = 0;
  for (const CalculatorResultLabel& result : spec_.results) {
    auto* caption = new QLabel(result.caption, group);
    if (result.captionObjectName != nullptr) caption->setObjectName(result.captionObjectName);
    captions_.push_back(caption);
    values_.push_back(Named(new QLabel(group), result.objectName));
    values_.back()->setMinimumWidth(kValueWidth);
    grid->addWidget(caption, row, 0);
    grid->addWidget(values_.back(), row, 1);
    grid->addWidget(new QLabel(result.unit, group), row++, 2);
  }
  if (!trabeo::HasGrade(spec_.shape)) return group;
  grid->addWidget(new QLabel("Py = ", group), row, 0);
  py_ = Named(new QLabel(group), "lbl_Py");
  grid->addWidget(py_, row, 1);
  grid->addWidget(new QLabel("N/mm^2", group), row++, 2);
  const bool box = spec_.shape == trabeo::CalculatorShape::Box;
  grid->addWidget(new QLabel("Section is :-", group), row, 0);
  classXX_ = Named(new QLabel(group), box ? "lbl_BSSectionType_Ixx" : "lbl_BSSectionType");
  grid->addWidget(classXX_, row, 1);
  grid->addWidget(new QLabel("for bending about the xx axis", group), row++, 2);
  if (!box) return group;
  grid->addWidget(new QLabel("Section is :-", group), row, 0);
  classYY_ = Named(new QLabel(group), "lbl_BSSectionType_Iyy");
  grid->addWidget(classYY_, row, 1);
  grid->addWidget(new QLabel("for bending about the yy axis", group), row, 2);
  return group;
}

// A restored window keeps its captions; a show by the program takes the labels in force.
void CalculatorWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) ShowModulusCaptions();
}

void CalculatorWindow::ShowModulusCaptions() {
  const trabeo::UnitSettings& units = context_.session.units();
  for (std::size_t i = 0; i < spec_.results.size(); ++i) {
    switch (spec_.results[i].modulus) {
      case ModulusCaption::ElasticX:
        captions_[i]->setText(ToQString(units.ElasticXLabel));
        break;
      case ModulusCaption::ElasticY:
        captions_[i]->setText(ToQString(units.ElasticYLabel));
        break;
      case ModulusCaption::PlasticX:
        captions_[i]->setText(ToQString(units.PlasticXLabel));
        break;
      case ModulusCaption::PlasticY:
        captions_[i]->setText(ToQString(units.PlasticYLabel));
        break;
      case ModulusCaption::None:
        break;
    }
  }
}

bool CalculatorWindow::EveryBoxHoldsText() const {
  for (const QLineEdit* box : boxes_)
    if (box->text().isEmpty()) return false;
  return true;
}

QString CalculatorWindow::GradeText() const {
  return QString::number(trabeo::SteelGradeNumber(grade_));
}

void CalculatorWindow::ChooseGrade(trabeo::SteelGrade grade) {
  grade_ = grade;
  gradeLabel_->setText(GradeText());
  if (EveryBoxHoldsText()) Calculate();
}

void CalculatorWindow::ClearResults() {
  shown_.reset();
  for (QLabel* value : values_)
    value->clear();
  for (QLabel* label : {py_, classXX_, classYY_})
    if (label != nullptr) label->clear();
}

void CalculatorWindow::Calculate() {
  ClearResults();
  const trabeo::UnitSettings& units = context_.session.units();
  trabeo::CalculatorEntry entry;
  entry.shape = spec_.shape;
  entry.description = TextOf(description_);
  for (const QLineEdit* box : boxes_)
    entry.dimensions.push_back(TextOf(box));
  entry.grade = grade_;
  entry.labels = {units.ElasticXLabel, units.ElasticYLabel, units.PlasticXLabel,
                  units.PlasticYLabel};
  trabeo::CalculatorRun run;
  {
    BusyCursor busy;
    run = trabeo::RunCalculator(entry);
  }
  if (!run.ok()) {
    if (!run.message.empty()) context_.dialogs.Message(run.message);
    return;
  }
  ShowResults(run);
  shown_ = std::move(run);
  for (const std::string& message : shown_->designMessages)
    context_.dialogs.Message(message);
}

void CalculatorWindow::ShowResults(const trabeo::CalculatorRun& run) {
  for (std::size_t i = 0; i < spec_.results.size(); ++i) {
    const trabeo::ShownValue* line =
        trabeo::FindShownValue(run.sheet->values, spec_.results[i].quantity);
    if (line != nullptr) values_[i]->setText(ToQString(line->value));
  }
  if (py_ != nullptr) py_->setText(ToQString(run.py));
  if (classXX_ != nullptr) classXX_->setText(ToQString(run.classXX));
  if (classYY_ != nullptr) classYY_->setText(ToQString(run.classYY));
}

const trabeo::CalculatorRun* CalculatorWindow::ShownRun() {
  if (!shown_) context_.dialogs.Message(kNothingCalculatedMessage);
  return shown_ ? &*shown_ : nullptr;
}

void CalculatorWindow::Print() {
  const trabeo::CalculatorRun* run = ShownRun();
  if (run == nullptr) return;
  const trabeo::CalculatorSheet sheet = *run->sheet;
  const std::string description = TextOf(description_);
  const trabeo::HeaderTexts header = context_.session.header();
  const std::string dateTime = HeaderDateTimeNow();
  context_.printing.Preview(this, std::string(trabeo::CalculatorTitle(spec_.shape)),
                            [=](trabeo::PrintJob& job) {
                              return trabeo::PrintCalculatorSheet(
                                  job, sheet, description, {header, kProgramTitle, dateTime});
                            });
}

void CalculatorWindow::CopyToClipboard() {
  if (const trabeo::CalculatorRun* run = ShownRun())
    context_.clipboard.SetText(trabeo::CalculatorClipboardText(*run->sheet, TextOf(description_)));
}

// The record of the calculation shown, under the description as it now reads.
void CalculatorWindow::SaveToFile() {
  const trabeo::CalculatorRun* run = ShownRun();
  if (run == nullptr) return;
  trabeo::SectionRecord record = run->record;
  record.Designation = TextOf(description_);
  const trabeo::MiscAppendResult appended =
      trabeo::AppendToMiscTable(context_.session.StartFolder(), record);
  if (!appended.ok()) {
    context_.dialogs.Message(appended.message);
    return;
  }
  Q_EMIT sectionSaved();
}
