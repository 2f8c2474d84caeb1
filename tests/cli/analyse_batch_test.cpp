// trabeo-cli analyse --batch: one case per line in, one JSON result per line out.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_test_support.h"

namespace trabeo {
namespace {

using nlohmann::json;
using testing::RunTrabeoCli;
using testing::TempFolder;

const std::string kExample = std::string(TRABEO_SOURCE_DIR) + "/examples/example-beam.json";

const char* const kTimberBeam = R"({"MainSpan": 4000, "LoadTable": [{"Kind": -1,
    "Intensity": 1.5, "EndIntensity": 1.5, "Cover": 4000}],
    "Timber": {"Width": 75, "Depth": 200, "Grade": "C24"}})";

// 203 x 133 UB 25 over 4 m under 10 kN/m, n asked for (NFactorMode 3) and answered.
const char* const kSteelBeam = R"({"MainSpan": 4000, "E": 205000, "Ixx": 23402000,
    "DesignCode": 5950, "NFactorMode": 3, "Answers": ["0.9"],
    "LoadTable": [{"Kind": -1, "Intensity": 10, "EndIntensity": 10, "Cover": 4000,
                   "Factor": 1.6}],
    "EffectiveLengths": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4000, 0],
    "Section": {"Designation": "203 x 133 UB 25", "Type": "Beam", "Depth": 203.2,
      "Width": 133.2, "WebThk": 5.7, "FlgThk": 7.8, "RootRad": 7.6, "Outstand": 66.6,
      "WebDepth": 172.4, "E": 205000.0, "Area": 3196.8, "Ixx": 23402000.0, "Iyy": 3076300.0,
      "Rx": 85.56, "Ry": 31.021, "ExtremeX": 66.6, "ExtremeY": 101.6, "K": 59642.0,
      "TorsionFibre": 15.082, "Sxx": 258000.0, "Syy": 70900.0, "u": 0.877, "x": 25.605,
      "H": 29364000000.0}})";

const char* const kNegativeSpan = R"({"MainSpan": -6000, "E": 205000, "Ixx": 1.2e8})";

std::string OneLine(const std::string& caseText) {
  return json::parse(caseText).dump();
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// What "analyse FILE --json" prints for the case, run on a file of its own, on one line.
json AnalysedAlone(const TempFolder& folder, const std::string& name, const std::string& text) {
  const auto run = RunTrabeoCli({"analyse", folder.Write(name, text), "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

// A failed case between good ones: every case gets its line, in order, each the object analyse
// --json prints for it alone (every number the same double), the failure as the message
// analyse prints for it; blank lines are passed over but still counted in the line numbers.
TEST(AnalyseBatchTest, EachLineIsWhatAnalyseGivesForThatCase) {
  TempFolder folder;
  const std::string example = ReadText(kExample);
  const std::string batch =
      folder.Write("cases.jsonl", OneLine(example) + "\n" + OneLine(kNegativeSpan) + "\n\n  \n" +
                                      OneLine(kTimberBeam) + "\r\n" + OneLine(kSteelBeam) + "\n");
  const auto run = RunTrabeoCli({"analyse", "--batch", batch});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "trabeo-cli analyse: 1 of 4 cases failed\n");

  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  // The same object, each number the same double (the digits may be chosen differently).
  EXPECT_EQ(json::parse(lines[0]), AnalysedAlone(folder, "example.json", example));
  EXPECT_EQ(json::parse(lines[2]), AnalysedAlone(folder, "timber.json", kTimberBeam));
  EXPECT_EQ(json::parse(lines[3]), AnalysedAlone(folder, "steel.json", kSteelBeam));

  const std::string alone = folder.Write("bad.json", kNegativeSpan);
  const auto refused = RunTrabeoCli({"analyse", alone, "--json"});
  ASSERT_EQ(refused.status, 2);
  std::string expected = refused.err.substr(0, refused.err.size() - 1);
  expected.replace(expected.find(alone), alone.size(), batch + ":2");
  expected.erase(0, std::string("trabeo-cli analyse: ").size());
  EXPECT_EQ(lines[1], (json{{"Error", expected}}.dump()));
}

TEST(AnalyseBatchTest, StatusAndRefusedArguments) {
  TempFolder folder;
  const std::string good = folder.Write("good.jsonl", OneLine(ReadText(kExample)) + "\n\n");
  const auto run = RunTrabeoCli({"analyse", "--batch", good, "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Lines(run.out).size(), 1u);
  EXPECT_TRUE(run.err.empty()) << run.err;

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"analyse", "--batch", good, "--listing"},
        {"analyse", "--batch", good, "--diagram", (folder.path() / "d.svg").string()},
        {"analyse", "--batch", (folder.path() / "missing.jsonl").string()},
        {"analyse", "--batch", folder.path().string()}}) {
    const auto refused = RunTrabeoCli(args);
    EXPECT_EQ(refused.status, 2) << args.back();
    EXPECT_TRUE(refused.out.empty()) << args.back();
    EXPECT_FALSE(refused.err.empty()) << args.back();
  }
}

}  // namespace
}  // namespace trabeo
