// The results listing: complete listings line by line, the labels chosen by the loads, the
// column decimals, overflowing values, the blocks per design code and the stores' counters.
#include "results/results_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/results/listing_test_support.h"
#include "results/plain_summary.h"
#include "settings/sig_fig.h"

namespace trabeo {
namespace {

using testing::BeamBuilder;
using testing::Listed;
using testing::MillimetreUnits;

void ExpectLines(const ListingLines& actual, const std::vector<std::string>& expected) {
  for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
    EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
  EXPECT_EQ(actual.size(), expected.size());
}

// 6 m simply supported span under 5 kN/m, E = 200000 N/mm2, I = 10000 cm4, in the default units.
BeamModel SimpleUdlBeam() {
  return BeamBuilder(6000, 200000, 1e8).Udl(0, 6000, 5, 5).Fibre(150).Build();
}

TEST(ResultsListingTest, SimpleSpanListsLineByLine) {
  const Listed listed(SimpleUdlBeam());
  // wL/2 = 15 kN, wL2/8 = 22.5 kN-m, 5wL4/384EI = 4.219 mm, stress 22.5e6 x 150 / 1e8.
  ExpectLines(listed.lines(),
              {" Beam Description  ",
               " Length = 6.000 m         Ixx = 10000 cm^4         E = 200000 N/mm^2",
               "",
               " RESULTS",
               "",
               " LH Reaction = 15.00 kN",
               " RH Reaction = 15.00 kN",
               "",
               " Max Shear = 15.00 kN",
               "",
               " Max Sagging Moment = 22.50 kN-m",
               " Max Hogging Moment = 0.000 kN-m",
               " ",
               " Maximum +ve deflection = 0.000 mm",
               " Maximum -ve deflection = -4.219 mm",
               " ",
               " SPAN  deflection/span ratio = 1/1420",
               " ",
               " Maximum Stress = 33.75 N/mm^2",
               "",
               "",
               " ",
               " UDL",
               " No     Distance      Start UDL      Finish UDL      Cover       Load",
               "          (m)          (kN/m)         (kN/m)          (m)        Factor",
               "  1       0.000          5.000          5.000         6.000       1.000",
               "",
               " Point Loads",
               " No      Load          Distance       Load",
               "         (kN)            (m)          Factor",
               "",
               "",
               " RESULTS AT 1/20th SPAN INTERVALS",
               "",
               " SPAN",
               " Interval    Dist          Shear         Moment       Deflection",
               "               (m)          (kN)          (kN-m)          (mm)",
               "  1            0.000        15.000          0.000          0.000",
               "  2            0.300        13.500          4.275         -0.675",
               "  3            0.600        12.000          8.100         -1.324",
               "  4            0.900        10.500         11.475         -1.949",
               "  5            1.200         9.000         14.400         -2.506",
               "  6            1.500         7.500         16.875         -3.019",
               "  7            1.800         6.000         18.900         -3.430",
               "  8            2.100         4.500         20.475         -3.785",
               "  9            2.400         3.000         21.600         -4.018",
               " 10            2.700         1.500         22.275         -4.185",
               " 11            3.000         0.000         22.500         -4.219",
               " 12            3.300        -1.500         22.275         -4.185",
               " 13            3.600        -3.000         21.600         -4.018",
               " 14            3.900        -4.500         20.475         -3.785",
               " 15            4.200        -6.000         18.900         -3.430",
               " 16            4.500        -7.500         16.875         -3.019",
               " 17            4.800        -9.000         14.400         -2.506",
               " 18            5.100       -10.500         11.475         -1.949",
               " 19            5.400       -12.000          8.100         -1.324",
               " 20            5.700       -13.500          4.275         -0.675",
               " 21            6.000       -15.000          0.000          0.000",
               " ",
               "",
               ""});
  EXPECT_EQ(listed.listing.color, colors::kBlack);
}

TEST(ResultsListingTest, CodeWithoutCheckListsOnlyTablesAndIntervals) {
  // BS 449 has no summary block. In millimetres and newtons the large values take no decimals:
  // a number without a point stands as if its point followed its last character. Factored
  // 30 kN at a quarter span gives reactions of 22.5 and 7.5 kN; the deflections are unfactored.
  BeamModel model =
      BeamBuilder(4000, 200000, 1e8).Point(1000, 20000, 1.5).Code(DesignCode::BS449).Build();
  model.Loads.row(2) = model.Loads.row(1);
  model.Loads.row(1) = LoadRecord{};
  const Listed listed(model, MillimetreUnits());
  ExpectLines(listed.lines(),
              {"",
               " ",
               " UDL",
               " No     Distance      Start UDL      Finish UDL      Cover       Load",
               "         (mm)          (N/mm)         (N/mm)         (mm)        Factor",
               "",
               " Point Loads",
               " No      Load          Distance       Load",
               "          (N)           (mm)          Factor",
               "  2   20000           1000             1.50",
               "",
               "",
               " RESULTS AT 1/20th SPAN INTERVALS",
               "",
               " SPAN",
               " Interval    Dist          Shear         Moment       Deflection",
               "              (mm)           (N)          (N-mm)          (mm)",
               "  1            0         22500              0              0.000",
               "  2          200         22500        4500000             -0.176",
               "  3          400         22500        9000000             -0.344",
               "  4          600         22500       13500000             -0.504",
               "  5          800         22500       18000000             -0.640",
               "  6         1000         22500       22500000             -0.760",
               "  7         1200         -7500       21000000             -0.840",
               "  8         1400         -7500       19500000             -0.901",
               "  9         1600         -7500       18000000             -0.928",
               " 10         1800         -7500       16500000             -0.939",
               " 11         2000         -7500       15000000             -0.920",
               " 12         2200         -7500       13500000             -0.888",
               " 13         2400         -7500       12000000             -0.832",
               " 14         2600         -7500       10500000             -0.765",
               " 15         2800         -7500        9000000             -0.680",
               " 16         3000         -7500        7500000             -0.587",
               " 17         3200         -7500        6000000             -0.480",
               " 18         3400         -7500        4500000             -0.368",
               " 19         3600         -7500        3000000             -0.248",
               " 20         3800         -7500        1500000             -0.125",
               " 21         4000         -7500              0              0.000",
               " ",
               "",
               ""});
  EXPECT_EQ(listed.stores->SummaryPrintLines[0], "0");
  EXPECT_EQ(listed.stores->SummaryPrintLines[1], "");
}

TEST(ResultsListingTest, LabelsSayFactoredWhenAnyAppliedFactorIsNotOne) {
  struct Case {
    const char* name;
    double factor;
    std::vector<std::string> prefixes;
  };
  const std::vector<Case> cases{
      {"all factors 1",
       1.0,
       {" LH Reaction = ", " RH Reaction = ", " Max Shear = ", " Max Sagging Moment = ",
        " Max Hogging Moment = "}},
      {"one factor 1.4",
       1.4,
       {" Factored LH Reaction = ", " Factored RH Reaction = ", " Max Factored Shear = ",
        " Max Factored Sagging Moment = ", " Max Factored Hogging Moment = "}},
  };
  for (const Case& c : cases) {
    const Listed listed(
        BeamBuilder(5000).Point(2000, 10000, 1).Udl(0, 5000, 2, 2, c.factor).Fibre(100).Build());
    for (const std::string& prefix : c.prefixes)
      EXPECT_FALSE(listed.Find(prefix).empty()) << c.name << ": " << prefix;
  }
}

TEST(ResultsListingTest, StressLabelFollowsTheLastAppliedRow) {
  struct Case {
    const char* name;
    float userFactor;
    float selfWeightApplied;
    float selfWeightFactor;
    const char* label;
  };
  const std::vector<Case> cases{
      {"user loads at 1, no self weight", 1, 0, 1.4f, " Maximum Stress = "},
      {"self weight last, factor 1.4", 1, 1, 1.4f, " Maximum Factored Elastic Stress = "},
      {"self weight last, factor 1", 1.6f, 1, 1, " Maximum Stress = "},
      {"last row factor 0", 0, 0, 1, " Maximum Stress = "},
      {"last row factor 1.6", 1.6f, 0, 1, " Maximum Factored Elastic Stress = "},
  };
  for (const Case& c : cases) {
    BeamModel model = BeamBuilder(5000).Point(1000, 5000, 1.5).Fibre(100).Build();
    model.Loads.row(2) = {kPointLoadKind, 3000, 5000, 0, 0, c.userFactor, 1, 0};
    model.Loads.row(kSelfWeightRow) = {
        kDistributedLoadKind, 0, 0.3f, 0.3f, 5000, c.selfWeightFactor, c.selfWeightApplied, 0};
    EXPECT_STREQ(StressLabel(model.Loads), c.label) << c.name;
    const Listed listed(model);
    EXPECT_FALSE(listed.Find(c.label).empty()) << c.name;
  }
  EXPECT_STREQ(StressLabel(LoadTable{}), " Maximum Factored Elastic Stress = ");
}

TEST(ResultsListingTest, SelfWeightRowIsLabelledAndKeepsItsFactor) {
  BeamModel model = BeamBuilder(5000).Udl(1000, 2000, 3, 4).Build();
  model.Loads.row(kSelfWeightRow) = {kDistributedLoadKind, 0, 0.5f, 0.5f, 5000, 1.4f, 1, 0};
  const Listed listed(model);
  EXPECT_TRUE(
      listed.Has("  1       1.000          3.000          4.000         2.000       1.000"));
  EXPECT_TRUE(listed.Has(" S/Wt     0.000          0.500          0.500         5.000       1.40"));
}

TEST(ResultsListingTest, CoverColumnDecimalsFollowTheLargestCover) {
  struct Case {
    double cover;
    double span;
    const char* row;
  };
  // 4.5 m has one integer digit: 3 decimals; 12 m has two: 2 decimals.
  const std::vector<Case> cases{
      {4500, 6000, "  1       0.000          2.000          2.000         4.500       1.000"},
      {12000, 12000, "  1       0.000          2.000          2.000        12.00        1.000"},
  };
  for (const Case& c : cases) {
    const Listed listed(BeamBuilder(c.span).Udl(0, c.cover, 2, 2).Build());
    EXPECT_EQ(listed.Find("  1  "), c.row) << c.cover;
  }
}

TEST(ResultsListingTest, DecimalsOfTheRateColumnsReadTheirOwnRows) {
  // The start-rate column reads distributed loads only: a point load of 25000 N, which as a rate
  // would take 0 decimals, leaves it with 3. The distance column reads every row: the point
  // load's 12.5 m gives it 2.
  BeamModel model = BeamBuilder(15000).Udl(1000, 2000, 3, 4).Point(12500, 25000).Build();
  const Listed listed(model);
  EXPECT_TRUE(
      listed.Has("  1       1.00           3.000          4.000         2.000       1.000"));
}

TEST(ResultsListingTest, ZeroDeflectionOverflowsTheRatioAndFailedStressIsLeftOut) {
  // A point load on the LH support deflects nothing; a section Ixx of 0 fails the stress.
  BeamModel model = BeamBuilder(5000).Point(0, 10000).Build();
  model.SectionIxx = 0;
  const Listed listed(model);
  EXPECT_TRUE(listed.Has(" SPAN  deflection/span ratio = 1/#####"));
  EXPECT_TRUE(listed.Find(" Maximum").find("Stress") == std::string::npos);
  for (const std::string& line : listed.lines())
    EXPECT_EQ(line.find("Stress"), std::string::npos) << line;
  // The ratio's line and its blank slot are the last; slot 0 names the free slot after them.
  const auto& summary = listed.stores->SummaryPrintLines;
  EXPECT_EQ(summary[17], " SPAN  deflection/span ratio = 1/#####");
  EXPECT_EQ(summary[0], "19");
  EXPECT_EQ(summary[19], "");
}

TEST(ResultsListingTest, CantileverRatiosUseTheirLargestDeflection) {
  const Listed listed(BeamBuilder(4000, 200000, 1e8)
                          .LhCantilever(1000)
                          .RhCantilever(1500)
                          .Udl(0, 6500, 2, 2)
                          .Build());
  const auto& r = listed.state->results;
  double mL = 0, mR = 0;
  for (int i = 0; i < kServiceStations; ++i) {
    mL = std::max(mL, std::fabs(r.CantDeflection[0][static_cast<std::size_t>(i)]));
    mR = std::max(mR, std::fabs(r.CantDeflection[1][static_cast<std::size_t>(i)]));
  }
  EXPECT_EQ(listed.Find(" LHC   deflection/span ratio = 1/"),
            " LHC   deflection/span ratio = 1/" + SigFig3(1000 / static_cast<float>(mL)));
  EXPECT_EQ(listed.Find(" RHC   deflection/span ratio = 1/"),
            " RHC   deflection/span ratio = 1/" + SigFig3(1500 / static_cast<float>(mR)));
  // LHC, SPAN, RHC in this order, the last followed by a line holding one space.
  const auto& summary = listed.stores->SummaryPrintLines;
  EXPECT_TRUE(summary[17].starts_with(" LHC"));
  EXPECT_TRUE(summary[18].starts_with(" SPAN"));
  EXPECT_TRUE(summary[19].starts_with(" RHC"));
  EXPECT_TRUE(summary[21].starts_with(" Maximum Stress = "));
  EXPECT_EQ(summary[0], "21");
}

TEST(ResultsListingTest, EditedPropertiesAndLongDescriptionsAreCutInTheStoreOnly) {
  BeamModel model = SimpleUdlBeam();
  model.FibreDistance = 1e12f;
  const std::string description(90, 'D');
  const Listed listed(model, UnitSettings{}, description);
  const std::string expected = " Beam Description  " + description + "(Properties edited by user)";
  EXPECT_EQ(listed.lines()[0], expected);
  EXPECT_EQ(listed.stores->SummaryPrintLines[1], expected.substr(0, 80));
}

TEST(ResultsListingTest, StoresHoldTheirBlocksWithCounters) {
  const Listed listed(SimpleUdlBeam());
  const ListingStores& s = *listed.stores;
  // Summary: blank lines after a line leave one empty slot; the stress line is stored without
  // advancing, so slot 0 names it.
  EXPECT_EQ(s.SummaryPrintLines[0], "19");
  EXPECT_EQ(s.SummaryPrintLines[4], " RESULTS");
  EXPECT_EQ(s.SummaryPrintLines[5], "");
  EXPECT_EQ(s.SummaryPrintLines[6], " LH Reaction = 15.00 kN");
  EXPECT_EQ(s.SummaryPrintLines[12], " Max Hogging Moment = 0.000 kN-m");
  EXPECT_EQ(s.SummaryPrintLines[14], " Maximum +ve deflection = 0.000 mm");
  EXPECT_EQ(s.SummaryPrintLines[19], " Maximum Stress = 33.75 N/mm^2");
  // The tables keep their opening line in slot 1.
  EXPECT_EQ(s.UdlTablePrintLines[0], "6");
  EXPECT_EQ(s.UdlTablePrintLines[1], " ");
  EXPECT_EQ(s.UdlTablePrintLines[2], " UDL");
  EXPECT_EQ(s.PointTablePrintLines[0], "5");
  EXPECT_EQ(s.PointTablePrintLines[1], "");
  EXPECT_EQ(s.PointTablePrintLines[2], " Point Loads");
  // Of the interval heading only its last line is kept.
  EXPECT_EQ(s.IntervalHeadPrintLines[0], "2");
  EXPECT_EQ(s.IntervalHeadPrintLines[1], "");
  EXPECT_EQ(s.SpanIntervalPrintLines[0], "26");
  EXPECT_EQ(s.SpanIntervalPrintLines[1], " SPAN");
  EXPECT_EQ(s.SpanIntervalPrintLines[4].substr(0, 3), "  1");
  EXPECT_EQ(s.SpanIntervalPrintLines[24].substr(0, 3), " 21");
  EXPECT_EQ(s.LhIntervalPrintLines.Count(), 0);
  EXPECT_EQ(s.RhIntervalPrintLines.Count(), 0);
}

TEST(ResultsListingTest, CantileverBlocksRunFromTheirEndsWithSaggingPositive) {
  // A 1 m LH cantilever with 10 kN at its tip and a 2 m RH cantilever with 4 kN at its tip.
  const Listed listed(BeamBuilder(5000, 200000, 1e8)
                          .LhCantilever(1000)
                          .RhCantilever(2000)
                          .Point(0, 10000)
                          .Point(8000, 4000)
                          .Build());
  const ListingStores& s = *listed.stores;
  EXPECT_EQ(s.LhIntervalPrintLines[0], "25");
  EXPECT_EQ(s.LhIntervalPrintLines[1], " LH Cantilever ");
  EXPECT_EQ(s.RhIntervalPrintLines[0], "25");
  EXPECT_EQ(s.RhIntervalPrintLines[1], " RH Cantilever");
  EXPECT_EQ(s.SpanIntervalPrintLines[0], "26");
  // Row 1 of the LH block is the free end: just right of the tip load the shear is -10 kN;
  // row 21 is the support with a hogging moment of 10 kN-m, shown negative.
  EXPECT_EQ(s.LhIntervalPrintLines[4].substr(0, 49),
            "  1            0.000       -10.000          0.000");
  EXPECT_EQ(s.LhIntervalPrintLines[24].substr(0, 49),
            " 21            1.000       -10.000        -10.000");
  // The RH block runs from the support to the free end: 4 kN of shear, -8 kN-m at the support.
  EXPECT_EQ(s.RhIntervalPrintLines[4].substr(0, 49),
            "  1            0.000         4.000         -8.000");
  EXPECT_EQ(s.RhIntervalPrintLines[24].substr(0, 49),
            " 21            2.000         4.000          0.000");
  // Blocks are separated in the list by lines holding one space that are not stored.
  const auto& lines = listed.lines();
  const auto spanTitle = std::find(lines.begin(), lines.end(), " SPAN");
  ASSERT_NE(spanTitle, lines.end());
  EXPECT_EQ(*(spanTitle - 1), " ");
  const auto rhTitle = std::find(lines.begin(), lines.end(), " RH Cantilever");
  ASSERT_NE(rhTitle, lines.end());
  EXPECT_EQ(*(rhTitle - 1), " ");
  EXPECT_EQ(rhTitle - spanTitle, 25);  // 24 lines of the span block and the space
}

TEST(ResultsListingTest, IntervalRowsAreFactoredStationsWithServiceDeflections) {
  // The span UDL of the simple beam with a factor of 2: shear and moment double, the
  // deflections stay those of the unfactored service pass.
  const Listed listed(BeamBuilder(6000, 200000, 1e8).Udl(0, 6000, 5, 5, 2).Fibre(150).Build());
  const auto& span = listed.stores->SpanIntervalPrintLines;
  EXPECT_EQ(span[5], "  2            0.300        27.000          8.550         -0.675");
  EXPECT_EQ(span[14], " 11            3.000         0.000         45.000         -4.219");
  EXPECT_TRUE(listed.Has(" Max Factored Sagging Moment = 45.00 kN-m"));
  EXPECT_TRUE(listed.Has(" Maximum -ve deflection = -4.219 mm"));
}

TEST(ResultsListingTest, TimberBeamNotesTheShearDeflection) {
  const Listed listed(BeamBuilder(5000).Udl(0, 5000, 2, 2).Code(DesignCode::BS5268).Build());
  EXPECT_EQ(listed.stores->IntervalHeadPrintLines[1],
            " (deflection values include shear deflection)");
  EXPECT_TRUE(listed.Has(" (deflection values include shear deflection)"));
}

TEST(ResultsListingTest, EveryStoreIsEmptiedBeforeWriting) {
  BeamModel model = SimpleUdlBeam();
  model.DesignCode = DesignCode::BS449;
  Listed listed(model);
  listed.stores->SummaryPrintLines.Set(3, "stale");
  listed.stores->SteelListLines[0].Set(0, "7");
  listed.stores->LhIntervalPrintLines.Set(2, "stale");
  WriteResultsListing(*listed.project, listed.state->results, UnitSettings{}, listed.codeCheck,
                      *listed.stores);
  EXPECT_EQ(listed.stores->SummaryPrintLines[3], "");
  EXPECT_EQ(listed.stores->SteelListLines[0][0], "");
  EXPECT_EQ(listed.stores->LhIntervalPrintLines[2], "");
}

TEST(ResultsListingTest, ListColourIsRedOnlyForAFailedCheck) {
  struct Case {
    DesignCode code;
    int32_t compliance, timberFailed;
    Color color;
  };
  const std::vector<Case> cases{
      {DesignCode::None, -1, -1, colors::kBlack},  {DesignCode::BS5950, -1, 0, colors::kRed},
      {DesignCode::BS5950, 1, -1, colors::kBlack}, {DesignCode::BS5268, 0, -1, colors::kRed},
      {DesignCode::BS5268, -1, 0, colors::kBlack}, {DesignCode::BS449, -1, -1, colors::kBlack},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListingColor(c.code, c.compliance, c.timberFailed), c.color)
        << DesignCodeNumber(c.code) << " " << c.compliance << " " << c.timberFailed;
  }
}

}  // namespace
}  // namespace trabeo
