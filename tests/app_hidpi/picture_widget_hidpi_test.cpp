#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>

#include "app/picture_widget.h"

namespace {

// At 2x the picture keeps a pixel of its own for every device pixel: a one-pixel white line
// drawn in logical coordinates lands on whole device pixels, pure white and not smeared grey
// as an upscaled picture would be.
TEST(PictureWidgetHiDpiTest, DrawsAtTheDevicePixelRatio) {
  PictureWidget picture;
  picture.resize(100, 50);
  picture.show();
  QApplication::processEvents();
  ASSERT_EQ(picture.devicePixelRatioF(), 2.0);
  picture.Draw([](trabeo::Canvas& canvas) {
    canvas.SetPen(trabeo::colors::kWhite, 1);
    canvas.Line(10, 20, 90, 20);
  });
  const QImage& image = picture.image();
  EXPECT_EQ(image.devicePixelRatio(), 2.0);
  EXPECT_EQ(image.size(), QSize(200, 100));
  int white = 0;
  int grey = 0;
  for (int y = 36; y < 44; ++y) {
    const QRgb pixel = image.pixel(100, y);
    white += pixel == qRgb(255, 255, 255) ? 1 : 0;
    grey += pixel != qRgb(255, 255, 255) && pixel != qRgb(0, 0, 0) ? 1 : 0;
  }
  EXPECT_GE(white, 2);
  EXPECT_EQ(grey, 0);
}

TEST(PictureWidgetHiDpiTest, KeepsItsDrawingWhenItGrows) {
  PictureWidget picture;
  picture.resize(40, 40);
  picture.show();
  QApplication::processEvents();
  picture.Fill(Qt::red);
  picture.resize(80, 40);
  QApplication::processEvents();
  EXPECT_EQ(picture.image().size(), QSize(160, 80));
  EXPECT_EQ(picture.image().pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(picture.image().pixel(150, 10), qRgb(0, 0, 0));
}

}  // namespace
