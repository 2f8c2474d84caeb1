#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_test_support.h"

// The beam check to EN 1993-1-1 (UK National Annex) through `trabeo-cli analyse`, against values
// worked by hand from clauses 6.2.5, 6.2.6 and 6.3.2.3 with the quarter-point C1 and the f
// modification with kc = 1/sqrt(C1).

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

// A simply supported span under 10 kN/m factored 1.6, checked to EN 1993-1-1.
std::string UbCase(int span, const std::string& restraints) {
  return R"({"MainSpan": )" + std::to_string(span) +
         R"(, "E": 205000, "Ixx": 23402000, "DesignCode": 1993,
      "LoadTable": [{"Kind": -1, "Position": 0, "Intensity": 10, "EndIntensity": 10,
                     "Cover": )" +
         std::to_string(span) + R"(, "Factor": 1.6}],
      "SpanRestraintFlags": [0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0],)" +
         restraints + R"(, "Section": )" + kUb203x133x25 + "}";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// The lines that hold text, as the listing of an opened file shows them: the file keeps a blank
// line without its spaces, and of the interval tables' heading only its stored last line.
std::vector<std::string> TextLines(const std::vector<std::string>& lines) {
  std::vector<std::string> texts;
  for (const std::string& line : lines) {
    if (line.find_first_not_of(' ') != std::string::npos &&
        line != " RESULTS AT 1/20th SPAN INTERVALS")
      texts.push_back(line);
  }
  return texts;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::vector<std::string> AnalysedListing(TempFolder& folder, const std::string& caseText) {
  return Lines(RunTrabeoCli({"analyse", folder.Write("case.json", caseText), "--listing"}).out);
}

nlohmann::json AnalysedJson(TempFolder& folder, const std::string& caseText) {
  const auto run = RunTrabeoCli({"analyse", folder.Write("case.json", caseText), "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  return nlohmann::json::parse(run.out);
}

// 4 m span, Lcr = 4 m. By hand, S275 (t_f = 7.8 mm: f_y = 275), E = 210000, G = 81000:
//   Class 1 (flange c/t = 56.15 / 7.8 = 7.20 <= 9 eps = 8.32). Mc,Rd = 258000 x 275 = 70.95 kN-m.
//   Av = 3196.8 - 2 x 133.2 x 7.8 + (5.7 + 15.2) x 7.8 = 1281.9 mm2 (>= hw tw = 1069.3);
//   Vpl,Rd = 1281.9 x 275 / sqrt(3) = 203.53 kN.
//   M_Ed = 16 x 4^2 / 8 = 32 kN-m; V_Ed = 32 kN. Quarter points 24, 32, 24 kN-m:
//   C1 = sqrt(35 / (1 + 9 x 0.5625 x 2 + 16)) = 1.1359.
//   pi^2 E Iz / L^2 = 398.51 kN; Iw/Iz = 9545.2 mm2; L^2 G It / (pi^2 E Iz) = 12122.7 mm2;
//   Mcr = 1.1359 x 398.51 x sqrt(21667.9) = 66.63 kN-m.
//   lambdaLT = sqrt(70.95 / 66.63) = 1.0319; h/b = 1.53: curve b (0.34);
//   phi = 0.5 (1 + 0.34 x 0.6319 + 0.75 x 1.0648) = 1.0067; chiLT = 0.6801;
//   kc = 0.9383; f = 1 - 0.5 x 0.0617 x (1 - 2 x 0.2319^2) = 0.9725; chiLT,mod = 0.6994;
//   Mb,Rd = 49.62 kN-m. Utilisations 32 / 70.95 = 0.451, 32 / 203.5 = 0.157, 32 / 49.62 = 0.645.
TEST(Ec3BeamCheckTest, HandCheckedSpan) {
  TempFolder folder;
  const std::string caseText =
      UbCase(4000, R"("EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4000, 0])");
  const auto json = AnalysedJson(folder, caseText);
  ASSERT_EQ(json["Ec3Parts"].size(), 1u);
  const auto& span = json["Ec3Parts"][0];
  EXPECT_EQ(span["Part"], "Span");
  EXPECT_NEAR(span["MEd"].get<double>(), 32e6, 1e3);
  EXPECT_NEAR(span["VEd"].get<double>(), 32e3, 1);
  EXPECT_EQ(span["Lcr"], 4000.0);
  EXPECT_NEAR(span["C1"].get<double>(), 1.1359, 1e-4);
  EXPECT_NEAR(span["Mcr"].get<double>(), 66.63e6, 0.01e6);
  EXPECT_NEAR(span["McRd"].get<double>(), 70.95e6, 1e3);
  EXPECT_NEAR(span["VplRd"].get<double>(), 203.53e3, 10);
  EXPECT_NEAR(span["ChiLT"].get<double>(), 0.6801, 1e-4);
  EXPECT_NEAR(span["MbRd"].get<double>(), 49.62e6, 0.01e6);
  EXPECT_NEAR(span["UtilisationBending"].get<double>(), 0.451, 5e-4);
  EXPECT_NEAR(span["UtilisationShear"].get<double>(), 0.157, 5e-4);
  EXPECT_NEAR(span["UtilisationLTB"].get<double>(), 0.645, 5e-4);
  EXPECT_EQ(span["Verdict"], "PASS");
  EXPECT_EQ(json["Ec3Verdict"], "PASS");
  EXPECT_EQ(json["ListColour"], "black");

  const auto listing = AnalysedListing(folder, caseText);
  EXPECT_TRUE(Has(listing, "               CODE CHECK TO EN 1993-1-1 CLAUSES 6.2 AND 6.3.2"));
  EXPECT_TRUE(Has(listing, "               BEAM COMPLIES WITH EN 1993-1-1 FOR BENDING AND SHEAR"));
  EXPECT_TRUE(Has(listing, " chiLT,mod = 0.699"));
  EXPECT_TRUE(Has(listing, " Mb,Rd = 49.62 kN-m"));
  EXPECT_TRUE(Has(listing, " Lateral-torsional buckling = 0.645   OK"));
  EXPECT_TRUE(Has(listing, " SPAN deflection/span ratio = 1/576"));
}

// 6 m span with one restraint 1.5 m from the left (stations 50 and 150 of 200), Lcr 1.5 and
// 4.5 m. M(x) = 8 x (6 - x) kN-m; quarter-point moments are read between stations 30 mm apart.
//   Segment 1: Mmax = 54; M_A = 16.873 (16.875 exact), M_B = 31.5, M_C = 43.873:
//     C1 = sqrt(35 x 54^2 / (54^2 + 9 x 16.873^2 + 16 x 31.5^2 + 9 x 43.873^2)) = 1.6244;
//     Mcr = 488.2 kN-m, lambdaLT = 0.381 <= 0.4: chiLT = 1, Mb,Rd = Mc,Rd = 70.95; 54 / 70.95 =
//     0.761.
//   Segment 2: Mmax = 72 at mid-span; M_A = 70.873, M_B = 67.5, M_C = 43.873: C1 = 1.1359;
//     Mcr = 56.43 kN-m, lambdaLT = 1.1213, chiLT = 0.6257, f = 0.9755, Mb,Rd = 45.51 kN-m;
//     bending 72 / 70.95 = 1.015 and buckling 72 / 45.51 = 1.582 fail.
TEST(Ec3BeamCheckTest, SegmentsTakeTheirOwnLengthAndMomentDiagram) {
  TempFolder folder;
  const std::string caseText = UbCase(6000, R"("IntermediateRestraints": 1,
      "RestraintStations": [50, 150, 0, 0, 0, 0, 0, 0, 0, 0],
      "EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 1500, 4500, 1, 0, 0])");
  const auto json = AnalysedJson(folder, caseText);
  ASSERT_EQ(json["Ec3Parts"].size(), 2u);
  const auto& first = json["Ec3Parts"][0];
  const auto& second = json["Ec3Parts"][1];
  EXPECT_EQ(first["Part"], "Segment 1");
  EXPECT_EQ(second["Part"], "Segment 2");
  EXPECT_NEAR(first["C1"].get<double>(), 1.6244, 1e-4);
  EXPECT_NEAR(first["Mcr"].get<double>(), 488.2e6, 0.1e6);
  EXPECT_NEAR(first["MbRd"].get<double>(), 70.95e6, 1e3);
  EXPECT_NEAR(first["UtilisationLTB"].get<double>(), 0.761, 5e-4);
  EXPECT_EQ(first["Verdict"], "PASS");
  EXPECT_NEAR(second["C1"].get<double>(), 1.1359, 1e-4);
  EXPECT_NEAR(second["Mcr"].get<double>(), 56.43e6, 0.01e6);
  EXPECT_NEAR(second["MbRd"].get<double>(), 45.51e6, 0.01e6);
  EXPECT_NEAR(second["UtilisationBending"].get<double>(), 1.015, 5e-4);
  EXPECT_NEAR(second["UtilisationLTB"].get<double>(), 1.582, 5e-4);
  EXPECT_EQ(second["Verdict"], "FAIL");
  EXPECT_EQ(json["Ec3Verdict"], "FAIL");
  EXPECT_EQ(json["ListColour"], "red");

  const std::string file = (folder.path() / "segments.trb").string();
  ASSERT_EQ(RunTrabeoCli({"save", folder.Write("case.json", caseText), file}).status, 0);
  const auto listing = AnalysedListing(folder, caseText);
  EXPECT_TRUE(Has(listing, "               BEAM DOES NOT COMPLY WITH EN 1993-1-1"));
  EXPECT_TRUE(Has(listing, " SEGMENT 2  (EN 1993-1-1)"));
  EXPECT_TRUE(Has(listing, " Length = 4.50 m"));
  EXPECT_TRUE(Has(listing, " Bending = 1.015   TOO HIGH"));

  // The file keeps the code in its version 4 DesignCode field, and opens with the same verdict
  // and every part's block.
  const auto opened = RunTrabeoCli({"open", file, "--json"});
  ASSERT_EQ(opened.status, 0) << opened.err;
  const auto openedJson = nlohmann::json::parse(opened.out);
  EXPECT_EQ(openedJson["Version"], 4.0);
  EXPECT_EQ(openedJson["Fields"]["DesignCode"], 1993);
  EXPECT_EQ(openedJson["ListColour"], "red");
  // The listing of the opened file shows what the analysis listed.
  EXPECT_EQ(TextLines(openedJson["Listing"].get<std::vector<std::string>>()), TextLines(listing));
}

// A point load on a restraint is taken by the segment the restraint starts. 3 m span restrained
// at 0.3 m (station 21), 90 kN at 0.3 m and 60 kN at 1.2 m: R_A = 81 + 36 = 117 kN, so segment 1
// carries 117 kN (above 0.5 V_pl,Rd = 101.8 kN) and segment 2 at most 117 - 90 = 27 kN and
// 27 - 60 = -33 kN; its M_Ed = 117 x 1.2 - 90 x 0.9 = 59.4 kN-m meets the full M_c,Rd = 70.95 kN-m.
TEST(Ec3BeamCheckTest, PointLoadOnARestraintBelongsToTheSegmentItStarts) {
  TempFolder folder;
  const auto beam = AnalysedJson(folder, std::string(R"({"MainSpan": 3000, "E": 205000,
      "Ixx": 23402000, "DesignCode": 1993,
      "LoadTable": [{"Kind": 1, "Position": 300, "Intensity": 90000, "Factor": 1},
                    {"Kind": 1, "Position": 1200, "Intensity": 60000, "Factor": 1}],
      "IntermediateRestraints": 1, "RestraintStations": [20, 0, 0, 0, 0, 0, 0, 0, 0, 0],
      "EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0], "Section": )") +
                                             kUb203x133x25 + "}");
  const auto& parts = beam["Ec3Parts"];
  ASSERT_EQ(parts.size(), 2u) << parts.dump();
  EXPECT_NEAR(parts[0]["VEd"].get<double>(), 117e3, 1.0);
  EXPECT_NEAR(parts[1]["VEd"].get<double>(), 33e3, 1.0);
  EXPECT_NEAR(parts[1]["MEd"].get<double>(), 59.4e6, 1e3);
  EXPECT_NEAR(parts[1]["McRd"].get<double>(), 70.95e6, 1e3);
}

// A section without I_w cannot be checked for lateral-torsional buckling, but a shear failure is
// still a failure: 1 m span, 250 kN at 0.1 m, V_Ed = 225 kN > V_pl,Rd = 203.53 kN (1.106).
TEST(Ec3BeamCheckTest, MissingWarpingConstantDoesNotHideAShearFailure) {
  TempFolder folder;
  std::string section = kUb203x133x25;
  section.replace(section.find(R"("H": 29364000000.0)"), 18, R"("H": 0)");
  const std::string caseText = R"({"MainSpan": 1000, "E": 205000, "Ixx": 23402000,
      "DesignCode": 1993,
      "LoadTable": [{"Kind": 1, "Position": 100, "Intensity": 250000, "Factor": 1}],
      "EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1000, 0], "Section": )" +
                               section + "}";
  const auto beam = AnalysedJson(folder, caseText);
  const auto& part = beam["Ec3Parts"][0];
  EXPECT_NEAR(part["UtilisationShear"].get<double>(), 225.0 / 203.53, 1e-3);
  EXPECT_EQ(part["UtilisationLTB"], nullptr);
  EXPECT_EQ(part["Verdict"], "FAIL");
  EXPECT_EQ(beam["Ec3Verdict"], "FAIL");
  const auto listing = AnalysedListing(folder, caseText);
  EXPECT_TRUE(Has(listing, " Lateral-torsional buckling = not checked"));
  EXPECT_TRUE(Has(listing, " No warping constant for this section"));
}

// A beam checked with the recommended values opens with them: the file keeps no annex, and the
// header rebuilt on opening names the one its part blocks were checked with.
TEST(Ec3BeamCheckTest, AnOpenedBeamKeepsTheAnnexItWasCheckedWith) {
  TempFolder folder;
  std::string caseText =
      UbCase(4000, R"("EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4000, 0])");
  caseText.insert(caseText.size() - 1, R"(, "NationalAnnex": "Recommended")");
  const std::string file = (folder.path() / "recommended.trb").string();
  const std::string casePath = folder.Write("case.json", caseText);
  ASSERT_EQ(RunTrabeoCli({"save", casePath, file}).status, 0);
  const auto listing = Lines(RunTrabeoCli({"analyse", casePath, "--listing"}).out);
  EXPECT_TRUE(Has(listing, "  EN 1993-1-1 with its recommended values"));
  const auto opened = RunTrabeoCli({"open", file, "--listing"});
  ASSERT_EQ(opened.status, 0) << opened.err;
  EXPECT_EQ(TextLines(Lines(opened.out)), TextLines(listing));
}

// EN 1993 needs a catalogue record: a typed Ixx, a timber section or an angle is not checked,
// and is never shown as a pass.
TEST(Ec3BeamCheckTest, BeamsItCannotCheckAreNotPassed) {
  TempFolder folder;
  const auto typed = AnalysedJson(folder, R"({"MainSpan": 4000, "E": 205000, "Ixx": 23402000,
      "DesignCode": 1993, "LoadTable": [{"Kind": 1, "Position": 2000, "Intensity": 10}]})");
  EXPECT_NE(typed["Ec3Verdict"], "PASS");
  ASSERT_EQ(typed["Ec3Parts"].size(), 1u);
  EXPECT_EQ(typed["Ec3Parts"][0]["Verdict"], "NOT CHECKED");
  EXPECT_EQ(typed["Ec3Parts"][0]["MbRd"], nullptr);

  std::string angleCase =
      UbCase(4000, R"("EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4000, 0])");
  angleCase.replace(angleCase.find(R"("Type": "Beam")"), 14, R"("Type": "RSA")");
  const auto angle = AnalysedJson(folder, angleCase);
  EXPECT_NE(angle["Ec3Verdict"], "PASS");
  const std::string messages = angle.dump();
  EXPECT_NE(messages.find("Angles are not checked to EN 1993-1-1"), std::string::npos) << messages;

  // A part left unchecked still states its actions (16 x 4^2 / 8 = 32 kN-m) and says why.
  const std::string restrained =
      UbCase(4000, R"("EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0])");
  std::string thickCase = restrained;
  thickCase.replace(thickCase.find(R"("WebThk": 5.7)"), 13, R"("WebThk": 101)");
  const auto thick = AnalysedJson(folder, thickCase)["Ec3Parts"][0];
  EXPECT_NEAR(thick["MEd"].get<double>(), 32e6, 1e3);
  EXPECT_EQ(thick["Verdict"], "NOT CHECKED");
  EXPECT_EQ(thick["Message"], "An element thicker than 100 mm has no tabulated yield strength");
  std::string slenderCase = restrained;  // web c/t = 172 > 124 eps: class 4 in bending
  slenderCase.replace(slenderCase.find(R"("WebThk": 5.7)"), 13, R"("WebThk": 1.0)");
  const auto slender = AnalysedJson(folder, slenderCase)["Ec3Parts"][0];
  EXPECT_EQ(slender["Verdict"], "NOT CHECKED");
  EXPECT_EQ(slender["Message"], "Section is class 4 in bending: not checked");
}

