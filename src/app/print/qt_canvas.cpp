#include "app/print/qt_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QString>

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QColor ToQColor(trabeo::Color color) {
  return QColor(color.r, color.g, color.b);
}

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {}

void QtCanvas::SetPen(trabeo::Color color, int width) {
  QPen pen(ToQColor(color));
  pen.setWidth(width);
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
}

void QtCanvas::SetBrush(trabeo::Color color) {
  brush_ = ToQColor(color);
}

void QtCanvas::SetFont(const trabeo::Font& font) {
  QFont qfont(FromUtf8(font.name));
  qfont.setPointSize(font.size);
  qfont.setBold((font.style & trabeo::kFontBold) != 0);
  qfont.setItalic((font.style & trabeo::kFontItalic) != 0);
  qfont.setUnderline((font.style & trabeo::kFontUnderline) != 0);
  painter_.setFont(qfont);
  fontColor_ = ToQColor(font.color);
}

void QtCanvas::MoveTo(int x, int y) {
  position_ = QPoint(x, y);
}

void QtCanvas::LineTo(int x, int y) {
  const QPoint end(x, y);
  painter_.drawLine(position_, end);
  position_ = end;
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
  painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), brush_);
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  const QPen pen = painter_.pen();
  painter_.setPen(fontColor_);
  const QFontMetrics metrics(painter_.font(), painter_.device());
  painter_.drawText(QPoint(x, y + metrics.ascent()), FromUtf8(text));
  painter_.setPen(pen);
}

trabeo::TextSize QtCanvas::TextExtent(std::string_view text) {
  const QFontMetrics metrics(painter_.font(), painter_.device());
  return {metrics.horizontalAdvance(FromUtf8(text)), metrics.height()};
}
