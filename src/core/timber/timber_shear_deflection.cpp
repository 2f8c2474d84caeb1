#include "timber/timber_shear_deflection.h"

#include <cmath>

namespace trabeo {
namespace {

constexpr int N = kServiceStationCount;
constexpr int kSubSteps = 10;  // each station interval is integrated in ten steps

std::size_t At(int station) {
  return static_cast<std::size_t>(station);
}

void CantileverShear(const AnalysisState& state, double GA, TimberShearDeflection& out) {
  for (std::size_t row = 0; row < 2; ++row) {
    const double length = state.work.resultants.CantLength[row];
    if (length == 0) continue;
    const auto& shear = state.results.CantShear[row];
    auto& deflection = out.CantShearDeflection[row];
    const double dx = length / N;
    deflection[0] = 0;
    for (int j = 1; j <= N; ++j) {
      const double before = -static_cast<double>(shear[At(j - 1)]);
      const double here = -static_cast<double>(shear[At(j)]);
      deflection[At(j)] = static_cast<float>(deflection[At(j - 1)] + (before + here) / 2 * dx / GA);
    }
  }
}

// Sum over the ten sub-steps of one interval, from the shear at its near end towards the far one.
double IntervalSum(double nearShear, double farShear, double h, double GA) {
  double sum = 0;
  for (int s = 1; s <= kSubSteps; ++s)
    sum += h * (nearShear + s * (farShear - nearShear) / kSubSteps) / GA;
  return sum;
}

void SpanShear(const AnalysisState& state, double GA, TimberShearDeflection& out) {
  const double L = state.work.L;
  const double h = L / N / kSubSteps;
  const int loads = state.work.resultants.lists[kSpanSegment].count;
  const auto& table = state.results.LoadShearTable;
  for (int k = 0; k < loads; ++k) {
    const auto V = [&](int station) {
      return static_cast<double>(table[static_cast<std::size_t>(k * kFactoredStations + station)]);
    };
    std::array<double, kServiceStations> d{};
    for (int i = 0; i <= 9; ++i)
      d[At(i + 1)] = d[At(i)] - IntervalSum(V(i), V(i + 1), h, GA);
    for (int i = N - 1; i >= 11; --i)
      d[At(i)] = d[At(i + 1)] + IntervalSum(V(i + 1), V(i), h, GA);
    for (int i = 0; i <= N; ++i)
      out.SpanShearDeflection[At(i)] =
          static_cast<float>(out.SpanShearDeflection[At(i)] + d[At(i)]);
  }
  out.SpanShearDeflection[At(N)] = 0;
}

void TurnCantilevers(const AnalysisState& state, TimberShearDeflection& out) {
  const auto& length = state.work.resultants.CantLength;
  for (int j = 1; j <= N; ++j) {
    auto& lh = out.CantShearDeflection[0][At(j)];
    auto& rh = out.CantShearDeflection[1][At(j)];
    const double turnedL = static_cast<double>(out.ShearRotationL) * j * length[0] / N;
    const double turnedR = static_cast<double>(out.ShearRotationR) * j * length[1] / N;
    lh = static_cast<float>(lh - turnedL);
    rh = static_cast<float>(rh + turnedR);
  }
}

}  // namespace

TimberShearDeflection ComputeTimberShearDeflection(const AnalysisState& state,
                                                   float shearStiffness) {
  TimberShearDeflection out;
  // A beam without a usable stiffness (an old file that did not keep it) gets no shear
  // deflection rather than infinite ones.
  if (!(shearStiffness > 0) || !std::isfinite(shearStiffness) || !(state.work.L > 0)) return out;
  const double GA = shearStiffness;
  CantileverShear(state, GA, out);
  const auto& moment = state.results.CantMoment;
  out.ShearRotationL = static_cast<float>(-moment[0][0] / (GA * state.work.L));
  out.ShearRotationR = static_cast<float>(-moment[1][0] / (GA * state.work.L));
  SpanShear(state, GA, out);
  TurnCantilevers(state, out);
  return out;
}

ShearDeflections ToShearDeflections(const TimberShearDeflection& shear) {
  ShearDeflections out;
  for (std::size_t i = 0; i < kServiceStations; ++i) {
    out.span[i] = shear.SpanShearDeflection[i];
    out.cant[0][i] = shear.CantShearDeflection[0][i];
    out.cant[1][i] = shear.CantShearDeflection[1][i];
  }
  return out;
}

std::function<ShearDeflections(const BeamModel&, const AnalysisState&)> TimberShearDeflectionHook(
    float shearStiffness) {
  return [shearStiffness](const BeamModel&, const AnalysisState& state) {
    return ToShearDeflections(ComputeTimberShearDeflection(state, shearStiffness));
  };
}

}  // namespace trabeo
