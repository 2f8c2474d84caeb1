#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_test_support.h"

namespace trabeo {
namespace {

using testing::RunTrabeoCli;
using testing::TempFolder;

const std::string kExample = std::string(TRABEO_SOURCE_DIR) + "/examples/example-beam.json";

TEST(AnalyseCommandTest, ExampleBeamPrintsASummary) {
  const auto run = RunTrabeoCli({"analyse", kExample});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Reactions:"), std::string::npos);
  EXPECT_NE(run.out.find(" kN-m"), std::string::npos);
  EXPECT_TRUE(run.err.empty());
}

TEST(AnalyseCommandTest, JsonHoldsEveryResultUnderItsName) {
  const auto run = RunTrabeoCli({"analyse", kExample, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  const std::vector<std::pair<const char*, std::size_t>> arrays{
      {"Reactions", 2},         {"ShearExtremes", 3},
      {"MomentExtremes", 3},    {"DeflectionExtremes", 3},
      {"SegmentPeaks", 3},      {"SupportShears", 3},
      {"SpanMomentProfile", 3}, {"TipDeflections", 12},
      {"EndRotation", 2},       {"SpanShear", 201},
      {"SpanMoment", 201},      {"SpanDeflection", 21},
      {"CantShear", 2},         {"CantMoment", 2},
      {"CantDeflection", 2},    {"Messages", 0}};
  for (const auto& [name, size] : arrays) {
    ASSERT_TRUE(json.contains(name)) << name;
    EXPECT_EQ(json[name].size(), size) << name;
  }
  for (const char* name :
       {"TotalAppliedLoad", "TotalReactions", "SpanPeakDeflection", "LhSupportShear", "EndMomentL",
        "EndMomentR", "BendingStress", "FactoredLoadCount"}) {
    EXPECT_TRUE(json.contains(name)) << name;
  }
  EXPECT_EQ(json["SegmentPeaks"][0].size(), 12u);
  EXPECT_EQ(json["CantShear"][1].size(), 201u);
  EXPECT_EQ(json["CantDeflection"][0].size(), 21u);
  EXPECT_EQ(json["FactoredLoadCount"], 3);
  // 10 kN x 1.4 + (5 + 8) / 2 x 6000 x 1.6 + 0.3 x 7500 x 1.4, all on the beam.
  EXPECT_NEAR(json["TotalAppliedLoad"].get<double>(), 14000 + 62400 + 3150, 0.01);
  EXPECT_NEAR(json["TotalReactions"].get<double>(), json["TotalAppliedLoad"].get<double>(), 0.05);
}

TEST(AnalyseCommandTest, UnloadedBeamReportsItsMessages) {
  TempFolder folder;
  const auto file = folder.Write("beam.json", R"({"MainSpan": 4000, "E": 205000, "Ixx": 1e7})");
  const auto run = RunTrabeoCli({"analyse", file, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  ASSERT_EQ(json["Messages"].size(), 2u);
  EXPECT_EQ(json["Messages"][0], "No loads on beam");
}

TEST(AnalyseCommandTest, BadInputGivesOneMessageAndStatusTwo) {
  TempFolder folder;
  const std::string base = R"("MainSpan": 6000, "E": 205000, "Ixx": 1e8)";
  std::string manyRows;
  for (int i = 0; i < 26; ++i)
    manyRows += std::string(i ? "," : "") + R"({"Kind": 1, "Position": 10})";
  const std::vector<std::pair<const char*, std::string>> cases{
      {"malformed", "{ \"MainSpan\": "},
      {"not an object", "[1, 2]"},
      {"missing span", R"({"E": 205000, "Ixx": 1e8})"},
      {"zero span", R"({"MainSpan": 0, "E": 205000, "Ixx": 1e8})"},
      {"negative E", R"({"MainSpan": 6000, "E": -1, "Ixx": 1e8})"},
      {"missing Ixx", R"({"MainSpan": 6000, "E": 205000})"},
      {"negative cantilever", "{" + base + R"(, "LhCantilever": -5})"},
      {"text for a number", "{" + base + R"(, "RhCantilever": "long"})"},
      {"bad kind", "{" + base + R"(, "LoadTable": [{"Kind": 2}]})"},
      {"negative position", "{" + base + R"(, "LoadTable": [{"Kind": 1, "Position": -1}]})"},
      {"negative cover", "{" + base + R"(, "LoadTable": [{"Kind": -1, "Cover": -100}]})"},
      {"text intensity", "{" + base + R"(, "LoadTable": [{"Kind": 1, "Intensity": "ten"}]})"},
      {"too many rows", "{" + base + R"(, "LoadTable": [)" + manyRows + "]}"},
      {"bad support", "{" + base + R"(, "LhSupportKind": 0})"},
  };
  for (const auto& [name, text] : cases) {
    const auto run = RunTrabeoCli({"analyse", folder.Write("beam.json", text)});
    EXPECT_EQ(run.status, 2) << name;
    EXPECT_TRUE(run.out.empty()) << name;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << name << ": " << run.err;
  }
  const auto missing = RunTrabeoCli({"analyse", (folder.path() / "absent.json").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
  EXPECT_EQ(RunTrabeoCli({"analyse"}).status, 2);
  EXPECT_EQ(RunTrabeoCli({"analyse", kExample, "--bogus"}).status, 2);
  EXPECT_EQ(RunTrabeoCli({"frobnicate"}).status, 2);
}

TEST(AnalyseCommandTest, SelfWeightCoversTheWholeBeam) {
  TempFolder folder;
  const auto file =
      folder.Write("beam.json", R"({"MainSpan": 6000, "RhCantilever": 1000, "E": 205000, "Ixx": 1e8,
                       "SelfWeight": {"Intensity": 0.5}})");
  const auto json = nlohmann::json::parse(RunTrabeoCli({"analyse", file, "--json"}).out);
  EXPECT_NEAR(json["TotalAppliedLoad"].get<double>(), 3500, 1e-3);
  EXPECT_NEAR(json["TotalReactions"].get<double>(), 3500, 1e-3);
  EXPECT_EQ(json["FactoredLoadCount"], 0);
}

}  // namespace
}  // namespace trabeo
