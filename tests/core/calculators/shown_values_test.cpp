#include "calculators/shown_values.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace trabeo {
namespace {

std::vector<std::string> Texts(const std::vector<ShownValue>& values) {
  std::vector<std::string> texts;
  for (const ShownValue& v : values)
    texts.push_back(v.Text());
  return texts;
}

TEST(ShownValuesTest, TubeLinesInPrintOrder) {
  const TubeResults r = *CalculateTube({100, 5}).results;
  const std::vector<std::string> expected = {
      "Outside dia = 100 mm", "Wall thickness = 5 mm", "Area = 14.9 cm^2", "Ixx = 168.8 cm^4",
      "Iyy = 168.8 cm^4",     "Rx = 33.6 mm",          "Ry = 33.6 mm",     "x = 50.0 mm",
      "y = 50.0 mm",          "Zxx = 33.76 cm3",       "Zyy = 33.76 cm3",  "Sxx = 45.12 cm3",
      "Syy = 45.12 cm3",      "K = 337.6 cm4",         "t = 50.00 mm",     "Weight = 11.7 kg/m",
  };
  EXPECT_EQ(Texts(TubeShownValues(r)), expected);
  EXPECT_EQ(DesignLines(r.design, false),
            (std::vector<std::string>{"For grade 43   Py = 275 N/mm^2",
                                      "Section Type is Plastic for bending about x-x axis"}));
}

TEST(ShownValuesTest, IBeamUsesThePreferenceModulusLabels) {
  const IBeamResults r = *CalculateIBeam({203.2, 133.2, 5.7, 7.8, 7.6}).results;
  ModulusLabels swapped;
  swapped.elasticX = "Sxx";
  swapped.elasticY = "Syy";
  swapped.plasticX = "Zxx";
  swapped.plasticY = "Zyy";
  const std::vector<std::string> lines = Texts(IBeamShownValues(r, swapped));
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], "Depth = 203.2 mm");
  EXPECT_EQ(lines[5], "Web Depth = 172 mm");
  EXPECT_EQ(lines[6], "Area = 32.0 cm^2");
  EXPECT_EQ(lines[13], "Sxx = 230.3 cm3");  // the elastic modulus under the swapped name
  EXPECT_EQ(lines[15], "Zxx = 257.7 cm3");
  EXPECT_EQ(lines[17], "K = 5.964 cm4");
  EXPECT_EQ(lines[19], "Inscribed circle = 12.5 mm dia");
  EXPECT_EQ(lines[20], "u = 0.877");
  EXPECT_EQ(lines[22], "H = 0.0294 dm^6");
  EXPECT_EQ(lines[23], "Weight = 25.1 kg/m");
}

TEST(ShownValuesTest, ChannelShowsThreeDecimalFormats) {
  const ChannelResults r =
      *CalculateChannel({"76 x 38 RSC", 38.1, 76.2, 6.8, 5.1, 7.6, 2.4, 5}).results;
  const std::vector<std::string> lines = Texts(ChannelShownValues(r, {}));
  const std::vector<std::string> expected = {
      "Depth = 76.2 mm",
      "Width = 38.1 mm",
      "Web = 5.1 mm",
      "Flange = 6.8 mm",
      "Root Radius = 7.6 mm",
      "Toe Radius = 2.4 mm",
      "Web Depth = 45.8 mm",
      "Area = 8.55 cm^2",
      "Ixx = 74.27 cm^4",
      "Iyy = 10.66 cm^4",
      "Rx = 29.5 mm",
      "Ry = 11.2 mm",
      "Zxx = 19.49 cm3",
      "Zyy = 4.080 cm3",
      "Sxx = 23.46 cm3",
      "Syy = 7.830 cm3",
      "K = 1.280 cm4",
      "t = 12.1 mm",
      "u = 0.899",
      "x = 9.20",
      "H = 0.000105 dm^6",
      "Cy = 12.0 mm",
      "Ceq = 6.75 mm",
      "Inscribed circle = 10.2 mm dia",
      "x = 26.1 mm",
      "y = 38.1 mm",
      "eo = 15.7 mm",
      "Cs = 25.2 mm",
      "Weight = 6.71 kg/m",
  };
  EXPECT_EQ(lines, expected);
}

TEST(ShownValuesTest, AngleLines) {
  const std::vector<std::string> lines =
      Texts(AngleShownValues(*CalculateAngle({25, 25, 3, 3.5, 2.4}).results));
  EXPECT_EQ(lines[5], "Area = 1.412 cm^2");
  EXPECT_EQ(lines[10], "Zxx = 0.4400 cm3");
  EXPECT_EQ(lines[19], "Ivv = 0.3251 cm^4");
  EXPECT_EQ(lines[22], "Alpha = 45.0 deg");
}

// The windows find each label's value by its quantity, so a shape shows every quantity once, after
// the dimensions as typed.
TEST(ShownValuesTest, EachShapeShowsEveryQuantityOnceAfterItsDimensions) {
  const std::pair<const char*, std::vector<ShownValue>> sheets[] = {
      {"tube", TubeShownValues(*CalculateTube({100, 5}).results)},
      {"box", BoxShownValues(*CalculateBox({50, 100, 5}).results)},
      {"I-beam", IBeamShownValues(*CalculateIBeam({203.2, 133.2, 5.7, 7.8, 7.6}).results, {})},
      {"joist", JoistShownValues(*CalculateJoist({101.6, 101.6, 10.3, 9.5, 11.1, 3.2, 8}).results)},
      {"channel",
       ChannelShownValues(*CalculateChannel({"c", 38.1, 76.2, 6.8, 5.1, 7.6, 2.4, 5}).results, {})},
      {"angle", AngleShownValues(*CalculateAngle({40, 25, 4, 4, 2.4}).results)},
  };
  for (const auto& [shape, lines] : sheets) {
    std::set<CalculatorQuantity> seen;
    for (const ShownValue& line : lines) {
      if (line.quantity == CalculatorQuantity::Dimension) {
        EXPECT_TRUE(seen.empty()) << shape << ": " << line.Text();
        continue;
      }
      EXPECT_TRUE(seen.insert(line.quantity).second) << shape << ": " << line.Text();
      EXPECT_EQ(FindShownValue(lines, line.quantity), &line) << shape << ": " << line.Text();
    }
  }
}

TEST(ShownValuesTest, NoClassWhenTheThicknessIsBeyondTheTable) {
  const IBeamResults r = *CalculateIBeam({800, 400, 60, 101, 20}).results;
  EXPECT_EQ(DesignLines(r.design, false),
            (std::vector<std::string>{"For grade 43   Py = 0.0 N/mm^2",
                                      "Section Type is  for bending about x-x axis"}));
}

}  // namespace
}  // namespace trabeo
