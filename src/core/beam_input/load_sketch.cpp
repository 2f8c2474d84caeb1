#include "beam_input/load_sketch.h"

#include "model/load_profile.h"
#include "platform/pixel.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

constexpr Color kSketchGrey{128, 128, 128};
constexpr int kLeft = 25;  // the beam's LH end, and the left edge of the load picture
constexpr double kProfileHeight = 36;
constexpr int kHatchEvery = 20;

Font SketchFont(Color color) {
  return Font{"Arial", 8, color, kFontRegular};
}

std::string FactorText(float factor) {
  return factor == 1.0f ? std::string() : " x " + SigFig3Dec3(factor);
}

std::string LengthText(double length, const UnitSettings& units) {
  return ShowValueWithUnit(units, UnitQuantity::Length, length, SigFig3Dec3);
}

enum class Side { Lh, Rh };

void DrawSupport(Canvas& canvas, int x, int y0, int32_t kind, Side side) {
  if (kind == kFixedSupport) {
    canvas.SetPen(colors::kWhite, 2);
    canvas.Line(x, y0, x, y0 + 50);
    canvas.SetPen(colors::kWhite, 1);
    const int outward = side == Side::Lh ? -10 : 10;
    for (int k = 0; k < 5; ++k)
      canvas.Line(x, y0 + 10 * k, x + outward, y0 + 10 * k + 10);
  } else {
    canvas.SetPen(colors::kWhite, 1);
    canvas.MoveTo(x, y0 + 26);
    canvas.LineTo(x - 10, y0 + 40);
    canvas.LineTo(x + 10, y0 + 40);
    canvas.LineTo(x, y0 + 26);
  }
}

// Horizontal placement of the loads: g at the LH end, r at the RH end.
struct LoadScale {
  int g = kLeft;
  int r = 0;
  double totalLength = 0;

  int X(double position) const { return TruncToPixel(g + (r - g) * position / totalLength); }
  int SampleX(int i) const { return TruncToPixel(g + (i - 1) * (r - g) / 1000.0); }
};

void DrawSelfWeight(Canvas& canvas, const LoadScale& scale, int yb) {
  canvas.SetPen(colors::kMagenta, 1);
  for (int m = 1; m <= 99; ++m) {
    const int x = TruncToPixel(scale.g + m * (scale.r - scale.g) / 100.0);
    canvas.Line(x, yb - 1, x, yb - 11);
  }
  canvas.MoveTo(scale.g, yb - 1);
  canvas.LineTo(scale.g, yb - 11);
  canvas.LineTo(scale.r, yb - 11);
  canvas.LineTo(scale.r, yb - 1);
}

void DrawProfile(Canvas& canvas, const LoadProfile& profile, const LoadScale& scale, int yb) {
  if (profile.IsEmpty()) return;
  const double largest = profile.LargestMagnitude();
  const auto y = [&](int i) {
    return yb - 1 -
           RoundToPixel(profile.samples[static_cast<std::size_t>(i)] * kProfileHeight / largest);
  };
  canvas.SetPen(colors::kRed, 1);
  canvas.MoveTo(scale.g, yb - 1);
  for (int i = 1; i <= kProfileSamples; ++i) {
    canvas.LineTo(scale.SampleX(i), y(i));
    canvas.LineTo(i == kProfileSamples ? scale.r : scale.SampleX(i + 1), y(i));
  }
  canvas.LineTo(scale.r, yb - 1);
  for (int i = kHatchEvery; i <= kProfileSamples; i += kHatchEvery) {
    if (y(i) != yb - 1) canvas.Line(scale.SampleX(i), yb - 1, scale.SampleX(i), y(i));
  }
}

void DrawPointLoads(Canvas& canvas, const LoadTable& loads, const LoadScale& scale,
                    const UnitSettings& units, int yb) {
  for (int row = 1; row <= kUserLoadRows; ++row) {
    const LoadRecord& load = loads.row(row);
    if (load.Kind != kPointLoadKind || !load.IsApplied()) continue;
    const int x = scale.X(load.Position);
    canvas.SetPen(colors::kYellow, 2);
    if (load.Intensity >= 0) {
      canvas.Line(x, yb - 2, x - 5, yb - 15);
      canvas.Line(x, yb - 2, x + 5, yb - 15);
      canvas.Line(x, yb - 2, x, yb - 50);
    } else {
      canvas.Line(x, yb + 5, x - 5, yb + 15);
      canvas.Line(x, yb + 5, x + 5, yb + 15);
      canvas.Line(x, yb + 5, x, yb + 45);
    }
    canvas.SetFont(SketchFont(colors::kYellow));
    canvas.TextOut(x - 12, 20,
                   ShowValue(units, UnitQuantity::PointLoad, load.Intensity, SigFig3Dec3) +
                       FactorText(load.Factor));
  }
}

