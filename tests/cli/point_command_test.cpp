// trabeo-cli point: the block "Calculate" writes, its JSON, and the window's refusals.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_test_support.h"
#include "fileio/file_bytes.h"
#include "settings/units_file.h"

namespace trabeo {
namespace {

using testing::RunTrabeoCli;
using testing::TempFolder;

const std::string kExample = std::string(TRABEO_SOURCE_DIR) + "/examples/example-beam.json";

// A units file with the default units and factored loads switched on.
std::string FactoredUnitsFile(const TempFolder& folder) {
  UnitSettings units;
  ApplyStartupDefaults(units);
  units.FactoredLoads = kSettingOn;
  const std::string path = (folder.path() / "TRB4_Unit.dim").string();
  EXPECT_TRUE(WriteFileBytes(path, EncodeUnitsFile(units)));
  return path;
}

// Mid-span of the example's span (1.5 m cantilever, 6 m span) is 2/4 of the span, the listing's
// row 11 of the span: shear -7.776 kN and moment 24.239 kN-m there.
TEST(PointCommandTest, MidSpanBlockAgreesWithTheListedRow) {
  TempFolder folder;
  const auto run = RunTrabeoCli({"point", kExample, "4.5", "--units", FactoredUnitsFile(folder)});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "  Distance along beam     = 4.500 m\n"
            "  Factored Shear          = -7.776 kN\n"
            "  Factored Moment         = 24.24 kN-m\n"
            "  Factored Elastic Stress = 30.30 N/mm^2\n"
            "  Deflection              = -1.808 mm\n");

  const auto json = RunTrabeoCli({"point", kExample, "4.5", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const auto point = nlohmann::json::parse(json.out);
  EXPECT_EQ(point["PointPosition"], 4500.0);
  EXPECT_EQ(point["PointSegment"], 1);
  EXPECT_EQ(point["PointNumerator"], 2);
  EXPECT_EQ(point["PointDenominator"], 4);
  EXPECT_NEAR(point["PointShear"].get<double>(), -7776, 0.5);
  EXPECT_NEAR(point["PointMoment"].get<double>(), 24.239e6, 500);
  EXPECT_NEAR(point["PointStress"].get<double>(), 24.239e6 * 150 / 1.2e8, 0.01);
  EXPECT_NEAR(point["PointDeflection"].get<double>(), -1.808, 5e-4);
  // Without a units file the preference was never set: the example's applied rows carry factors
  // above 1, so the analysis labels the results factored and the block is the same.
  EXPECT_EQ(point["Lines"], nlohmann::json::array({"  Distance along beam     = 4.500 m",
                                                   "  Factored Shear          = -7.776 kN",
                                                   "  Factored Moment         = 24.24 kN-m",
                                                   "  Factored Elastic Stress = 30.30 N/mm^2",
                                                   "  Deflection              = -1.808 mm"}));
  EXPECT_EQ(RunTrabeoCli({"point", kExample, "4.5"}).out, run.out);
}

TEST(PointCommandTest, RefusedPositionPrintsTheWindowsMessageOnly) {
  for (const char* x : {"1.5", "1.4995"}) {
    const auto run = RunTrabeoCli({"point", kExample, x, "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Cannot analyse point nearer then 1/1000 span of a support\n");
  }
  EXPECT_EQ(RunTrabeoCli({"point", kExample, "7.6"}).out, "Value exceeds length of beam\n");
  EXPECT_EQ(RunTrabeoCli({"point", kExample, "-1"}).out, "Please use positive value\n");

  const auto missing = RunTrabeoCli({"point", kExample});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("no position given"), std::string::npos);
}

}  // namespace
}  // namespace trabeo
