#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "cli/cli_test_support.h"

namespace trabeo {
namespace {

using testing::RunTrabeoCli;
using testing::TempFolder;

// 203 x 133 UB 25 as `sections UB.sct --json` prints its record.
const char* const kUb203x133x25 = R"({"Designation": "203 x 133 UB 25          ",
    "Depth": 203.2, "Width": 133.2, "WebThk": 5.7, "FlgThk": 7.8, "RootRad": 7.6, "ToeRad": 0.0,
    "Outstand": 66.6, "WebDepth": 172.4, "FlgAngle": 0.0, "Grade": 43.0, "E": 205000.0,
    "Type": "Beam", "Area": 3196.8, "Ixx": 23402000.0, "Iyy": 3076300.0, "Rx": 85.56,
    "Ry": 31.021, "Cx": 0.0, "Cy": 0.0, "ExtremeX": 66.6, "ExtremeY": 101.6, "Iuu": 0.0,
    "Ivv": 0.0, "Ru": 0.0, "Rv": 0.0, "Alpha": 0.0, "K": 59642.0, "TorsionFibre": 15.082,
    "Cs": 0.0, "Sxx": 258000.0, "Syy": 70900.0, "u": 0.877, "x": 25.605, "H": 29364000000.0,
    "Extra": 0.0, "RecordNo": 9})";

// A 4 m simply supported span under 10 kN/m factored 1.6, both ends laterally restrained with
// both flanges free to rotate on plan under normal load: Le = 1.0 L.
std::string UbCase(const std::string& extra = "") {
  return std::string(R"({"MainSpan": 4000, "E": 205000, "Ixx": 23402000, "DesignCode": 5950,
      "LoadTable": [{"Kind": -1, "Position": 0, "Intensity": 10, "EndIntensity": 10,
                     "Cover": 4000, "Factor": 1.6}],
      "EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4000, 0],
      "SpanRestraintFlags": [0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0],
      "Section": )") +
         kUb203x133x25 + extra + "}";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// By hand, S275 (T = 7.8 mm), E = 205000 N/mm2, n = 1 (NFactorMode 1):
//   lambda = 4000 / 31.021 = 128.94; v = (1 + 0.05 (128.94 / 25.605)^2)^-1/4 = 0.8149;
//   lambdaLT = 0.877 x 0.8149 x 128.94 = 92.15; lambdaL0 = 0.4 sqrt(pi^2 E / py) = 34.31;
//   etaLT = 0.007 (92.15 - 34.31) = 0.405; pE = pi^2 E / 92.15^2 = 238.3;
//   phiLT = (275 + 1.405 x 238.3) / 2 = 304.9; pb = 238.3 x 275 / (304.9 + sqrt(304.9^2 -
//   238.3 x 275)) = 139.3 N/mm2; Mb = 139.3 x 258 cm3 = 35.93 kN-m.
//   M = 16 x 4^2 / 8 = 32 kN-m: 32 / 35.93 = 0.891. V = 32 kN; the low-shear limit
//   0.6 x 0.6 x 275 x 203.2 x 5.7 = 114.7 kN: 0.279. Deflection under 10 kN/m,
//   5 w L^4 / 384 E I = 6.95 mm = L / 576, within L / 360.
TEST(AnalyseSteelTest, HandCheckedUniversalBeam) {
  TempFolder folder;
  const auto run = RunTrabeoCli({"analyse", folder.Write("ub.json", UbCase()), "--listing"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  EXPECT_TRUE(Has(lines, "               CODE CHECK TO BS 5950 CLAUSE 4.2.5 \"Low Shear\""));
  EXPECT_TRUE(Has(lines, "               BEAM COMPLIES WITH BS 5950 FOR BENDING AND SHEAR"));
  EXPECT_TRUE(Has(lines, " Effective Length (Le) = 4.00 m"));
  EXPECT_TRUE(Has(lines, " \"Low\" Shear to clause 4.2.5 = 114.7 kN"));
  EXPECT_TRUE(Has(lines, " Shear = 0.279 x allowable                    SHEAR OK"));
  EXPECT_TRUE(Has(lines, " Max Allowable Moment = 35.93 kN-m"));
  EXPECT_TRUE(Has(lines, " Bending Moment = 0.891 x allowable           BENDING MOMENT OK "));
  EXPECT_TRUE(Has(lines, " SPAN deflection/span ratio = 1/576"));
  EXPECT_TRUE(Has(lines, "  Section is Compact"));
  EXPECT_TRUE(Has(lines, "  Lambda LT = 92.1"));
  EXPECT_TRUE(Has(lines, "  Pb = 139 N/mm^2"));
  EXPECT_TRUE(Has(lines, "  Buckling resistance moment = 35.93 kN-m"));
}

// NFactorMode 3 with the question cancelled: the span is not checked, the question is recorded
// with a null answer and the beam is listed as not checked.
TEST(AnalyseSteelTest, JsonRecordsTheQuestionsAndTheCheck) {
  TempFolder folder;
  const auto run = RunTrabeoCli(
      {"analyse", folder.Write("ub.json", UbCase(R"(, "NFactorMode": 3, "Answers": ["2"])")),
       "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  ASSERT_EQ(json["Dialogs"].size(), 2u);
  EXPECT_EQ(json["Dialogs"][0]["Caption"], " \"n\" from Table 15 or 16 of BS 5950");
  EXPECT_EQ(json["Dialogs"][0]["Answer"], "2");
  EXPECT_TRUE(json["Dialogs"][1]["Answer"].is_null());
  EXPECT_EQ(json["Messages"], nlohmann::json({"value of n entered is too high"}));
  EXPECT_EQ(json["ComplianceState"], 0);
  EXPECT_EQ(json["ListColour"], "black");
  EXPECT_EQ(json["DesignStrength"], 275.0);
  EXPECT_EQ(json["SectionClassText"], "Compact");
  ASSERT_EQ(json["CheckText"].size(), 13u);
  EXPECT_EQ(json["CheckText"][10].size(), 102u);
  EXPECT_EQ(json["CheckText"][10][0], "2");  // the heading and the effective length
  EXPECT_EQ(json["CheckText"][10][1], " BEAM SPAN");
  for (const char* name :
       {"AvgLoadFactor", "PartMb", "PartShearLimit", "PartN", "PartM", "SegmentMaxShear",
        "SegmentMaxMoment", "EffectiveLengths", "RsaLengths", "CheckWarnings"}) {
    EXPECT_TRUE(json.contains(name)) << name;
  }
}

TEST(AnalyseSteelTest, BadSteelFieldsGiveOneMessageAndStatusTwo) {
  TempFolder folder;
  const std::vector<std::pair<const char*, std::string>> cases{
      {"grade", R"(, "SteelGrade": 44)"},
      {"n rule", R"(, "NFactorMode": 4)"},
      {"short list", R"(, "RhCantRestraintFlags": [0, 1])"},
      {"station", R"(, "RestraintStations": [1, 2, 3, 4, 5, 6, 7, 8, 9, 300])"},
      {"answers", R"(, "Answers": [0.9])"},
  };
  for (const auto& [name, extra] : cases) {
    const auto run = RunTrabeoCli({"analyse", folder.Write("bad.json", UbCase(extra))});
    EXPECT_EQ(run.status, 2) << name;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << name << ": " << run.err;
  }
  std::string misspelt = UbCase();
  misspelt.replace(misspelt.find("\"Sxx\""), 5, "\"Sx\"");
  const auto run = RunTrabeoCli({"analyse", folder.Write("bad.json", misspelt)});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Section: Sx is not a field of a section record"), std::string::npos);
}

}  // namespace
}  // namespace trabeo
