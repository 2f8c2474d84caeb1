#include "calculators/calculator_print.h"

#include <gtest/gtest.h>

#include "support/recording_print_job.h"

namespace trabeo {
namespace {

using testing::RecordingPrintJob;

CalculatorSheet SheetOf(CalculatorShape shape, std::vector<std::string> dimensions,
                        SteelGrade grade = SteelGrade::S275) {
  CalculatorEntry entry;
  entry.shape = shape;
  entry.dimensions = std::move(dimensions);
  entry.grade = grade;
  entry.description = "any";
  const CalculatorRun run = RunCalculator(entry);
  EXPECT_TRUE(run.ok()) << run.message;
  return run.sheet.value_or(CalculatorSheet{});
}

// The 203 x 133 UB 25 as its published dimensions are usually written. Its flange outstand
// b/T = 66.6 / 7.8 = 8.54 lies just past the plastic limit 8.5 of grade 43: compact.
CalculatorSheet Ub25Sheet() {
  return SheetOf(CalculatorShape::IBeam, {"203.20", "133.20", "5.70", "7.80", "7.60"});
}

// Each printed text with its page line, found back from its height on a 600 dpi page where line
// k stands at trunc(600 / 25.4 x 4 x k) dots.
struct PrintedLine {
  int line;
  std::string text;
};

int DotsOfLine(int line, int dpi) {
  return static_cast<int>(dpi / 25.4 * 4 * line);
}

TEST(CalculatorPrintTest, IBeamLinesStandOnTheirPageLinesWithTheDimensionsAsTyped) {
  RecordingPrintJob job;
  HeaderTexts header;
  header.HeaderCompany = "Acme";
  header.CurrentFileName = "/beams/first.trb";
  ASSERT_TRUE(PrintCalculatorSheet(job, Ub25Sheet(), "203 x 133 UB 25 as rolled",
                                   {header, "Trabeo", "1/2/25  10:00"}));
  EXPECT_TRUE(job.ended());

  const std::vector<PrintedLine> expected = {
      {23, "BEAM SECTION PROPERTIES"},
      {25, "203 x 133 UB 25 as rolled"},
      {27, "Depth = 203.20 mm"},
      {29, "Web = 5.70 mm"},
      {32, "Web Depth = 172 mm"},
      {34, "Area = 32.0 cm^2"},
      {35, "Ixx = 2340 cm^4"},
      {39, "x = 66.6 mm"},
      {42, "Zxx = 230.3 cm3"},
      {45, "Sxx = 257.7 cm3"},
      {51, "Inscribed circle = 12.5 mm dia"},
      {55, "H = 0.0294 dm^6"},
      {56, "Weight = 25.1 kg/m"},
      {58, "For grade 43   Py = 275 N/mm^2"},
      {59, "Section Type is Compact for bending about x-x axis"},
  };
  const auto& canvas = job.recorder();
  for (const PrintedLine& line : expected) {
    const auto found = canvas.TextsEqualTo(line.text);
    ASSERT_EQ(found.size(), 1u) << line.text;
    EXPECT_EQ(found[0].x, 150) << line.text;
    EXPECT_EQ(found[0].y, DotsOfLine(line.line, 600)) << line.text;
    EXPECT_EQ(found[0].font.name, "Arial");
    EXPECT_EQ(found[0].font.size, line.line == 23 ? 11 : 10) << line.text;
  }
  // Under the header, which names no file: a section belongs to no beam file.
  EXPECT_EQ(canvas.FindText("/beams"), nullptr);
  ASSERT_NE(canvas.FindText("Acme"), nullptr);
  // The header's rule lies above the title.
  EXPECT_LT(canvas.FindText("Acme")->y, DotsOfLine(23, 600));
}

TEST(CalculatorPrintTest, LinesFollowTheVerticalResolution) {
  RecordingPrintJob job(600, 300);
  HeaderTexts header;
  ASSERT_TRUE(PrintCalculatorSheet(job, SheetOf(CalculatorShape::Tube, {"100", "5"}), "CHS",
                                   {header, "Trabeo", ""}));
  const auto title = job.recorder().TextsEqualTo("TUBE SECTION PROPERTIES");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].y, 708);  // trunc(300 / 25.4 x 4 x 15) = trunc(708.66)
  EXPECT_EQ(title[0].x, 150);
  ASSERT_EQ(job.recorder().TextsEqualTo("Weight = 11.7 kg/m").size(), 1u);
  EXPECT_EQ(job.recorder().TextsEqualTo("Weight = 11.7 kg/m")[0].y, DotsOfLine(37, 300));
}

// B = 50, D = 100, t = 5: A 13.9 cm2, Ixx 169.9, Iyy 55.06, Zxx 33.98, Zyy 22.02, K 134.6,
// t 36.4, Sxx 43.31, Syy 26.11, weight 10.9 kg/m; b/T = 35/5 and d/t = 85/5 are plastic for both
// axes at py 275.
TEST(CalculatorClipboardTest, BoxTextIsGroupedByCarriageReturns) {
  const CalculatorSheet sheet = SheetOf(CalculatorShape::Box, {"100", "50", "5.0"});
  EXPECT_EQ(CalculatorClipboardText(sheet, "100 x 50 x 5 RHS"),
            "BOX SECTION PROPERTIES\r\r"
            "100 x 50 x 5 RHS\r\r"
            "Depth = 100 mm\r"
            "Width = 50 mm\r"
            "Wall thickness = 5.0 mm\r\r"
            "Outstand = 35.0 mm\r"
            "Web Depth = 85.0 mm\r"
            "Area = 13.9 cm^2\r\r"
            "Ixx = 169.9 cm^4\r"
            "Iyy = 55.06 cm^4\r\r"
            "Rx = 35.0 mm\r"
            "Ry = 19.9 mm\r\r"
            "Zxx = 33.98 cm3\r"
            "Zyy = 22.02 cm3\r\r"
            "Sxx = 43.31 cm3\r"
            "Syy = 26.11 cm3\r\r"
            "K = 134.6 cm4\r"
            "t = 36.4 mm\r\r"
            "Weight = 10.9 kg/m\r\r"
            "For grade 43   Py = 275 N/mm^2\r"
            "Section Type is Plastic for bending about x-x axis\r"
            "Section Type is Plastic for bending about y-y axis\r");
}

// The angle copies no grade or class, and the description is cut to its 25 characters.
TEST(CalculatorClipboardTest, AngleHasNoDesignLines) {
  const CalculatorSheet sheet = SheetOf(CalculatorShape::Angle, {"25", "25", "3", "3.5", "2.4"});
  const std::string text = CalculatorClipboardText(sheet, "25 x 25 x 3 equal angle, rolled");
  EXPECT_TRUE(
      text.starts_with("ANGLE SECTION PROPERTIES\r\r25 x 25 x 3 equal angle, \r\r"
                       "Depth = 25 mm\r"))
      << text;
  EXPECT_NE(text.find("Toe Radius = 2.4 mm\r\rArea = 1.412 cm^2\r\r"), std::string::npos);
  EXPECT_NE(text.find("y = 17.8 mm\r\rIuu = 1.243 cm^4\r"), std::string::npos);
  EXPECT_TRUE(text.ends_with("Alpha = 45.0 deg\r\rWeight = 1.11 kg/m\r\r")) << text;
}

}  // namespace
}  // namespace trabeo
