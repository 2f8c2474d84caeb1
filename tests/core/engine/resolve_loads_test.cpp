#include "engine/segment_loads.h"

#include <gtest/gtest.h>

#include "core/engine/beam_builder.h"

namespace trabeo {
namespace {

using testing::BeamBuilder;

const SegmentLoad& Load(const ResolvedLoads& loads, int segment, int index) {
  return loads.lists[static_cast<std::size_t>(segment)].slots[static_cast<std::size_t>(index)];
}

int Count(const ResolvedLoads& loads, int segment) {
  return loads.lists[static_cast<std::size_t>(segment)].count;
}

TEST(ResolveLoadsTest, PointLoadAtASupportGoesToThatSupportOnly) {
  // Total length 10 m, so the tolerance is 1 mm.
  const BeamModel model = BeamBuilder(10000).Point(0, 1000, 1.5).Point(10000.5, 2000, 2).Build();
  const ResolvedLoads loads = ResolveLoads(model);
  EXPECT_EQ(Count(loads, kSpanSegment), 0);
  EXPECT_FLOAT_EQ(loads.SupportPointLoads[0][0], 1500);
  EXPECT_FLOAT_EQ(loads.SupportPointLoads[1][1], 4000);
  EXPECT_FLOAT_EQ(loads.TotalAppliedLoad, 5500);
}

TEST(ResolveLoadsTest, ToleranceDecidesBetweenCantileverAndSupport) {
  // Span 8 m and RH cantilever 2 m: total 10 m, tolerance 1 mm, RH support at 8000.
  const double beyond = 0.0005 * 10000;   // 0.05 % of the length: on the cantilever
  const double within = 0.00005 * 10000;  // 0.005 %: taken by the support
  const BeamModel model = BeamBuilder(8000)
                              .RhCantilever(2000)
                              .Point(8000 + beyond, 100)
                              .Point(8000 + within, 200)
                              .Build();
  const ResolvedLoads loads = ResolveLoads(model);
  ASSERT_EQ(Count(loads, kRhSegment), 1);
  EXPECT_EQ(Load(loads, kRhSegment, 0).LoadType, kPointLoad);
  EXPECT_NEAR(Load(loads, kRhSegment, 0).Offset, beyond, 1e-3);
  EXPECT_FLOAT_EQ(loads.SupportPointLoads[1][1], 200);
  EXPECT_EQ(Count(loads, kSpanSegment), 0);
}

TEST(ResolveLoadsTest, UdlOverTheWholeBeamSplitsAtBothSupports) {
  // Rate 1 at x = 0 rising to 11 at x = 10000 across LH 2 m, span 6 m, RH 2 m.
  const BeamModel model =
      BeamBuilder(6000).LhCantilever(2000).RhCantilever(2000).Udl(0, 10000, 1, 11).Build();
  const ResolvedLoads loads = ResolveLoads(model);
  // Each trapezoid becomes a uniform part and a triangle.
  ASSERT_EQ(Count(loads, kLhSegment), 2);
  ASSERT_EQ(Count(loads, kSpanSegment), 2);
  ASSERT_EQ(Count(loads, kRhSegment), 2);

  // LH cantilever after mirroring: near end at the support (rate 3), far end at the tip (rate 1).
  const SegmentLoad& lhUniform = Load(loads, kLhSegment, 0);
  const SegmentLoad& lhTriangle = Load(loads, kLhSegment, 1);
  EXPECT_EQ(lhUniform.LoadType, kUniformLoad);
  EXPECT_DOUBLE_EQ(lhUniform.Intensity, 1);
  EXPECT_DOUBLE_EQ(lhUniform.Offset, 0);
  EXPECT_DOUBLE_EQ(lhUniform.Cover, 2000);
  EXPECT_EQ(lhTriangle.LoadType, kFallingLoad);
  EXPECT_DOUBLE_EQ(lhTriangle.Intensity, 2);
  EXPECT_DOUBLE_EQ(lhTriangle.EndIntensity, 0);

  const SegmentLoad& spanUniform = Load(loads, kSpanSegment, 0);
  const SegmentLoad& spanTriangle = Load(loads, kSpanSegment, 1);
  EXPECT_DOUBLE_EQ(spanUniform.Intensity, 3);
  EXPECT_DOUBLE_EQ(spanUniform.Cover, 6000);
  EXPECT_EQ(spanTriangle.LoadType, kRisingLoad);
  EXPECT_DOUBLE_EQ(spanTriangle.EndIntensity, 6);

  const SegmentLoad& rhUniform = Load(loads, kRhSegment, 0);
  EXPECT_DOUBLE_EQ(rhUniform.Offset, 0);
  EXPECT_DOUBLE_EQ(rhUniform.Intensity, 9);
  EXPECT_DOUBLE_EQ(Load(loads, kRhSegment, 1).EndIntensity, 2);
  EXPECT_FLOAT_EQ(loads.TotalAppliedLoad, 60000);
}

TEST(ResolveLoadsTest, TrapezoidsSplitIntoUniformAndTriangleBothWays) {
  const BeamModel model = BeamBuilder(10000).Udl(1000, 4000, 2, 5).Udl(2000, 3000, 5, 2).Build();
  const ResolvedLoads loads = ResolveLoads(model);
  ASSERT_EQ(Count(loads, kSpanSegment), 4);
  // Primary slots keep their rows' order; the triangles follow in the order they were split.
  EXPECT_EQ(Load(loads, kSpanSegment, 0).LoadType, kUniformLoad);
  EXPECT_DOUBLE_EQ(Load(loads, kSpanSegment, 0).Intensity, 2);
  EXPECT_DOUBLE_EQ(Load(loads, kSpanSegment, 1).Intensity, 5);
  EXPECT_EQ(Load(loads, kSpanSegment, 2).LoadType, kRisingLoad);
  EXPECT_DOUBLE_EQ(Load(loads, kSpanSegment, 2).EndIntensity, 3);
  EXPECT_DOUBLE_EQ(Load(loads, kSpanSegment, 2).Offset, 1000);
  EXPECT_DOUBLE_EQ(Load(loads, kSpanSegment, 3).EndIntensity, -3);
  EXPECT_DOUBLE_EQ(Load(loads, kSpanSegment, 3).Cover, 3000);
}

TEST(ResolveLoadsTest, TriangleRisingTowardsTheLhSupportIsHeldFalling) {
  const BeamModel model = BeamBuilder(6000).LhCantilever(2000).Udl(0, 2000, 0, 4).Build();
  const ResolvedLoads loads = ResolveLoads(model);
  ASSERT_EQ(Count(loads, kLhSegment), 1);
  const SegmentLoad& load = Load(loads, kLhSegment, 0);
  EXPECT_EQ(load.LoadType, kFallingLoad);
  EXPECT_DOUBLE_EQ(load.Intensity, 4);
  EXPECT_DOUBLE_EQ(load.EndIntensity, 0);
  EXPECT_DOUBLE_EQ(load.Offset, 0);
}

TEST(ResolveLoadsTest, LhCantileverOffsetsAreMeasuredLeftwardsFromTheSupport) {
  const BeamModel model =
      BeamBuilder(6000).LhCantilever(2000).Point(500, 10).Udl(200, 600, 3, 3).Build();
  const ResolvedLoads loads = ResolveLoads(model);
  ASSERT_EQ(Count(loads, kLhSegment), 2);
  EXPECT_DOUBLE_EQ(Load(loads, kLhSegment, 0).Offset, 1500);
  EXPECT_DOUBLE_EQ(Load(loads, kLhSegment, 1).Offset, 1200);  // 2000 - 200 - 600
}

TEST(ResolveLoadsTest, ZeroLoadsAndUnappliedRowsAreDropped) {
  BeamBuilder builder(5000);
  builder.Udl(0, 5000, 0, 0).Point(1000, 0);
  builder.Row(3, {kPointLoadKind, 2000, 500, 0, 0, 1, 0, 0});        // not applied
  builder.Row(4, {0, 2000, 500, 0, 0, 1, 1, 0});                     // empty kind
  builder.Row(26, {kDistributedLoadKind, 0, 1, 1, 5000, 1, -1, 0});  // self weight switched off
  const ResolvedLoads loads = ResolveLoads(builder.Build());
  EXPECT_EQ(Count(loads, kSpanSegment), 0);
  EXPECT_FLOAT_EQ(loads.TotalAppliedLoad, 0);
}

TEST(ResolveLoadsTest, LoadsOffTheBeamCountInTheTotalOnly) {
  // A point load beyond the RH end, and a UDL on the RH cantilever running past its end.
  const BeamModel model =
      BeamBuilder(4000).RhCantilever(1000).Point(6000, 100).Udl(4500, 1000, 1, 1).Build();
  const ResolvedLoads loads = ResolveLoads(model);
  EXPECT_EQ(Count(loads, kRhSegment), 0);
  EXPECT_FLOAT_EQ(loads.TotalAppliedLoad, 1100);
}

TEST(ResolveLoadsTest, ValuesPassThroughSinglePrecision) {
  // A position whose LH-cantilever split point is not a single-precision number.
  const BeamModel model = BeamBuilder(3000).LhCantilever(1000).Udl(0, 3000, 1, 2).Build();
  const ResolvedLoads loads = ResolveLoads(model);
  for (int segment = kLhSegment; segment <= kSpanSegment; ++segment) {
    for (int i = 0; i < Count(loads, segment); ++i) {
      const SegmentLoad& load = Load(loads, segment, i);
      EXPECT_EQ(load.EndIntensity, static_cast<float>(load.EndIntensity));
      EXPECT_EQ(load.Intensity, static_cast<float>(load.Intensity));
    }
  }
  // Start rate on the span: 1 + (2 - 1) * 1000 / 3000, through single precision.
  EXPECT_EQ(Load(loads, kSpanSegment, 0).Intensity, static_cast<float>(1.0 + 1.0 / 3.0));
}

}  // namespace
}  // namespace trabeo
