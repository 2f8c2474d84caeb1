#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/canvas.h"

// A picture that keeps what is drawn on it until it is drawn over, like a bitmap canvas: the
// main window's diagrams and the entry forms' sketches.
class PictureWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PictureWidget(QWidget* parent = nullptr);

  // Draws on the picture through the core's canvas interface.
  void Draw(const std::function<void(trabeo::Canvas&)>& draw);
  void Fill(const QColor& color);
  // The picture in device pixels, at the screen's device pixel ratio.
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Resize(QSize size);

  QImage image_;
};
