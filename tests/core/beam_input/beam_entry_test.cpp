#include "beam_input/beam_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "support/recording_canvas.h"

namespace trabeo {
namespace {

BeamEntryTexts Typical() {
  BeamEntryTexts texts;
  texts.spanLength = "6";
  texts.E = "205000";
  texts.Ixx = "2340";  // cm4
  return texts;
}

BeamProject SteelSection(float area) {
  BeamProject project;
  project.section.SectionKind = SectionKind::Beam;
  project.section.SectionArea = area;
  project.section.DesignStrength = 275;
  project.model.FibreDistance = 100;
  return project;
}

TEST(BeamEntryTest, StoresGeometryStiffnessAndSelfWeight) {
  BeamProject project = SteelSection(3200);
  BeamEntryTexts texts = Typical();
  texts.rhCantilever = true;
  texts.rhLength = "1.5";
  texts.lhFixed = true;
  texts.code = DesignCode::BS5950;
  const BeamEntryOutcome outcome = ApplyBeamEntry(texts, UnitSettings{}, project);
  ASSERT_EQ(outcome.status, BeamEntryStatus::Accepted) << outcome.message;
  const BeamModel& m = project.model;
  EXPECT_EQ(m.MainSpan.Length, 6000);
  EXPECT_EQ(m.MainSpan.Ixx, 2.34e7);
  EXPECT_EQ(m.SectionIxx, 2.34e7f);
  EXPECT_EQ(m.RhCantilever.Present, 1);
  EXPECT_EQ(m.LhCantilever.Present, 0);
  EXPECT_EQ(m.LhSupportKind, kFixedSupport);
  EXPECT_EQ(m.RhSupportKind, kPinnedSupport);
  EXPECT_EQ(m.TotalLength, 7500);
  EXPECT_EQ(m.DesignCode, DesignCode::BS5950);
  const LoadRecord& selfWeight = m.Loads.row(kSelfWeightRow);
  EXPECT_EQ(selfWeight.Kind, -1);
  EXPECT_NEAR(selfWeight.Intensity, 0.2464, 1e-4);
  EXPECT_EQ(selfWeight.EndIntensity, selfWeight.Intensity);
  EXPECT_EQ(selfWeight.Cover, 7500);
}

TEST(BeamEntryTest, FirstUnusableBoxStopsWithItsMessage) {
  struct Case {
    const char* name;
    void (*edit)(BeamEntryTexts&);
    const char* message;
    float py = 275;
  };
  const std::vector<Case> cases{
      {"LH cantilever without length",
       [](BeamEntryTexts& t) {
         t.lhCantilever = true;
         t.spanLength = "";
       },
       "Enter length for LH Cantilever"},
      {"no span", [](BeamEntryTexts& t) { t.spanLength = "0"; }, " Enter Length for Beam"},
      {"no E",
       [](BeamEntryTexts& t) {
         t.E = "";
         t.Ixx = "";
       },
       " Enter E for Beam"},
      {"negative Ixx", [](BeamEntryTexts& t) { t.Ixx = "-5"; }, " Enter Ixx for Beam"},
      {"no py with a code", [](BeamEntryTexts& t) { t.code = DesignCode::BS5950; },
       " Select grade and check value of py", 0},
      {"RH cantilever without length", [](BeamEntryTexts& t) { t.rhCantilever = true; },
       "Enter length for RH Cantilever"},
  };
  for (const Case& c : cases) {
    BeamProject project = SteelSection(1000);
    project.section.DesignStrength = c.py;
    project.model.DesignCode = DesignCode::BS449;
    BeamEntryTexts texts = Typical();
    c.edit(texts);
    const BeamEntryOutcome outcome = ApplyBeamEntry(texts, UnitSettings{}, project);
    EXPECT_EQ(outcome.status, BeamEntryStatus::Failed) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
    EXPECT_EQ(project.model.DesignCode, DesignCode::BS449) << c.name << ": the code is not taken";
  }
}

TEST(BeamEntryTest, CodeMustSuitTheSection) {
  BeamProject steel = SteelSection(1000);
  BeamEntryTexts texts = Typical();
  texts.code = DesignCode::BS5268;
  EXPECT_EQ(ApplyBeamEntry(texts, UnitSettings{}, steel).message,
            "Cannot check steel beam to timber code");

  BeamProject timber;
  timber.section.SectionKind = SectionKind::Timber;
  texts.code = DesignCode::BS5950;
  EXPECT_EQ(ApplyBeamEntry(texts, UnitSettings{}, timber).message,
            "Cannot check timber beam to steel code");

  BeamProject typed = SteelSection(1000);
  typed.model.FibreDistance = 1e12f;  // Ixx typed by the user
  const BeamEntryOutcome refused = ApplyBeamEntry(texts, UnitSettings{}, typed);
  EXPECT_EQ(refused.status, BeamEntryStatus::CodeRefused);
  EXPECT_EQ(refused.message, "Cannot code check section with value of Ixx edited by user");
  texts.code = DesignCode::None;
  EXPECT_EQ(ApplyBeamEntry(texts, UnitSettings{}, typed).status, BeamEntryStatus::Accepted);
}

TEST(BeamEntryTest, TimberWithASteelModulusIsQuestioned) {
  BeamProject timber;
  timber.section.SectionKind = SectionKind::Timber;
  timber.section.SectionDescription = "75 x 200 C24 Timber";
  BeamEntryTexts texts = Typical();
  EXPECT_TRUE(ApplyBeamEntry(texts, UnitSettings{}, timber).askTimberWithSteelE);
  texts.E = "10800";
  EXPECT_FALSE(ApplyBeamEntry(texts, UnitSettings{}, timber).askTimberWithSteelE);
}

// Ticking either box of an end unticks the other; unticking one leaves the other as it is.
TEST(BeamEntryTest, AFixedEndHasNoCantilever) {
  EXPECT_EQ(AfterEndBoxClick({true, true}, BeamEndBox::Cantilever), (BeamEndTicks{true, false}));
  EXPECT_EQ(AfterEndBoxClick({true, true}, BeamEndBox::Fixed), (BeamEndTicks{false, true}));
  EXPECT_EQ(AfterEndBoxClick({false, true}, BeamEndBox::Cantilever), (BeamEndTicks{false, true}));
  EXPECT_EQ(AfterEndBoxClick({true, false}, BeamEndBox::Fixed), (BeamEndTicks{true, false}));
}

TEST(BeamEntryTest, TotalLengthCountsTickedNonZeroCantilevers) {
  BeamEntryTexts texts = Typical();
  texts.lhLength = "2";
  EXPECT_EQ(TotalLengthFromTexts(texts, UnitSettings{}), 6000);
  texts.lhCantilever = true;
  EXPECT_EQ(TotalLengthFromTexts(texts, UnitSettings{}), 8000);
}

TEST(BeamEntryTest, PictureShowsSupportsAndLengths) {
  testing::RecordingCanvas canvas;
  DrawBeamEntryPicture(canvas, {545, 90, 2000, 6000, 0, false, true}, UnitSettings{});
  ASSERT_FALSE(canvas.rects().empty());
  EXPECT_EQ(canvas.rects()[0].right, 545);
  ASSERT_NE(canvas.FindText("Length = 8.00 m"), nullptr);
  EXPECT_NE(canvas.FindText("2.00 m"), nullptr);
  EXPECT_NE(canvas.FindText("6.00 m"), nullptr);
  // The fixed RH end: a 2-pixel wall at x = 25 + 8000 * 495 / 8000.
  bool wall = false;
  for (const auto& line : canvas.lines())
    wall |= line.width == 2 && line.x1 == 520 && line.x2 == 520;
  EXPECT_TRUE(wall);
  testing::RecordingCanvas empty;
  DrawBeamEntryPicture(empty, {545, 90, 0, 0, 0, false, false}, UnitSettings{});
  EXPECT_TRUE(empty.lines().empty());
}

// Values single precision cannot hold are refused by name before anything is stored; a number
// beyond a double ("1e400") used to read as 0 without a word.
TEST(BeamEntryTest, ValuesOutOfSinglePrecisionAreRefusedByName) {
  struct Case {
    void (*edit)(BeamEntryTexts&);
    const char* message;
  };
  const std::vector<Case> cases{
      {[](BeamEntryTexts& t) { t.spanLength = "1e300"; }, "Span length is out of range"},
      {[](BeamEntryTexts& t) { t.spanLength = "1e-50"; }, "Span length is out of range"},
      {[](BeamEntryTexts& t) { t.spanLength = "1e36"; }, "Span length is out of range"},  // x 1000
      {[](BeamEntryTexts& t) { t.Ixx = "1e-300"; }, "Ixx is out of range"},
      {[](BeamEntryTexts& t) { t.E = "1e400"; }, "E is out of range"},
      {[](BeamEntryTexts& t) { t.lhCantilever = true, t.lhLength = "1e306"; },
       "LH cantilever length is out of range"},
  };
  for (const Case& c : cases) {
    BeamProject project = SteelSection(3200);
    const BeamProject before = project;
    BeamEntryTexts texts = Typical();
    c.edit(texts);
    const BeamEntryOutcome outcome = ApplyBeamEntry(texts, UnitSettings{}, project);
    EXPECT_EQ(outcome.status, BeamEntryStatus::Failed) << c.message;
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(project.model.MainSpan.Length, before.model.MainSpan.Length);
  }
  // An unticked cantilever's box is not read, whatever it holds.
  BeamProject project = SteelSection(3200);
  BeamEntryTexts texts = Typical();
  texts.rhLength = "1e999";
  EXPECT_EQ(ApplyBeamEntry(texts, UnitSettings{}, project).status, BeamEntryStatus::Accepted);
}

// A cantilever typed as 1e306 m overflows to an infinite length; the supports are still drawn at
// pixel positions, not converted from NaN (undefined behaviour, caught by the sanitizer build).
TEST(BeamEntryTest, PictureOfAnInfiniteLengthStaysOnTheCanvas) {
  testing::RecordingCanvas canvas;
  const double infinite = std::numeric_limits<double>::infinity();
  DrawBeamEntryPicture(canvas, {545, 90, infinite, 6000, 0, false, true}, UnitSettings{});
  for (const auto& line : canvas.lines()) {
    EXPECT_GE(std::min(line.x1, line.x2), -1000);
    EXPECT_LE(std::max(line.x1, line.x2), 1545);
  }
  EXPECT_NE(canvas.FindText("Length = #####"), nullptr);
}

}  // namespace
}  // namespace trabeo
