#include "document/open_beam_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>

#include "beam_file_test_support.h"
#include "document/beam_file_layout.h"
#include "results/results_listing.h"

namespace trabeo {
namespace {

using testing::AnalysedBeam;
using testing::BeamFileState;
using testing::FreshState;
using testing::TempFolder;

using Bytes = std::vector<uint8_t>;

// LH cantilever 1.5 m with 2 kN at its tip, a 6 m pinned span with 10 kN at mid-span and 5 kN
// standing on the RH support, all factors 1. By statics: the cantilever hogs 3 kN m at the LH
// support; reactions 5 + 2 + 0.5 = 7.5 kN (LH) and 5 - 0.5 + 5 = 9.5 kN (RH); mid-span moment
// 10 x 6 / 4 - 3 / 2 = 13.5 kN m.
std::unique_ptr<BeamFileState> CantileverBeam() {
  auto s = AnalysedBeam(DesignCode::None);
  BeamModel& m = s->project.model;
  m.RhCantilever = {};
  m.TotalLength = 7500;
  m.Loads = LoadTable{};
  m.Loads.row(1) = {kPointLoadKind, 0, 2000, 0, 0, 1, 1, 0};
  m.Loads.row(2) = {kPointLoadKind, 4500, 10000, 0, 0, 1, 1, 0};
  m.Loads.row(3) = {kPointLoadKind, 7500, 5000, 0, 0, 1, 1, 0};
  s->project.LoadRowCount = 3;
  RunAnalysis(m, s->analysis);
  CodeCheckListing codeCheck;
  WriteResultsListing(s->project, s->analysis.results, s->units, codeCheck, s->listing);
  return s;
}

template <int Slots, int Capacity>
void AppendStore(const TextStore<Slots, Capacity>& store, std::vector<std::string>& lines) {
  for (int slot = 1; slot <= store.Count(); ++slot)
    lines.push_back(store[slot]);
}

TEST(OpenBeamFileTest, SavedBeamComesBackWithItsResultsListingAndSection) {
  auto saved = CantileverBeam();
  const Bytes bytes = EncodeBeamFile(saved->data());
  // Another beam analysed before the opening leaves its support loads and extremes behind.
  auto opened = FreshState();
  RunAnalysis(AnalysedBeam(DesignCode::None)->project.model, opened->analysis);
  opened->listing.SteelListLines[0].Set(1, "left over");

  const OpenBeamResult result = OpenBeamFileBytes("/beams/lintel.trb", bytes, opened->data());

  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.Version, 4.0f);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ(result.caption, "/beams/lintel.trb");
  EXPECT_EQ(opened->header.CurrentFileName, "/beams/lintel.trb");
  EXPECT_EQ(result.ResultsValid, 1);
  EXPECT_TRUE(result.printEnabled);
  EXPECT_EQ(result.listColour, colors::kBlack);
  EXPECT_EQ(result.markers.VersionSuffix, ".0");
  EXPECT_EQ(result.markers.FileMarker, "1");
  EXPECT_EQ(opened->units.FactoredLoads, kSettingOff);  // no factor above 1
  EXPECT_EQ(opened->PointLoadDrawnCount, 3);
  EXPECT_EQ(opened->UdlDrawnCount, 0);
  EXPECT_EQ(opened->listing.SteelListLines[0][1], "");

  const BeamResults& r = opened->analysis.results;
  EXPECT_NEAR(r.Reactions[0], 7500, 0.05);
  EXPECT_NEAR(r.Reactions[1], 9500, 0.05);
  EXPECT_NEAR(r.TotalAppliedLoad, 17000, 0.01);
  EXPECT_NEAR(r.MomentExtremes[2], 13.5e6, 10);
  EXPECT_NEAR(r.MomentExtremes[1], -3e6, 10);
  // The LH cantilever runs from its free end to the support again.
  EXPECT_NEAR(r.CantMoment[0][0], 0, 1);
  EXPECT_NEAR(r.CantMoment[0][200], 3e6, 10);
  // The tip rises: the mid-span load turns the support by P L^2 / 16EI, the cantilever's own
  // moment back by M L / 3EI, and the tip load bends it down by P Lc^3 / 3EI.
  const double EI = 205000 * 8.5e7;
  const double tipRise = 1500 * (10000 * 6000.0 * 6000 / (16 * EI) - 3e6 * 6000 / (3 * EI)) -
                         2000 * std::pow(1500, 3) / (3 * EI);
  EXPECT_NEAR(r.TipDeflections[0], tipRise, 1e-4);
  EXPECT_EQ(opened->analysis.work.StationCount, 200);

