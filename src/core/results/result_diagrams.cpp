#include "results/result_diagrams.h"

#include <algorithm>
#include <cmath>

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

double ScaleFor(double height, double fraction, double largest) {
  return largest == 0 ? 0.0 : fraction * height / largest;
}

// How one diagram maps values to heights: y = baseline - value x scale x direction.
struct Diagram {
  int baseline = 0;
  double scale = 0;
  double direction = 1;  // -1 draws positive values below the axis

  double Y(double value) const { return baseline - value * scale * direction; }
};

class DiagramPainter {
 public:
  DiagramPainter(Canvas& canvas, const BeamModel& model, const UnitSettings& units,
                 const MainWindowGeometry& window)
      : canvas_(canvas),
        units_(units),
        window_(window),
        beamScale_(MakeHorizontalScale(window.width, kBeamRightMargin, model.TotalLength)) {}

  void Curve(const Polyline& line, const Diagram& diagram) {
    const double width = window_.width - kDiagramLeft - kBeamRightMargin;
    canvas_.SetPen(colors::kGreen, 1);
    canvas_.MoveTo(kDiagramLeft, diagram.baseline);
    for (int i = 0; i < line.count; ++i) {
      const PolylinePoint& point = line.points[static_cast<std::size_t>(i)];
      canvas_.LineTo(TruncToPixel(kDiagramLeft + point.x * width),
                     TruncToPixel(diagram.Y(point.value)));
    }
  }

  void Axis(int baseline) {
    canvas_.SetPen(colors::kWhite, 2);
    canvas_.Line(kDiagramLeft, baseline, window_.width - kBeamRightMargin, baseline);
  }

  // A value beside its point of the curve: positive values in yellow above it, negative ones in
  // cyan below it; the other way round on a diagram drawn upside down.
  void ValueLabel(double x, const Diagram& diagram, double internal, UnitQuantity quantity,
                  bool always) {
    const double shown = ToShownUnits(units_, quantity, internal);
    if (!always && std::fabs(shown) <= 0.001) return;
    const bool positive = shown >= 0;
    const bool above = positive == (diagram.direction > 0);
    const double y = diagram.Y(internal) + (above ? -25 : 10);
    canvas_.SetFont(DiagramFont(positive ? colors::kYellow : colors::kCyan));
    canvas_.TextOut(TruncToPixel(x), TruncToPixel(y),
                    ShowValueWithUnit(units_, quantity, internal, SigFig3Dec3));
  }

  // A caption and its value at the left margin, above the axis or below it.
  void Extreme(const Diagram& diagram, bool above, const char* caption, UnitQuantity quantity,
               double internal, Color color) {
    const int th = TextHeight();
    const int captionY = above ? diagram.baseline - th - 30 : diagram.baseline + th;
    canvas_.SetFont(DiagramFont(color));
    canvas_.TextOut(8, captionY, caption);
    canvas_.TextOut(8, captionY + 15, ShowValueWithUnit(units_, quantity, internal, SigFig3Dec3));
  }

  double LabelX(double position) const { return 130 + position * beamScale_.pixelsPerUnit; }
  double SupportX(double position) const { return beamScale_.Exact(position); }

 private:
  int TextHeight() {
    if (textHeight_ == 0) {
      canvas_.SetFont(DiagramFont(colors::kWhite));
      textHeight_ = canvas_.TextExtent("Max").height;
    }
    return textHeight_;
  }

  Canvas& canvas_;
  const UnitSettings& units_;
  const MainWindowGeometry& window_;
  HorizontalScale beamScale_;
  int textHeight_ = 0;
};

void ShearLabels(DiagramPainter& paint, const DiagramInputs& in, const Diagram& d) {
  const BeamResults& r = in.results;
  const bool lh = in.model.LhCantilever.IsPresent();
  const bool rh = in.model.RhCantilever.IsPresent();
  const double lhX = paint.LabelX(LhSupportPosition(in.model));
  const double rhX = paint.LabelX(RhSupportPosition(in.model));
  if (lh) paint.ValueLabel(lhX, d, r.LhSupportShear, UnitQuantity::Shear, false);
  paint.ValueLabel(lhX, d, r.SupportShears[0], UnitQuantity::Shear, true);
  paint.ValueLabel(rhX, d, r.SupportShears[1], UnitQuantity::Shear, true);
  if (rh) paint.ValueLabel(rhX, d, r.SupportShears[2], UnitQuantity::Shear, false);

  // The extremes are shown when the support shears reach that side of the axis.
  const std::array<double, 4> supportShears{lh ? r.LhSupportShear : 0.0, r.SupportShears[0],
                                            r.SupportShears[1], rh ? r.SupportShears[2] : 0.0};
  const auto [smallest, largest] = std::minmax_element(supportShears.begin(), supportShears.end());
  if (std::fabs(*largest) > 1e-5) {
    paint.Extreme(d, true, "Max +ve Shear", UnitQuantity::Shear, r.ShearExtremes[1],
                  colors::kYellow);
  }
  if (std::fabs(*smallest) > 1e-5) {
    paint.Extreme(d, false, "Max -ve Shear", UnitQuantity::Shear, r.ShearExtremes[2],
                  colors::kCyan);
  }
}