// 260 x 50 x 6.3 box (the box calculator's record), S355, 6 m span under 20 kN/m, restrained at
// 1.5 and 4.5 m. Deeper than four widths, it buckles laterally, each segment over its own
// length. By hand, segment 2 (Lcr = 3 m): M at its quarter points 84.375, 90, 84.375 kN-m, so
// C1 = sqrt(35 x 90^2 / (90^2 + 2 x 9 x 84.375^2 + 16 x 90^2)) = 1.0327; with I_w = 0,
// Mcr = C1 (pi / L) sqrt(E Iz G It) = 1.0327 x (pi / 3000) x sqrt(210000 x 1611166 x 81000 x
// 5323594) = 413.06 kN-m; Mc,Rd = 270056 x 355 = 95.870 kN-m; lambdaLT = 0.4818; h/b = 5.2:
// curve d (0.76); phi = 0.6181, chiLT = 0.9310; kc = 0.9841, f = 0.9936, chiLT,mod = 0.9369;
// Mb,Rd = 89.82 kN-m < 90 kN-m: it fails, where the whole span taken as restrained would pass.
TEST(Ec3BeamCheckTest, DeepBoxBucklesLaterallyBetweenItsRestraints) {
  TempFolder folder;
  const auto beam = AnalysedJson(folder, R"({"MainSpan": 6000, "E": 205000, "Ixx": 25673030,
      "DesignCode": 1993, "SteelGrade": "S355",
      "LoadTable": [{"Kind": -1, "Position": 0, "Intensity": 20, "EndIntensity": 20,
                     "Cover": 6000}],
      "EffectiveLengths": [0, 1500, 3000, 1500, 0, 0, 0, 1500, 1500, 2, 0, 0],
      "IntermediateRestraints": 1, "RestraintStations": [50, 100, 0, 0, 0, 0, 0, 0, 0, 0],
      "Section": {"Designation": "260 x 50 box", "Depth": 260, "Width": 50, "WebThk": 6.3,
        "FlgThk": 6.3, "Outstand": 31.1, "WebDepth": 241.1, "Grade": 50, "E": 205000,
        "Type": "Box", "Area": 3728.0754, "Ixx": 25673030, "Iyy": 1611166.2, "Rx": 82.98435,
        "Ry": 20.788723, "ExtremeX": 25, "ExtremeY": 130, "K": 5323594,
        "TorsionFibre": 44.20924, "Sxx": 270056.4, "Syy": 75338.56}})");
  const auto& parts = beam["Ec3Parts"];
  ASSERT_EQ(parts.size(), 3u) << parts.dump();
  EXPECT_EQ(parts[1]["Part"], "Segment 2");
  EXPECT_NEAR(parts[1]["MEd"].get<double>(), 90e6, 1e3);
  EXPECT_NEAR(parts[1]["C1"].get<double>(), 1.0327, 1e-4);
  EXPECT_NEAR(parts[1]["Mcr"].get<double>(), 413.06e6, 0.05e6);
  EXPECT_NEAR(parts[1]["MbRd"].get<double>(), 89.82e6, 0.01e6);
  EXPECT_EQ(parts[1]["Verdict"], "FAIL");
  EXPECT_EQ(beam["Ec3Verdict"], "FAIL");
  EXPECT_EQ(beam["ListColour"], "red");
}

}  // namespace
}  // namespace trabeo
