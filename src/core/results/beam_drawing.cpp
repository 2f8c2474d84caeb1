#include "results/beam_drawing.h"

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

enum class Side { Lh, Rh };

void DrawSupport(Canvas& canvas, int px, int32_t kind, Side side) {
  if (kind == kFixedSupport) {
    canvas.SetPen(colors::kWhite, 2);
    canvas.Line(px, 71, px, 121);
    canvas.SetPen(colors::kWhite, 1);
    for (int y = 71; y <= 111; y += 10) {
      if (side == Side::Lh) {
        canvas.Line(px, y, px - 10, y + 10);
      } else {
        canvas.Line(px, y + 10, px + 10, y);
      }
    }
  } else {  // any support that is not fixed is pinned
    canvas.SetPen(colors::kWhite, 1);
    canvas.MoveTo(px, 97);
    canvas.LineTo(px - 10, 111);
    canvas.LineTo(px + 10, 111);
    canvas.LineTo(px, 97);
  }
}

std::string LengthLabel(double length, const UnitSettings& units) {
  return ShowValueWithUnit(units, UnitQuantity::Length, length, SigFig3Dec3);
}

}  // namespace

void DrawBeam(Canvas& canvas, const BeamModel& model, const UnitSettings& units, int windowWidth) {
  const double totalLength = model.TotalLength;
  if (totalLength == 0) return;
  const HorizontalScale scale = MakeHorizontalScale(windowWidth, kBeamRightMargin, totalLength);

  canvas.SetPen(colors::kWhite, 3);
  canvas.Line(kDiagramLeft, kBeamLineY, windowWidth - 77, kBeamLineY);
  const double lhSupport = LhSupportPosition(model);
  const double rhSupport = RhSupportPosition(model);
  DrawSupport(canvas, scale.X(lhSupport), model.LhSupportKind, Side::Lh);
  DrawSupport(canvas, scale.X(rhSupport), model.RhSupportKind, Side::Rh);

  constexpr int y = 101;
  canvas.SetFont(DiagramFont(colors::kWhite));
  const double perUnit = scale.pixelsPerUnit;
  if (model.LhCantilever.IsPresent()) {
    canvas.TextOut(TruncToPixel(kDiagramLeft + lhSupport * perUnit / 2 - 22), y,
                   LengthLabel(model.LhCantilever.Length, units));
  }
  canvas.TextOut(
      TruncToPixel(kDiagramLeft + (lhSupport + model.MainSpan.Length / 2) * perUnit - 22), y,
      LengthLabel(model.MainSpan.Length, units));
  if (model.RhCantilever.IsPresent()) {
    canvas.TextOut(
        TruncToPixel(kDiagramLeft + (rhSupport + model.RhCantilever.Length / 2) * perUnit - 12), y,
        LengthLabel(model.RhCantilever.Length, units));
  }
}

}  // namespace trabeo
