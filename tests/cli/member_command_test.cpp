#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_test_support.h"
#include "fileio/file_bytes.h"
#include "steel/member_capacity/member_file.h"

namespace trabeo {
namespace {

using testing::RunTrabeoCli;
using testing::TempFolder;

constexpr const char* kColumnCase = R"({
  "Table": "UC", "Designation": "203 UC 46", "Grade": 43, "Le": 4, "Axial": 800,
  "MomAxx": 40, "MomBxx": -20, "MomAyy": 5, "MomByy": 5, "b1": 100,
  "Calculations": ["MomentXX", "AxialYY", "Combined", "Bearing"],
  "Answers": ["No", "1"]
})";

TEST(MemberCommand, ReproducesTheWindowsCalculationsAsJson) {
  TempFolder folder;
  const auto run = RunTrabeoCli({"member", folder.Write("case.json", kColumnCase), "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json j = nlohmann::json::parse(run.out);
  // The two questions of the x-x moment: restraint (No) and n (1).
  ASSERT_EQ(j["Dialogs"].size(), 2u);
  EXPECT_EQ(j["Dialogs"][0]["Prompt"], "Is the beam fully restrained laterally ?");
  EXPECT_EQ(j["Dialogs"][1]["Caption"], " Beam Bending About x-x");
  EXPECT_NEAR(j["CombinedLocalRatio"].get<double>(), 0.888, 0.001);
  EXPECT_NEAR(j["BearingCapacity"].get<double>(), 303e3, 1e3);  // (100 + 53) x 7.2 x 275
  EXPECT_EQ(j["CurveY"], "c");
  EXPECT_EQ(j["ClassXX"], "Compact");
  EXPECT_EQ(j["Summaries"]["Bearing"].size(), 3u);
  EXPECT_EQ(j["Details"]["Combined"][0], " COMPRESSION MEMBER ");
}

// An I section whose flanges are slender (B/2T = 18.75 > 15): its buckling resistance about x-x
// by hand, with py reduced to 275 x 11 / (145 / 8 - 4) = 214.2 N/mm2 in Mp and the elastic
// critical moment ME = Mp pi2 E / (py lambdaLT2) taken with the same reduction:
// lambda = 6000 / 67.69 = 88.64, v = 0.9466, lambdaLT = 75.52, etaLT = 0.2885, Mp = 264.6 kN-m,
// ME = 341.4 kN-m, Mb = 168.6 kN-m (an ME without the reduction would give 178.1 kN-m).
std::string SlenderFlangedSection(const char* rootRadius) {
  return std::string(R"({
    "Section": {"Designation": "400 x 300 welded", "Type": "Beam", "Depth": 400, "Width": 300,
                "WebThk": 8, "FlgThk": 8, "RootRad": )") +
         rootRadius + R"(, "Outstand": 145, "WebDepth": 384, "E": 205000,
                "Area": 7872, "Ixx": 222171136, "Iyy": 36065536, "Rx": 168.0, "Ry": 67.687,
                "ExtremeX": 150, "ExtremeY": 200, "Sxx": 1235712, "Syy": 362496,
                "u": 0.9, "x": 40},
    "Grade": 43, "Le": 6, "Calculations": ["MomentXX"], "Answers": ["No", "1"]})";
}

TEST(MemberCommand, SlenderSectionBucklesAsInTheBeamCheck) {
  TempFolder folder;
  const auto run =
      RunTrabeoCli({"member", folder.Write("slender.json", SlenderFlangedSection("1")), "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json j = nlohmann::json::parse(run.out);
  EXPECT_EQ(j["ClassXX"], "Slender");
  EXPECT_NEAR(j["MbXX"].get<double>(), 168.6e6, 0.3e6);

  // Without a root radius the class cannot be evaluated: no capacity rather than the plastic one.
  const auto refused = RunTrabeoCli(
      {"member", folder.Write("unclassified.json", SlenderFlangedSection("0")), "--json"});
  ASSERT_EQ(refused.status, 0) << refused.err;
  const nlohmann::json k = nlohmann::json::parse(refused.out);
  EXPECT_EQ(k["ClassXX"], "");
  EXPECT_EQ(k["Mcx"], 0);
  EXPECT_NE(std::find(k["Messages"].begin(), k["Messages"].end(), "Cannot evaluate section type"),
            k["Messages"].end());
}

TEST(MemberCommand, BadInputGivesOneMessageAndStatusTwo) {
  TempFolder folder;
  const std::pair<const char*, const char*> cases[] = {
      {R"({"Table": "EqRSA", "Designation": "25 x 25 x 3 RSA"})", "not a table"},
      {R"({"Table": "UC", "Designation": "999 UC 1"})", "has no section"},
      {R"({"Table": "UC"})", "Designation"},
      {R"({"Table": "UC", "Designation": "203 UC 46", "Grade": 44})", "Grade"},
      {R"({"Section": {"Width": 100, "Colour": 1}})", "unknown field Colour"},
      {R"({"Table": "UC", "Designation": "203 UC 46", "Calculations": ["Shear"]})", "Calculations"},
      {"[1, 2", "not valid JSON"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46", "Le": 1e400})",
       "number overflow parsing '1e400'"},
  };
  for (const auto& [text, expected] : cases) {
    const auto run = RunTrabeoCli({"member", folder.Write("bad.json", text)});
    EXPECT_EQ(run.status, 2) << text;
    EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(MemberFileCommand, ShowsASavedFileAndRefusesOthers) {
  TempFolder folder;
  MemberFileContents contents;
  contents.state.texts.lbl_Desc = " 203 UC 46";
  contents.state.texts.Edit_Le = "4";
  contents.state.Summary(SummaryKind::AxialXX).Add("  Pc x-x = 1430 kN");
  const std::string file = (folder.path() / "column.trm").string();
  ASSERT_TRUE(WriteFileAtomically(file, EncodeMemberFile(contents)).empty());
  const auto run = RunTrabeoCli({"member-file", file, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json j = nlohmann::json::parse(run.out);
  EXPECT_EQ(j["Edit_Le"], "4");
  EXPECT_EQ(j["List_Results"],
            nlohmann::json({"  Compression about x-x axis", "  Pc x-x = 1430 kN"}));

  const auto refused = RunTrabeoCli({"member-file", folder.Write("other.trm", "TRB4 and more")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find(kNotMemberFileMessage), std::string::npos);
}

}  // namespace
}  // namespace trabeo
