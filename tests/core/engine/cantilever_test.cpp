// Cantilevers: statics, their own bending deflection, and the support rotation added as an angle.
#include "engine/cantilever.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/engine/beam_builder.h"

namespace trabeo {
namespace {

using testing::Analysed;
using testing::BeamBuilder;

constexpr double E = 200000;
constexpr double I = 1e8;

// Cantilever shears and moments are held in single precision.
double SingleTolerance(double expected) {
  return std::fabs(expected) * 2e-7 + 1e-6;
}

TEST(CantileverTest, LhTipLoadHogsTheSupportAndDeflectsTheTipDown) {
  const double P = 2000, Lc = 2000, L = 6000;
  const Analysed a(BeamBuilder(L, E, I).LhCantilever(Lc).Point(0, P).Build());
  const BeamResults& r = a.r();
  // After the summary row 0 runs from the tip (0) to the support (200), hogging positive.
  EXPECT_NEAR(r.CantMoment[0][200], P * Lc, SingleTolerance(P * Lc));
  EXPECT_NEAR(r.CantMoment[0][100], P * Lc / 2, SingleTolerance(P * Lc));
  EXPECT_NEAR(r.CantMoment[0][0], 0, 1e-6);
  EXPECT_NEAR(r.CantShear[0][0], -P, 1e-6);  // the tip load lies to the left of the section
  EXPECT_NEAR(r.CantShear[0][200], -P, 1e-6);
  EXPECT_NEAR(r.EndMomentL, P * Lc, 1e-6);
  EXPECT_NEAR(r.SpanMoment[0], -P * Lc, 1e-6);
  EXPECT_NEAR(r.SpanMoment[100], -P * Lc / 2, 1e-6);
  EXPECT_NEAR(r.SpanMoment[200], 0, 1e-6);
  EXPECT_NEAR(r.Reactions[0], P * (L + Lc) / L, 1e-6);
  EXPECT_NEAR(r.Reactions[1], -P * Lc / L, 1e-6);
  EXPECT_NEAR(r.LhSupportShear, -P, 1e-6);

  // Own bending deflection (Simpson's rule is exact for this quadratic) plus the support's
  // rotation M L / 3EI, added as an angle to the chord.
  const double own = P * Lc * Lc * Lc / (3 * E * I);
  const double rotation = P * Lc * L / (3 * E * I);
  const double tip = Lc * std::tan(std::atan(own / Lc) + rotation);
  EXPECT_NEAR(r.TipDeflections[0], -tip, tip * 1e-9);
  EXPECT_NEAR(r.CantDeflection[0][0], -tip, tip * 1e-9);  // upward positive, tip first
  EXPECT_EQ(r.CantDeflection[0][20], 0);
}

TEST(CantileverTest, RhCantileverRisesUnderSpanLoadOnly) {
  const Analysed a(BeamBuilder(6000, E, I).RhCantilever(1500).Udl(0, 6000, 2, 2).Build());
  EXPECT_LT(a.r().CantDeflection[1][20], 0);
  EXPECT_GT(a.r().TipDeflections[11], 0);  // shown upward positive
  // The slope at the RH support of a simply supported span: w L^3 / 24 EI.
  const double slope = 2 * 6000.0 * 6000 * 6000 / (24 * E * I);
  EXPECT_NEAR(a.r().CantDeflection[1][20], 1500 * std::tan(-slope), 1e-9);
}

TEST(CantileverTest, RhUniformLoadGivesCantileverFormulae) {
  const double w = 3, Lr = 2000;
  const Analysed a(BeamBuilder(5000, E, I).RhCantilever(Lr).Udl(5000, Lr, w, w).Build());
  EXPECT_NEAR(a.r().CantMoment[1][0], w * Lr * Lr / 2, SingleTolerance(w * Lr * Lr / 2));
  EXPECT_NEAR(a.r().CantShear[1][0], w * Lr, 1e-3);
  EXPECT_NEAR(a.r().CantShear[1][100], w * Lr / 2, 1e-3);
  EXPECT_NEAR(a.r().SupportShears[2], w * Lr, 1e-3);
  EXPECT_NEAR(a.r().EndMomentR, -w * Lr * Lr / 2, 1e-3);
  EXPECT_NEAR(a.r().Reactions[0] + a.r().Reactions[1], w * Lr, 1e-6);
}

TEST(CantileverTest, TriangularLoadsOnTheCantileverTakeTheirCentroids) {
  // Falling from 4 at the RH support to 0 at the tip: W = 4000 at Lr / 3 from the support.
  const double Lr = 2000;
  const Analysed falling(BeamBuilder(5000, E, I).RhCantilever(Lr).Udl(5000, Lr, 4, 0).Build());
  EXPECT_NEAR(falling.r().CantMoment[1][0], 4000 * Lr / 3, SingleTolerance(4000 * Lr / 3));
  // Rising to the tip: the centroid lies 2 Lr / 3 out.
  const Analysed rising(BeamBuilder(5000, E, I).RhCantilever(Lr).Udl(5000, Lr, 0, 4).Build());
  EXPECT_NEAR(rising.r().CantMoment[1][0], 4000 * 2 * Lr / 3, SingleTolerance(8000 * Lr / 3));
  // Half-way out, the load beyond is a quarter (falling) or three quarters (rising) of W.
  EXPECT_NEAR(falling.r().CantShear[1][100], 1000, 1e-3);
  EXPECT_NEAR(rising.r().CantShear[1][100], 3000, 1e-3);
}

TEST(CantileverTest, AngleBeyondTheLimitIsHeldAtTheLimit) {
  // A very flexible cantilever under a large tip load.
  const double Lc = 1000;
  const Analysed a(BeamBuilder(3000, 1, 1).LhCantilever(Lc).Point(0, 1e6).Build());
  EXPECT_NEAR(a.r().CantDeflection[0][0], -Lc * std::tan(1.5707), 1e-6);
  EXPECT_NEAR(std::tan(1.5707), 10381.3, 0.1);
}

TEST(CantileverTest, InfluenceTableIsTheMomentOfAUnitLoadBeyond) {
  const CantileverInfluenceTables tables = CantileverInfluence({2000, 0}, 20);
  EXPECT_DOUBLE_EQ(tables.at(0, 20, 0), 2000);
  EXPECT_DOUBLE_EQ(tables.at(0, 10, 5), 500);
  EXPECT_DOUBLE_EQ(tables.at(0, 5, 10), 0);
  EXPECT_DOUBLE_EQ(tables.at(1, 20, 0), 0);
}

}  // namespace
}  // namespace trabeo
