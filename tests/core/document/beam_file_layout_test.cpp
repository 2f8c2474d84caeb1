#include "document/beam_file_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "beam_file_test_support.h"

namespace trabeo {
namespace {

using testing::AnalysedBeam;
using testing::BeamFileState;
using testing::DoubleAt;
using testing::FreshState;
using testing::Int32At;
using testing::SingleAt;
using testing::TextAt;

// A field of the layout table: its offset, and what a beam's file must hold there.
struct Placed {
  std::size_t offset;
  std::variant<int32_t, float, double, std::string> value;
};

void ExpectAt(const std::vector<uint8_t>& bytes, const Placed& field) {
  SCOPED_TRACE("offset " + std::to_string(field.offset));
  if (const auto* i = std::get_if<int32_t>(&field.value)) {
    EXPECT_EQ(Int32At(bytes, field.offset), *i);
  } else if (const auto* f = std::get_if<float>(&field.value)) {
    EXPECT_EQ(SingleAt(bytes, field.offset), *f);
  } else if (const auto* d = std::get_if<double>(&field.value)) {
    EXPECT_EQ(DoubleAt(bytes, field.offset), *d);
  } else {
    EXPECT_EQ(TextAt(bytes, field.offset), std::get<std::string>(field.value));
  }
}

// Offsets typed from the layout table of the version 4 file.
TEST(BeamFileLayoutTest, EveryFieldSitsAtItsOffset) {
  auto s = AnalysedBeam(DesignCode::BS5950);
  s->project.timber.TimberCheckFailed = -1;
  s->project.timber.TimberCodeLine = "timber code line";
  s->project.timber.TimberTorsionNote = "torsion note";
  s->project.timber.TimberSummaryLines.SetCount(40);
  s->project.timber.TimberSummaryLines.Set(40, "last saved timber line");
  s->project.timber.TimberShearStiffness = 4.5e6f;
  s->project.section.PropertyLines.Set(50, "last property line");
  s->project.section.TimberDepth = 225;
  s->project.section.TimberWidth = 75;
  s->project.timber.TimberDuration = "LT";
  s->project.timber.TimberGradeName = "C16";
  s->project.timber.TimberPermMoment = 3.2e6f;
  s->analysis.results.SupportShears = {11, 12, 13};
  s->analysis.results.LhSupportShear = 10;
  s->analysis.results.SpanMomentProfile = {21, 22, 23};
  s->analysis.results.TipDeflections[5] = 55;
  s->listing.RhIntervalPrintLines.Set(35, "last interval line");
  s->steel.CheckText[11].Set(101, "last saved check line");
  s->analysis.results.StoredCantShear[1][0] = 123.5f;
  s->analysis.results.StoredCantDeflection[1][21] = 0;
  s->analysis.results.StoredCantDeflection[1][20] = 7.25f;
  const BeamFileState& b = *s;
  const BeamResults& r = b.analysis.results;
  const std::vector<uint8_t> bytes = EncodeBeamFile(s->data());

  ASSERT_EQ(bytes.size(), 215763u);
  using T = std::string;
  const std::vector<Placed> fields{{0, T("Version 4.0")},
                                   {26, T(".0")},
                                   {52, T("1")},
                                   {78, T("Acme Structures")},
                                   {583, T("J123")},
                                   {684, T("UB 305x165x40")},
                                   {785, T("Beam")},
                                   {811, 5130.0f},
                                   {815, T("mm")},
                                   {958, T("dm^6")},
                                   {969, 1.0f},
                                   {1021, 1e-12f},
                                   {1025, T("Sxx")},
                                   {1103, T("Zyy")},
                                   {1133, int32_t{2}},
                                   {1141, int32_t{1}},
                                   {1153, int32_t{-1}},
                                   {1157, int32_t{-1}},
                                   {1161, int32_t{-1}},
                                   {1165, int32_t{5950}},
                                   {1169, 6000.0f},
                                   {1173, int32_t{1}},
                                   {1185, 1500.0},
                                   {1225, 1000.0},
                                   {1257, 8500.0},
                                   {1265, int32_t{1}},
                                   {1269, int32_t{1}},
                                   {1277, int32_t{-1}},
                                   {1289, 6000.0},
                                   {1305, 8.5e7},
                                   {1325, 4500.0f},
                                   {1341, 1.4f},
                                   {1353 + 12, 8.0f},
                                   {1321 + 25 * 32 + 12, 0.4f},
                                   {2153, 8.5e7f},
                                   {2157, 151.7f},
                                   {2161, int32_t{2}},
                                   {2165, T("LT")},
                                   {2243, T("C16")},
                                   {2269, 225.0f},
                                   {2297, 3.2e6f},
                                   {2301, T("Beam")},
                                   {2327, T("Plastic")},
                                   {2353, 275.0f},
                                   {2357, int32_t{43}},
                                   {2361, 303.4f},
                                   {2385, 5130.0f},
                                   {2409, 0.889f},
                                   {2421, 1000.0f},
                                   {2425, int32_t{201}},
                                   {2461, int32_t{210}},
                                   {2465, T("0.8 L")},
                                   {2491, int32_t{101}},
                                   {2495, int32_t{103}},
                                   {2555, int32_t{118}},
                                   {2559, int32_t{102}},
                                   {2563, T("1.0 L")},
                                   {2589, int32_t{301}},
                                   {2629, T("1.4 L")},
                                   {2655, int32_t{2}},
                                   {2659, 1200.0},
                                   {2747, 1400.0},
                                   {2755, int32_t{2}},
                                   {2759, 0.94f},
                                   {2767, 0.95f},
                                   {2775, 0.6f},
                                   {2783 + 40 * 51, T("last saved timber line")},
                                   {4874 + 51, T("Beam  UB 305x165x40")},
                                   {4874 + 50 * 51, T("last property line")},
                                   {7475, 4.5e6f},
                                   {7479, r.ShearExtremes[0]},
                                   {7495, r.DeflectionExtremes[0]},
                                   {7503, 0.0},
                                   {7511, 10.0},
                                   {7535, 13.0},
                                   {7543, 0.0},
                                   {7559, 21.0},
                                   {7575, 23.0},
                                   {7583, 0.0},
                                   {7727 + 5 * 8, 55.0},
                                   {7815, r.TipDeflections[11]},
                                   {7831, r.Reactions[1]},
                                   {7839 + 81, b.listing.SummaryPrintLines[1]},
                                   {9945, T("timber code line")},
                                   {10107, T("torsion note")},
                                   {10188, int32_t{-1}},
                                   {10192, b.listing.TimberPrintLines[0]},
                                   {14323 + 81, T("steel section 0 line 1")},
                                   {14323 + (12 * 51 + 1) * 81, T("steel section 12 line 1")},
                                   {68026 + 81, b.listing.UdlTablePrintLines[1]},
                                   {70942 + 81, b.listing.PointTablePrintLines[1]},
                                   {73858, b.listing.IntervalHeadPrintLines[0]},
                                   {73858 + 3 * 2916 + 35 * 81, T("last interval line")},
                                   {85522 + 81, T("check block 0 line 1")},
                                   {85522 + (11 * 102 + 101) * 81, T("last saved check line")},
                                   {184666 + 200 * 4, r.StoredSpanShear[200]},
                                   {185470 + 100 * 4, r.StoredSpanMoment[100]},
                                   {186274 + 10 * 4, r.StoredSpanDeflection[10]},
                                   {186358 + 201 * 4, 123.5f},
                                   {187966 + 200 * 4, r.StoredCantMoment[0][200]},
                                   {189574 + 42 * 4, 7.25f},
                                   {189574 + 43 * 4, 0.0f},
                                   {189750, T("UB")},
                                   {189763, T("1")},
                                   {215763 - 26, T("1")}};
  for (const Placed& field : fields)
    ExpectAt(bytes, field);
  // After each text's length the slot is zero-filled: "Version 4.0" leaves 14 zero bytes.
  for (std::size_t at = 12; at < 26; ++at)
    EXPECT_EQ(bytes[at], 0) << at;
}

class BeamFileRoundTripTest : public ::testing::TestWithParam<DesignCode> {};

// Write, read into a fresh program, write again: the same bytes, and every part of the state
// the file holds comes back equal.
TEST_P(BeamFileRoundTripTest, ReadingAndWritingAgainGivesTheSameBytes) {
  auto original = AnalysedBeam(GetParam());
  const std::vector<uint8_t> written = EncodeBeamFile(original->data());
  auto reread = FreshState();
  const BeamFileReading reading = DecodeVersion4(written, reread->data());
  EXPECT_TRUE(reading.complete);
  EXPECT_EQ(reading.markers.Header, "Version 4.0");
  EXPECT_EQ(EncodeBeamFile(reread->data()), written);

  EXPECT_EQ(reread->header, original->header);
  EXPECT_EQ(reread->units, original->units);
  EXPECT_EQ(reread->project.restraints, original->project.restraints);
  EXPECT_EQ(reread->listing, original->listing);
  EXPECT_EQ(reread->project.timber, original->project.timber);
  for (int block = 0; block < kCheckHeaderBlock; ++block) {
    EXPECT_EQ(reread->steel.CheckText[static_cast<std::size_t>(block)],
              original->steel.CheckText[static_cast<std::size_t>(block)]);
  }
  // The header block of the check text is not kept.
  EXPECT_EQ(reread->steel.CheckText[kCheckHeaderBlock].Count(), 0);
  EXPECT_EQ(reread->analysis.results.StoredCantMoment, original->analysis.results.StoredCantMoment);
  EXPECT_EQ(reread->project.model.Loads.row(26).Intensity, 0.4f);
}

INSTANTIATE_TEST_SUITE_P(EveryCode, BeamFileRoundTripTest,
                         ::testing::Values(DesignCode::None, DesignCode::BS5950,
                                           DesignCode::BS5268));

// SectionKind, SectionArea, NFactorMode and TimberCheckFailed are written twice; the later copy
// wins, unless the file ends between the two.
TEST(BeamFileLayoutTest, TheLaterOfTwoCopiesWins) {
  auto s = AnalysedBeam(DesignCode::BS5268);
  std::vector<uint8_t> bytes = EncodeBeamFile(s->data());
  auto patchText = [&](std::size_t at, const std::string& text) {
    bytes[at] = static_cast<uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at + 1));
  };
  auto patchInt = [&](std::size_t at, uint8_t low) {
    bytes[at] = low;
    bytes[at + 1] = bytes[at + 2] = bytes[at + 3] = 0;
  };
  patchText(785, "RSJ");
  patchInt(811, 0);  // SectionArea 0
  patchInt(1133, 3);
  patchInt(1161, 0);

