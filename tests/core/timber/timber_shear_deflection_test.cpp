#include "timber/timber_shear_deflection.h"

#include <gtest/gtest.h>

#include "core/engine/beam_builder.h"

namespace trabeo {
namespace {

using testing::Analysed;
using testing::BeamBuilder;

constexpr double kGA = 5625000;  // 75 x 200 C24: 150 cm2 x 7200 / 16 / 1.2

// The shear deflections as worked out at the service pass, for a timber beam.
struct ShearRun {
  TimberShearDeflection shear;
  std::unique_ptr<Analysed> analysed;

  explicit ShearRun(const BeamModel& model, float GA = kGA) {
    AnalysisHooks hooks;
    hooks.timberShearDeflection = [&](const BeamModel&, const AnalysisState& state) {
      shear = ComputeTimberShearDeflection(state, GA);
      return ToShearDeflections(shear);
    };
    analysed = std::make_unique<Analysed>(model, hooks);
  }
};

// Simply supported span under a uniform load w: the shear deflection at mid-span is the
// mid-span moment over the shear stiffness, w L^2 / (8 GA/Kform). The integration steps of
// L / 200 on the shear line fall short of it by one step's half triangle, 1 % at mid-span.
TEST(TimberShearDeflectionTest, UniformLoadOnASimpleSpanMatchesTheClosedForm) {
  const double L = 4000, w = 1.5, E = 7200, I = 5e7;
  const ShearRun run(BeamBuilder(L, E, I).Code(DesignCode::BS5268).Udl(0, L, w, w).Build());
  const double closedForm = w * L * L / (8 * kGA);
  EXPECT_NEAR(-run.shear.SpanShearDeflection[10], closedForm, 0.011 * closedForm);
  EXPECT_GT(-run.shear.SpanShearDeflection[10], 0.985 * closedForm);
  EXPECT_NEAR(run.shear.SpanShearDeflection[5], run.shear.SpanShearDeflection[15], 1e-6);
  EXPECT_EQ(run.shear.SpanShearDeflection[0], 0);
  EXPECT_EQ(run.shear.SpanShearDeflection[20], 0);
  EXPECT_EQ(run.shear.ShearRotationL, 0);  // no cantilevers
  EXPECT_EQ(run.shear.ShearRotationR, 0);

  // The listing's mid-span deflection is bending plus shear: 5 w L^4 / (384 E I) + the above.
  const double bending = 5 * w * L * L * L * L / (384 * E * I);
  EXPECT_NEAR(run.analysed->r().SpanDeflection[10], bending - run.shear.SpanShearDeflection[10],
              1e-6);
  EXPECT_NEAR(run.analysed->r().SpanDeflection[10], bending + closedForm, 0.011 * closedForm);
  // The peak used for the ratios of other codes stays the bending deflection.
  EXPECT_NEAR(run.analysed->r().SpanPeakDeflection, bending, 1e-9);
}

// A central point load makes the shear constant on each half: the steps integrate it exactly,
// P L / (4 GA/Kform) at mid-span and a straight line to each support.
TEST(TimberShearDeflectionTest, CentralPointLoadIsIntegratedExactly) {
  const double L = 3000, P = 6000;
  const ShearRun run(BeamBuilder(L, 7200, 5e7).Code(DesignCode::BS5268).Point(L / 2, P).Build());
  EXPECT_NEAR(run.shear.SpanShearDeflection[10], -P * L / (4 * kGA), 1e-6);
  EXPECT_NEAR(run.shear.SpanShearDeflection[5], -P * L / (8 * kGA), 1e-6);
  EXPECT_NEAR(run.shear.SpanShearDeflection[15], -P * L / (8 * kGA), 1e-6);
}

// A tip load P on a cantilever of length a: the cantilever's own shear deflection P a / GA, and
// the span's shear under the support moment P a turns the cantilever by P a / (L GA).
TEST(TimberShearDeflectionTest, CantileverTipLoadAddsTheSpanShearRotation) {
  const double L = 4000, a = 1000, P = 2000;
  const ShearRun lh(
      BeamBuilder(L, 7200, 5e7).Code(DesignCode::BS5268).LhCantilever(a).Point(0, P).Build());
  EXPECT_NEAR(lh.shear.ShearRotationL, P * a / (L * kGA), 1e-12);
  EXPECT_NEAR(lh.shear.CantShearDeflection[0][20], -P * a / kGA * (1 + a / L), 1e-6);
  EXPECT_NEAR(lh.shear.CantShearDeflection[0][10], -P * a / 2 / kGA * (1 + a / L), 1e-6);
  for (float value : lh.shear.SpanShearDeflection)
    EXPECT_EQ(value, 0);  // no load on the span

  const ShearRun rh(
      BeamBuilder(L, 7200, 5e7).Code(DesignCode::BS5268).RhCantilever(a).Point(L + a, P).Build());
  EXPECT_NEAR(rh.shear.ShearRotationR, -P * a / (L * kGA), 1e-12);
  EXPECT_NEAR(rh.shear.CantShearDeflection[1][20], -P * a / kGA * (1 + a / L), 1e-6);
  // The tip deflects further down by that amount (the RH row is downward positive).
  const ShearRun plain(BeamBuilder(L, 7200, 5e7).RhCantilever(a).Point(L + a, P).Build());
  EXPECT_NEAR(rh.analysed->r().TipDeflections[11] - plain.analysed->r().TipDeflections[11],
              -P * a / kGA * (1 + a / L), 1e-6);
}

TEST(TimberShearDeflectionTest, NoShearStiffnessGivesNoShearDeflection) {
  const ShearRun run(
      BeamBuilder(4000, 7200, 5e7).Code(DesignCode::BS5268).Udl(0, 4000, 1, 1).Build(), 0.0f);
  for (float value : run.shear.SpanShearDeflection)
    EXPECT_EQ(value, 0);
}

}  // namespace
}  // namespace trabeo
