#include "support/recording_canvas.h"

namespace trabeo::testing {

void RecordingCanvas::SetPen(Color color, int width) {
  penColor_ = color;
  penWidth_ = width;
}

void RecordingCanvas::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void RecordingCanvas::LineTo(int x, int y) {
  lines_.push_back({x_, y_, x, y, penColor_, penWidth_});
  x_ = x;
  y_ = y;
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom) {
  rects_.push_back({left, top, right, bottom, brush_});
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  texts_.push_back({x, y, std::string(text), font_});
}

TextSize RecordingCanvas::TextExtent(std::string_view text) {
  const int height = font_.size * 4 / 3;
  return {static_cast<int>(text.size()) * height / 2, height};
}

std::vector<RecordedText> RecordingCanvas::TextsEqualTo(std::string_view text) const {
  std::vector<RecordedText> found;
  for (const auto& recorded : texts_) {
    if (recorded.text == text) found.push_back(recorded);
  }
  return found;
}

const RecordedText* RecordingCanvas::FindText(std::string_view prefix) const {
  for (const auto& recorded : texts_) {
    if (recorded.text.starts_with(prefix)) return &recorded;
  }
  return nullptr;
}

void RecordingCanvas::Clear() {
  lines_.clear();
  texts_.clear();
  rects_.clear();
}

}  // namespace trabeo::testing