void DrawRates(Canvas& canvas, const UdlOutline& outline, const LoadScale& scale,
               const UnitSettings& units) {
  const auto rate = [&](float value) {
    return ShowValue(units, UnitQuantity::Udl, value, SigFig4Dec3);
  };
  for (const UdlOutlineRecord& load : outline.records) {
    const int startX = scale.X(load.StartX);
    const int endX = scale.X(load.EndX);
    canvas.SetFont(SketchFont(colors::kRed));
    if (load.StartIntensity != 0) {
      canvas.TextOut(startX + 1, 38, rate(load.StartIntensity) + FactorText(load.StartFactor));
    }
    if (load.EndIntensity != 0 && load.EndIntensity != load.StartIntensity) {
      const std::string factor = FactorText(load.EndFactor);
      canvas.TextOut(endX - (factor.empty() ? 32 : 65), 38, rate(load.EndIntensity) + factor);
    }
    canvas.SetFont(SketchFont(colors::kWhite));
    if (load.StartStacked != 0 && load.StartStacked > load.StartIntensity)
      canvas.TextOut(startX - 12, 3, "(" + rate(load.StartStacked) + ")");
    if (load.EndStacked != 0 && load.EndStacked > load.EndIntensity)
      canvas.TextOut(endX - 12, 3, "(" + rate(load.EndStacked) + ")");
  }
}

}  // namespace

SketchLengthLabel ClearLoadSketch(Canvas& canvas) {
  canvas.SetBrush(kSketchGrey);
  canvas.FillRect(0, 0, 800, 200);
  return {};
}

SketchLengthLabel DrawSketchBeam(Canvas& canvas, const BeamModel& model, const UnitSettings& units,
                                 SketchSize size) {
  const double L = model.TotalLength;
  SketchLengthLabel label;
  if (L == 0) return label;
  const int W = size.width;
  const int y0 = size.height / 2;
  const double s = (W - 50) / L;
  const bool lh = model.LhCantilever.IsPresent();
  const bool rh = model.RhCantilever.IsPresent();
  const double lc = lh ? model.LhCantilever.Length : 0.0;
  const double span = model.MainSpan.Length;

  canvas.SetPen(colors::kWhite, 4);
  canvas.Line(27, y0 + 25, W - 27, y0 + 25);
  const int x1 = RoundToPixel(kLeft + lc * s);
  const int x2 = RoundToPixel(kLeft + (lc + span) * s);
  DrawSupport(canvas, x1, y0, model.LhSupportKind, Side::Lh);
  DrawSupport(canvas, x2, y0, model.RhSupportKind, Side::Rh);

  canvas.SetFont(SketchFont(colors::kWhite));
  const auto centredUnder = [&](int from, int to, const std::string& text) {
    canvas.TextOut((from + to) / 2 - canvas.TextExtent(text).width / 2, y0 + 30, text);
  };
  if (lh) centredUnder(kLeft, x1, LengthText(lc, units));
  canvas.TextOut(TruncToPixel(kLeft + (lc + span / 2) * s + 3), y0 + 30, LengthText(span, units));
  if (rh) centredUnder(x2, W - kLeft, LengthText(model.RhCantilever.Length, units));

  if (L > 1) {
    label.visible = true;
    label.top = y0 + 47;
    label.text = "Length = " + LengthText(L, units);
  }
  return label;
}

void DrawSketchLoads(Canvas& canvas, const LoadTable& loads, double totalLength,
                     const UdlOutline& outline, const UnitSettings& units, SketchSize size) {
  // Positions are fractions of the length: without a beam there is nothing to place.
  if (totalLength == 0) return;
  const LoadScale scale{kLeft, size.width - 26, totalLength};
  const int yb = size.height / 2 + 24;
  const LoadProfile profile = SampleLoadProfile(loads, totalLength);
  if (loads.row(kSelfWeightRow).IsApplied()) DrawSelfWeight(canvas, scale, yb);
  DrawProfile(canvas, profile, scale, yb);
  DrawPointLoads(canvas, loads, scale, units, yb);
  DrawRates(canvas, outline, scale, units);
}

SketchLengthLabel DrawLoadSketch(Canvas& canvas, const BeamModel& model, const LoadTable& loads,
                                 const UdlOutline& outline, const UnitSettings& units,
                                 SketchSize size) {
  ClearLoadSketch(canvas);
  DrawSketchLoads(canvas, loads, model.TotalLength, outline, units, size);
  return DrawSketchBeam(canvas, model, units, size);
}

}  // namespace trabeo
