// Closed-form checks of the span solution: reactions, end moments, shears, moments and
// deflections for the classic cases, through the whole analysis.
#include "engine/span_solution.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/engine/beam_builder.h"

namespace trabeo {
namespace {

using testing::Analysed;
using testing::BeamBuilder;

constexpr double E = 200000;
constexpr double I = 1e8;
constexpr double L = 10000;

double Relative(double expected) {
  return std::fabs(expected) * 1e-9;
}

TEST(SpanSolutionTest, SimplySupportedCentralPointLoad) {
  const double P = 1000;
  const Analysed a(BeamBuilder(L, E, I).Point(L / 2, P).Build());
  EXPECT_NEAR(a.r().SpanMoment[100], P * L / 4, Relative(P * L / 4));
  EXPECT_NEAR(a.r().SpanDeflection[10], P * L * L * L / (48 * E * I), 1e-12);
  EXPECT_NEAR(a.r().SpanShear[0], P / 2, 1e-9);
  EXPECT_NEAR(a.r().SpanShear[200], -P / 2, 1e-9);
  EXPECT_NEAR(a.r().Reactions[0], P / 2, 1e-9);
  EXPECT_NEAR(a.r().Reactions[1], P / 2, 1e-9);
  EXPECT_LT(a.r().EndRotation[0], 0);
  EXPECT_GT(a.r().EndRotation[1], 0);
}

TEST(SpanSolutionTest, SimplySupportedUniformLoadDeflectsAsSimpsonsRuleGives) {
  const Analysed a(BeamBuilder(L, E, I).Udl(0, L, 1, 1).Build());
  EXPECT_NEAR(a.r().SpanMoment[100], L * L / 8, Relative(L * L / 8));
  EXPECT_NEAR(a.r().SpanDeflection[10], 5 * L * L * L * L / (384 * E * I), 1e-12);
  EXPECT_NEAR(a.r().SpanDeflection[10], 6.5104, 5e-5);
  // The unit load's kink falls inside a Simpson pair at odd stations.
  EXPECT_NEAR(a.r().SpanDeflection[5], 4.6583, 5e-5);
  EXPECT_EQ(a.r().SpanDeflection[0], 0);
  EXPECT_EQ(a.r().SpanDeflection[20], 0);
}

TEST(SpanSolutionTest, BothEndsFixedUniformLoad) {
  const double w = 2;
  const Analysed a(BeamBuilder(L, E, I).Fixed(true, true).Udl(0, L, w, w).Build());
  const double endMoment = w * L * L / 12;
  EXPECT_NEAR(a.r().EndMomentL, endMoment, endMoment * 1e-9);
  EXPECT_NEAR(a.r().EndMomentR, -endMoment, endMoment * 1e-9);
  EXPECT_NEAR(a.r().SpanMoment[100], w * L * L / 24, endMoment * 1e-9);
  EXPECT_NEAR(a.r().SpanMoment[0], -endMoment, endMoment * 1e-9);
  EXPECT_NEAR(a.r().EndRotation[0], 0, 1e-9);
  EXPECT_NEAR(a.r().EndRotation[1], 0, 1e-9);
  EXPECT_NEAR(a.r().Reactions[0], w * L / 2, 1e-6);
  EXPECT_NEAR(a.r().SpanDeflection[10], w * std::pow(L, 4) / (384 * E * I), 1e-9);
}

TEST(SpanSolutionTest, ProppedCantileverUniformLoad) {
  const double w = 1;
  const Analysed a(BeamBuilder(L, E, I).Fixed(true, false).Udl(0, L, w, w).Build());
  EXPECT_NEAR(a.r().EndMomentL, w * L * L / 8, 1e-3);
  EXPECT_NEAR(a.r().Reactions[0], 5 * w * L / 8, 1e-6);
  EXPECT_NEAR(a.r().Reactions[1], 3 * w * L / 8, 1e-6);
  EXPECT_NEAR(a.r().EndMomentR, 0, 1e-3);
  // Largest sagging moment 9 w L^2 / 128 at 3L/8 from the pinned end (station 125).
  EXPECT_NEAR(a.r().SpanMoment[125], 9 * w * L * L / 128, 1e-3);
}

TEST(SpanSolutionTest, ProppedCantileverCentralPointLoad) {
  const double P = 5000;
  const Analysed a(BeamBuilder(L, E, I).Fixed(false, true).Point(L / 2, P).Build());
  EXPECT_NEAR(a.r().EndMomentR, -3 * P * L / 16, 1e-3);
  EXPECT_NEAR(a.r().Reactions[1], 11 * P / 16, 1e-6);
  EXPECT_NEAR(a.r().Reactions[0], 5 * P / 16, 1e-6);
  EXPECT_NEAR(a.r().SpanMoment[100], 5 * P * L / 32, 1e-3);
}

TEST(SpanSolutionTest, FixedEndMomentsOfEachLoadShape) {
  struct Case {
    const char* name;
    Resultant load;
    double FL, FR;
  };
  const double W = 600;
  const double a = 3000;
  const double b = L - a;
  const std::vector<Case> cases{
      {"point",
       {W, kPointLoad, static_cast<float>(a), 0},
       W * a * b * b / (L * L),
       W * a * a * b / (L * L)},
      {"full uniform", {W, kUniformLoad, 0, static_cast<float>(L)}, W * L / 12, W * L / 12},
      {"full rising triangle", {W, kRisingLoad, 0, static_cast<float>(L)}, W * L / 15, W * L / 10},
      {"full falling triangle",
       {W, kFallingLoad, 0, static_cast<float>(L)},
       W * L / 10,
       W * L / 15},
  };
  for (const Case& c : cases) {
    ResultantList list;
    list.entries[0] = c.load;
    list.count = 1;
    const FixedEndMoments fem = SpanFixedEndMoments(list, L);
    EXPECT_NEAR(fem.FL, c.FL, Relative(c.FL)) << c.name;
    EXPECT_NEAR(fem.FR, c.FR, Relative(c.FR)) << c.name;
  }
}

TEST(SpanSolutionTest, PartialUniformLoadOnSimpleSpan) {
  // 3 N/mm from 2 m to 5 m: 9 kN with its centroid at 3.5 m.
  const Analysed a(BeamBuilder(L, E, I).Udl(2000, 3000, 3, 3).Build());
  const double W = 9000;
  const double RL = W * (L - 3500) / L;
  EXPECT_NEAR(a.r().Reactions[0], RL, 1e-6);
  EXPECT_NEAR(a.r().Reactions[1], W - RL, 1e-6);
  EXPECT_NEAR(a.r().SpanShear[40], RL, 1e-6);          // at 2 m, the start of the load
  EXPECT_NEAR(a.r().SpanShear[100], -(W - RL), 1e-6);  // at 5 m, its end
  // Moment at 3.5 m: RL x - w (x - a)^2 / 2.
  EXPECT_NEAR(a.r().SpanMoment[70], RL * 3500 - 3 * 1500.0 * 1500 / 2, 1e-3);
}

TEST(SpanSolutionTest, TriangularLoadOnSimpleSpan) {
  // Rising from 0 to 6 N/mm over the whole span: reactions W/3 and 2W/3.
  const Analysed a(BeamBuilder(L, E, I).Udl(0, L, 0, 6).Build());
  const double W = 30000;
  EXPECT_NEAR(a.r().Reactions[0], W / 3, 1e-6);
  EXPECT_NEAR(a.r().Reactions[1], 2 * W / 3, 1e-6);
  // Moment at x: W x / 3 (1 - x^2 / L^2); at mid-span W L / 8.
  EXPECT_NEAR(a.r().SpanMoment[100], W * L / 8, 1e-3);
}

TEST(SpanSolutionTest, EqualFactorsGiveTheSameShearAndMomentInBothPasses) {
  const BeamModel model =
      BeamBuilder(L, E, I).Fixed(true, false).Point(3000, 800).Udl(0, L, 1, 3).Build();
  auto state = std::make_unique<AnalysisState>();
  RunAnalysis(model, *state);
  // Rerun the service pass's statics alone by analysing with N = 20 stations.
  const ResolvedLoads loads = ResolveLoads(model);
  const PassResultants resultants = BuildResultants(model, loads, false);
  std::array<double, 21> shear{}, moment{};
  std::array<float, 21> cant[4]{};
  std::array<float, kSegmentSlots * 21> perLoad{};
  StationArrays stations{20, shear, moment, {cant[0], cant[1]}, {cant[2], cant[3]}, perLoad, 21};
  const SpanStiffnessTerms s = SpanStiffness(I / L, model.LhSupportKind, model.RhSupportKind);
  const FixedEndMoments fem = SpanFixedEndMoments(resultants.lists[kSpanSegment], L);
  const EndMoments ends = SolveEndMoments(s, SpanLoadTerms(fem, 0, 0), fem);
  SpanStatics(ends, resultants.lists[kSpanSegment], L, stations);
  for (int k = 0; k <= 20; ++k) {
    EXPECT_NEAR(shear[static_cast<std::size_t>(k)],
                state->results.SpanShear[static_cast<std::size_t>(10 * k)], 1e-6);
    EXPECT_NEAR(moment[static_cast<std::size_t>(k)],
                state->results.SpanMoment[static_cast<std::size_t>(10 * k)], 1e-3);
  }
}

}  // namespace
}  // namespace trabeo
