#include "steel/member_capacity/moment_sketch.h"

#include <algorithm>
#include <cmath>

#include "platform/pixel.h"

namespace trabeo {
namespace {

constexpr int kLargerOrdinate = 25;  // pixels
constexpr int kArrowSize = 6;

// A curved end-moment arrow drawn as a short hook; clockwise or anticlockwise by the sign.
void EndArrow(Canvas& canvas, int x, int y, bool clockwise, bool leftEnd) {
  const int side = leftEnd ? -1 : 1;
  const int turn = clockwise ? -1 : 1;
  canvas.Line(x, y, x + side * kArrowSize, y + turn * kArrowSize * side);
  canvas.Line(x + side * kArrowSize, y + turn * kArrowSize * side, x,
              y + 2 * turn * kArrowSize * side);
}

}  // namespace

void DrawMomentSketch(Canvas& canvas, int width, int height, MemberAxis axis, double M1,
                      double M2) {
  canvas.SetBrush(colors::kWhite);
  canvas.FillRect(0, 0, width, height);
  Font font;
  font.name = "MS Sans Serif";
  font.size = 9;
  canvas.SetFont(font);
  canvas.TextOut(TruncToPixel(width * 0.3), 2,
                 axis == MemberAxis::XX ? "Bending about x-x" : "Bending about y-y");
  const int left = TruncToPixel(width * 0.135);
  const int right = TruncToPixel(width * 0.825);
  const int memberY = TruncToPixel(height * 0.3);
  canvas.SetPen(colors::kBlack, 2);
  canvas.Line(left, memberY, right, memberY);
  canvas.SetPen(colors::kBlack, 1);
  const bool secondNegative = M2 < 0;
  EndArrow(canvas, left, memberY, true, true);
  EndArrow(canvas, right, memberY, !secondNegative, false);

  const int base = TruncToPixel(height * 0.75);
  canvas.Line(left, base, right, base);
  const double larger = std::max(std::abs(M1), std::abs(M2));
  const double scale = larger > 0 ? kLargerOrdinate / larger : 0;
  const int y1 = base - TruncToPixel(M1 * scale);
  const int y2 = base - TruncToPixel(M2 * scale);
  canvas.Line(left, base, left, y1);
  canvas.Line(left, y1, right, y2);
  canvas.Line(right, y2, right, base);
  const bool firstLarger = std::abs(M1) >= std::abs(M2);
  // "M" at the larger end, "βM" (UTF-8) at the other.
  constexpr const char* kBetaM = "\xCE\xB2M";
  canvas.TextOut(left - 14, y1 - 6, firstLarger ? "M" : kBetaM);
  canvas.TextOut(right + 4, y2 - 6, firstLarger ? kBetaM : "M");
}

}  // namespace trabeo
