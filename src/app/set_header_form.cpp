#include "app/set_header_form.h"

#include "app/form_keys.h"
#include "app/qt_text.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "settings/page_header.h"

namespace {}  // namespace

TSetHeaderFrm::TSetHeaderFrm(AppContext& context)
    : QWidget(nullptr, Qt::Window), context_(context) {
  setObjectName("SetHeaderFrm");
  setWindowTitle("Set Header");
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QFormLayout;
  layout->addLayout(fields);
  const auto add = [&](const char* caption, const char* labelName, const char* editName) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(labelName);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(editName);
    // As much as the header keeps; OK cuts what is longer all the same.
    edit->setMaxLength(trabeo::kHeaderTextCapacity);
    edit->setMinimumWidth(360);
    fields->addRow(label, edit);
    return edit;
  };
  company_ = add("Company", "Label_Company", "Edit_Company");
  user_ = add("User", "Label_User", "Edit_User");
  project1_ = add("Project", "Label_Project", "Edit_Project_1");
  project2_ = add("", "Label_Project_2", "Edit_Project_2");  // the project's second line
  jobDesc_ = add("Job Description", "Label_JobDesc", "Edit_JobDesc");
  jobRef_ = add("Job Ref", "Label_Ref", "Edit_Ref");

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Button1");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("Button2");
  SetDefaultButton(this, ok);
  SetCancelButton(this, cancel);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &TSetHeaderFrm::StoreHeaderTexts);
  connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
}

void TSetHeaderFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) ShowStoredTexts();
}

// Whatever was typed before a cancelled showing is replaced by the stored texts.
void TSetHeaderFrm::ShowStoredTexts() {
  const trabeo::HeaderEntries entries = trabeo::EntriesOf(context_.session.header());
  company_->setText(ToQString(entries.company));
  user_->setText(ToQString(entries.user));
  project1_->setText(ToQString(entries.project1));
  project2_->setText(ToQString(entries.project2));
  jobDesc_->setText(ToQString(entries.jobDesc));
  jobRef_->setText(ToQString(entries.jobRef));
  company_->setFocus();
}

void TSetHeaderFrm::StoreHeaderTexts() {
  const trabeo::HeaderEntries entries{TextOf(company_),  TextOf(user_),    TextOf(project1_),
                                      TextOf(project2_), TextOf(jobDesc_), TextOf(jobRef_)};
  context_.session.ApplyHeader(entries);
  hide();
}
