#include "app/about_box.h"

#include "app/form_keys.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"

TAboutBox::TAboutBox(QWidget* parent) : QWidget(parent, Qt::Dialog) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel(kProgramTitle, this);
  product->setObjectName("ProductName");
  QFont font = product->font();
  font.setPointSize(16);
  font.setBold(true);
  product->setFont(font);
  auto* version = new QLabel(QString("Version ") + kProgramVersion + kVersionSuffix, this);
  version->setObjectName("Version");
  auto* comments = new QLabel(
      "Single span beam analysis with BS 5950 steel and BS 5268 timber checks, bolt "
      "capacities, a catalogue of standard steel sections and section property calculators.\n\n"
      "Units of entry and display are chosen in the preferences; values are held in "
      "millimetres and newtons.",
      this);
  comments->setObjectName("Comments");
  comments->setWordWrap(true);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  for (QLabel* label : {product, version})
    label->setAlignment(Qt::AlignCenter);
  layout->addWidget(product);
  layout->addWidget(version);
  layout->addWidget(comments);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  SetDefaultButton(this, ok);
  HideOnEscape(this);
  resize(380, 240);
}
