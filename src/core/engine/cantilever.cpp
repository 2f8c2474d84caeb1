#include "engine/cantilever.h"

namespace trabeo {
namespace {

struct StationLoadEffect {
  double shear = 0;
  double moment = 0;
};

// The load beyond the section at x and its moment about the section (hogging positive), for
// one resultant; x is measured from the support outwards.
StationLoadEffect EffectBeyond(const Resultant& load, double x) {
  const double W = load.W;
  const double a = load.Offset;
  const double c = load.Cover;
  const double t = load.LoadType;
  if (x <= a) {
    if (t == kPointLoad) return {W, W * (a - x)};
    if (t == kUniformLoad) return {W, W * (a + c / 2 - x)};
    if (t == kRisingLoad) return {W, W * (a + 2 * c / 3 - x)};
    if (t == kFallingLoad) return {W, W * (a + c / 3 - x)};
    return {};
  }
  if (x > a + c || t == kPointLoad) return {};
  const double s = a + c - x;
  if (t == kUniformLoad) return {W * s / c, s * (s * W / c) / 2};
  const double q = 2 * W / c;
  if (t == kRisingLoad) {
    const double r = q - q * s / c;
    return {s * (2 * q - q * s / c) / 2, s * r * s / 2 + s * (q - r) / 2 * 2 * s / 3};
  }
  if (t == kFallingLoad) return {s * (q * s / c) / 2, (s * (q * s / c) / 2) * s / 3};
  return {};
}

}  // namespace

void CantileverStatics(const PassResultants& resultants, StationArrays& stations) {
  const int N = stations.N;
  for (int row = 0; row < 2; ++row) {
    const double length = resultants.CantLength[static_cast<std::size_t>(row)];
    if (length == 0) continue;
    const ResultantList& list = resultants.lists[row == 0 ? kLhSegment : kRhSegment];
    auto& shear = stations.CantShear[static_cast<std::size_t>(row)];
    auto& moment = stations.CantMoment[static_cast<std::size_t>(row)];
    for (int k = 0; k <= N; ++k) {
      const double x = k * length / N;
      const auto station = static_cast<std::size_t>(k);
      for (int n = 0; n < list.count; ++n) {
        const StationLoadEffect effect = EffectBeyond(list.entries[static_cast<std::size_t>(n)], x);
        shear[station] = static_cast<float>(shear[station] + effect.shear);
        moment[station] = static_cast<float>(moment[station] + effect.moment);
      }
      if (row == 0) moment[station] = -moment[station];
    }
  }
}

CantileverInfluenceTables CantileverInfluence(const std::array<double, 2>& cantLength, int N) {
  CantileverInfluenceTables tables;
  tables.N = N;
  for (int row = 0; row < 2; ++row) {
    const double length = cantLength[static_cast<std::size_t>(row)];
    if (length == 0) continue;
    auto& table = tables.table[static_cast<std::size_t>(row)];
    for (int j = 0; j <= N; ++j) {
      const double xj = j * length / N;
      for (int i = 0; i <= N; ++i) {
        const double xi = i * length / N;
        table[static_cast<std::size_t>(j * (N + 1) + i)] = xi <= xj ? xj - xi : 0.0;
      }
    }
  }
  return tables;
}

CantileverBendingDeflection CantileverDeflection(const BeamModel& model,
                                                 const CantileverInfluenceTables& influence,
                                                 const StationArrays& stations, double E,
                                                 double I) {
  CantileverBendingDeflection out;
  const int N = influence.N;
  const SegmentRecord* segments[2] = {&model.LhCantilever, &model.RhCantilever};
  for (int row = 0; row < 2; ++row) {
    if (!segments[row]->IsPresent()) continue;
    const double length = segments[row]->Length;
    const auto& moment = stations.CantMoment[static_cast<std::size_t>(row)];
    // The hogging moment, positive for downward loads on either cantilever.
    const double sign = row == 0 ? -1.0 : 1.0;
    for (int j = 0; j <= N; ++j) {
      double sum = 0;
      for (int i = 0; i <= N; ++i) {
        const double hogging = sign * moment[static_cast<std::size_t>(i)];
        sum += SimpsonWeight(i, N) * hogging * influence.at(row, j, i) / (E * I);
      }
      out.delta[static_cast<std::size_t>(row)][static_cast<std::size_t>(j)] =
          (length / N) / 3 * sum;
    }
  }
  return out;
}

}  // namespace trabeo