  std::vector<std::string> expected;
  const ListingStores& l = saved->listing;
  AppendStore(l.SummaryPrintLines, expected);
  AppendStore(l.UdlTablePrintLines, expected);
  AppendStore(l.PointTablePrintLines, expected);
  AppendStore(l.IntervalHeadPrintLines, expected);
  AppendStore(l.LhIntervalPrintLines, expected);
  AppendStore(l.SpanIntervalPrintLines, expected);
  expected.emplace_back("");
  EXPECT_EQ(result.listing, expected);

  EXPECT_EQ(result.sectionForm.SectionFamily, "UB");
  EXPECT_EQ(result.sectionForm.DesignStrength, "275");
  EXPECT_EQ(result.sectionForm.SectionClass, "Section is Plastic");
  EXPECT_EQ(result.sectionForm.PropertyLines,
            (std::vector<std::string>{"Beam  UB 305x165x40", "D = 303.4 mm", "B = 165 mm"}));
}

TEST(OpenBeamFileTest, SteelBeamListsTheSectionsOfItsPartsInRed) {
  auto saved = AnalysedBeam(DesignCode::BS5950);  // both cantilevers, two intermediate restraints
  auto opened = FreshState();
  const OpenBeamResult result =
      OpenBeamFileBytes("steel.trb", EncodeBeamFile(saved->data()), opened->data());

  EXPECT_EQ(result.listColour, colors::kRed);  // ComplianceState -1
  EXPECT_EQ(opened->units.FactoredLoads, kSettingOn);
  std::vector<std::string> expected;
  for (int section : {12, 0, 10, 1, 2, 3, 11}) {
    for (int line = 1; line <= 2 + section % 4; ++line)
      expected.push_back("steel section " + std::to_string(section) + " line " +
                         std::to_string(line));
  }
  ASSERT_GT(result.listing.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(
                result.listing.begin(),
                result.listing.begin() + static_cast<std::ptrdiff_t>(expected.size())),
            expected);
  EXPECT_EQ(result.listing[expected.size()], saved->listing.UdlTablePrintLines[1]);

  // A count of restraints beyond what the sections hold lists all nine restrained lengths.
  saved->project.restraints.EffectiveLengths[9] = 1e30;
  const OpenBeamResult many =
      OpenBeamFileBytes("steel.trb", EncodeBeamFile(saved->data()), FreshState()->data());
  EXPECT_NE(std::find(many.listing.begin(), many.listing.end(), "steel section 9 line 3"),
            many.listing.end());
}

TEST(OpenBeamFileTest, TimberBeamListsThreeTimberLinesAndWarnsWithoutShearStiffness) {
  auto saved = AnalysedBeam(DesignCode::BS5268);
  for (int slot = 1; slot <= 5; ++slot)
    saved->listing.TimberPrintLines.Set(slot, "timber line " + std::to_string(slot));
  saved->listing.TimberPrintLines.SetCount(6);
  const Bytes bytes = EncodeBeamFile(saved->data());

  const OpenBeamResult result = OpenBeamFileBytes("timber.trb", bytes, FreshState()->data());
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ(result.listColour, colors::kRed);  // TimberCheckFailed -1
  const auto first = std::find(result.listing.begin(), result.listing.end(), "timber line 1");
  ASSERT_NE(first, result.listing.end());
  EXPECT_EQ(*(first + 2), "timber line 3");
  EXPECT_EQ(*(first + 3), saved->listing.UdlTablePrintLines[1]);

  // Cut before TimberShearStiffness, the file reads as one saved before version 3.5.
  const OpenBeamResult cut =
      OpenBeamFileBytes("timber.trb", std::span(bytes).first(7475), FreshState()->data());
  EXPECT_EQ(cut.messages, std::vector<std::string>{std::string(kPriorToVersion35Message)});
}

// A file that ends early keeps what was read; the rest stays as File New left it.
TEST(OpenBeamFileTest, FileCutShortKeepsWhatWasRead) {
  auto saved = AnalysedBeam(DesignCode::None);
  const Bytes bytes = EncodeBeamFile(saved->data());

  auto afterHeader = FreshState();
  const OpenBeamResult header =
      OpenBeamFileBytes("cut.trb", std::span(bytes).first(26), afterHeader->data());
  EXPECT_TRUE(header.opened);
  EXPECT_TRUE(header.messages.empty());
  EXPECT_EQ(afterHeader->project.model.TotalLength, 0);
  EXPECT_EQ(afterHeader->header.HeaderCompany, "");
  EXPECT_EQ(header.listing, std::vector<std::string>{""});

  // Inside the second load row, after its Kind and Position.
  auto inLoads = FreshState();
  const OpenBeamResult loads =
      OpenBeamFileBytes("cut.trb", std::span(bytes).first(1353 + 10), inLoads->data());
  const BeamModel& m = inLoads->project.model;
  EXPECT_EQ(m.MainSpan.Length, 6000);
  EXPECT_EQ(m.Loads.row(1).Intensity, 10000);
  EXPECT_EQ(m.Loads.row(2).Kind, kDistributedLoadKind);
  EXPECT_EQ(m.Loads.row(2).Intensity, 0);
  EXPECT_EQ(m.Loads.row(26).Kind, 0);
  EXPECT_EQ(inLoads->project.section.SectionFamily, "");
  EXPECT_EQ(loads.ResultsValid, 1);

  // Inside the steel listing sections: the beam and the summary lines are whole, the stored
  // results and the later stores are not reached.
  auto inTexts = FreshState();
  const OpenBeamResult texts =
      OpenBeamFileBytes("cut.trb", std::span(bytes).first(30000), inTexts->data());
  EXPECT_TRUE(texts.messages.empty());
  EXPECT_EQ(inTexts->project.model.Loads.row(26).Intensity, 0.4f);
  EXPECT_EQ(inTexts->project.section.PropertyLines[1], "Beam  UB 305x165x40");
  EXPECT_EQ(inTexts->listing.SummaryPrintLines, saved->listing.SummaryPrintLines);
  EXPECT_EQ(inTexts->listing.UdlTablePrintLines.Count(), 0);
  EXPECT_EQ(inTexts->analysis.results.StoredSpanMoment[100], 0);
  EXPECT_EQ(texts.listing.size(),
            static_cast<std::size_t>(saved->listing.SummaryPrintLines.Count()) + 1);
}

TEST(OpenBeamFileTest, RefusedFilesLeaveTheProjectAsFileNewLeftIt) {
  const Bytes good = EncodeBeamFile(AnalysedBeam(DesignCode::None)->data());
  auto withHeader = [&](const std::string& header) {
    Bytes bytes = good;
    bytes[0] = static_cast<uint8_t>(header.size());
    std::copy(header.begin(), header.end(), bytes.begin() + 1);
    return bytes;
  };
  const std::string text = "Beam notes, not a beam";
  struct Case {
    const char* name;
    Bytes bytes;
    std::string_view message;
    float version;
  };
  const std::vector<Case> cases{
      {"notes.trb", Bytes(text.begin(), text.end()), kNotBeamFileMessage, 0},
      {"empty.trb", Bytes{}, kNotBeamFileMessage, 0},
      {"beam.json", good, kNotBeamFileMessage, 0},
      {"beam.trb", withHeader("Version four"), kNotBeamFileMessage, 0},
      {"beam.trb", withHeader("Version 5.0"), kIncompatibleVersionMessage, 5},
      {"beam.trb", withHeader("Version 2.1"), kIncompatibleVersionMessage, 2.1f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = FreshState();
    const OpenBeamResult result = OpenBeamFileBytes(c.name, c.bytes, state->data());
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.messages, std::vector<std::string>{std::string(c.message)});
    EXPECT_EQ(result.Version, c.version);
    EXPECT_FALSE(result.caption);
    EXPECT_EQ(result.ResultsValid, 0);
    EXPECT_EQ(state->header.CurrentFileName, "");
    EXPECT_EQ(state->project.model.TotalLength, 0);
  }

  // Just below 5 the file is read as version 4 and then reported.
  auto state = FreshState();
  const OpenBeamResult nearly =
      OpenBeamFileBytes("beam.trb", withHeader("Version 4.995"), state->data());
  EXPECT_TRUE(nearly.opened);
  EXPECT_EQ(nearly.messages, std::vector<std::string>{std::string(kIncompatibleVersionMessage)});
  EXPECT_EQ(state->project.model.MainSpan.Length, 6000);
}

TEST(OpenBeamFileTest, NameEndingInCapitalsOpensFromDisk) {
  TempFolder folder;
  const auto path = folder.path() / "LINTEL.TRB";
  const Bytes bytes = EncodeBeamFile(AnalysedBeam(DesignCode::None)->data());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  auto state = FreshState();
  const OpenBeamResult result = OpenBeamFile(path, state->data());
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.caption, path.string());
  EXPECT_EQ(state->project.model.MainSpan.Length, 6000);

