#include "results/point_fraction.h"

#include <array>
#include <cmath>

namespace trabeo {
namespace {

// A fraction in lowest terms, as the Stern-Brocot tree produces them.
struct Ratio {
  int64_t p = 0;
  int64_t q = 1;
};

Ratio Step(Ratio from, Ratio towards, int64_t k) {
  return {from.p + k * towards.p, from.q + k * towards.q};
}

// The sign of t - p/q, exactly: fma rounds t q - p once, and rounding keeps a sign.
int SideOf(double t, Ratio r) {
  const double difference = std::fma(t, static_cast<double>(r.q), -static_cast<double>(r.p));
  return (difference > 0) - (difference < 0);
}

// The largest k >= 1 for which from + k towards (taken as a mediant) still lies on `side` of t,
// within the denominator limit. k = 1 is known to qualify.
int64_t LargestStep(double t, Ratio from, Ratio towards, int side) {
  int64_t good = 1;
  int64_t bad = (kGreatestPointDenominator - from.q) / towards.q + 1;
  while (bad - good > 1) {
    const int64_t mid = good + (bad - good) / 2;
    if (SideOf(t, Step(from, towards, mid)) == side) {
      good = mid;
    } else {
      bad = mid;
    }
  }
  return good;
}

// The fractions of denominator <= 2000 nearest t from below and from above (t itself when it is
// one of them), by descending the Stern-Brocot tree with whole runs of equal steps at once.
struct Neighbours {
  Ratio lower{0, 1};
  Ratio upper{1, 1};
};

Neighbours NeighboursOf(double t) {
  Neighbours n;
  for (;;) {
    const Ratio mediant = Step(n.lower, n.upper, 1);
    if (mediant.q > kGreatestPointDenominator) return n;
    const int side = SideOf(t, mediant);
    if (side == 0) return {mediant, mediant};
    if (side > 0) {
      n.lower = Step(n.lower, n.upper, LargestStep(t, n.lower, n.upper, side));
    } else {
      n.upper = Step(n.upper, n.lower, LargestStep(t, n.upper, n.lower, side));
    }
  }
}

// The search meets a value first with the smallest denominator of at least 3 that holds it.
PointFraction FirstMet(Ratio r) {
  const int64_t k = (kLeastPointDenominator + r.q - 1) / r.q;
  return {static_cast<int32_t>(r.p * k), static_cast<int32_t>(r.q * k)};
}

double DistanceOf(double t, PointFraction f) {
  return std::fabs(t - static_cast<double>(f.p) / static_cast<double>(f.q));
}

bool MetEarlier(PointFraction a, PointFraction b) {
  return a.q < b.q || (a.q == b.q && a.p < b.p);
}

}  // namespace

// Every other fraction of denominator <= 2000 lies beyond one of the two neighbours, at least
// 1 / (2000 x 2000) farther from t: far more than the rounding of a distance (about 1e-16), so
// the search's winner is one of the neighbours, and comparing their distances as the search
// computes them, with its order on a tie, gives the same fraction.
PointFraction NearestPointFraction(double t) {
  const Neighbours n = NeighboursOf(t);
  PointFraction best;
  double bestDistance = 0;
  for (const Ratio& r : std::array<Ratio, 2>{n.lower, n.upper}) {
    if (r.p < 1) continue;  // the search starts at p = 1
    const PointFraction candidate = FirstMet(r);
    const double distance = DistanceOf(t, candidate);
    if (best.q == 0 || distance < bestDistance ||
        (distance == bestDistance && MetEarlier(candidate, best))) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace trabeo