  auto whole = FreshState();
  DecodeVersion4(bytes, whole->data());
  EXPECT_EQ(whole->project.section.SectionKind, SectionKind::Timber);
  EXPECT_EQ(whole->project.section.SectionArea, 5130.0f);
  EXPECT_EQ(whole->units.NFactorMode, kNFactorByLoading);
  EXPECT_EQ(whole->project.timber.TimberCheckFailed, -1);

  auto cut = FreshState();
  const BeamFileReading reading = DecodeVersion4(std::span(bytes).first(2301), cut->data());
  EXPECT_FALSE(reading.complete);
  EXPECT_EQ(cut->project.section.SectionKind, SectionKind::RSJ);
  EXPECT_EQ(cut->project.section.SectionArea, 0.0f);
  EXPECT_EQ(cut->units.NFactorMode, kNFactorRequested);
  EXPECT_EQ(cut->project.timber.TimberCheckFailed, 0);
}

}  // namespace
// The file's texts are 8-bit, one byte per character: a description with "µ", "²" and "½"
// written by another program reads as those characters and is written back byte for byte.
TEST(BeamFileLayoutTest, EightBitTextsReadAsTheirCharactersAndWriteBack) {
  auto s = AnalysedBeam(DesignCode::None);
  std::vector<uint8_t> bytes = EncodeBeamFile(s->data());
  const std::vector<uint8_t> description{'1', '2', 0xB5, 'm', ' ', 'x', '2', 0xB2, ' ', 0xBD};
  bytes[684] = static_cast<uint8_t>(description.size());
  std::copy(description.begin(), description.end(), bytes.begin() + 685);

  auto opened = FreshState();
  DecodeVersion4(bytes, opened->data());
  EXPECT_EQ(opened->project.section.SectionDescription, "12\u00b5m x2\u00b2 \u00bd");
  const std::vector<uint8_t> again = EncodeBeamFile(opened->data());
  EXPECT_TRUE(std::equal(bytes.begin() + 684, bytes.begin() + 695, again.begin() + 684));
}

}  // namespace trabeo
