// The fast fraction search against the search it replaces: every q from 3 to 2000 and every p
// from 1 to q, a strictly smaller |t - p/q| replacing the best so far.
#include "results/point_fraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace trabeo {
namespace {

PointFraction ExhaustiveSearch(double t) {
  PointFraction best;
  double bestDistance = 1;
  for (int32_t q = 3; q <= 2000; ++q) {
    for (int32_t p = 1; p <= q; ++p) {
      const double distance = std::fabs(t - static_cast<double>(p) / static_cast<double>(q));
      if (distance < bestDistance) {
        bestDistance = distance;
        best = {p, q};
      }
    }
  }
  return best;
}

TEST(PointFractionTest, ShownCasesTakeTheSmallestDenominator) {
  EXPECT_EQ(NearestPointFraction(0.5), (PointFraction{2, 4}));  // 1/2 has q below 3
  EXPECT_EQ(NearestPointFraction(1.0 / 3), (PointFraction{1, 3}));
  EXPECT_EQ(NearestPointFraction(0.37), (PointFraction{37, 100}));
  EXPECT_EQ(NearestPointFraction(0.25), (PointFraction{1, 4}));
  EXPECT_EQ(NearestPointFraction(0.05), (PointFraction{1, 20}));
  EXPECT_EQ(NearestPointFraction(1.0), (PointFraction{3, 3}));     // the RH cantilever's tip
  EXPECT_EQ(NearestPointFraction(0.0), (PointFraction{1, 2000}));  // p starts at 1
}

// The smallest fraction above p/q with a denominator up to 2000, by exact integer comparison.
std::pair<int64_t, int64_t> UpperNeighbour(int64_t p, int64_t q) {
  int64_t bestP = 1;
  int64_t bestQ = 1;
  for (int64_t d = 1; d <= 2000; ++d) {
    const int64_t c = p * d / q + 1;  // the least c with c/d > p/q
    if (c * bestQ < bestP * d) {
      bestP = c;
      bestQ = d;
    }
  }
  return {bestP, bestQ};
}

// Positions where the two searches could part: exact fractions, every twentieth, both ends,
// and the mid-points between neighbouring fractions, where the tie-break and the rounding of
// the distances decide, with the doubles either side of them.
std::vector<double> HardPositions() {
  std::vector<double> ts{0.0,       1.0,          1e-9,         0.0004999,   0.0005,
                         0.0005001, 0.9995,       0.99975,      1.0 - 1e-12, 1.0 + 1e-7,
                         2.0 / 3,   999.0 / 1999, 1000.0 / 1999};
  for (int k = 1; k < 20; ++k)
    ts.push_back(k / 20.0);
  std::mt19937 random(20240501);
  std::uniform_int_distribution<int> denominator(3, 2000);
  for (int i = 0; i < 40; ++i) {
    const int q = denominator(random);
    const int p = std::uniform_int_distribution<int>(1, q - 1)(random);
    const double value = static_cast<double>(p) / q;
    const auto [nextP, nextQ] = UpperNeighbour(p, q);
    const double middle = (value + static_cast<double>(nextP) / static_cast<double>(nextQ)) / 2;
    for (double t : {middle, std::nextafter(middle, 0.0), std::nextafter(middle, 1.0), value})
      ts.push_back(t);
  }
  return ts;
}

TEST(PointFractionTest, EqualsTheExhaustiveSearch) {
  std::vector<double> ts = HardPositions();
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> anywhere(0.0, 1.0);
  for (int i = 0; i < 80; ++i)
    ts.push_back(anywhere(random));
  for (double t : ts) {
    const PointFraction expected = ExhaustiveSearch(t);
    const PointFraction found = NearestPointFraction(t);
    EXPECT_EQ(found, expected) << "t = " << t << ": " << found.p << "/" << found.q << " against "
                               << expected.p << "/" << expected.q;
  }
}

}  // namespace
}  // namespace trabeo
