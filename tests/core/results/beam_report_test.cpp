// The printed beam report through a recording printer (A4 at 600 dpi): what goes on which page
// and page line, by the page-break rules of each block, with stores filled by hand where the
// checks that fill them are not yet built.
#include "results/beam_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/results/listing_test_support.h"
#include "support/recording_print_job.h"

namespace trabeo {
namespace {

using testing::BeamBuilder;
using testing::Listed;
using testing::RecordingPrintJob;

constexpr double kDotsPerMm = 600 / 25.4;

int LineY(int line) {
  return static_cast<int>(kDotsPerMm * 3.5 * line);
}
int MmX(double mm) {
  return static_cast<int>(kDotsPerMm * mm);
}

// A beam analysed and listed, with what else the report reads.
struct Reported {
  Listed listed;
  std::unique_ptr<SteelCheckState> steel = std::make_unique<SteelCheckState>();
  UdlOutline outline;
  DrawnLoadCounts counts;
  UnitSettings units;
  HeaderTexts header;

  explicit Reported(const BeamModel& model)
      : listed(model), outline(BuildUdlOutline(model.Loads)), counts(CountDrawnLoads(model.Loads)) {
    header.HeaderCompany = "Acme Structures";
    header.CurrentFileName = "C:\\jobs\\roof.trb";
  }
  BeamReportInputs inputs() const {
    return {*listed.project, listed.state->results, *listed.stores, *steel, outline, counts, units};
  }
  BeamReportOutcome Print(RecordingPrintJob& job) const {
    return PrintBeamReport(job, inputs(), {header, "Trabeo Professional", "01/02/2024  10:00"});
  }
};

// Where a printed text stands: its page and page line.
struct Placed {
  int page;
  int line;
  friend bool operator==(const Placed&, const Placed&) = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p) {
  return out << "page " << p.page << ", line " << p.line;
}

// The pages on which `text` is printed, in order.
std::vector<int> PagesOf(const RecordingPrintJob& job, const std::string& text) {
  std::vector<int> pages;
  for (const auto& [page, t] : job.TextsWithPages()) {
    if (t.text == text) pages.push_back(page);
  }
  return pages;
}

// The one printed text equal to `text`, placed; page 0 when it is not printed once exactly.
Placed PlaceOf(const RecordingPrintJob& job, const std::string& text) {
  Placed found{0, 0};
  int times = 0;
  for (const auto& [page, t] : job.TextsWithPages()) {
    if (t.text != text) continue;
    ++times;
    found = {page, static_cast<int>(std::lround(t.y / (kDotsPerMm * 3.5)))};
    EXPECT_EQ(t.y, LineY(found.line)) << text << " is not on a page line";
  }
  return times == 1 ? found : Placed{0, 0};
}

template <int Slots, int Capacity>
void Fill(TextStore<Slots, Capacity>& store, const std::string& prefix, int lines, int count) {
  store.Clear();
  store.SetCount(count);
  for (int i = 1; i <= lines; ++i)
    store.Set(i, prefix + std::to_string(i));
}

BeamModel CantileveredBeam(DesignCode code) {
  return BeamBuilder(6000, 205000, 1.2e8)
      .LhCantilever(1500)
      .RhCantilever(1000)
      .Udl(0, 8500, 5, 5, 1.4)
      .Point(4000, 20000, 1.6)
      .Fibre(150)
      .Code(code)
      .Build();
}

TEST(BeamReportTest, NothingToPrintWithoutResults) {
  Reported reported(CantileveredBeam(DesignCode::None));
  reported.listed.state->results.ShearExtremes[0] = 0;
  RecordingPrintJob job;
  const BeamReportOutcome outcome = reported.Print(job);
  EXPECT_FALSE(outcome.printed);
  EXPECT_EQ(outcome.message, "Nothing to print!");
  EXPECT_FALSE(job.began());
}

TEST(BeamReportTest, EveryPageHasTheHeaderWithABeamFileNameOnly) {
  Reported reported(CantileveredBeam(DesignCode::None));
  RecordingPrintJob job;
  ASSERT_TRUE(reported.Print(job).printed);
  EXPECT_TRUE(job.ended());
  // Drawings and summary; the load tables and the LH cantilever's twentieths; the span's block
  // does not fit below them (line 55 + 26 passes 74), so it starts a page with the RH block.
  ASSERT_EQ(job.PageNumber(), 3);
  for (int page = 1; page <= 3; ++page)
    EXPECT_EQ(PagesOf(job, "Page " + std::to_string(page)), std::vector<int>{page});
  EXPECT_EQ(PagesOf(job, "Acme Structures"), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(PagesOf(job, "C:\\jobs\\roof.trb"), (std::vector<int>{1, 2, 3}));

  // The summary on page 1 from line 51, the results at twentieths on the table page.
  const auto& summary = reported.listed.stores->SummaryPrintLines;
  EXPECT_EQ(PlaceOf(job, summary[1]), (Placed{1, 51}));
  const auto* first = job.recorder().FindText(summary[1]);
  EXPECT_EQ(first->x, MmX(15));
  EXPECT_EQ(first->font.name, "Courier");
  EXPECT_EQ(first->font.size, 10);
  EXPECT_EQ(PlaceOf(job, " LH Cantilever ").page, 2);
  EXPECT_EQ(PlaceOf(job, " SPAN"), (Placed{3, 11}));

  reported.header.CurrentFileName = "C:\\jobs\\roof.trm";
  RecordingPrintJob other;
  reported.Print(other);
  EXPECT_EQ(other.recorder().FindText("C:\\jobs\\roof"), nullptr);
  reported.header.CurrentFileName = "C:\\JOBS\\ROOF.TRB";  // opened as a beam data file
  RecordingPrintJob upper;
  reported.Print(upper);
  EXPECT_EQ(upper.recorder().TextsEqualTo("C:\\JOBS\\ROOF.TRB").size(), 3u);
}

// Five restrained lengths' worth of steel sections and check text: the sections break after
// one that leaves the current line past 65, the check text's blocks before one that starts past
// it, and a block that would run off the paper starts a new page.
TEST(BeamReportTest, LongSteelListingBreaksPagesByItsRules) {
  Reported reported(CantileveredBeam(DesignCode::BS5950));
  ListingStores& s = *reported.listed.stores;
  Fill(s.SteelSummaryPrintLines(), "SUM ", 15, 16);
  Fill(s.SteelListLines[0], "P0 L", 12, 12);
  for (int part = 1; part <= 4; ++part)
    Fill(s.SteelListLines[static_cast<std::size_t>(part)], "P" + std::to_string(part) + " L", 14,
         14);
  Fill(s.SteelListLines[5], "P5 L", 3, 3);  // beyond the restrained lengths: not printed
  Fill(s.SteelListLines[11], "P11 L", 12, 12);
  SteelRestraints& restraints = reported.listed.project->restraints;
  restraints.IntermediateRestraints = 1;
  restraints.EffectiveLengths[9] = 3;  // three restraints, four lengths

  auto& text = reported.steel->CheckText;
  Fill(text[12], "H", 8, 0);
  Fill(text[0], "B0 L", 20, 0);  // blocks 0, 10 and 11 are measured by their last line in use
  Fill(text[1], "B1 L", 30, 30);
  Fill(text[2], "B2 L", 0, 0);
  Fill(text[3], "B3 L", 25, 25);
  Fill(text[4], "B4 L", 40, 40);
  Fill(text[5], "B5 L", 30, 30);
  Fill(text[10], "B10 L", 5, 0);  // the unrestrained span's block: not printed
  Fill(text[11], "B11 L", 10, 0);

  RecordingPrintJob job;
  ASSERT_TRUE(reported.Print(job).printed);
  EXPECT_EQ(PlaceOf(job, "SUM 1"), (Placed{1, 51}));
  EXPECT_EQ(PlaceOf(job, "SUM 15"), (Placed{1, 65}));
  EXPECT_EQ(PlaceOf(job, "P0 L1"), (Placed{2, 11}));
  EXPECT_EQ(PlaceOf(job, "P1 L1"), (Placed{2, 23}));
  EXPECT_EQ(PlaceOf(job, "P4 L14"), (Placed{2, 78}));  // leaves line 78: a new page follows
  EXPECT_EQ(PlaceOf(job, "P11 L1"), (Placed{3, 13}));
  EXPECT_EQ(PlaceOf(job, "P5 L1").page, 0);
  EXPECT_EQ(PlaceOf(job, "H1"), (Placed{3, 25}));
  EXPECT_EQ(PlaceOf(job, "H8"), (Placed{3, 32}));
  EXPECT_EQ(PlaceOf(job, "B0 L20"), (Placed{3, 53}));
  EXPECT_EQ(PlaceOf(job, "B1 L1"), (Placed{4, 13}));  // past line 50 before the restrained blocks
  EXPECT_EQ(PlaceOf(job, "B2 L1").page, 0);
  EXPECT_EQ(PlaceOf(job, "B3 L1"), (Placed{4, 45}));  // block 2 is empty and takes no lines
  EXPECT_EQ(PlaceOf(job, "B3 L25"), (Placed{4, 69}));
  EXPECT_EQ(PlaceOf(job, "B4 L1"), (Placed{5, 13}));
  // From line 54 block 5 would end on line 85, below the paper: it starts the next page.
  EXPECT_EQ(PlaceOf(job, "B5 L1"), (Placed{6, 13}));
  EXPECT_EQ(PlaceOf(job, "B5 L30"), (Placed{6, 42}));
  EXPECT_EQ(PlaceOf(job, "B10 L1").page, 0);
  EXPECT_EQ(PlaceOf(job, "B11 L10"), (Placed{6, 54}));
  EXPECT_EQ(PlaceOf(job, " LH Cantilever ").page, 7);  // the tables follow the check text
  EXPECT_EQ(PagesOf(job, "Page 8"), std::vector<int>{8});
}

TEST(BeamReportTest, TimberPageHoldsTheCheckAndTheSectionInColumns) {
  Reported reported(CantileveredBeam(DesignCode::BS5268));
  Fill(reported.listed.stores->TimberPrintLines, "CHECK ", 5, 5);
  Fill(reported.listed.project->timber.TimberSummaryLines, "T", 31, 31);
  RecordingPrintJob job;
  ASSERT_TRUE(reported.Print(job).printed);
  EXPECT_EQ(PlaceOf(job, "CHECK 1"), (Placed{2, 12}));
  EXPECT_EQ(PlaceOf(job, "T1"), (Placed{2, 20}));
  EXPECT_EQ(PlaceOf(job, "T14"), (Placed{2, 33}));
  EXPECT_EQ(PlaceOf(job, "T15"), (Placed{2, 22}));
  EXPECT_EQ(PlaceOf(job, "T26"), (Placed{2, 33}));
  EXPECT_EQ(PlaceOf(job, "T27"), (Placed{2, 35}));
  EXPECT_EQ(PlaceOf(job, "T31"), (Placed{2, 39}));
  EXPECT_EQ(job.recorder().FindText("T1")->x, MmX(15));
  EXPECT_EQ(job.recorder().FindText("T15")->x, MmX(105));
  EXPECT_EQ(job.recorder().FindText("T27")->x, MmX(50));
  EXPECT_EQ(PlaceOf(job, " LH Cantilever ").page, 3);
}

TEST(BeamReportTest, LoadTablesPrintWhenDrawnAndMoveOnWhenTheyDoNotFit) {
  Reported reported(CantileveredBeam(DesignCode::BS449));
  ListingStores& s = *reported.listed.stores;
  Fill(s.PointTablePrintLines, "PT", 30, 30);
  Fill(s.UdlTablePrintLines, "UT", 35, 35);
  RecordingPrintJob job;
  ASSERT_TRUE(reported.Print(job).printed);
  // No summary text for BS 449: the drawings page, then the tables.
  const auto printed = job.TextsWithPages();
  EXPECT_TRUE(std::none_of(printed.begin(), printed.end(), [](const auto& t) {
    return t.page == 1 && t.text.font.name == "Courier";
  }));
  EXPECT_EQ(PlaceOf(job, "PT1"), (Placed{2, 11}));
  EXPECT_EQ(PlaceOf(job, "UT1"), (Placed{3, 11}));  // from line 42, 35 lines pass line 72

  reported.counts = {};  // nothing but the self weight was drawn
  RecordingPrintJob selfWeightOnly;
  reported.Print(selfWeightOnly);
  EXPECT_EQ(PlaceOf(selfWeightOnly, "PT1").page, 0);
  EXPECT_EQ(PlaceOf(selfWeightOnly, "UT1").page, 0);
}

// The moment diagram of a span under a uniform load, 10 mm deep at its largest value: above
// the axis normally, below it when the preferences invert the diagram.
TEST(BeamReportTest, MomentDiagramFollowsThePlotSign) {
  const BeamModel simple = BeamBuilder(6000, 205000, 1.2e8).Udl(0, 6000, 5, 5).Build();
  const int axis = static_cast<int>(kDotsPerMm * 120);
  const int depth = static_cast<int>(kDotsPerMm * 10);
  for (int32_t sign : {kMomentPlotNumericallyCorrect, kMomentPlotInverted}) {
    Reported reported(simple);
    reported.units.MomentPlotSign = sign;
    RecordingPrintJob job;
    reported.Print(job);
    int highest = axis;
    int lowest = axis;
    for (const auto& line : job.recorder().lines()) {
      const bool momentCurve = line.width == 3 && std::abs(line.y2 - axis) < 2 * depth;
      if (!momentCurve) continue;
      highest = std::min(highest, line.y2);
      lowest = std::max(lowest, line.y2);
    }
    SCOPED_TRACE(sign);
    if (sign == kMomentPlotNumericallyCorrect) {
      EXPECT_NEAR(axis - highest, depth, 1);
      EXPECT_EQ(lowest, axis);
    } else {
      EXPECT_NEAR(lowest - axis, depth, 1);
      EXPECT_EQ(highest, axis);
    }
  }
}

}  // namespace
}  // namespace trabeo
