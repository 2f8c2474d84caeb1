#include <string>

#include "beam_input/beam_entry.h"
#include "platform/pixel.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

constexpr Color kPictureGrey{128, 128, 128};

void DrawPinned(Canvas& canvas, int x, int y0) {
  canvas.SetPen(colors::kWhite, 1);
  canvas.MoveTo(x, y0 - 9);
  canvas.LineTo(x - 10, y0 + 5);
  canvas.LineTo(x + 10, y0 + 5);
  canvas.LineTo(x, y0 - 9);
}

// A wall with its hatching on the side away from the span.
void DrawFixed(Canvas& canvas, int x, int y0, bool leftHand) {
  canvas.SetPen(colors::kWhite, 2);
  canvas.Line(x, y0 - 35, x, y0 + 15);
  canvas.SetPen(colors::kWhite, 1);
  for (int y = y0 - 35; y < y0 + 15; y += 10) {
    if (leftHand) {
      canvas.Line(x, y, x - 10, y + 10);
    } else {
      canvas.Line(x, y + 10, x + 10, y);
    }
  }
}

std::string LengthText(double length, const UnitSettings& units) {
  return ShowValueWithUnit(units, UnitQuantity::Length, length, SigFig3Dec3);
}

// A label centred on x.
void CentredText(Canvas& canvas, int x, int y, const std::string& text) {
  canvas.TextOut(x - canvas.TextExtent(text).width / 2, y, text);
}

}  // namespace

void DrawBeamEntryPicture(Canvas& canvas, const BeamPictureInput& beam, const UnitSettings& units) {
  const double total = static_cast<float>(static_cast<float>(beam.lhLength) + beam.spanLength) +
                       static_cast<float>(beam.rhLength);
  if (total == 0) return;
  canvas.SetBrush(kPictureGrey);
  canvas.FillRect(0, 0, 545, 90);
  const int W = beam.width;
  const int y0 = beam.height / 2;
  const double scale = (W - 50) / total;
  canvas.SetPen(colors::kWhite, 4);
  canvas.Line(25, y0 - 10, W - 27, y0 - 10);

  // Lengths typed beyond any sense (1e306 m overflows to infinity) give positions that are not
  // numbers; TruncToPixel holds them to something a canvas can take.
  const int lhSupport = TruncToPixel(25 + beam.lhLength * scale);
  const int rhSupport = TruncToPixel(25 + (beam.lhLength + beam.spanLength) * scale);
  if (beam.lhFixed) {
    DrawFixed(canvas, lhSupport, y0, true);
  } else {
    DrawPinned(canvas, lhSupport, y0);
  }
  if (beam.rhFixed) {
    DrawFixed(canvas, rhSupport, y0, false);
  } else {
    DrawPinned(canvas, rhSupport, y0);
  }

  canvas.SetFont({"Arial", 8, colors::kWhite, kFontRegular});
  if (beam.lhLength > 0)
    CentredText(canvas, (25 + lhSupport) / 2, y0 + 2, LengthText(beam.lhLength, units));
  if (total > 1) {
    CentredText(canvas, (lhSupport + rhSupport) / 2, y0 + 2, LengthText(beam.spanLength, units));
  }
  if (beam.rhLength > 0) {
    CentredText(canvas, (rhSupport + W - 27) / 2, y0 + 2, LengthText(beam.rhLength, units));
  }
  if (total > 1) {
    canvas.SetFont({"Arial", 8, colors::kBlack, kFontRegular});
    canvas.TextOut(W / 2 - 40, y0 + 22, "Length = " + LengthText(total, units));
  }
}

}  // namespace trabeo
