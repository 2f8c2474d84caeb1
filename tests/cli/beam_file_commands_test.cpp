#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <sstream>

#include "cli/cli_test_support.h"

namespace trabeo {
namespace {

using testing::RunTrabeoCli;
using testing::TempFolder;

const std::string kExample = std::string(TRABEO_SOURCE_DIR) + "/examples/example-beam.json";

// The fields of the version 4 layout table, each name once, without the header and padding.
const std::set<std::string> kLayoutFields{"VersionSuffix",
                                          "FileMarker",
                                          "HeaderCompany",
                                          "HeaderUser",
                                          "HeaderProject1",
                                          "HeaderProject2",
                                          "HeaderJobDesc",
                                          "HeaderJobRef",
                                          "SectionDescription",
                                          "SectionKind",
                                          "SectionArea",
                                          "LengthUnitName",
                                          "SectLengthUnitName",
                                          "PointLoadUnitName",
                                          "UdlUnitName",
                                          "ShearUnitName",
                                          "MomentUnitName",
                                          "DeflectionUnitName",
                                          "StressUnitName",
                                          "EUnitName",
                                          "InertiaUnitName",
                                          "ModulusUnitName",
                                          "AreaUnitName",
                                          "WeightUnitName",
                                          "WarpingUnitName",
                                          "LengthFactor",
                                          "SectLengthFactor",
                                          "PointLoadFactor",
                                          "UdlFactor",
                                          "ShearFactor",
                                          "MomentFactor",
                                          "DeflectionFactor",
                                          "StressFactor",
                                          "EFactor",
                                          "InertiaFactor",
                                          "ModulusFactor",
                                          "AreaFactor",
                                          "WeightFactor",
                                          "WarpingFactor",
                                          "PlasticXLabel",
                                          "ElasticXLabel",
                                          "PlasticYLabel",
                                          "ElasticYLabel",
                                          "MomentPlotSign",
                                          "NFactorMode",
                                          "EnableTimber5268",
                                          "EnableSteel5950",
                                          "EnableSteel449",
                                          "EnableSteelAISC",
                                          "EnableSteelLRFD",
                                          "ComplianceState",
                                          "TimberCheckFailed",
                                          "DesignCode",
                                          "ClearSpan",
                                          "IntermediateRestraints",
                                          "LhCantilever",
                                          "RhCantilever",
                                          "TotalLength",
                                          "UdlDrawnCount",
                                          "PointLoadDrawnCount",
                                          "LhSupportKind",
                                          "RhSupportKind",
                                          "MainSpan",
                                          "LoadTable",
                                          "SectionIxx",
                                          "FibreDistance",
                                          "LoadRowCount",
                                          "TimberDuration",
                                          "TimberExposure",
                                          "TimberSharing",
                                          "TimberGradeName",
                                          "TimberDepth",
                                          "TimberWidth",
                                          "TimberGradeShear",
                                          "TimberGradeBending",
                                          "TimberPermBendStress",
                                          "TimberGradeE",
                                          "TimberPermShear",
                                          "TimberPermMoment",
                                          "SectionClassText",
                                          "DesignStrength",
                                          "SteelGrade",
                                          "SectionDepth",
                                          "SectionWidth",
                                          "SectionWebThk",
                                          "SectionFlgThk",
                                          "SectionRootRad",
                                          "SectionWebDepth",
                                          "SectionSxx",
                                          "SectionZxx",
                                          "SectionRy",
                                          "SectionRv",
                                          "SectionX",
                                          "SectionU",
                                          "RsaLengths",
                                          "LhCantRestraintFlags",
                                          "LhCantLeText",
                                          "SpanRestraintFlags",
                                          "SpanLeText",
                                          "RhCantRestraintFlags",
                                          "RhCantLeText",
                                          "RestraintSpacing",
                                          "EffectiveLengths",
                                          "PartN",
                                          "PartM",
                                          "TimberSummaryLines",
                                          "PropertyLines",
                                          "TimberShearStiffness",
                                          "ShearExtremes",
                                          "MomentExtremes",
                                          "DeflectionExtremes",
                                          "ShearSummary",
                                          "MomentSummary",
                                          "TipDeflections",
                                          "Reactions",
                                          "SummaryPrintLines",
                                          "TimberCodeLine",
                                          "TimberVerdict",
                                          "TimberTorsionNote",
                                          "TimberPrintLines",
                                          "SteelListLines",
                                          "UdlTablePrintLines",
                                          "PointTablePrintLines",
                                          "IntervalHeadPrintLines",
                                          "LhIntervalPrintLines",
                                          "SpanIntervalPrintLines",
                                          "RhIntervalPrintLines",
                                          "CheckText",
                                          "StoredSpanShear",
                                          "StoredSpanMoment",
                                          "StoredSpanDeflection",
                                          "StoredCantShear",
                                          "StoredCantMoment",
                                          "StoredCantDeflection",
                                          "SectionFamily"};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(BeamFileCommandsTest, SavedCaseOpensWithEveryFieldOfTheLayout) {
  TempFolder folder;
  const std::string file = (folder.path() / "example.trb").string();
  const auto saved = RunTrabeoCli({"save", kExample, file});
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(std::filesystem::file_size(file), 215763u);

  const auto run = RunTrabeoCli({"open", file, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["Version"], 4.0);
  EXPECT_EQ(json["Messages"], nlohmann::json::array());
  EXPECT_EQ(json["Caption"], file);
  EXPECT_EQ(json["ResultsValid"], 1);
  EXPECT_EQ(json["ListColour"], "black");

  const auto& fields = json["Fields"];
  std::set<std::string> names;
  for (const auto& [name, value] : fields.items())
    names.insert(name);
  EXPECT_EQ(names, kLayoutFields);
  const std::vector<std::pair<const char*, std::size_t>> sizes{
      {"LhCantilever", 5},        {"LoadTable", 26},           {"RsaLengths", 3},
      {"SpanRestraintFlags", 18}, {"EffectiveLengths", 12},    {"PartN", 3},
      {"TimberSummaryLines", 41}, {"PropertyLines", 51},       {"ShearSummary", 6},
      {"MomentSummary", 22},      {"TipDeflections", 12},      {"SummaryPrintLines", 26},
      {"TimberPrintLines", 51},   {"SteelListLines", 13},      {"UdlTablePrintLines", 36},
      {"CheckText", 12},          {"StoredSpanShear", 201},    {"StoredSpanDeflection", 21},
      {"StoredCantShear", 402},   {"StoredCantDeflection", 44}};
  for (const auto& [name, size] : sizes)
    EXPECT_EQ(fields[name].size(), size) << name;
  EXPECT_EQ(fields["SteelListLines"][12].size(), 51u);
  EXPECT_EQ(fields["CheckText"][11].size(), 102u);
  // The case's first load, in internal units, each single in its shortest form.
  EXPECT_EQ(fields["LoadTable"][0], nlohmann::json::parse("[1, 2000, 10000, 0, 0, 1.4, 1, 0]"));
  EXPECT_EQ(fields["MainSpan"], nlohmann::json::parse("[1, 6000, 205000, 1.2e8, 0]"));
  EXPECT_EQ(fields["LhCantilever"][1], 1500.0);
  EXPECT_EQ(fields["TotalLength"], 7500.0);
  EXPECT_EQ(fields["VersionSuffix"], ".0");
  EXPECT_EQ(fields["LengthUnitName"], "m");
  EXPECT_EQ(fields["HeaderCompany"], "");
  // The load form's rows in use, so that the desktop program opens the file with every load in
  // view: never fewer than five, and up to the last row holding a load.
  EXPECT_EQ(fields["LoadRowCount"], 5);
  const std::string eighth = (folder.path() / "eighth.trb").string();
  ASSERT_EQ(RunTrabeoCli({"save", folder.Write("eighth.json", R"({"MainSpan": 6000, "E": 205000,
      "Ixx": 1e8, "LoadTable": [{"Kind": 1, "Position": 1000, "Intensity": 1000}, {}, {}, {},
      {}, {}, {}, {"Kind": 1, "Position": 2000, "Intensity": 1000}]})"),
                          eighth})
                .status,
            0);
  EXPECT_EQ(
      nlohmann::json::parse(RunTrabeoCli({"open", eighth, "--json"}).out)["Fields"]["LoadRowCount"],
      8);

  // The reactions as the analysis gave them.
  const auto analysed = nlohmann::json::parse(RunTrabeoCli({"analyse", kExample, "--json"}).out);
  EXPECT_NEAR(fields["Reactions"][0].get<double>(), analysed["Reactions"][0].get<double>(), 0.05);
  EXPECT_NEAR(fields["Reactions"][1].get<double>(), analysed["Reactions"][1].get<double>(), 0.05);

  // --listing prints the refilled list alone, the summary lines first.
  const auto listing = RunTrabeoCli({"open", file, "--listing"});
  ASSERT_EQ(listing.status, 0) << listing.err;
  EXPECT_EQ(Lines(listing.out), json["Listing"].get<std::vector<std::string>>());
  EXPECT_EQ(Lines(listing.out).front(), fields["SummaryPrintLines"][1]);

  const auto summary = RunTrabeoCli({"open", file});
  EXPECT_EQ(summary.out.rfind("Reactions:", 0), 0u);
}

TEST(BeamFileCommandsTest, RefusedInputGivesItsMessageAndStatusTwo) {
  TempFolder folder;
  const std::string notBeam = folder.Write("notes.trb", "These are notes, not a beam");
  const std::string version5 =
      folder.Write("new.trb", std::string("\x0bVersion 5.0") + std::string(14, '\0'));
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"open", notBeam}, "File is not a beam data file"},
      {{"open", version5, "--json"}, "File created on incompatible version"},
      {{"open"}, "no beam data file given"},
      {{"save", kExample}, "give a beam case and the beam data file to write"},
      {{"save", kExample, (folder.path() / "missing" / "x.trb").string()}, "File Saving Error"},
  };
  for (const auto& [args, message] : cases) {
    const auto run = RunTrabeoCli(args);
    EXPECT_EQ(run.status, 2) << args[1];
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
}

}  // namespace
}  // namespace trabeo
