#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>

#include "platform/canvas.h"

// The core's canvas over a QPainter: the main window's picture, the load sketch, the printer.
// It needs Qt's GUI module only, so the batch front end can print through it.
class QtCanvas : public trabeo::Canvas {
 public:
  explicit QtCanvas(QPainter& painter);

  void SetPen(trabeo::Color color, int width) override;
  void SetBrush(trabeo::Color color) override;
  void SetFont(const trabeo::Font& font) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, std::string_view text) override;
  trabeo::TextSize TextExtent(std::string_view text) override;

 private:
  QPainter& painter_;
  QColor brush_ = Qt::white;
  QColor fontColor_ = Qt::black;
  QPoint position_;
};

QColor ToQColor(trabeo::Color color);
