#include "app/picture_widget.h"

#include <QPainter>
#include <QResizeEvent>

#include "app/print/qt_canvas.h"

namespace {

// An image covering `size` logical pixels at the screen's device pixel ratio: drawings in
// logical coordinates land on every device pixel, so lines and text stay sharp at 2x.
QImage DeviceImage(QSize size, qreal ratio) {
  QImage image(size.expandedTo(QSize(1, 1)) * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  return image;
}

}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  image_ = DeviceImage(QSize(1, 1), devicePixelRatioF());
}

void PictureWidget::Draw(const std::function<void(trabeo::Canvas&)>& draw) {
  if (image_.devicePixelRatio() != devicePixelRatioF()) Resize(size());
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

void PictureWidget::resizeEvent(QResizeEvent* event) {
  Resize(event->size());
}

// Growing keeps what was drawn; the new area is black until the next drawing.
void PictureWidget::Resize(QSize size) {
  const qreal ratio = devicePixelRatioF();
  if (size.expandedTo(QSize(1, 1)) * ratio == image_.size() && ratio == image_.devicePixelRatio())
    return;
  QImage resized = DeviceImage(size, ratio);
  QPainter painter(&resized);
  painter.drawImage(0, 0, image_);
  painter.end();
  image_ = resized;
}
