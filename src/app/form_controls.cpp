#include "app/form_controls.h"

#include "app/qt_text.h"

#include <QListWidget>

QFont FixedPitchFont() {
  QFont courier("Courier");
  courier.setStyleHint(QFont::TypeWriter);
  courier.setFixedPitch(true);
  return courier;
}

QFont FixedPitchListFont() {
  QFont courier = FixedPitchFont();
  courier.setPixelSize(13);
  return courier;
}

void ShowLines(QListWidget* list, const std::vector<std::string>& lines) {
  list->clear();
  for (const std::string& line : lines)
    list->addItem(ToQString(line));
}

// Truncated to whole pixels as integer division truncates: for every free width and height up
// to 50,000 pixels, 2.0 / 3.0 and 1.0 / 5.0 place a window where (free * 2) / 3 and free / 5 do.
void PlaceOnScreenAt(QWidget* window, double acrossFraction, double downFraction) {
  const QRect screen = ScreenRect();
  window->move(
      screen.left() + static_cast<int>((screen.width() - window->width()) * acrossFraction),
      screen.top() + static_cast<int>((screen.height() - window->height()) * downFraction));
}

void PlaceAsEntryForm(QWidget* form) {
  PlaceOnScreenAt(form, 2.0 / 3.0, 1.0 / 5.0);
}
