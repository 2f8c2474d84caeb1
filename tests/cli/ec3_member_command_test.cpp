#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_test_support.h"

namespace trabeo {
namespace {

using testing::RunTrabeoCli;
using testing::TempFolder;

// The beam-column worked by hand in tests/core/en1993/beam_column_example_test.cpp, typed in
// the member window's units and under its older box names.
constexpr const char* kBeamColumn = R"({
  "Code": "EN1993", "Table": "UC", "Designation": "254 UC 73", "Grade": "S355", "Le": 4,
  "Axial": 1000, "MomAxx": 100, "MomBxx": 0, "MzEd1": 10, "MzEd2": 10, "VEd": 30
})";

TEST(Ec3MemberCommand, GivesTheHandWorkedBeamColumnInNewtonsAndMillimetres) {
  TempFolder folder;
  const auto run = RunTrabeoCli({"member", folder.Write("case.json", kBeamColumn), "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json j = nlohmann::json::parse(run.out);
  EXPECT_EQ(j["fy"], 355);
  EXPECT_NEAR(j["NcRd"].get<double>(), 3305.1e3, 0.1e3);
  EXPECT_NEAR(j["MNyRd"].get<double>(), 276.49e6, 0.01e6);
  EXPECT_NEAR(j["Interaction661"].get<double>(), 0.5771, 2e-4);
  EXPECT_NEAR(j["Interaction662"].get<double>(), 0.8031, 2e-4);
  EXPECT_EQ(j["ClassCombined"], 2);
  EXPECT_TRUE(j["Aeff"].is_null());   // not class 4 in compression
  EXPECT_TRUE(j["MyVRd"].is_null());  // V_Ed below half V_pl,Rd
  EXPECT_EQ(j["Verdict"], "PASS");
  EXPECT_EQ(j["Details"][0], " EN 1993-1-1 with the UK National Annex");
}

TEST(Ec3MemberCommand, WithoutJsonPrintsTheDetailLines) {
  TempFolder folder;
  const auto run = RunTrabeoCli({"member", folder.Write("case.json", kBeamColumn)});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind(" EN 1993-1-1 with the UK National Annex\n", 0), 0u);
  EXPECT_NE(run.out.find(" Verdict: PASS"), std::string::npos);
}

TEST(Ec3MemberCommand, BS5950NamedAsTheCodeRunsAsBefore) {
  TempFolder folder;
  const std::string bs = R"({"Table": "UC", "Designation": "203 UC 46", "Le": 4, "Axial": 800,
                             "Calculations": ["AxialYY"]})";
  const std::string named = R"({"Code": "BS5950", "Table": "UC", "Designation": "203 UC 46",
                                "Le": 4, "Axial": 800, "Calculations": ["AxialYY"]})";
  const auto plain = RunTrabeoCli({"member", folder.Write("bs.json", bs), "--json"});
  const auto withCode = RunTrabeoCli({"member", folder.Write("named.json", named), "--json"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(withCode.status, 0) << withCode.err;
  EXPECT_EQ(withCode.out, plain.out);
}

TEST(Ec3MemberCommand, RefusalsNameTheKeyAndGiveStatusTwo) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({"Code": "EC3", "Table": "UC", "Designation": "203 UC 46"})", "Code"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46", "Grade": "S235"})",
       "Grade"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46",
           "NationalAnnex": "FR"})",
       "NationalAnnex"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46", "Lcry": -1})", "Lcry"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46", "Le": -1, "Lcry": 2,
           "Lcrz": 2, "LLT": 2})",
       "Le must"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46", "NEd": -10})", "NEd"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46", "NEd": 1,
           "Axial": 1})",
       "Axial"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46", "MyEd1": "5"})", "MyEd1"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46",
           "Restrained": 1})",
       "Restrained"},
      {R"({"Code": "EN1993", "Table": "UC", "Designation": "203 UC 46", "py": 275})", "py"},
      {R"({"Code": "EN1993", "Section": {"Designation": "L", "Type": "RSA", "Width": 50}})",
       "Angles"},
  };
  TempFolder folder;
  for (const auto& [text, key] : cases) {
    const auto run = RunTrabeoCli({"member", folder.Write("bad.json", text), "--json"});
    EXPECT_EQ(run.status, 2) << text;
    EXPECT_TRUE(run.out.empty()) << text;
    EXPECT_NE(run.err.find(key), std::string::npos) << text << "\n" << run.err;
  }
}

}  // namespace
}  // namespace trabeo
