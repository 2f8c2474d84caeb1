#include "engine/span_solution.h"

namespace trabeo {
namespace {

double Sqr(double value) {
  return value * value;
}

// Distance from the LH support to the load's centroid.
double CentroidDistance(const Resultant& load) {
  const double a = load.Offset;
  const double c = load.Cover;
  if (load.LoadType == kUniformLoad) return a + c / 2;
  if (load.LoadType == kRisingLoad) return a + 2 * c / 3;
  if (load.LoadType == kFallingLoad) return a + c / 3;
  return a;
}

FixedEndMoments LoadFixedEndMoments(const Resultant& load, double L) {
  const double W = load.W;
  const double c = load.Cover;
  const double d = CentroidDistance(load);
  const double e = L - d;
  const double L2 = Sqr(L);
  if (load.LoadType == kPointLoad) return {W * d * Sqr(e) / L2, W * Sqr(d) * e / L2};
  if (load.LoadType == kUniformLoad) {
    return {(d * Sqr(e) + (d - 2 * e) * Sqr(c) / 12) * W / L2,
            (Sqr(d) * e + (e - 2 * d) * Sqr(c) / 12) * W / L2};
  }
  const double c3 = c * c * c / 135;
  if (load.LoadType == kRisingLoad) {
    return {(d * Sqr(e) + (d - 2 * e) * Sqr(c) / 18 - c3) * W / L2,
            (Sqr(d) * e + (e - 2 * d) * Sqr(c) / 18 + c3) * W / L2};
  }
  if (load.LoadType == kFallingLoad) {
    return {(d * Sqr(e) + (d - 2 * e) * Sqr(c) / 18 + c3) * W / L2,
            (Sqr(d) * e + (e - 2 * d) * Sqr(c) / 18 - c3) * W / L2};
  }
  return {};
}

struct StationEffect {
  double shear = 0;
  double moment = 0;
};

// Shear and sagging moment at x of one load on a simply supported span.
StationEffect SimpleSpanEffect(const Resultant& load, double L, double x) {
  const double W = load.W;
  const double a = load.Offset;
  const double c = load.Cover;
  const double t = load.LoadType;
  const double RL = W * (L - CentroidDistance(load)) / L;
  const double RR = W - RL;
  const double u = x - a;

  StationEffect effect;
  if (x <= a) {
    effect.shear = RL;
  } else if (x <= a + c) {
    if (t == kRisingLoad) {
      effect.shear = RL - W * Sqr(u / c);
    } else if (t == kFallingLoad) {
      effect.shear = W * Sqr((c - u) / c) - RR;
    } else {
      effect.shear = RL - W * u / c;
    }
  } else {
    effect.shear = -RR;
  }

  if (x <= a) {
    effect.moment = RL * x;
  } else if (x < a + c) {
    if (t == kRisingLoad) {
      effect.moment = RL * x - u * W * Sqr(u / c) / 3;
    } else if (t == kFallingLoad) {
      effect.moment = RR * (L - x) - (c - u) * W * Sqr((c - u) / c) / 3;
    } else {
      effect.moment = RL * x - W * Sqr(u) / (2 * c);
    }
  } else {
    effect.moment = RR * (L - x);
  }
  return effect;
}

}  // namespace

SpanStiffnessTerms SpanStiffness(double k, int32_t lhSupportKind, int32_t rhSupportKind) {
  SpanStiffnessTerms terms;
  terms.k = k;
  terms.k11 = 4 * k;
  if (lhSupportKind == kFixedSupport) terms.k11 *= 1e14;
  terms.k22 = 4 * k;
  if (rhSupportKind == kFixedSupport) terms.k22 *= 1e14;
  terms.k12 = 2 * k;
  return terms;
}

FixedEndMoments SpanFixedEndMoments(const ResultantList& spanLoads, double L) {
  FixedEndMoments sum;
  for (int n = 0; n < spanLoads.count; ++n) {
    const FixedEndMoments one =
        LoadFixedEndMoments(spanLoads.entries[static_cast<std::size_t>(n)], L);
    sum.FL += one.FL;
    sum.FR += one.FR;
  }
  return sum;
}

LoadTerms SpanLoadTerms(const FixedEndMoments& fem, double lhSupportMoment,
                        double rhSupportMoment) {
  return {-fem.FL - lhSupportMoment, fem.FR - rhSupportMoment};
}

EndMoments SolveEndMoments(const SpanStiffnessTerms& s, const LoadTerms& terms,
                           const FixedEndMoments& fem) {
  EndMoments ends;
  ends.theta2 = (terms.F2 - s.k12 * terms.F1 / s.k11) / (s.k22 - Sqr(s.k12) / s.k11);
  ends.theta1 = (terms.F2 - s.k22 * ends.theta2) / s.k12;
  ends.EndMomentL = s.k * (4 * ends.theta1 + 2 * ends.theta2) + fem.FL;
  ends.EndMomentR = s.k * (2 * ends.theta1 + 4 * ends.theta2) - fem.FR;
  return ends;
}

void SpanStatics(const EndMoments& ends, const ResultantList& spanLoads, double L,
                 StationArrays& stations) {
  const int N = stations.N;
  const double V0 = (ends.EndMomentL + ends.EndMomentR) / L;
  for (int k = 0; k <= N; ++k) {
    const auto station = static_cast<std::size_t>(k);
    const double x = L * k / N;
    double shear = V0;
    double moment = V0 * x - ends.EndMomentL;
    for (int n = 0; n < spanLoads.count; ++n) {
      const StationEffect effect =
          SimpleSpanEffect(spanLoads.entries[static_cast<std::size_t>(n)], L, x);
      shear += effect.shear;
      moment += effect.moment;
      stations.LoadShearTable[static_cast<std::size_t>(n * stations.loadShearStride + k)] =
          static_cast<float>(effect.shear);
    }
    stations.SpanShear[station] = shear;
    stations.SpanMoment[station] = moment;
  }
}

}  // namespace trabeo
