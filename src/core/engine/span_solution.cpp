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

// One span load as it acts on a simply supported span: its own reactions, and its shear and
// sagging moment left of it, under it and right of it.
struct SimpleSpanLoad {
  SimpleSpanLoad(const Resultant& load, double spanLength)
      : W(load.W),
        a(load.Offset),
        c(load.Cover),
        t(load.LoadType),
        L(spanLength),
        RL(W * (L - CentroidDistance(load)) / L),
        RR(W - RL) {}

  double W, a, c, t, L;
  double RL, RR;
};

// The stations [first, last) of a run, found with the same comparisons that define it.
struct StationRun {
  std::size_t first, last;
};

template <typename Shear, typename Moment>
void AddRun(StationRun run, std::span<const double> xs, double* shear, double* moment,
            float* loadShear, Shear shearAt, Moment momentAt) {
  for (std::size_t k = run.first; k < run.last; ++k) {
    const double value = shearAt(xs[k]);
    shear[k] += value;
    moment[k] += momentAt(xs[k]);
    loadShear[k] = static_cast<float>(value);
  }
}

// Under the load (a < x < a + c), by the load's shape.
void AddUnderLoad(const SimpleSpanLoad& p, StationRun run, std::span<const double> xs,
                  double* shear, double* moment, float* loadShear) {
  if (p.t == kRisingLoad) {
    AddRun(
        run, xs, shear, moment, loadShear,
        [&](double x) { return p.RL - p.W * Sqr((x - p.a) / p.c); },
        [&](double x) { return p.RL * x - (x - p.a) * p.W * Sqr((x - p.a) / p.c) / 3; });
  } else if (p.t == kFallingLoad) {
    AddRun(
        run, xs, shear, moment, loadShear,
        [&](double x) { return p.W * Sqr((p.c - (x - p.a)) / p.c) - p.RR; },
        [&](double x) {
          const double rest = p.c - (x - p.a);
          return p.RR * (p.L - x) - rest * p.W * Sqr(rest / p.c) / 3;
        });
  } else {
    AddRun(
        run, xs, shear, moment, loadShear, [&](double x) { return p.RL - p.W * (x - p.a) / p.c; },
        [&](double x) { return p.RL * x - p.W * Sqr(x - p.a) / (2 * p.c); });
  }
}

// Shear under the load at a < x <= a + c, for the station exactly at its far end.
double ShearUnder(const SimpleSpanLoad& p, double x) {
  const double u = x - p.a;
  if (p.t == kRisingLoad) return p.RL - p.W * Sqr(u / p.c);
  if (p.t == kFallingLoad) return p.W * Sqr((p.c - u) / p.c) - p.RR;
  return p.RL - p.W * u / p.c;
}

// Adds one load's shear and moment to the stations and records its shear on its own.
void AddSpanLoad(const SimpleSpanLoad& p, std::span<const double> xs, StationArrays& stations,
                 float* loadShear) {
  double* shear = stations.SpanShear.data();
  double* moment = stations.SpanMoment.data();
  const std::size_t count = xs.size();
  const double end = p.a + p.c;
  std::size_t left = 0;
  while (left < count && xs[left] <= p.a)
    ++left;
  std::size_t under = left;
  while (under < count && xs[under] < end)
    ++under;

  AddRun(
      {0, left}, xs, shear, moment, loadShear, [&](double) { return p.RL; },
      [&](double x) { return p.RL * x; });
  AddUnderLoad(p, {left, under}, xs, shear, moment, loadShear);
  std::size_t right = under;
  // A station exactly at the far end takes the shear under the load and the moment beyond it.
  if (right < count && xs[right] == end) {
    AddRun(
        {right, right + 1}, xs, shear, moment, loadShear,
        [&](double x) { return ShearUnder(p, x); }, [&](double x) { return p.RR * (p.L - x); });
    ++right;
  }
  AddRun(
      {right, count}, xs, shear, moment, loadShear, [&](double) { return -p.RR; },
      [&](double x) { return p.RR * (p.L - x); });
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
  const std::span<const double> xs = StationPositions(L, N, stations.positions);
  const double V0 = (ends.EndMomentL + ends.EndMomentR) / L;
  for (int k = 0; k <= N; ++k) {
    stations.SpanShear[static_cast<std::size_t>(k)] = V0;
    stations.SpanMoment[static_cast<std::size_t>(k)] =
        V0 * xs[static_cast<std::size_t>(k)] - ends.EndMomentL;
  }
  // Load by load, so each station still sums the end-moment terms first and then the loads in
  // list order.
  for (int n = 0; n < spanLoads.count; ++n) {
    const SimpleSpanLoad load(spanLoads.entries[static_cast<std::size_t>(n)], L);
    AddSpanLoad(load, xs, stations, stations.LoadShearTable.data() + n * stations.loadShearStride);
  }
}

}  // namespace trabeo
