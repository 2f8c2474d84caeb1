#include "engine/polylines.h"

#include "engine/beam_results.h"
#include "engine/summary.h"

namespace trabeo {
namespace {

struct Layout {
  bool lhPresent, rhPresent;
  double Lc, L, Lr, B, scale;  // scale: 1 / TotalLength, 0 without a beam

  double Normalised(double x) const { return x * scale; }
};

Layout MakeLayout(const BeamModel& model) {
  Layout layout{};
  layout.lhPresent = model.LhCantilever.IsPresent();
  layout.rhPresent = model.RhCantilever.IsPresent();
  layout.Lc = layout.lhPresent ? model.LhCantilever.Length : 0.0;
  layout.L = model.MainSpan.Length;
  layout.Lr = layout.rhPresent ? model.RhCantilever.Length : 0.0;
  layout.B = layout.Lc + layout.L;
  layout.scale = model.TotalLength != 0 ? 1 / model.TotalLength : 0.0;
  return layout;
}

// Staircase from each station to the next: along at the old value to half-way, up or down to
// the new value, along to the next station. On the RH cantilever the step is at the earlier
// station, so a load at a station shows on the support side of it.
void BuildShear(const Layout& g, const BeamResults& r, Polyline& line) {
  line.count = 0;
  line.Add(0, 0);
  bool first = true;
  double lastX = 0;
  double lastValue = 0;
  auto station = [&](double x, double value, bool stepAtEarlier) {
    const double position = g.Normalised(x);
    if (first) {
      line.Add(position, value);
      first = false;
    } else {
      const double step = stepAtEarlier ? lastX : (lastX + position) / 2;
      line.Add(step, lastValue);
      line.Add(step, value);
      line.Add(position, value);
    }
    lastX = position;
    lastValue = value;
  };
  const int N = kFactoredStationCount;
  if (g.lhPresent) {
    for (int j = 0; j <= N; ++j)
      station(j * g.Lc / N, r.CantShear[0][static_cast<std::size_t>(j)], false);
  }
  for (int k = 0; k <= N; ++k)
    station(g.Lc + k * g.L / N, r.SpanShear[static_cast<std::size_t>(k)], false);
  if (g.rhPresent) {
    for (int j = 0; j <= N; ++j)
      station(g.B + j * g.Lr / N, r.CantShear[1][static_cast<std::size_t>(j)], true);
  }
  line.Add(lastX, 0);
}

void BuildMoment(const BeamModel& model, const Layout& g, const BeamResults& r, Polyline& line) {
  line.count = 0;
  line.Add(0, 0);
  const int N = kFactoredStationCount;
  if (g.lhPresent) {
    for (int j = 0; j <= N; ++j) {
      line.Add(g.Normalised(j * g.Lc / N),
               -static_cast<double>(r.CantMoment[0][static_cast<std::size_t>(j)]));
    }
  }
  for (int k = 0; k <= N; ++k) {
    line.Add(g.Normalised(g.Lc + k * g.L / N), r.SpanMoment[static_cast<std::size_t>(k)]);
  }
  if (model.RhSupportKind == kFixedSupport) line.Add(g.Normalised(g.B), 0);
  if (g.rhPresent) {
    for (int j = 0; j <= N; ++j) {
      line.Add(g.Normalised(g.B + j * g.Lr / N),
               -static_cast<double>(r.CantMoment[1][static_cast<std::size_t>(j)]));
    }
  }
}

void BuildDeflection(const Layout& g, const BeamResults& r, Polyline& line) {
  line.count = 0;
  const int N = kServiceStationCount;
  if (g.lhPresent) {
    for (int j = 0; j <= N; ++j) {
      line.Add(g.Normalised(j * g.Lc / N), -r.CantDeflection[0][static_cast<std::size_t>(j)]);
    }
  }
  for (int i = 0; i <= N; ++i) {
    line.Add(g.Normalised(g.Lc + i * g.L / N), r.SpanDeflection[static_cast<std::size_t>(i)]);
  }
  if (g.rhPresent) {
    for (int j = 0; j <= N; ++j) {
      line.Add(g.Normalised(g.B + j * g.Lr / N), r.CantDeflection[1][static_cast<std::size_t>(j)]);
    }
  }
}

}  // namespace

void BuildPolylines(const BeamModel& model, BeamResults& results) {
  const Layout layout = MakeLayout(model);
  BuildShear(layout, results, results.ShearPolyline);
  BuildMoment(model, layout, results, results.MomentPolyline);
  BuildDeflection(layout, results, results.DeflectionPolyline);
}

}  // namespace trabeo
