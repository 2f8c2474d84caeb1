#include "app/point_form.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/form_controls.h"
#include "app/form_keys.h"
#include "app/print/header_date_time.h"
#include "app/qt_text.h"
#include "results/point_printout.h"

TPointFrm::TPointFrm(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
  setObjectName("PointFrm");
  setWindowTitle("Load at Point");
  auto* layout = new QVBoxLayout(this);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo_Results");
  // The text box shows what "Print" prints: the lines are the program's, not typed.
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setFont(FixedPitchFont());
  memo_->setMinimumSize(460, 220);
  layout->addWidget(memo_);

  auto* buttons = new QHBoxLayout;
  const auto add = [&](const char* caption, const char* name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    buttons->addWidget(button);
    return button;
  };
  QPushButton* calculate = add("Calculate", "cmd_Calc");
  QPushButton* print = add("Print", "cmd_Print");
  QPushButton* clear = add("Clear", "Cmd_Clear");
  QPushButton* ok = add("OK", "Button3");
  SetDefaultButton(this, calculate);
  SetCancelButton(this, ok);
  layout->addLayout(buttons);
  connect(calculate, &QPushButton::clicked, this, &TPointFrm::Calculate);
  connect(print, &QPushButton::clicked, this, &TPointFrm::PrintLines);
  connect(clear, &QPushButton::clicked, this, &TPointFrm::Clear);
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

void TPointFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) ShowLines();
}

void TPointFrm::ShowLines() {
  QStringList lines;
  for (const std::string& line : trabeo::PointMemoLines(context_.session.pointResults()))
    lines << ToQString(line);
  memo_->setPlainText(lines.join('\n'));
}

// A refused distance leaves the shown block as it was; the session has shown the message.
void TPointFrm::Calculate() {
  const trabeo::PointCalculation calculation = context_.session.CalculatePoint(context_.dialogs);
  if (calculation.outcome != trabeo::PointOutcome::Calculated) return;
  ShowLines();
  Q_EMIT pointCalculated();
}

// An empty text box prints nothing.
void TPointFrm::PrintLines() {
  const trabeo::PointLineStore& lines = context_.session.pointResults().PointLines;
  if (lines.Count() == 0) return;
  const std::string dateTime = HeaderDateTimeNow();
  const trabeo::HeaderSource header{context_.session.header(), kProgramTitle, dateTime};
  context_.printing.Preview(this, "Load at Point", [&lines, &header](trabeo::PrintJob& job) {
    return trabeo::PrintPointResults(job, lines, header);
  });
}

void TPointFrm::Clear() {
  context_.session.ClearPointResults();
  ShowLines();
}
