#include "steel/beam_check/compliance.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/beam_project.h"
#include "results/results_listing.h"

namespace trabeo {
namespace {

// A checked beam reduced to what the verdict reads: the part peaks and capacities.
struct Verdict {
  BeamModel model;
  std::unique_ptr<BeamResults> results = std::make_unique<BeamResults>();
  std::unique_ptr<SteelCheckState> check = std::make_unique<SteelCheckState>();

  Verdict() {
    model.MainSpan = {1.0, 3600, 205000, 1e7, 0};
    model.DesignCode = DesignCode::BS5950;
    for (std::size_t p : {0u, 10u, 11u}) {
      check->PartMb[p] = check->PartMc[p] = 1e6f;
      check->PartShearLimit[p] = 1e5f;
      check->PartM[p] = 1;
      check->PartChecked[p] = 1;
    }
  }
  void Cantilevers(double lh, double rh) {
    if (lh > 0) model.LhCantilever = {1.0, lh, 0, 0, 0};
    if (rh > 0) model.RhCantilever = {1.0, rh, 0, 0, 0};
  }
  std::vector<int> Parts() const {
    std::vector<int> parts;
    if (model.LhCantilever.IsPresent()) parts.push_back(0);
    parts.push_back(10);
    if (model.RhCantilever.IsPresent()) parts.push_back(11);
    return parts;
  }
  int32_t State() const { return ComplianceOf(model, *results, Parts(), *check); }
};

// Ratios are judged unrounded: 0.9996 lists as 1.000 and passes; exactly 1 fails.
TEST(ComplianceTest, ARatioOfOneFailsAndJustBelowPasses) {
  Verdict below;
  below.results->SegmentPeaks[1][10] = 999600;
  EXPECT_EQ(below.State(), kComplies);
  Verdict at;
  at.results->SegmentPeaks[1][10] = 1e6f;
  EXPECT_EQ(at.State(), kComplianceFails);
  Verdict shear;
  shear.results->SegmentPeaks[0][10] = 1e5f;
  EXPECT_EQ(shear.State(), kComplianceFails);

  // The listing shows the same ratio with the same verdict.
  below.check->ComplianceState = below.State();
  BeamProject project;
  project.model = below.model;
  auto stores = std::make_unique<ListingStores>();
  CodeCheckListing codeCheck;
  codeCheck.steel.check = below.check.get();
  const ResultsListing listing =
      WriteResultsListing(project, *below.results, UnitSettings{}, codeCheck, *stores);
  EXPECT_NE(std::find(listing.lines.begin(), listing.lines.end(),
                      " Bending Moment = 1.000 x allowable           BENDING MOMENT OK "),
            listing.lines.end());
}

// The deflection limits are the program's constants: the span's 0.002777 (a little below
// 1/360) and 0.005, the LH cantilever's 0.005555 and 0.01, the RH cantilever's 0.00555 and 0.01.
TEST(ComplianceTest, DeflectionLimitsOfSpanAndCantilevers) {
  const struct {
    int part;
    double lengthOverDeflection;
    int32_t state;
  } cases[] = {
      {10, 361, kComplies},
      {10, 360, kCompliesDeflectionOver360},
      {10, 200, kCompliesDeflectionOver360},
      {10, 199, kCompliesDeflectionOver200},
      {0, 180.1, kComplies},
      {11, 180.1, kCompliesDeflectionOver360},
      {0, 179, kCompliesDeflectionOver360},
      {0, 100, kCompliesDeflectionOver360},
      {11, 99, kCompliesDeflectionOver200},
  };
  for (const auto& c : cases) {
    Verdict v;
    v.Cantilevers(1800, 1800);
    const double length = c.part == 10 ? 3600 : 1800;
    v.results->SegmentPeaks[2][static_cast<std::size_t>(c.part)] =
        static_cast<float>(length / c.lengthOverDeflection);
    EXPECT_EQ(v.State(), c.state) << "part " << c.part << ", L/" << c.lengthOverDeflection;
  }
}

}  // namespace
}  // namespace trabeo
