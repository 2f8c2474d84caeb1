#include "app/form_controls.h"

#include "app/qt_text.h"

#include <QListWidget>

QFont FixedPitchListFont() {
  QFont courier("Courier");
  courier.setStyleHint(QFont::TypeWriter);
  courier.setFixedPitch(true);
  courier.setPixelSize(13);
  return courier;
}

void ShowLines(QListWidget* list, const std::vector<std::string>& lines) {
  list->clear();
  for (const std::string& line : lines)
    list->addItem(ToQString(line));
}

void PlaceOnScreenAt(QWidget* window, double acrossFraction, double downFraction) {
  const QRect screen = ScreenRect();
  window->move(
      screen.left() + static_cast<int>((screen.width() - window->width()) * acrossFraction),
      screen.top() + static_cast<int>((screen.height() - window->height()) * downFraction));
}
