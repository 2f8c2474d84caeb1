#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trabeo {

struct Color {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kCyan{0, 255, 255};
inline constexpr Color kGreen{0, 255, 0};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kMagenta{255, 0, 255};
inline constexpr Color kGrey{192, 192, 192};
}  // namespace colors

enum FontStyle : uint32_t {
  kFontRegular = 0,
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
};

struct Font {
  std::string name = "Arial";
  int size = 8;  // points
  Color color = colors::kBlack;
  uint32_t style = kFontRegular;
  friend bool operator==(const Font&, const Font&) = default;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

// A surface to draw on in integer device units (pixels on screen, dots on a printer). Drawing
// code in the core goes through this, so it runs the same on a window, a printer, an SVG file or
// a test's recorder.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPen(Color color, int width) = 0;
  virtual void SetBrush(Color color) = 0;
  virtual void SetFont(const Font& font) = 0;

  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Fills the rectangle [left, right) x [top, bottom) with the brush colour.
  virtual void FillRect(int left, int top, int right, int bottom) = 0;
  // Draws text with its top-left corner at (x, y) in the current font.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual TextSize TextExtent(std::string_view text) = 0;

  void Line(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
  }
};

}  // namespace trabeo
