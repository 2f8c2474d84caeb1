#include <gtest/gtest.h>

#include "beam_file_test_support.h"
#include "document/beam_file_layout.h"
#include "document/open_beam_file.h"

namespace trabeo {
namespace {

using testing::AnalysedBeam;
using testing::FreshState;

using Bytes = std::vector<uint8_t>;

void Append(Bytes& to, const Bytes& from, std::size_t begin, std::size_t end) {
  to.insert(to.end(), from.begin() + static_cast<std::ptrdiff_t>(begin),
            from.begin() + static_cast<std::ptrdiff_t>(end));
}

void AppendDouble(Bytes& to, const Bytes& from, std::size_t at) {
  Append(to, from, at, at + 8);
}

// A version 3 file made from the version 4 file by the differences between the layouts, in
// file order: no check verdicts, no ClearSpan and IntermediateRestraints, each segment's
// effective length as the fifth double of its record, nine flags per cantilever, span flags
// 1, 3, 4 and 12 to 18 only, no RestraintSpacing and EffectiveLengths, and the end after
// TimberShearStiffness.
Bytes Version3From(const Bytes& v4) {
  const std::size_t effectiveLengths = 2659;
  Bytes v3;
  Append(v3, v4, 0, 1157);
  Append(v3, v4, 1165, 1169);       // DesignCode
  Append(v3, v4, 1177, 1177 + 32);  // LH cantilever, four doubles
  AppendDouble(v3, v4, effectiveLengths + 0 * 8);
  Append(v3, v4, 1217, 1217 + 32);  // RH cantilever
  AppendDouble(v3, v4, effectiveLengths + 11 * 8);
  Append(v3, v4, 1257, 1281 + 32);  // TotalLength ... main span's four doubles
  AppendDouble(v3, v4, effectiveLengths + 10 * 8);
  Append(v3, v4, 1321, 2425);          // loads, section, timber, RsaLengths
  Append(v3, v4, 2425, 2425 + 9 * 4);  // LH cantilever flags 1 to 9
  Append(v3, v4, 2465, 2491);          // LhCantLeText
  Append(v3, v4, 2491, 2499 + 4);      // span flags 1, 3, 4
  Append(v3, v4, 2531, 2559);          // span flags 12 to 18
  Append(v3, v4, 2563, 2589);          // SpanLeText
  Append(v3, v4, 2589, 2589 + 9 * 4);  // RH cantilever flags 1 to 9
  Append(v3, v4, 2629, 2655);          // RhCantLeText
  Append(v3, v4, 2755, 7479);          // NFactorMode ... TimberShearStiffness
  const std::string header = "Version 3.5";
  v3[0] = static_cast<uint8_t>(header.size());
  std::copy(header.begin(), header.end(), v3.begin() + 1);
  return v3;
}

class Version3Test : public ::testing::TestWithParam<bool> {};

TEST_P(Version3Test, OpensTheBeamWithoutResults) {
  const bool before35 = GetParam();
  auto saved = AnalysedBeam(DesignCode::BS5268);
  saved->project.restraints.EffectiveLengths = {1200, 2000, 2000, 0, 0,    0,
                                                0,    2100, 1900, 2, 5800, 1400};
  for (std::size_t k = 0; k < 18; ++k)
    saved->project.restraints.SpanRestraintFlags[k] = static_cast<int32_t>(101 + k);
  saved->project.restraints.LhCantRestraintFlags[9] = 77;
  saved->steel.PartM[10] = 0.6f;
  Bytes v3 = Version3From(EncodeBeamFile(saved->data()));
  ASSERT_EQ(v3.size(), 7323u);
  if (before35) v3.resize(v3.size() - 4);
  ASSERT_EQ(v3.size(), before35 ? 7319u : 7323u);

  auto opened = FreshState();
  opened->analysis.results.SpanMoment[100] = 99;  // left by an earlier analysis
  const OpenBeamResult result = OpenBeamFileBytes("old.trb", v3, opened->data());

  EXPECT_TRUE(result.opened);
  EXPECT_FLOAT_EQ(result.Version, 3.5f);
  EXPECT_EQ(result.ResultsValid, 0);
  EXPECT_FALSE(result.printEnabled);
  EXPECT_TRUE(result.listing.empty());
  EXPECT_EQ(result.caption, "old.trb");
  EXPECT_EQ(opened->analysis.results.SpanMoment[100], 0);

  const BeamModel& m = opened->project.model;
  EXPECT_EQ(m.MainSpan.Length, 6000);
  EXPECT_EQ(m.RhCantilever.Length, 1000);
  EXPECT_EQ(m.MainSpan.Spare, 0);  // the fifth double was the effective length
  EXPECT_EQ(m.Loads.row(2).EndIntensity, 8.0f);
  EXPECT_EQ(m.DesignCode, DesignCode::BS5268);
  const SteelRestraints& r = opened->project.restraints;
  EXPECT_EQ(r.EffectiveLengths[0], 1200);
  EXPECT_EQ(r.EffectiveLengths[10], 5800);
  EXPECT_EQ(r.EffectiveLengths[11], 1400);
  EXPECT_EQ(r.EffectiveLengths[9], 0);
  EXPECT_EQ(r.RestraintSpacing, 0);
  EXPECT_EQ(r.LhCantRestraintFlags[8], saved->project.restraints.LhCantRestraintFlags[8]);
  EXPECT_EQ(r.LhCantRestraintFlags[9], 0);
  EXPECT_EQ(r.SpanRestraintFlags[0], 101);
  EXPECT_EQ(r.SpanRestraintFlags[1], 0);
  EXPECT_EQ(r.SpanRestraintFlags[2], 103);
  EXPECT_EQ(r.SpanRestraintFlags[3], 104);
  for (std::size_t flag = 5; flag <= 11; ++flag) {
    EXPECT_EQ(r.SpanRestraintFlags[flag - 1], 101 + flag + 6) << flag;
    EXPECT_EQ(r.SpanRestraintFlags[flag + 6], 101 + flag + 6) << flag;
  }
  EXPECT_EQ(r.RhCantLeText, "");
  EXPECT_EQ(opened->steel.PartM[10], 0.6f);
  EXPECT_EQ(opened->project.timber.TimberSummaryLines[40], "timber summary line 40");
  EXPECT_EQ(opened->project.timber.TimberCheckFailed, 0);
  EXPECT_EQ(result.sectionForm.PropertyLines.size(), 3u);

  if (before35) {
    EXPECT_EQ(opened->project.timber.TimberShearStiffness, 1e18f);
    EXPECT_EQ(result.messages, std::vector<std::string>{std::string(kPriorToVersion35Message)});
  } else {
    EXPECT_EQ(opened->project.timber.TimberShearStiffness, 5.4e6f);
    EXPECT_TRUE(result.messages.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(BothVariants, Version3Test, ::testing::Values(false, true));

}  // namespace
}  // namespace trabeo
