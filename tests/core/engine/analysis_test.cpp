// The analysis driver: messages, the extension points of the code checks, the totals check,
// the bending stress and the factored-row count.
#include "engine/analysis.h"

#include <gtest/gtest.h>

#include "core/engine/beam_builder.h"

namespace trabeo {
namespace {

using testing::Analysed;
using testing::BeamBuilder;

TEST(AnalysisTest, NoBeamMeansNothingRuns) {
  BeamModel model;
  auto state = std::make_unique<AnalysisState>();
  state->results.Reactions = {5, 6};
  const AnalysisReport report = RunAnalysis(model, *state);
  EXPECT_FALSE(report.ran);
  EXPECT_TRUE(report.messages.empty());
  EXPECT_EQ(state->results.Reactions[0], 5);  // nothing cleared either
}

TEST(AnalysisTest, ZeroLoadsReportNoLoadsOnceAndAZeroRatio) {
  const Analysed a(BeamBuilder(5000).Udl(0, 5000, 0, 0).Point(2000, 0).Build());
  ASSERT_EQ(a.report.messages.size(), 2u);
  EXPECT_EQ(a.report.messages[0], "No loads on beam");
  EXPECT_EQ(a.report.messages[1], " ERROR  \n Total applied load / Total support reactions = 0.00");
  EXPECT_FLOAT_EQ(a.r().TotalReactions, 1e-12f);
  EXPECT_EQ(a.r().DeflectionExtremes[0], 0);
}

TEST(AnalysisTest, LoadOffTheBeamIsReportedWithTheRatio) {
  // 1 kN on the span and 1 kN beyond the RH end: applied / reactions = 2.
  const Analysed a(BeamBuilder(5000).Point(2500, 1000).Point(7000, 1000).Build());
  ASSERT_EQ(a.report.messages.size(), 1u);
  EXPECT_EQ(a.report.messages[0], " ERROR  \n Total applied load / Total support reactions = 2.00");
  EXPECT_FLOAT_EQ(a.r().TotalReactions, 1000);
  EXPECT_FLOAT_EQ(a.r().TotalAppliedLoad, 2000);
}

TEST(AnalysisTest, PointLoadOnASupportReachesOnlyItsReaction) {
  const Analysed plain(BeamBuilder(6000).Udl(0, 6000, 1, 1).Build());
  const Analysed withSupportLoad(BeamBuilder(6000).Udl(0, 6000, 1, 1).Point(6000, 500, 2).Build());
  EXPECT_NEAR(withSupportLoad.r().Reactions[1], plain.r().Reactions[1] + 1000, 1e-9);
  EXPECT_NEAR(withSupportLoad.r().Reactions[0], plain.r().Reactions[0], 1e-9);
  EXPECT_EQ(withSupportLoad.r().SpanShear, plain.r().SpanShear);
  EXPECT_EQ(withSupportLoad.r().SpanMoment, plain.r().SpanMoment);
  EXPECT_TRUE(withSupportLoad.report.messages.empty());
}

TEST(AnalysisTest, FactorsApplyToShearAndMomentButNotDeflection) {
  const Analysed unfactored(BeamBuilder(6000).Point(3000, 1000).Build());
  const Analysed factored(BeamBuilder(6000).Point(3000, 1000, 1.5).Build());
  EXPECT_NEAR(factored.r().SpanMoment[100], 1.5 * unfactored.r().SpanMoment[100], 1e-6);
  EXPECT_NEAR(factored.r().Reactions[0], 750, 1e-9);
  EXPECT_EQ(factored.r().SpanDeflection, unfactored.r().SpanDeflection);
  EXPECT_EQ(factored.r().FactoredLoadCount, 1);
  EXPECT_EQ(unfactored.r().FactoredLoadCount, 0);
}

TEST(AnalysisTest, FactoredRowsCountEveryAppliedRowWithAFactorOtherThanOne) {
  LoadTable loads;
  loads.row(1) = {kPointLoadKind, 0, 1, 0, 0, 1.4f, 1, 0};
  loads.row(2) = {kPointLoadKind, 0, 1, 0, 0, 1.4f, 0, 0};  // not applied
  loads.row(3) = {0, 0, 0, 0, 0, 0, 1, 0};                  // empty but applied
  loads.row(26) = {kDistributedLoadKind, 0, 1, 1, 1, 1.0f, 1, 0};
  EXPECT_EQ(CountFactoredLoads(loads), 2);
}

TEST(AnalysisTest, BendingStressFromTheLargestMoment) {
  const Analysed a(BeamBuilder(4000, 200000, 2e7).Fibre(100).Point(2000, 1000).Build());
  EXPECT_FLOAT_EQ(a.r().BendingStress, static_cast<float>(1e6 * 100 / 2e7));
  EXPECT_EQ(BendingStress(1e6, 100, 0), 1e12f);
  EXPECT_EQ(BendingStress(0, 0, 0), 1e12f);
}

TEST(AnalysisTest, TimberShearDeflectionIsSubtractedButNotFromThePeak) {
  const BeamModel model = BeamBuilder(5000).Code(DesignCode::BS5268).Udl(0, 5000, 1, 1).Build();
  AnalysisHooks hooks;
  int calls = 0;
  hooks.timberShearDeflection = [&](const BeamModel&, const AnalysisState& state) {
    ++calls;
    EXPECT_EQ(state.work.StationCount, 20);
    ShearDeflections shear;
    shear.span.fill(0.5);
    return shear;
  };
  const Analysed timber(model, hooks);
  BeamModel plainModel = model;
  plainModel.DesignCode = DesignCode::None;
  const Analysed plain(plainModel, hooks);
  EXPECT_EQ(calls, 1);
  EXPECT_NEAR(timber.r().SpanDeflection[10], plain.r().SpanDeflection[10] - 0.5, 1e-12);
  EXPECT_EQ(timber.r().SpanPeakDeflection, plain.r().SpanPeakDeflection);
}

TEST(AnalysisTest, SteelCheckRunsAfterTheFactoredPassForSteelOnly) {
  AnalysisHooks hooks;
  int calls = 0;
  hooks.steelCheck = [&](const BeamModel&, AnalysisState& state,
                         std::vector<std::string>& messages) {
    ++calls;
    EXPECT_NE(state.results.BendingStress, 0);
    messages.emplace_back("checked");
  };
  const Analysed steel(
      BeamBuilder(5000).Code(DesignCode::BS5950).Fibre(100).Point(2500, 10).Build(), hooks);
  const Analysed none(BeamBuilder(5000).Point(2500, 10).Build(), hooks);
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(steel.report.messages.size(), 1u);
  EXPECT_EQ(steel.report.messages[0], "checked");
}

TEST(AnalysisTest, APreviousBeamLeavesNothingBehind) {
  auto state = std::make_unique<AnalysisState>();
  RunAnalysis(BeamBuilder(5000)
                  .LhCantilever(1000)
                  .RhCantilever(1000)
                  .Point(0, 100)
                  .Point(7000, 100)
                  .Build(),
              *state);
  ASSERT_NE(state->results.LhSupportShear, 0);
  RunAnalysis(BeamBuilder(5000).Point(2500, 100).Build(), *state);
  const BeamResults& r = state->results;
  EXPECT_EQ(r.LhSupportShear, 0);
  EXPECT_EQ(r.SupportShears[2], 0);
  for (std::size_t k = 0; k < kFactoredStations; ++k) {
    EXPECT_EQ(r.CantShear[0][k], 0);
    EXPECT_EQ(r.CantMoment[1][k], 0);
  }
  for (std::size_t k = 0; k < kServiceStations; ++k)
    EXPECT_EQ(r.CantDeflection[0][k], 0);
  EXPECT_NEAR(r.Reactions[0], 50, 1e-9);
}

}  // namespace
}  // namespace trabeo
