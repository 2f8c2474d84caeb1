#include "results/load_diagram.h"

#include "model/load_profile.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

constexpr int kBase = kLoadBaseline;
constexpr double kProfileHeight = 35;
constexpr int kHatchEvery = 20;

void DrawSelfWeight(Canvas& canvas, int left, int right) {
  canvas.SetPen(colors::kMagenta, 1);
  for (int m = 1; m <= 99; ++m) {
    const int x = left + m * (right - left) / 100;
    canvas.Line(x, kBase - 1, x, kBase - 11);
  }
  canvas.MoveTo(left, kBase - 1);
  canvas.LineTo(left, kBase - 11);
  canvas.LineTo(right, kBase - 11);
  canvas.LineTo(right, kBase - 1);
}

// The profile as steps: sample f holds over the stretch that ends at its position.
void DrawProfile(Canvas& canvas, const LoadProfile& profile, const HorizontalScale& scale,
                 double totalLength) {
  if (profile.IsEmpty()) return;
  const double pixelsPerRate = kProfileHeight / profile.LargestMagnitude();
  const auto x = [&](int f) { return scale.X(f * totalLength / kProfileSamples); };
  const auto y = [&](int f) {
    return TruncToPixel(kBase - profile.samples[static_cast<std::size_t>(f)] * pixelsPerRate);
  };
  canvas.SetPen(colors::kRed, 1);
  canvas.MoveTo(x(0), kBase);
  for (int f = 1; f <= kProfileSamples; ++f) {
    canvas.LineTo(x(f - 1), y(f));
    canvas.LineTo(x(f), y(f));
  }
  canvas.LineTo(x(kProfileSamples), kBase);
  for (int f = kHatchEvery; f <= kProfileSamples; f += kHatchEvery) {
    if (y(f) != kBase) canvas.Line(x(f), kBase, x(f), y(f));
  }
}

void DrawPointLoads(Canvas& canvas, const DiagramInputs& in, const HorizontalScale& scale) {
  for (int r = 1; r <= kUserLoadRows; ++r) {
    const LoadRecord& row = in.model.Loads.row(r);
    if (row.Kind != kPointLoadKind || !row.IsApplied()) continue;
    const int x = scale.X(row.Position);
    canvas.SetPen(colors::kYellow, 2);
    if (row.Intensity >= 0) {
      canvas.Line(x, kBase - 50, x, kBase - 2);
      canvas.Line(x, kBase - 2, x - 5, kBase - 15);
      canvas.Line(x, kBase - 2, x + 5, kBase - 15);
    } else {
      canvas.Line(x, kBase + 45, x, kBase + 5);
      canvas.Line(x, kBase + 5, x - 5, kBase + 15);
      canvas.Line(x, kBase + 5, x + 5, kBase + 15);
    }
    canvas.SetFont(DiagramFont(colors::kYellow));
    canvas.TextOut(x - 15, kBase - 75,
                   ShowValue(in.units, UnitQuantity::PointLoad, row.Intensity, SigFig4Dec3) +
                       FactorSuffix(row.Factor));
  }
}

void DrawUdlLabels(Canvas& canvas, const DiagramInputs& in, const HorizontalScale& scale) {
  const auto rate = [&](float value) {
    return ShowValue(in.units, UnitQuantity::Udl, value, SigFig3Dec3);
  };
  for (const UdlOutlineRecord& load : in.outline.records) {
    const int startX = scale.X(load.StartX);
    const int endX = scale.X(load.EndX);
    canvas.SetFont(DiagramFont(colors::kRed));
    if (load.StartIntensity != 0) {
      canvas.TextOut(startX + 5, 35, rate(load.StartIntensity) + FactorSuffix(load.StartFactor));
    }
    if (load.EndIntensity != 0 && load.EndIntensity != load.StartIntensity) {
      const std::string factor = FactorSuffix(load.EndFactor);
      canvas.TextOut(endX - (factor.empty() ? 35 : 70), 35, rate(load.EndIntensity) + factor);
    }
    canvas.SetFont(DiagramFont(colors::kWhite));
    if (load.StartStacked != 0 && load.StartStacked != load.StartIntensity)
      canvas.TextOut(startX - 12, 3, "(" + rate(load.StartStacked) + ")");
    if (load.EndStacked != 0 && load.EndStacked != load.EndIntensity)
      canvas.TextOut(endX - 12, 3, "(" + rate(load.EndStacked) + ")");
  }
}

void DrawReactions(Canvas& canvas, const DiagramInputs& in, const HorizontalScale& scale) {
  const double supports[2] = {LhSupportPosition(in.model), RhSupportPosition(in.model)};
  for (int side = 0; side < 2; ++side) {
    const double reaction = in.results.Reactions[static_cast<std::size_t>(side)];
    canvas.SetFont(DiagramFont(reaction >= 0 ? colors::kYellow : colors::kRed));
    canvas.TextOut(scale.X(supports[side]) - 20, kBase + 30,
                   ShowValueWithUnit(in.units, UnitQuantity::Shear, reaction, SigFig3Dec3));
  }
}

}  // namespace

DrawnLoadCounts CountDrawnLoads(const LoadTable& loads) {
  DrawnLoadCounts counts;
  for (int r = 1; r <= kUserLoadRows; ++r) {
    const LoadRecord& row = loads.row(r);
    if (!row.IsApplied()) continue;
    if (row.Kind == kDistributedLoadKind) ++counts.UdlDrawnCount;
    if (row.Kind == kPointLoadKind) ++counts.PointLoadDrawnCount;
  }
  return counts;
}

std::string FactorSuffix(float factor) {
  return factor == 1.0f ? std::string() : " x " + SigFig3Dec3(factor);
}

DrawnLoadCounts DrawLoadDiagram(Canvas& canvas, const DiagramInputs& in, int windowWidth) {
  const DrawnLoadCounts counts = CountDrawnLoads(in.model.Loads);
  const double totalLength = in.model.TotalLength;
  if (totalLength == 0) return counts;
  const HorizontalScale scale =
      MakeHorizontalScale(windowWidth, kLoadDiagramRightMargin, totalLength);

  const LoadProfile profile = SampleLoadProfile(in.model.Loads, totalLength);
  if (in.model.Loads.row(kSelfWeightRow).IsApplied())
    DrawSelfWeight(canvas, scale.X(0), scale.X(totalLength));
  DrawProfile(canvas, profile, scale, totalLength);
  DrawPointLoads(canvas, in, scale);
  DrawUdlLabels(canvas, in, scale);
  if (in.resultsBelongToBeam) DrawReactions(canvas, in, scale);
  return counts;
}

}  // namespace trabeo
