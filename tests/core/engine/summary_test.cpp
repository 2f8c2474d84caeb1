// The summary: extremes over the whole beam, the governing span moment, tip deflections, the
// stored copies and the diagram polylines.
#include "engine/summary.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/engine/beam_builder.h"

namespace trabeo {
namespace {

using testing::Analysed;
using testing::BeamBuilder;

TEST(SummaryTest, ExtremesCoverCantileversAndSpan) {
  // LH cantilever 2 m with a 1 kN tip load, span 6 m with 2 N/mm.
  const Analysed a(
      BeamBuilder(6000).LhCantilever(2000).Point(0, 1000).Udl(2000, 6000, 2, 2).Build());
  const BeamResults& r = a.r();
  const double R0 = 1000 * 8000.0 / 6000 + 6000;  // moments about the RH support
  EXPECT_NEAR(r.Reactions[0], R0, 1e-6);
  // Largest shear: just right of the LH support, R0 - 1000.
  EXPECT_NEAR(r.ShearExtremes[1], R0 - 1000, 1e-6);
  EXPECT_NEAR(r.ShearExtremes[2], -(13000 - R0), 1e-6);
  EXPECT_NEAR(r.ShearExtremes[0], R0 - 1000, 1e-6);
  EXPECT_NEAR(r.MomentExtremes[1], -2e6, 1e-6);
  EXPECT_GT(r.MomentExtremes[2], 0);
  EXPECT_NEAR(r.SegmentPeaks[0][0], 1000, 1e-3);
  EXPECT_NEAR(r.SegmentPeaks[1][0], 2e6, 1);
  EXPECT_NEAR(r.SegmentPeaks[0][10], R0 - 1000, 1e-2);
  EXPECT_EQ(r.SegmentPeaks[0][11], 0);
  EXPECT_NEAR(r.SupportShears[0], R0 - 1000, 1e-6);
  EXPECT_NEAR(r.SupportShears[1], -(13000 - R0), 1e-6);
}

TEST(SummaryTest, DeflectionExtremesSignsAndTips) {
  // The RH cantilever rises while the span sags.
  const Analysed a(BeamBuilder(6000).RhCantilever(2000).Udl(0, 6000, 2, 2).Build());
  const BeamResults& r = a.r();
  EXPECT_LT(r.DeflectionExtremes[1], 0);  // minus the largest downward deflection
  EXPECT_GT(r.DeflectionExtremes[2], 0);  // the largest upward deflection
  EXPECT_NEAR(r.DeflectionExtremes[1], -r.SpanDeflection[10], 1e-12);
  EXPECT_NEAR(r.DeflectionExtremes[2], -r.CantDeflection[1][20], 1e-12);
  EXPECT_NEAR(r.TipDeflections[1], -r.SpanDeflection[10], 1e-12);
  EXPECT_NEAR(r.TipDeflections[11], -r.CantDeflection[1][20], 1e-12);
  EXPECT_EQ(r.SpanPeakDeflection, r.SpanDeflection[10]);
}

TEST(SummaryTest, GoverningSpanMomentIsTheFurthestFromTheEndsMean) {
  // Fixed ends under a uniform load: the mid-span sagging moment governs.
  const Analysed fixed(BeamBuilder(6000).Fixed(true, true).Udl(0, 6000, 1, 1).Build());
  EXPECT_NEAR(fixed.r().SpanMomentProfile[1], 6000.0 * 6000 / 24, 1e-3);
  EXPECT_EQ(fixed.r().SpanMomentProfile[0], fixed.r().SpanMoment[0]);
  // A moment falling linearly from the LH support: the extreme is an end moment, so 0.
  const Analysed linear(BeamBuilder(6000).LhCantilever(2000).Point(0, 1000).Build());
  EXPECT_EQ(linear.r().SpanMomentProfile[1], 0);
  EXPECT_NEAR(linear.r().SpanMomentProfile[0], -2e6, 1e-6);
}

TEST(SummaryTest, StoredCopiesKeepTheSupportOutwardsOrder) {
  const Analysed a(BeamBuilder(6000).LhCantilever(2000).Point(0, 1000).Build());
  const BeamResults& r = a.r();
  EXPECT_FLOAT_EQ(r.StoredCantShear[0][200], 1000);  // load beyond, before the turn
  EXPECT_FLOAT_EQ(r.StoredCantMoment[0][0], -2e6f);  // hogging held negative
  EXPECT_EQ(r.StoredCantDeflection[0][21], 0);
  EXPECT_FLOAT_EQ(r.StoredCantDeflection[0][20], static_cast<float>(-r.CantDeflection[0][0]));
  EXPECT_FLOAT_EQ(r.StoredSpanMoment[0], static_cast<float>(r.SpanMoment[0]));
}

TEST(SummaryTest, ReSummarisingTheStoredCopiesGivesTheSameSummary) {
  // Opening a saved beam restores the arrays from the stored copies and summarises again.
  const BeamModel model = BeamBuilder(6000)
                              .LhCantilever(1500)
                              .RhCantilever(1000)
                              .Point(0, 500)
                              .Udl(0, 8500, 1, 2)
                              .Build();
  const Analysed a(model);
  auto restored = std::make_unique<BeamResults>(a.r());
  BeamResults& r = *restored;
  for (std::size_t k = 0; k < kFactoredStations; ++k) {
    r.SpanShear[k] = r.StoredSpanShear[k];
    r.SpanMoment[k] = r.StoredSpanMoment[k];
  }
  for (std::size_t k = 0; k < kServiceStations; ++k) {
    r.SpanDeflection[k] = r.StoredSpanDeflection[k];
    for (std::size_t row = 0; row < 2; ++row)
      r.CantDeflection[row][k] = r.StoredCantDeflection[row][k];
  }
  r.CantShear = r.StoredCantShear;
  r.CantMoment = r.StoredCantMoment;
  Summarise(model, r);
  EXPECT_NEAR(r.ShearExtremes[0], a.r().ShearExtremes[0], std::fabs(a.r().ShearExtremes[0]) * 1e-6);
  EXPECT_NEAR(r.MomentExtremes[1], a.r().MomentExtremes[1],
              std::fabs(a.r().MomentExtremes[1]) * 1e-6);
  EXPECT_NEAR(r.Reactions[0], a.r().Reactions[0], std::fabs(a.r().Reactions[0]) * 1e-6);
  EXPECT_EQ(r.CantShear[0], a.r().CantShear[0]);
}

TEST(SummaryTest, ShearPolylineIsAStaircaseFromZeroToZero) {
  const Analysed a(BeamBuilder(6000).Point(3000, 1000).Build());
  const Polyline& line = a.r().ShearPolyline;
  // (0,0), the first station, three points per interval, and the drop at the RH end.
  ASSERT_EQ(line.count, 2 + 3 * 200 + 1);
  EXPECT_EQ(line.points[0].x, 0);
  EXPECT_EQ(line.points[0].value, 0);
  EXPECT_NEAR(line.points[1].value, 500, 1e-9);
  // The first interval: along at 500 to half-way, then the (equal) new value.
  EXPECT_NEAR(line.points[2].x, 0.5 / 200, 1e-12);
  EXPECT_NEAR(line.points[4].x, 1.0 / 200, 1e-12);
  const PolylinePoint& last = line.points[static_cast<std::size_t>(line.count - 1)];
  EXPECT_EQ(last.x, 1.0);
  EXPECT_EQ(last.value, 0);
}

TEST(SummaryTest, RhCantileverShearStepsAtTheEarlierStation) {
  const Analysed a(BeamBuilder(6000).RhCantilever(2000).Point(7000, 1000).Build());
  const Polyline& line = a.r().ShearPolyline;
  ASSERT_EQ(line.count, 2 + 3 * (200 + 1 + 200) + 1);
  // The first RH interval starts at the RH support (x = 0.75): its step lies at 0.75.
  const std::size_t firstRh = 2 + 3 * 201;
  EXPECT_NEAR(line.points[firstRh].x, 0.75, 1e-12);
  EXPECT_NEAR(line.points[firstRh + 1].x, 0.75, 1e-12);
}

TEST(SummaryTest, MomentPolylineReturnsToZeroAtAFixedRhEnd) {
  const Analysed pinned(BeamBuilder(6000).Point(3000, 1000).Build());
  const Analysed fixed(BeamBuilder(6000).Fixed(false, true).Point(3000, 1000).Build());
  EXPECT_EQ(pinned.r().MomentPolyline.count, 1 + 201);
  ASSERT_EQ(fixed.r().MomentPolyline.count, 1 + 201 + 1);
  const PolylinePoint& drop = fixed.r().MomentPolyline.points[202];
  EXPECT_EQ(drop.x, 1.0);
  EXPECT_EQ(drop.value, 0);
  EXPECT_LT(fixed.r().MomentPolyline.points[201].value, 0);
}

TEST(SummaryTest, DeflectionPolylineHasTwentyOnePointsPerSegment) {
  const Analysed a(BeamBuilder(6000).LhCantilever(2000).Point(0, 1000).Build());
  const Polyline& line = a.r().DeflectionPolyline;
  ASSERT_EQ(line.count, 42);
  EXPECT_EQ(line.points[0].x, 0);
  EXPECT_GT(line.points[0].value, 0);  // the tip deflects downward: positive on the diagram
  EXPECT_NEAR(line.points[21].x, 0.25, 1e-12);
  EXPECT_EQ(line.points[41].x, 1.0);
}

}  // namespace
}  // namespace trabeo