void MomentLabels(DiagramPainter& paint, const DiagramInputs& in, const Diagram& d) {
  const BeamResults& r = in.results;
  const double lhSupport = LhSupportPosition(in.model);
  const double rhSupport = RhSupportPosition(in.model);
  const auto& profile = r.SpanMomentProfile;
  paint.ValueLabel(paint.LabelX(lhSupport), d, profile[0], UnitQuantity::Moment, false);
  paint.ValueLabel(paint.LabelX(lhSupport + in.model.MainSpan.Length / 2), d, profile[1],
                   UnitQuantity::Moment, false);
  paint.ValueLabel(paint.SupportX(rhSupport) - 20, d, profile[2], UnitQuantity::Moment, false);

  const bool inverted = d.direction < 0;
  paint.Extreme(d, !inverted, "Max +ve Mom", UnitQuantity::Moment, r.MomentExtremes[2],
                colors::kYellow);
  paint.Extreme(d, inverted, "Max -ve Mom", UnitQuantity::Moment, r.MomentExtremes[1],
                colors::kCyan);
}

void DeflectionLabels(DiagramPainter& paint, const DiagramInputs& in, const Diagram& d,
                      int windowWidth) {
  const BeamResults& r = in.results;
  // The diagram draws downward deflection below the axis; the labelled values are upward
  // positive, so they are drawn as their negatives.
  const Diagram upward{d.baseline, d.scale, 1};
  const auto& tips = r.TipDeflections;
  if (in.model.LhCantilever.IsPresent())
    paint.ValueLabel(130, upward, tips[0], UnitQuantity::Deflection, false);
  paint.ValueLabel(paint.LabelX(LhSupportPosition(in.model) + in.model.MainSpan.Length / 2), upward,
                   tips[1], UnitQuantity::Deflection, true);
  if (in.model.RhCantilever.IsPresent()) {
    paint.ValueLabel(windowWidth - 95, upward, tips[11], UnitQuantity::Deflection, false);
  }

  const auto& extremes = r.DeflectionExtremes;
  if (extremes[2] > 0) {
    paint.Extreme(d, true, "Max +ve Deflection", UnitQuantity::Deflection, extremes[2],
                  colors::kYellow);
  }
  if (extremes[1] < 0) {
    paint.Extreme(d, false, "Max -ve Deflection", UnitQuantity::Deflection, extremes[1],
                  colors::kCyan);
  }
}

}  // namespace

ResultDiagramLayout LayoutResultDiagrams(const MainWindowGeometry& window,
                                         const BeamResults& results) {
  const int shown = window.height - window.listHeight;
  const double h = std::max(shown - 250, 250);
  const double baselineHeight = window.DiagramOnly == 1 ? 800 : std::max(shown - 50, 350);
  ResultDiagramLayout layout;
  layout.shearBaseline = TruncToPixel(0.21 * baselineHeight + 108);
  layout.momentBaseline = TruncToPixel(0.43 * baselineHeight + 108);
  layout.deflectionBaseline = TruncToPixel(0.63 * baselineHeight + 108);
  layout.shearScale = ScaleFor(h, 0.09, results.ShearExtremes[0]);
  layout.momentScale = ScaleFor(h, 0.09, results.MomentExtremes[0]);
  layout.deflectionScale = ScaleFor(h, 0.1, results.DeflectionExtremes[0]);
  return layout;
}

void DrawResultDiagrams(Canvas& canvas, const DiagramInputs& in, const MainWindowGeometry& window) {
  const BeamResults& r = in.results;
  if (r.DeflectionExtremes[0] == 0 || in.model.TotalLength == 0) return;
  const ResultDiagramLayout layout = LayoutResultDiagrams(window, r);
  const Diagram shear{layout.shearBaseline, layout.shearScale, 1};
  const Diagram moment{layout.momentBaseline, layout.momentScale,
                       in.units.MomentPlotSign == kMomentPlotInverted ? -1.0 : 1.0};
  // Deflections are held downward positive and drawn below the axis.
  const Diagram deflection{layout.deflectionBaseline, layout.deflectionScale, -1};

  canvas.SetFont(CaptionFont());
  canvas.TextOut(8, shear.baseline - 5, "SHEAR");
  canvas.TextOut(8, moment.baseline - 5, "MOMENT");
  canvas.TextOut(8, deflection.baseline - 5, "DEFLECTION");
  canvas.SetFont(DiagramFont(colors::kWhite));

  DiagramPainter paint(canvas, in.model, in.units, window);
  paint.Curve(r.ShearPolyline, shear);
  paint.Curve(r.MomentPolyline, moment);
  paint.Curve(r.DeflectionPolyline, deflection);
  paint.Axis(shear.baseline);
  paint.Axis(moment.baseline);
  paint.Axis(deflection.baseline);
  canvas.SetFont(CaptionFont());
  canvas.TextOut(8, 80, "LOADS");

  ShearLabels(paint, in, shear);
  MomentLabels(paint, in, moment);
  DeflectionLabels(paint, in, deflection, window.width);
}

}  // namespace trabeo
