#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_test_support.h"
#include "engine/finite_results.h"
#include "fileio/file_bytes.h"
#include "settings/units_file.h"

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

// The issue's absurd beams, which printed wrong or "-nan" results with status 0. A value single
// precision cannot hold is refused by name; a beam of representable values whose results overflow
// is refused with no results at all.
TEST(AnalyseCommandTest, AbsurdBeamsAreRefusedNotAnalysedWrongly) {
  TempFolder folder;
  // A 10 kN (or given) point load at mid-span.
  const auto beam = [](double span, const std::string& ixx, const std::string& load) {
    const auto number = [](double v) { return nlohmann::json(v).dump(); };
    return R"({"MainSpan": )" + number(span) + R"(, "E": 205000, "Ixx": )" + ixx +
           R"(, "LoadTable": [{"Kind": 1, "Position": )" + number(span / 2) + R"(, "Intensity": )" +
           load + "}]}";
  };
  const std::vector<std::pair<std::string, std::string>> cases{
      {beam(1e300, "1e8", "10000"), "MainSpan is out of range"},
      {beam(1e-50, "1e8", "10000"), "MainSpan is out of range"},
      {beam(6000, "1e-300", "10000"), "Ixx is out of range"},
      {beam(6000, "1e8", "1e308"), "LoadTable row 1: Intensity is out of range"},
      // A span of 1e20 mm fits a single; its deflections (1e47 mm) do not.
      {beam(1e20, "1e8", "10000"), kResultsNotFiniteMessage},
      {beam(6000, "1e-37", "1e30"), kResultsNotFiniteMessage},
  };
  for (const auto& [text, message] : cases) {
    for (const char* option : {"--json", "--listing"}) {
      const auto run = RunTrabeoCli({"analyse", folder.Write("beam.json", text), option});
      EXPECT_EQ(run.status, 2) << text;
      EXPECT_TRUE(run.out.empty()) << text;
      EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
  }
  // Spans far from the usual that do fit still give the statics of a simple beam: 5 kN a side.
  for (double span : {1e-30, 1e12}) {
    const auto run =
        RunTrabeoCli({"analyse", folder.Write("beam.json", beam(span, "1e30", "1e4")), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_NEAR(json["Reactions"][0].get<double>(), 5000, 1e-3) << span;
    EXPECT_NEAR(json["Reactions"][1].get<double>(), 5000, 1e-3) << span;
  }
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

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  EXPECT_EQ(start, text.size()) << "the output ends with a line break";
  return lines;
}

std::string ReadText(const std::filesystem::path& path) {
  const auto bytes = ReadFileBytes(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

TEST(AnalyseCommandTest, ListingPrintsTheListLinesWithTheirSpaces) {
  const auto run = RunTrabeoCli({"analyse", kExample, "--listing"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = SplitLines(run.out);
  ASSERT_GT(lines.size(), 80u);
  EXPECT_EQ(lines[0], " Beam Description  ");
  EXPECT_EQ(lines[1], " Length = 7.500 m         Ixx = 12000 cm^4         E = 205000 N/mm^2");
  EXPECT_EQ(lines[5], " Factored LH Reaction = 52.21 kN");
  EXPECT_NE(std::find(lines.begin(), lines.end(), " LH Cantilever "), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      " S/Wt     0.000          0.300          0.300         7.500       1.40"),
            lines.end());
  EXPECT_EQ(lines.back(), "");
  EXPECT_TRUE(run.err.empty());
  // With --json the same lines come as the "Listing" array.
  const auto json =
      nlohmann::json::parse(RunTrabeoCli({"analyse", kExample, "--listing", "--json"}).out);
  EXPECT_EQ(json["Listing"].get<std::vector<std::string>>(), lines);
  EXPECT_FALSE(
      nlohmann::json::parse(RunTrabeoCli({"analyse", kExample, "--json"}).out).contains("Listing"));
}

TEST(AnalyseCommandTest, ListingSendsTheAnalysisMessagesToStandardError) {
  TempFolder folder;
  const auto file = folder.Write("beam.json", R"({"MainSpan": 4000, "E": 205000, "Ixx": 1e7})");
  const auto run = RunTrabeoCli({"analyse", file, "--listing"});
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.starts_with("No loads on beam\n"));
  EXPECT_TRUE(run.out.starts_with(" Beam Description  \n"));
  EXPECT_NE(run.out.find(" SPAN  deflection/span ratio = 1/#####\n"), std::string::npos);
}

TEST(AnalyseCommandTest, UnitsFileSetsTheListingUnits) {
  TempFolder folder;
  UnitSettings units;
  ApplyStartupDefaults(units);
  units.LengthUnitName = "mm";
  units.LengthFactor = 1;
  units.ShearUnitName = "N";
  units.ShearFactor = 1;
  const auto bytes = EncodeUnitsFile(units);
  ASSERT_TRUE(WriteFileBytes(folder.path() / "TRB4_Unit.dim", bytes));
  const auto run = RunTrabeoCli(
      {"analyse", kExample, "--listing", "--units", (folder.path() / "TRB4_Unit.dim").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = SplitLines(run.out);
  EXPECT_EQ(lines[1], " Length = 7500 mm         Ixx = 12000 cm^4         E = 205000 N/mm^2");
  EXPECT_EQ(lines[5], " Factored LH Reaction = 52210 N");
  const auto missing = RunTrabeoCli(
      {"analyse", kExample, "--listing", "--units", (folder.path() / "none.dim").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("cannot read units file"), std::string::npos);
}

// The issue's case: byte 0xB5 ("\u00B5" in the Windows code page) in a unit name aborted the JSON
// output. It comes out as UTF-8, and the listing's columns count it as one character.
TEST(AnalyseCommandTest, EightBitUnitNameComesOutAsUtf8InJsonAndListing) {
  TempFolder folder;
  UnitSettings units;
  ApplyStartupDefaults(units);
  units.DeflectionUnitName = "um";
  units.DeflectionFactor = 1000;
  auto bytes = EncodeUnitsFile(units);
  ASSERT_EQ(bytes[91], 'u');
  bytes[91] = 0xB5;
  ASSERT_TRUE(WriteFileBytes(folder.path() / "TRB4_Unit.dim", bytes));
  const std::string unitsFile = (folder.path() / "TRB4_Unit.dim").string();

  const auto run = RunTrabeoCli({"analyse", kExample, "--json", "--listing", "--units", unitsFile});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = nlohmann::json::parse(run.out)["Listing"].get<std::vector<std::string>>();
  const auto plain = SplitLines(RunTrabeoCli({"analyse", kExample, "--listing"}).out);
  ASSERT_EQ(lines.size(), plain.size());
  EXPECT_NE(std::find(lines.begin(), lines.end(), " Maximum +ve deflection = 1547 \u00B5m"),
            lines.end());
  // The column heading stands where "(mm)" stood.
  const auto heading = std::find_if(plain.begin(), plain.end(),
                                    [](const std::string& l) { return l.ends_with("(mm)"); });
  ASSERT_NE(heading, plain.end());
  std::string expected = *heading;
  expected.replace(expected.size() - 4, 4, "(\u00B5m)");
  EXPECT_EQ(lines[static_cast<std::size_t>(heading - plain.begin())], expected);
}

TEST(AnalyseCommandTest, DiagramWritesThePictureTheListLeavesVisible) {
  TempFolder folder;
  struct Case {
    std::vector<std::string> options;
    const char* size;
    bool diagrams;
  };
  const std::vector<Case> cases{
      {{}, "width=\"800\" height=\"642\"", true},
      {{"--tile", "diagrams"}, "width=\"800\" height=\"767\"", true},
      {{"--tile", "results"}, "width=\"800\" height=\"180\"", false},
      {{"--width", "1000", "--height", "900"}, "width=\"1000\" height=\"650\"", true},
  };
  for (const Case& c : cases) {
    const auto out = folder.path() / "beam.svg";
    std::vector<std::string> args{"analyse", kExample, "--diagram", out.string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto run = RunTrabeoCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Reactions:"), std::string::npos);  // the summary as without it
    const std::string svg = ReadText(out);
    EXPECT_NE(svg.find(c.size), std::string::npos) << c.size;
    EXPECT_NE(svg.find(">52.2 kN</text>"), std::string::npos);  // the LH reaction
    EXPECT_EQ(svg.find(">SHEAR</text>") != std::string::npos, c.diagrams) << c.size;
  }
}

TEST(AnalyseCommandTest, BadPictureOptionsGiveStatusTwo) {
  TempFolder folder;
  const std::string out = (folder.path() / "beam.svg").string();
  const std::vector<std::vector<std::string>> cases{
      {"--diagram"},
      {"--diagram", out, "--width", "wide"},
      {"--diagram", out, "--width", "299"},
      {"--diagram", out, "--height", "10001"},
      {"--diagram", out, "--height", "700px"},
      {"--diagram", out, "--tile", "everything"},
      {"--width", "900"},
      {"--tile", "results"},
      {"--units"},
      {"--diagram", (folder.path() / "no" / "such" / "folder.svg").string()},
  };
  for (const auto& options : cases) {
    std::vector<std::string> args{"analyse", kExample};
    args.insert(args.end(), options.begin(), options.end());
    const auto run = RunTrabeoCli(args);
    EXPECT_EQ(run.status, 2) << options.back();
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
}  // namespace trabeo
