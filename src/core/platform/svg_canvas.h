#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace trabeo {

// A canvas that writes an SVG picture, for drawing without a display (the batch front end).
// Coordinates are pixels; runs of connected lines in one pen become one polyline.
//
// Text extents are a fixed approximation, as no font is measured: at 96 pixels per inch a font
// of s points is s x 4/3 px high, each character 0.6 of that wide in a fixed-pitch face
// ("Courier") and 0.55 in any other. Texts are written as UTF-8; bytes that are not valid UTF-8,
// and control characters, become "?".
class SvgCanvas : public Canvas {
 public:
  SvgCanvas(int width, int height);

  void SetPen(Color color, int width) override;
  void SetBrush(Color color) override { brush_ = color; }
  void SetFont(const Font& font) override { font_ = font; }
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, std::string_view text) override;
  TextSize TextExtent(std::string_view text) override;

  // The whole SVG document.
  std::string Document();

 private:
  void FlushPath();

  int width_;
  int height_;
  std::string body_;
  std::vector<std::pair<int, int>> path_;  // the open polyline
  Color penColor_ = colors::kBlack;
  int penWidth_ = 1;
  Color brush_ = colors::kWhite;
  Font font_;
  int x_ = 0;
  int y_ = 0;
};

// Text made safe for XML character data and attribute values.
std::string EscapeXml(std::string_view text);

}  // namespace trabeo
