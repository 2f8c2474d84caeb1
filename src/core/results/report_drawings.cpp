#include "results/report_drawings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/load_profile.h"
#include "results/diagram_geometry.h"
#include "settings/sig_fig.h"

namespace trabeo {
namespace {

constexpr double kBeamLeft = 55;       // mm
constexpr double kBeamRight = 185;     // mm
constexpr double kBeamLine = 57;       // mm from the top
constexpr double kTextLeft = 15;       // captions, mm
constexpr double kDiagramHeight = 10;  // mm for each diagram's largest value
constexpr int kHatchEvery = 20;        // profile samples between hatch lines

Font LabelFont(int points) {
  return Font{"Arial", points, colors::kBlack, kFontRegular};
}

// A result diagram: y = baseline - value x scale x direction, in dots.
struct Diagram {
  int baseline = 0;
  double scale = 0;
  double direction = 1;  // -1 draws positive values below the axis

  double Y(double value) const { return baseline - value * scale * direction; }
};

class ReportPainter {
 public:
  ReportPainter(Canvas& canvas, const PageGeometry& g, const BeamReportInputs& in)
      : canvas_(canvas), g_(g), in_(in), model_(in.project.model) {
    x0_ = g.X(kBeamLeft);
    x1_ = g.X(kBeamRight);
    dotsPerUnit_ = (x1_ - x0_) / model_.TotalLength;
    yb_ = g.Y(kBeamLine);
  }

  void Beam();
  void DistributedLoads();
  void PointLoads();
  void ResultDiagrams();

 private:
  double XExact(double position) const { return x0_ + position * dotsPerUnit_; }
  int X(double position) const { return TruncToPixel(XExact(position)); }
  int AboveBeam(double mm) const { return TruncToPixel(yb_ - mm * g_.my); }
  int BelowBeam(double mm) const { return TruncToPixel(yb_ + mm * g_.my); }
  int Dx(double mm) const { return TruncToPixel(mm * g_.mx); }

  void Support(double position, int32_t kind, bool lh);
  void Curve(const Polyline& line, const Diagram& d);
  void ValueScale(const Diagram& d, double largest, double smallest, float factor);
  // A value beside its point of a diagram, above the point when it is drawn above the axis.
  void ValueLabel(int x, const Diagram& d, double internal, float factor, const std::string& unit);
  void ValueLabelAt(int x, int y, double shown, const std::string& unit);
  void Text(int x, int y, const std::string& text) { canvas_.TextOut(x, y, text); }
  void SupportLabels(const Diagram& shear, const Diagram& moment, const Diagram& deflection);

