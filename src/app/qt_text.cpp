#include "app/qt_text.h"

#include <QGuiApplication>
#include <QScreen>

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string TextOf(const QLineEdit* edit) {
  return edit->text().toStdString();
}

QRect ScreenRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}
