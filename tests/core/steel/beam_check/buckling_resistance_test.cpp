#include "steel/beam_check/buckling_resistance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace trabeo {
namespace {

constexpr double kE = 205000;

// BS 5950-1:2000 Annex B.2.1 in its own (stress) form, for rolled sections (alphaLT = 7.0):
//   pE = pi^2 E / lambdaLT^2, lambdaL0 = 0.4 sqrt(pi^2 E / py),
//   etaLT = alphaLT (lambdaLT - lambdaL0) / 1000 >= 0, phiLT = (py + (etaLT + 1) pE) / 2,
//   pb = pE py / (phiLT + sqrt(phiLT^2 - pE py)).
double AnnexBBendingStrength(double lambdaLT, double py) {
  const double pi2 = std::numbers::pi * std::numbers::pi;
  const double pE = pi2 * kE / (lambdaLT * lambdaLT);
  const double lambdaL0 = 0.4 * std::sqrt(pi2 * kE / py);
  const double eta = std::max(0.0, 7.0 * (lambdaLT - lambdaL0) / 1000);
  const double phi = (py + (eta + 1) * pE) / 2;
  return pE * py / (phi + std::sqrt(phi * phi - pE * py));
}

// pb as the check works it out, from the buckling resistance moment of a section of unit
// modulus whose lambdaLT is its Le / ry (u = n = 1, and a torsional index so large that v = 1).
double CheckBendingStrength(double lambdaLT, double py) {
  const BucklingSlenderness s = LateralTorsionalSlenderness(lambdaLT, 1, 1, 1e9, 1, kE, py);
  return BucklingResistanceMoment(py, kE, py, s.lambdaLT, s.etaLT);
}

TEST(BucklingResistanceTest, BendingStrengthFollowsAnnexBOfBs5950) {
  const struct { double lambdaLT, py; } cases[] = {{60, 275}, {100, 355}, {150, 275}};
  for (const auto& c : cases) {
    EXPECT_NEAR(CheckBendingStrength(c.lambdaLT, c.py), AnnexBBendingStrength(c.lambdaLT, c.py),
                0.5)
        << "lambdaLT " << c.lambdaLT << ", py " << c.py;
  }
}

// Up to the limiting slenderness 0.4 sqrt(pi^2 E / py) (34.3 for S275) pb is py itself: Table
// 16's plateau. Just beyond it pb falls below py.
TEST(BucklingResistanceTest, BendingStrengthIsPyUpToTheLimitingSlenderness) {
  const double py = 275;
  const double limit = 0.4 * std::sqrt(std::numbers::pi * std::numbers::pi * kE / py);
  EXPECT_NEAR(limit, 34.31, 0.01);
  EXPECT_NEAR(CheckBendingStrength(25, py), py, 1e-9);
  EXPECT_NEAR(CheckBendingStrength(limit, py), py, 0.01);
  EXPECT_LT(CheckBendingStrength(limit + 3, py), py - 1);
  EXPECT_NEAR(CheckBendingStrength(limit + 3, py), AnnexBBendingStrength(limit + 3, py), 0.5);
}

TEST(BucklingResistanceTest, NoSlendernessOrNoRadiusOfGyrationStaysFinite) {
  EXPECT_EQ(BucklingResistanceMoment(1e6, kE, 275, 0, 0), 1e6);  // fully restrained
  const BucklingSlenderness noRadius = LateralTorsionalSlenderness(3000, 0, 0.9, 20, 1, kE, 275);
  EXPECT_EQ(BucklingResistanceMoment(1e6, kE, 275, noRadius.lambdaLT, noRadius.etaLT), 0);
}

}  // namespace
}  // namespace trabeo