  Canvas& canvas_;
  const PageGeometry& g_;
  const BeamReportInputs& in_;
  const BeamModel& model_;
  int x0_ = 0;
  int x1_ = 0;
  double dotsPerUnit_ = 0;
  int yb_ = 0;
};

void ReportPainter::Support(double position, int32_t kind, bool lh) {
  const int px = X(position);
  if (kind == kFixedSupport) {
    canvas_.SetPen(colors::kBlack, 4);
    canvas_.Line(px, AboveBeam(6), px, BelowBeam(6));
    canvas_.SetPen(colors::kBlack, 2);
    // Five hatch strokes on the outer side, 2 mm each way, as on screen.
    for (int i = 0; i < 5; ++i) {
      const double top = -6 + 2.4 * i;  // mm below the beam line
      if (lh) {
        canvas_.Line(px, BelowBeam(top), px - Dx(2), BelowBeam(top + 2));
      } else {
        canvas_.Line(px, BelowBeam(top + 2), px + Dx(2), BelowBeam(top));
      }
    }
  } else {
    canvas_.SetPen(colors::kBlack, 2);
    canvas_.MoveTo(px, BelowBeam(0.25));
    canvas_.LineTo(px - Dx(2), BelowBeam(4));
    canvas_.LineTo(px + Dx(2), BelowBeam(4));
    canvas_.LineTo(px, BelowBeam(0.25));
  }
}

void ReportPainter::Beam() {
  canvas_.SetPen(colors::kBlack, 9);
  canvas_.Line(x0_, yb_, x1_, yb_);
  canvas_.SetFont(LabelFont(9));
  Text(g_.X(kTextLeft), AboveBeam(2), "BEAM");
  Support(LhSupportPosition(model_), model_.LhSupportKind, true);
  Support(RhSupportPosition(model_), model_.RhSupportKind, false);
}

// The factored profile of the applied distributed loads, 8 mm high for its largest rate, on a
// base 0.5 mm above the beam line, with the rates written from the drawn outline.
void ReportPainter::DistributedLoads() {
  const double total = model_.TotalLength;
  const LoadProfile profile = SampleLoadProfile(model_.Loads, total);
  if (!profile.IsEmpty()) {
    const double largest = std::max(profile.LargestMagnitude(), 1e-6);
    const int base = AboveBeam(0.5);
    const auto x = [&](int f) { return X(f * total / kProfileSamples); };
    const auto y = [&](int f) {
      return TruncToPixel(base -
                          profile.samples[static_cast<std::size_t>(f)] / largest * 8 * g_.my);
    };
    canvas_.SetPen(colors::kBlack, 1);
    canvas_.MoveTo(x(0), base);
    for (int f = 1; f <= kProfileSamples; ++f) {
      canvas_.LineTo(x(f - 1), y(f));
      canvas_.LineTo(x(f), y(f));
    }
    canvas_.LineTo(x(kProfileSamples), base);
    for (int f = kHatchEvery; f <= kProfileSamples; f += kHatchEvery) {
      if (y(f) != base) canvas_.Line(x(f), base, x(f), y(f));
    }
  }

  const UnitSettings& u = in_.units;
  const auto rate = [&](float value) { return SigFig4Dec3(value / u.UdlFactor); };
  canvas_.SetFont(LabelFont(8));
  for (const UdlOutlineRecord& load : in_.outline.records) {
    const int startX = X(load.StartX);
    const int endX = X(load.EndX);
    if (load.StartIntensity != 0) {
      Text(startX + Dx(0.5), AboveBeam(14),
           rate(load.StartIntensity) + " " + u.UdlUnitName + FactorSuffix(load.StartFactor));
    }
    if (load.EndIntensity != 0 && load.EndIntensity != load.StartIntensity) {
      const std::string factor = FactorSuffix(load.EndFactor);
      Text(endX - Dx(factor.empty() ? 8 : 16), AboveBeam(14),
           rate(load.EndIntensity) + " " + u.UdlUnitName + factor);
    }
    if (load.StartStacked != 0 && load.StartStacked != load.StartIntensity)
      Text(startX - Dx(5), AboveBeam(20), "(" + rate(load.StartStacked) + ")");
    if (load.EndStacked != 0 && load.EndStacked != load.EndIntensity)
      Text(endX - Dx(5), AboveBeam(20), "(" + rate(load.EndStacked) + ")");
  }
}

// Arrows of the applied point loads, each drawn once however often it was entered. An upward
// (negative) load points up from below the beam line, as on screen, so the printout never
// shows it pushing down.
void ReportPainter::PointLoads() {
  const UnitSettings& u = in_.units;
  std::vector<const LoadRecord*> drawn;
  for (int r = 1; r <= kUserLoadRows; ++r) {
    const LoadRecord& row = model_.Loads.row(r);
    if (row.Kind != kPointLoadKind || !row.IsApplied()) continue;
    const bool repeated = std::any_of(drawn.begin(), drawn.end(), [&](const LoadRecord* other) {
      return other->Position == row.Position && other->Intensity == row.Intensity &&
             other->Factor == row.Factor;
    });
    if (repeated) continue;
    drawn.push_back(&row);

    const int px = X(row.Position);
    const double side = row.Intensity >= 0 ? 1 : -1;  // 1 above the beam line
    const int tip = AboveBeam(0.5 * side);
    canvas_.SetPen(colors::kBlack, 4);
    canvas_.Line(px, AboveBeam(10 * side), px, tip);
    canvas_.Line(px, tip, px - Dx(1), AboveBeam(3 * side));
    canvas_.Line(px, tip, px + Dx(1), AboveBeam(3 * side));
    canvas_.SetFont(LabelFont(8));
    Text(px - Dx(5), AboveBeam(17),
         SigFig4Dec3(double{row.Intensity} / u.PointLoadFactor) + " " + u.PointLoadUnitName +
             FactorSuffix(row.Factor));
  }
}

void ReportPainter::Curve(const Polyline& line, const Diagram& d) {
  const double width = x1_ - x0_;
  canvas_.SetPen(colors::kBlack, 3);
  canvas_.MoveTo(x0_, d.baseline);
  for (int i = 0; i < line.count; ++i) {
    const PolylinePoint& point = line.points[static_cast<std::size_t>(i)];
    canvas_.LineTo(TruncToPixel(x0_ + point.x * width), TruncToPixel(d.Y(point.value)));
  }
}

// Ticks left of the axis at 0 and at the diagram's largest and smallest values, labelled.
void ReportPainter::ValueScale(const Diagram& d, double largest, double smallest, float factor) {
  canvas_.SetPen(colors::kBlack, 1);
  canvas_.SetFont(LabelFont(8));
  canvas_.Line(x0_ - Dx(3), d.baseline, x0_, d.baseline);
  Text(x0_ - Dx(12), TruncToPixel(d.baseline - 2 * g_.my), "0.000");
  for (double value : {largest, smallest}) {
    // An extreme that shows as 0 is the axis itself, already labelled: a second label there
    // would print over the first.
    const std::string label = SigFig4Dec3(value * factor);
    if (value == 0 || label == "0.000" || label == "-0.000") continue;
    const int y = TruncToPixel(d.Y(value));
    canvas_.Line(x0_ - Dx(3), y, x0_, y);
    Text(x0_ - Dx(13), TruncToPixel(y - 2 * g_.my), label);
  }
}

void ReportPainter::ValueLabelAt(int x, int y, double shown, const std::string& unit) {
  // Only values that show as more than 0.001 are labelled.
  if (std::fabs(shown) > 0.001) Text(x, y, SigFig4Dec3(shown) + " " + unit);
}

void ReportPainter::ValueLabel(int x, const Diagram& d, double internal, float factor,
                               const std::string& unit) {
  const bool above = internal * d.direction >= 0;
  const double y = d.Y(internal) + (above ? -4 : 1) * g_.my;
  ValueLabelAt(x, TruncToPixel(y), internal * factor, unit);
}

// Reactions below the supports; shears either side of each support (the cantilever's outside,
// the span's inside); moments at the span's ends and middle; deflections at the tips and
// mid-span; and the segment lengths under the beam.
void ReportPainter::SupportLabels(const Diagram& shear, const Diagram& moment,
                                  const Diagram& deflection) {
  const BeamResults& r = in_.results;
  const UnitSettings& u = in_.units;
  const double A = LhSupportPosition(model_);
  const double B = RhSupportPosition(model_);
  const double middle = A + model_.MainSpan.Length / 2;
  const bool lh = model_.LhCantilever.IsPresent();
  const bool rh = model_.RhCantilever.IsPresent();
  canvas_.SetFont(LabelFont(8));

  // Below the support symbols, whose walls reach 6 mm below the beam line.
  for (std::size_t side = 0; side < 2; ++side) {
    const int x = X(side == 0 ? A : B) - Dx(4);
    ValueLabelAt(x, BelowBeam(7), r.Reactions[side] * u.ShearFactor, u.ShearUnitName);
  }

  const std::string& V = u.ShearUnitName;
  if (lh) ValueLabel(X(A) - Dx(12), shear, r.LhSupportShear, u.ShearFactor, V);
  ValueLabel(X(A) + Dx(1), shear, r.SupportShears[0], u.ShearFactor, V);
  ValueLabel(X(B) - Dx(12), shear, r.SupportShears[1], u.ShearFactor, V);
  if (rh) ValueLabel(X(B) + Dx(1), shear, r.SupportShears[2], u.ShearFactor, V);

  const std::string& M = u.MomentUnitName;
  ValueLabel(X(A) + Dx(1), moment, r.SpanMomentProfile[0], u.MomentFactor, M);
  ValueLabel(X(middle) - Dx(5), moment, r.SpanMomentProfile[1], u.MomentFactor, M);
  ValueLabel(X(B) - Dx(12), moment, r.SpanMomentProfile[2], u.MomentFactor, M);

  // The labelled deflections are upward positive, the diagram's values downward positive.
  const Diagram upward{deflection.baseline, deflection.scale, 1};
  const std::string& D = u.DeflectionUnitName;
  if (lh) ValueLabel(x0_ + Dx(1), upward, r.TipDeflections[0], u.DeflectionFactor, D);
  ValueLabel(X(middle) - Dx(5), upward, r.TipDeflections[1], u.DeflectionFactor, D);
  if (rh) ValueLabel(x1_ - Dx(12), upward, r.TipDeflections[11], u.DeflectionFactor, D);

  const auto length = [&](double start, double segment) {
    ValueLabelAt(X(start + segment / 2) - Dx(5), BelowBeam(1.5), segment / u.LengthFactor,
                 u.LengthUnitName);
  };
  if (lh) length(0, model_.LhCantilever.Length);
  length(A, model_.MainSpan.Length);
  if (rh) length(B, model_.RhCantilever.Length);
}

double ScaleFor(double dotsPerMm, double largest) {
  return largest == 0 ? 0.0 : dotsPerMm * kDiagramHeight / largest;
}

void ReportPainter::ResultDiagrams() {
  const BeamResults& r = in_.results;
  const UnitSettings& u = in_.units;
  const Diagram shear{g_.Y(85), ScaleFor(g_.my, r.ShearExtremes[0]), 1};
  const Diagram moment{g_.Y(120), ScaleFor(g_.my, r.MomentExtremes[0]),
                       u.MomentPlotSign == kMomentPlotInverted ? -1.0 : 1.0};
  // Deflections are held downward positive and drawn below the axis.
  const Diagram deflection{g_.Y(150), ScaleFor(g_.my, r.DeflectionExtremes[0]), -1};

  canvas_.SetFont(LabelFont(9));
  const int left = g_.X(kTextLeft);
  Text(left, TruncToPixel(shear.baseline - g_.my), "SHEAR");
  Text(left, TruncToPixel(moment.baseline - 5 * g_.my), "BENDING");
  Text(left, TruncToPixel(moment.baseline + g_.my), "MOMENT");
  Text(left, TruncToPixel(deflection.baseline - g_.my), "DEFLECTION");

  Curve(r.ShearPolyline, shear);
  Curve(r.MomentPolyline, moment);
  Curve(r.DeflectionPolyline, deflection);
  canvas_.SetPen(colors::kBlack, 2);
  for (const Diagram* d : {&shear, &moment, &deflection})
    canvas_.Line(x0_, d->baseline, x1_, d->baseline);

  ValueScale(shear, r.ShearExtremes[1], r.ShearExtremes[2], u.ShearFactor);
  ValueScale(moment, r.MomentExtremes[2], r.MomentExtremes[1], u.MomentFactor);
  // The deflection extremes are upward positive: as drawn, their negatives.
  const Diagram upward{deflection.baseline, deflection.scale, 1};
  ValueScale(upward, r.DeflectionExtremes[2], r.DeflectionExtremes[1], u.DeflectionFactor);
  SupportLabels(shear, moment, deflection);
}

}  // namespace

void DrawReportDiagrams(Canvas& canvas, const PageGeometry& geometry, const BeamReportInputs& in) {
  if (in.project.model.TotalLength == 0) return;
  ReportPainter painter(canvas, geometry, in);
  painter.Beam();
  painter.DistributedLoads();
  painter.PointLoads();
  painter.ResultDiagrams();
}

}  // namespace trabeo
