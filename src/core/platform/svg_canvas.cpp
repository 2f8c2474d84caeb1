#include "platform/svg_canvas.h"

#include <algorithm>
#include <cmath>

#include "fileio/file_text.h"

namespace trabeo {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kAscentShare = 0.8;  // of the font's pixel height, above the baseline

std::string Rgb(Color color) {
  return "rgb(" + std::to_string(color.r) + "," + std::to_string(color.g) + "," +
         std::to_string(color.b) + ")";
}

bool IsFixedPitch(const Font& font) {
  return font.name.find("Courier") != std::string::npos;
}

double PixelHeight(const Font& font) {
  return font.size * kPixelsPerPoint;
}

std::string FontFamily(const Font& font) {
  return EscapeXml(font.name) + (IsFixedPitch(font) ? ", monospace" : ", sans-serif");
}

}  // namespace

std::string EscapeXml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {
      out += '?';
      ++i;
      continue;
    }
    if (length > 1) {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
        break;
    }
    ++i;
  }
  return out;
}

SvgCanvas::SvgCanvas(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {}

void SvgCanvas::SetPen(Color color, int width) {
  if (color == penColor_ && width == penWidth_) return;
  FlushPath();
  penColor_ = color;
  penWidth_ = width;
}

void SvgCanvas::MoveTo(int x, int y) {
  FlushPath();
  x_ = x;
  y_ = y;
}

void SvgCanvas::LineTo(int x, int y) {
  if (path_.empty()) path_.emplace_back(x_, y_);
  path_.emplace_back(x, y);
  x_ = x;
  y_ = y;
}

void SvgCanvas::FlushPath() {
  if (path_.size() < 2) {
    path_.clear();
    return;
  }
  body_ += "<polyline fill=\"none\" stroke=\"" + Rgb(penColor_) + "\" stroke-width=\"" +
           std::to_string(penWidth_) + "\" points=\"";
  for (std::size_t i = 0; i < path_.size(); ++i) {
    if (i > 0) body_ += ' ';
    body_ += std::to_string(path_[i].first) + "," + std::to_string(path_[i].second);
  }
  body_ += "\"/>\n";
  path_.clear();
}

void SvgCanvas::FillRect(int left, int top, int right, int bottom) {
  FlushPath();
  if (right <= left || bottom <= top) return;
  body_ += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
           std::to_string(right - left) + "\" height=\"" + std::to_string(bottom - top) +
           "\" fill=\"" + Rgb(brush_) + "\"/>\n";
}

void SvgCanvas::TextOut(int x, int y, std::string_view text) {
  FlushPath();
  const double height = PixelHeight(font_);
  const int baseline = y + static_cast<int>(std::lround(height * kAscentShare));
  body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(baseline) +
           "\" font-family=\"" + FontFamily(font_) + "\" font-size=\"" +
           std::to_string(static_cast<int>(std::lround(height))) + "px\" fill=\"" +
           Rgb(font_.color) + "\"";
  if (font_.style & kFontBold) body_ += " font-weight=\"bold\"";
  if (font_.style & kFontItalic) body_ += " font-style=\"italic\"";
  if (font_.style & kFontUnderline) body_ += " text-decoration=\"underline\"";
  body_ += " xml:space=\"preserve\">" + EscapeXml(text) + "</text>\n";
}

TextSize SvgCanvas::TextExtent(std::string_view text) {
  const double height = PixelHeight(font_);
  const double perCharacter = height * (IsFixedPitch(font_) ? 0.6 : 0.55);
  const std::size_t characters = CharacterCount(text);
  return {static_cast<int>(std::lround(static_cast<double>(characters) * perCharacter)),
          static_cast<int>(std::lround(height))};
}

std::string SvgCanvas::Document() {
  FlushPath();
  const std::string w = std::to_string(width_);
  const std::string h = std::to_string(height_);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
         "\" shape-rendering=\"crispEdges\">\n" + body_ + "</svg>\n";
}

}  // namespace trabeo
