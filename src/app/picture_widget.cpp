#include "app/picture_widget.h"

#include <QPainter>
#include <QResizeEvent>

#include "app/print/qt_canvas.h"

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  image_ = QImage(1, 1, QImage::Format_RGB32);
  image_.fill(Qt::black);
}

void PictureWidget::Draw(const std::function<void(trabeo::Canvas&)>& draw) {
  {
    QPainter painter(&image_);
    QtCanvas canvas(painter);
    draw(canvas);
  }
  update();
}

void PictureWidget::Fill(const QColor& color) {
  image_.fill(color);
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

// Growing keeps what was drawn; the new area is black until the next drawing.
void PictureWidget::resizeEvent(QResizeEvent* event) {
  const QSize size = event->size().expandedTo(QSize(1, 1));
  if (size == image_.size()) return;
  QImage resized(size, QImage::Format_RGB32);
  resized.fill(Qt::black);
  QPainter painter(&resized);
  painter.drawImage(0, 0, image_);
  painter.end();
  image_ = resized;
}