  const OpenBeamResult missing = OpenBeamFile(folder.path() / "gone.trb", FreshState()->data());
  EXPECT_EQ(missing.messages, std::vector<std::string>{std::string(kUnreadableFileMessage)});
}

// A factor that cannot convert values is not taken: the unit keeps its name and factor.
TEST(OpenBeamFileTest, UnusableUnitFactorKeepsTheUnit) {
  Bytes bytes = EncodeBeamFile(AnalysedBeam(DesignCode::None)->data());
  std::fill(bytes.begin() + 969, bytes.begin() + 973, uint8_t{0});     // LengthFactor 0
  std::fill(bytes.begin() + 973, bytes.begin() + 977, uint8_t{0xFF});  // SectLengthFactor NaN
  auto state = FreshState();
  state->units.SectLengthUnitName = "cm";
  state->units.SectLengthFactor = 10;
  OpenBeamFileBytes("beam.trb", bytes, state->data());
  EXPECT_EQ(state->units.LengthUnitName, "m");
  EXPECT_EQ(state->units.LengthFactor, 1000);
  EXPECT_EQ(state->units.SectLengthUnitName, "cm");
  EXPECT_EQ(state->units.SectLengthFactor, 10);
  EXPECT_EQ(state->units.MomentUnitName, "kN-m");
}

// Whatever the bytes, opening ends normally with bounded results.
TEST(OpenBeamFileTest, RandomBytesOpenWithoutHarm) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int trial = 0; trial < 12; ++trial) {
    SCOPED_TRACE(trial);
    Bytes bytes(trial % 3 == 2 ? kVersion3FileSize : kBeamFileSize);
    for (uint8_t& b : bytes)
      b = static_cast<uint8_t>(byte(random));
    const std::string header = trial % 3 == 0 ? "Version 4.0" : "Version 3.0";
    if (trial < 10) {
      bytes[0] = static_cast<uint8_t>(header.size());
      std::copy(header.begin(), header.end(), bytes.begin() + 1);
    }
    auto state = FreshState();
    const OpenBeamResult result = OpenBeamFileBytes("random.trb", bytes, state->data());
    EXPECT_EQ(result.opened, trial < 10);
    EXPECT_LT(result.listing.size(), 1500u);
    EXPECT_LE(result.sectionForm.PropertyLines.size(), 50u);
  }
}

}  // namespace
}  // namespace trabeo
