#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace trabeo::testing {

struct RecordedLine {
  int x1, y1, x2, y2;
  Color color;
  int width;
};

struct RecordedText {
  int x, y;
  std::string text;
  Font font;
};

struct RecordedRect {
  int left, top, right, bottom;
  Color color;
};

// Records what is drawn, in order, with the pen and font in force at the time. Text extents are
// a fixed function of the font size so tests can predict placement.
class RecordingCanvas : public Canvas {
 public:
  void SetPen(Color color, int width) override;
  void SetBrush(Color color) override { brush_ = color; }
  void SetFont(const Font& font) override { font_ = font; }
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, std::string_view text) override;
  TextSize TextExtent(std::string_view text) override;

  const std::vector<RecordedLine>& lines() const { return lines_; }
  const std::vector<RecordedText>& texts() const { return texts_; }
  const std::vector<RecordedRect>& rects() const { return rects_; }
  const Font& font() const { return font_; }
  Color penColor() const { return penColor_; }
  int penWidth() const { return penWidth_; }

  // The recorded texts equal to text, in drawing order.
  std::vector<RecordedText> TextsEqualTo(std::string_view text) const;
  // The first recorded text starting with prefix, or nullptr.
  const RecordedText* FindText(std::string_view prefix) const;
  void Clear();

 private:
  std::vector<RecordedLine> lines_;
  std::vector<RecordedText> texts_;
  std::vector<RecordedRect> rects_;
  Color penColor_ = colors::kBlack;
  int penWidth_ = 1;
  Color brush_ = colors::kWhite;
  Font font_;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace trabeo::testing
