#include "engine/deflections.h"

#include <cmath>

namespace trabeo {
namespace {

// A cantilever rotated nearly a right angle is held at the last angle whose tangent is finite.
constexpr double kLargestAngle = 1.5707;

void SpanDeflections(const DeflectionInputs& in, BeamResults& results) {
  const int N = in.N;
  for (int i = 0; i <= N; ++i) {
    const auto& unit = results.UnitLoadMoments[static_cast<std::size_t>(i)];
    double sum = 0;
    for (int j = 0; j <= N; ++j) {
      const auto station = static_cast<std::size_t>(j);
      sum += SimpsonWeight(j, N) * results.SpanMoment[station] * unit[station] / (in.E * in.I);
    }
    results.SpanDeflection[static_cast<std::size_t>(i)] = (in.L / N) / 3 * sum;
  }
}

void CantileverDeflections(const DeflectionInputs& in, BeamResults& results) {
  const int N = in.N;
  const double supportAngle[2] = {in.ends.theta1 / in.E, -in.ends.theta2 / in.E};
  for (int row = 0; row < 2; ++row) {
    const double length = in.cantLength[static_cast<std::size_t>(row)];
    if (length == 0) continue;
    auto& deflection = results.CantDeflection[static_cast<std::size_t>(row)];
    const auto& bending = in.bending->delta[static_cast<std::size_t>(row)];
    deflection[0] = 0;
    for (int g = 1; g <= N; ++g) {
      const double x = g * length / N;
      double angle = std::atan(bending[static_cast<std::size_t>(g)] / x) + supportAngle[row];
      if (angle > kLargestAngle) angle = kLargestAngle;
      deflection[static_cast<std::size_t>(g)] = x * std::tan(angle);
    }
  }
}

void SubtractShearDeflections(const ShearDeflections& shear, int N, BeamResults& results) {
  for (int i = 0; i <= N; ++i) {
    const auto station = static_cast<std::size_t>(i);
    results.CantDeflection[0][station] -= shear.cant[0][station];
    results.SpanDeflection[station] -= shear.span[station];
    results.CantDeflection[1][station] -= shear.cant[1][station];
  }
}

}  // namespace

void UnitLoadDiagram(int i, double L, int N, std::span<double> row) {
  const double xi = i * L / N;
  const double leftShare = (L - xi) / L;
  const double rightShare = xi / L;
  for (int j = 0; j <= N; ++j) {
    const double xj = j * L / N;
    row[static_cast<std::size_t>(j)] = xj <= xi ? leftShare * xj : rightShare * (L - xj);
  }
}

void Deflections(const BeamModel& model, const DeflectionInputs& inputs, BeamResults& results) {
  SpanDeflections(inputs, results);
  CantileverDeflections(inputs, results);
  results.SpanPeakDeflection = 0;
  for (int i = 0; i <= inputs.N; ++i) {
    const double magnitude = std::fabs(results.SpanDeflection[static_cast<std::size_t>(i)]);
    if (magnitude > results.SpanPeakDeflection) results.SpanPeakDeflection = magnitude;
  }
  if (model.DesignCode == DesignCode::BS5268 && inputs.shear != nullptr) {
    SubtractShearDeflections(*inputs.shear, inputs.N, results);
  }
}

}  // namespace trabeo
