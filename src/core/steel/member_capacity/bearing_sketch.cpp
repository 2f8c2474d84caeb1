#include "steel/member_capacity/bearing_sketch.h"

#include "platform/pixel.h"

namespace trabeo {
namespace {

// Proportions of the sketch, as fractions of the picture.
constexpr double kBeamEnd = 0.12;
constexpr double kBeamRight = 0.95;
constexpr double kTopFlange = 0.12;
constexpr double kBottomFlange = 0.72;
constexpr double kFlangeThickness = 0.05;
constexpr double kRootDepth = 0.035;
constexpr double kBearingLength = 0.3;
constexpr double kPlateDepth = 0.08;
constexpr double kDispersionSlope = 2.5;  // horizontal over vertical, through flange and root

int At(double fraction, int size) {
  return TruncToPixel(fraction * size);
}

}  // namespace

void DrawBearingSketch(Canvas& canvas, int width, int height) {
  canvas.SetBrush(colors::kWhite);
  canvas.FillRect(0, 0, width, height);
  canvas.SetPen(colors::kBlack, 1);
  const int end = At(kBeamEnd, width);
  const int right = At(kBeamRight, width);
  const int top = At(kTopFlange, height);
  const int bottom = At(kBottomFlange, height);
  const int flange = At(kFlangeThickness, height);
  // The beam: both flanges and the end of the web.
  canvas.Line(end, top, right, top);
  canvas.Line(end, top + flange, right, top + flange);
  canvas.Line(end, bottom - flange, right, bottom - flange);
  canvas.Line(end, bottom, right, bottom);
  canvas.Line(end, top, end, bottom);
  // The stiff bearing under the end.
  const int plateRight = end + At(kBearingLength, width);
  canvas.SetBrush(colors::kGrey);
  canvas.FillRect(end, bottom, plateRight, bottom + At(kPlateDepth, height));
  // The reaction spreads from the bearing's inner edge: to the root at 1 to 2.5 (n2) and to the
  // web's mid-depth at 45 degrees (n1).
  const int root = bottom - flange - At(kRootDepth, height);
  const int n2End = plateRight + TruncToPixel((bottom - root) * kDispersionSlope);
  const int middle = (top + bottom) / 2;
  const int n1End = plateRight + (bottom - middle);
  canvas.Line(plateRight, bottom, n2End, root);
  canvas.Line(plateRight, bottom, n1End, middle);
  canvas.Line(plateRight, root, n2End, root);
  canvas.Line(plateRight, middle, n1End, middle);
  Font font;
  font.name = "MS Sans Serif";
  font.size = 8;
  canvas.SetFont(font);
  const int halfText = canvas.TextExtent("n1").height / 2;
  canvas.TextOut((end + plateRight) / 2 - 6, bottom + At(kPlateDepth, height) + 2, "b1");
  canvas.TextOut(n2End + 4, root - halfText, "n2");
  canvas.TextOut(n1End + 4, middle - halfText, "n1");
}

}  // namespace trabeo
