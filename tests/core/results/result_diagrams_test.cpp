// The shear, moment and deflection diagrams: layout, curves, value labels and extremes.
#include "results/result_diagrams.h"

#include <gtest/gtest.h>

#include "core/results/diagram_test_support.h"

namespace trabeo {
namespace {

using testing::BeamBuilder;
using testing::Drawable;
using testing::HasLine;
using testing::LinesIn;
using testing::RecordedText;
using testing::RecordingCanvas;

// The default tile of an 800 x 767 window: a list of 125 px, so 642 px left for the picture.
constexpr MainWindowGeometry kWindow{800, 767, 125, 0};

// 6 m simply supported under 5 kN/m: shears +-15 kN, 22.5 kN-m at mid-span, 4.219 mm down.
BeamModel UdlSpan() {
  return BeamBuilder(6000).Udl(0, 6000, 5, 5).Build();
}

const RecordedText& Text(const RecordingCanvas& canvas, const std::string& text) {
  const auto* found = canvas.FindText(text);
  static const RecordedText kMissing{-1, -1, "missing", Font{}};
  EXPECT_NE(found, nullptr) << text;
  return found ? *found : kMissing;
}

// Lowest and highest y of the green lines between two heights.
std::pair<int, int> CurveRange(const RecordingCanvas& canvas, int top, int bottom) {
  int lowest = bottom, highest = top;
  for (const auto& line : LinesIn(canvas, colors::kGreen)) {
    for (int y : {line.y1, line.y2}) {
      if (y < top || y > bottom) continue;
      lowest = std::min(lowest, y);
      highest = std::max(highest, y);
    }
  }
  return {lowest, highest};
}

TEST(ResultDiagramsTest, LayoutFollowsTheListHeight) {
  struct Case {
    MainWindowGeometry window;
    int shear, moment, deflection;
    double h;  // the height the scales divide
  };
  const std::vector<Case> cases{
      {kWindow, 232, 362, 480, 392},             // 592 px for the baselines
      {{800, 767, 0, 0}, 258, 416, 559, 517},    // "Diagrams": no list
      {{800, 767, 587, 1}, 276, 452, 612, 250},  // "Results": fixed at 800, h at least 250
      {{800, 400, 25, 0}, 181, 258, 328, 250},   // small windows keep 350 and 250
  };
  BeamResults results;
  results.ShearExtremes[0] = 1000;
  results.MomentExtremes[0] = 2000;
  results.DeflectionExtremes[0] = 4;
  for (const Case& c : cases) {
    const ResultDiagramLayout layout = LayoutResultDiagrams(c.window, results);
    EXPECT_EQ(layout.shearBaseline, c.shear) << c.window.listHeight;
    EXPECT_EQ(layout.momentBaseline, c.moment) << c.window.listHeight;
    EXPECT_EQ(layout.deflectionBaseline, c.deflection) << c.window.listHeight;
    EXPECT_DOUBLE_EQ(layout.shearScale, 0.09 * c.h / 1000);
    EXPECT_DOUBLE_EQ(layout.momentScale, 0.09 * c.h / 2000);
    EXPECT_DOUBLE_EQ(layout.deflectionScale, 0.1 * c.h / 4);
  }
  results.ShearExtremes[0] = 0;
  EXPECT_EQ(LayoutResultDiagrams(kWindow, results).shearScale, 0);
}

TEST(ResultDiagramsTest, SimpleSpanCurvesAxesAndCaptions) {
  const Drawable beam(UdlSpan());
  RecordingCanvas canvas;
  DrawResultDiagrams(canvas, beam.inputs(), kWindow);
  for (int baseline : {232, 362, 480})
    EXPECT_TRUE(HasLine(canvas, {150, baseline, 725, baseline, colors::kWhite, 2})) << baseline;
  EXPECT_EQ(Text(canvas, "SHEAR").y, 227);
  EXPECT_EQ(Text(canvas, "MOMENT").y, 357);
  EXPECT_EQ(Text(canvas, "DEFLECTION").y, 475);
  EXPECT_EQ(Text(canvas, "LOADS").y, 80);
  EXPECT_EQ(Text(canvas, "LOADS").x, 8);
  // Each curve starts on its axis at x = 150; the largest value spans 9 % or 10 % of 392 px.
  const auto green = LinesIn(canvas, colors::kGreen);
  ASSERT_FALSE(green.empty());
  EXPECT_EQ(green.front().x1, 150);
  EXPECT_EQ(green.front().y1, 232);
  EXPECT_EQ(CurveRange(canvas, 150, 300), (std::pair{196, 267}));  // 232 -+ 35.28
  EXPECT_EQ(CurveRange(canvas, 300, 420).first, 326);              // sagging above: 362 - 35.28
  EXPECT_EQ(CurveRange(canvas, 440, 560), (std::pair{480, 519}));  // downward below: 480 + 39.2
}

TEST(ResultDiagramsTest, ValueLabelsSitAboveOrBelowTheirPoints) {
  const Drawable beam(UdlSpan());
  RecordingCanvas canvas;
  DrawResultDiagrams(canvas, beam.inputs(), kWindow);
  const RecordedText& lhShear = Text(canvas, "15.0 kN");
  EXPECT_EQ(lhShear.x, 130);
  EXPECT_EQ(lhShear.y, 171);  // 196.72 - 25
  EXPECT_EQ(lhShear.font.color, colors::kYellow);
  const RecordedText& rhShear = Text(canvas, "-15.0 kN");
  EXPECT_EQ(rhShear.x, 705);
  EXPECT_EQ(rhShear.y, 277);  // 267.28 + 10
  EXPECT_EQ(rhShear.font.color, colors::kCyan);
  const RecordedText& midMoment = Text(canvas, "22.5 kN-m");
  EXPECT_EQ(midMoment.x, 417);
  EXPECT_EQ(midMoment.y, 301);
  const RecordedText& midDeflection = Text(canvas, "-4.22 mm");
  EXPECT_EQ(midDeflection.x, 417);
  EXPECT_EQ(midDeflection.y, 529);  // 519.2 + 10
  EXPECT_EQ(midDeflection.font.color, colors::kCyan);
  // Zero end moments are not labelled; the only zero moment shown is the hogging extreme.
  const auto zeros = canvas.TextsEqualTo("0.00 kN-m");
  ASSERT_EQ(zeros.size(), 1u);
  EXPECT_EQ(zeros[0].x, 8);
}

TEST(ResultDiagramsTest, ExtremesAtTheLeftMargin) {
  const Drawable beam(UdlSpan());
  RecordingCanvas canvas;
  DrawResultDiagrams(canvas, beam.inputs(), kWindow);
  // The recording canvas's text height at size 8 is 10 px.
  EXPECT_EQ(Text(canvas, "Max +ve Shear").y, 232 - 10 - 30);
  EXPECT_EQ(Text(canvas, "Max -ve Shear").y, 232 + 10);
  EXPECT_EQ(Text(canvas, "Max +ve Mom").y, 362 - 40);
  EXPECT_EQ(Text(canvas, "Max -ve Mom").y, 372);
  const auto values = canvas.TextsEqualTo("22.5 kN-m");
  ASSERT_EQ(values.size(), 2u);  // the mid-span label and the extreme's value
  EXPECT_EQ(values[1].x, 8);
  EXPECT_EQ(values[1].y, 362 - 40 + 15);
  EXPECT_EQ(Text(canvas, "Max -ve Deflection").y, 490);
  EXPECT_EQ(Text(canvas, "Max -ve Deflection").font.color, colors::kCyan);
  EXPECT_EQ(canvas.FindText("Max +ve Deflection"), nullptr);  // nothing rises
}

TEST(ResultDiagramsTest, InvertedMomentsDrawSaggingBelowAndSwapTheExtremes) {
  Drawable beam(UdlSpan());
  beam.units.MomentPlotSign = kMomentPlotInverted;
  RecordingCanvas canvas;
  DrawResultDiagrams(canvas, beam.inputs(), kWindow);
  EXPECT_EQ(CurveRange(canvas, 300, 420), (std::pair{362, 397}));  // 362 + 35.28
  EXPECT_EQ(Text(canvas, "Max +ve Mom").y, 372);
  EXPECT_EQ(Text(canvas, "Max -ve Mom").y, 322);
  const RecordedText& midMoment = Text(canvas, "22.5 kN-m");
  EXPECT_EQ(midMoment.y, 407);  // 397.28 + 10: below its point, still yellow
  EXPECT_EQ(midMoment.font.color, colors::kYellow);
}

TEST(ResultDiagramsTest, ShearExtremesNeedSupportShearsOnTheirSide) {
  // Results crafted so that no support shear is negative: only "Max +ve Shear" is shown.
  const BeamModel model = BeamBuilder(6000).Build();
  auto results = std::make_unique<BeamResults>();
  results->DeflectionExtremes = {1, -1, 0};
  results->ShearExtremes = {5000, 5000, -200};
  results->MomentExtremes = {1e6, 0, 1e6};
  results->SupportShears = {5000, 3000, 0};
  const UdlOutline outline;
  const UnitSettings units;
  RecordingCanvas canvas;
  DrawResultDiagrams(canvas, {model, *results, outline, units}, kWindow);
  EXPECT_NE(canvas.FindText("Max +ve Shear"), nullptr);
  EXPECT_EQ(canvas.FindText("Max -ve Shear"), nullptr);
  // The span-end shears are labelled whatever their size.
  EXPECT_NE(canvas.FindText("3.00 kN"), nullptr);
}

TEST(ResultDiagramsTest, UnloadedBeamHasNoResultDiagrams) {
  const Drawable beam(BeamBuilder(6000).Build());
  RecordingCanvas canvas;
  DrawResultDiagrams(canvas, beam.inputs(), kWindow);
  EXPECT_TRUE(canvas.lines().empty());
  EXPECT_TRUE(canvas.texts().empty());
}

}  // namespace
}  // namespace trabeo
