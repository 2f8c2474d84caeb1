#include "app/k3_help_form.h"

#include "app/form_keys.h"
#include "app/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "app/form_controls.h"
#include "timber/timber_section_window.h"

TK3Frm::TK3Frm(AppContext& /*context*/, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("K3Frm");
  setWindowTitle("K3 Help");
  auto* layout = new QVBoxLayout(this);
  const auto line = [&](std::string_view text, const char* colour, const char* name) {
    auto* label = Named(new QLabel(ToQString(text), this), name);
    label->setWordWrap(true);
    label->setStyleSheet(QString("color: ") + colour + ";");
    layout->addWidget(label);
  };
  line(trabeo::kK3HelpBlack, "black", "Label_Black");
  line(trabeo::kK3HelpBlue, "blue", "Label_Blue");
  line(trabeo::kK3HelpRed, "red", "Label_Red");
  auto* ok = Named(new QPushButton("OK", this), "cmd_OK");
  SetDefaultButton(this, ok);
  HideOnEscape(this);
  auto* row = new QHBoxLayout();
  row->addStretch();
  row->addWidget(ok);
  layout->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  setMinimumWidth(420);
}
