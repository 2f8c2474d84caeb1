#include "app/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/qt_text.h"

void QtClipboard::SetText(const std::string& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ToQString(text));
}
