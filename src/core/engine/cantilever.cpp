#include "engine/cantilever.h"

namespace trabeo {
namespace {

// Adds one load's effect beyond each station (the load beyond the section and its hogging
// moment about it), x measured from the support outwards, in single precision. Stations beyond
// the load's far end get nothing.
void AddCantileverLoad(const Resultant& load, std::span<const double> xs, std::span<float> shear,
                       std::span<float> moment) {
  const double W = load.W;
  const double a = load.Offset;
  const double c = load.Cover;
  const double t = load.LoadType;
  double centroid = a;  // of a point load
  if (t == kUniformLoad) centroid = a + c / 2;
  if (t == kRisingLoad) centroid = a + 2 * c / 3;
  if (t == kFallingLoad) centroid = a + c / 3;
  const bool known = t == kPointLoad || t == kUniformLoad || t == kRisingLoad || t == kFallingLoad;
  if (!known) return;

  auto add = [&](std::size_t k, double beyond, double arm) {
    shear[k] = static_cast<float>(shear[k] + beyond);
    moment[k] = static_cast<float>(moment[k] + arm);
  };
  const std::size_t count = xs.size();
  std::size_t k = 0;
  for (; k < count && xs[k] <= a; ++k)
    add(k, W, W * (centroid - xs[k]));
  if (t == kPointLoad) return;
  const double q = 2 * W / c;
  for (; k < count && xs[k] <= a + c; ++k) {
    const double s = a + c - xs[k];
    if (t == kUniformLoad) {
      add(k, W * s / c, s * (s * W / c) / 2);
    } else if (t == kRisingLoad) {
      const double r = q - q * s / c;
      add(k, s * (2 * q - q * s / c) / 2, s * r * s / 2 + s * (q - r) / 2 * 2 * s / 3);
    } else {
      add(k, s * (q * s / c) / 2, (s * (q * s / c) / 2) * s / 3);
    }
  }
}

}  // namespace

void CantileverStatics(const PassResultants& resultants, StationArrays& stations) {
  const int N = stations.N;
  for (int row = 0; row < 2; ++row) {
    const double length = resultants.CantLength[static_cast<std::size_t>(row)];
    if (length == 0) continue;
    const std::span<const double> xs = StationPositions(length, N, stations.positions);
    const ResultantList& list = resultants.lists[row == 0 ? kLhSegment : kRhSegment];
    auto& shear = stations.CantShear[static_cast<std::size_t>(row)];
    auto& moment = stations.CantMoment[static_cast<std::size_t>(row)];
    // Load by load: each station adds the loads in list order, in single precision.
    for (int n = 0; n < list.count; ++n) {
      AddCantileverLoad(list.entries[static_cast<std::size_t>(n)], xs, shear, moment);
    }
    if (row == 0) {
      for (int k = 0; k <= N; ++k)
        moment[static_cast<std::size_t>(k)] = -moment[static_cast<std::size_t>(k)];
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
    std::array<double, kMaxStationCount + 1> scratch;
    const std::span<const double> xs = StationPositions(length, N, scratch);
    for (int j = 0; j <= N; ++j) {
      const double xj = xs[static_cast<std::size_t>(j)];
      for (int i = 0; i <= N; ++i) {
        const double xi = xs[static_cast<std::size_t>(i)];
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
