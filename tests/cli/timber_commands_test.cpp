#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_test_support.h"
#include "settings/units_file.h"

namespace trabeo {
namespace {

using testing::RunTrabeoCli;
using testing::TempFolder;

// A 4 m joist of 75 x 200 C24 under 1.5 kN/m: M = 3.0 kN m against 3.921, V = 3.0 kN against
// 7.10.
std::string JoistCase(const std::string& timber, const std::string& extra = "") {
  return R"({"MainSpan": 4000, "E": 1, "Ixx": 1, "FibreDistance": 3, )" + extra +
         R"("LoadTable": [{"Kind": -1, "Intensity": 1.5, "EndIntensity": 1.5, "Cover": 4000}],
            "Timber": )" +
         timber + "}";
}

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST(TimberCommandsTest, AnalyseChecksATimberBeamToBS5268) {
  TempFolder folder;
  const auto file = folder.Write("joist.json", JoistCase(R"({"Width": 75, "Depth": 200})"));
  // Preferences that leave timber checks disabled do not stop the case's check.
  UnitSettings units;
  ASSERT_EQ(units.EnableTimber5268, kSettingOff);
  const std::vector<uint8_t> bytes = EncodeUnitsFile(units);
  const std::string unitsFile =
      folder.Write("TRB4_Unit.dim", std::string(bytes.begin(), bytes.end()));
  const auto run = RunTrabeoCli({"analyse", file, "--listing", "--units", unitsFile});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with(" BEAM   75.0 x 200 C24 Timber\n"));
  EXPECT_TRUE(HasLine(run.out, " BEAM COMPLIES FOR BENDING AND SHEAR"));
  EXPECT_TRUE(HasLine(run.out, " Max Permissible Moment = 3.921 kN-m"));
  EXPECT_TRUE(HasLine(run.out, " Max Permissible Shear = 7.100 kN"));
  EXPECT_TRUE(HasLine(run.out, " Bending Moment = 0.765 x permissible        BENDING MOMENT OK "));
  EXPECT_TRUE(HasLine(run.out, "  GA/Kform = 5625 kN"));

  // The case's E, Ixx and fibre distance give way to the section's: E 7200, I 5000 cm4.
  const auto json = nlohmann::json::parse(RunTrabeoCli({"analyse", file, "--json"}).out);
  const double bending = 5 * 1.5 * 256e12 / (384 * 7200 * 5e7);
  const double shear = 0.99 * 1.5 * 16e6 / (8 * 5625000);
  EXPECT_NEAR(json["SpanDeflection"][10].get<double>(), bending + shear, 1e-4);
  EXPECT_NEAR(json["BendingStress"].get<double>(), 3e6 * 100 / 5e7, 1e-3);
  EXPECT_EQ(json["TimberCheckFailed"], 0);
  EXPECT_EQ(json["ListColour"], "black");

  // Twice the load: M = 6.0 kN m against 3.921 fails, and the listing turns red.
  std::string heavier = JoistCase(R"({"Width": 75, "Depth": 200})");
  const std::string udl = R"(1.5, "EndIntensity": 1.5)";
  heavier.replace(heavier.find(udl), udl.size(), R"(3, "EndIntensity": 3)");
  const auto failed = nlohmann::json::parse(
      RunTrabeoCli({"analyse", folder.Write("heavier.json", heavier), "--json"}).out);
  EXPECT_EQ(failed["TimberCheckFailed"], -1);
  EXPECT_EQ(failed["ListColour"], "red");
}

TEST(TimberCommandsTest, AnalyseWithoutACodeOrWithASteelCode) {
  TempFolder folder;
  const auto none = RunTrabeoCli(
      {"analyse",
       folder.Write("none.json", JoistCase(R"({"Width": 75, "Depth": 200, "Grade": "C16"})",
                                           R"("DesignCode": 0, )")),
       "--listing"});
  ASSERT_EQ(none.status, 0) << none.err;
  EXPECT_TRUE(none.out.starts_with(" Beam Description  75.0 x 200 C16 Timber\n"));
  EXPECT_EQ(none.out.find("CODE CHECK"), std::string::npos);

  const auto steel = RunTrabeoCli(
      {"analyse", folder.Write("steel.json", JoistCase(R"({"Width": 75, "Depth": 200})",
                                                       R"("DesignCode": 5950, )"))});
  EXPECT_EQ(steel.status, 2);
  EXPECT_NE(steel.err.find("Cannot check timber beam to steel code"), std::string::npos);

  for (const char* timber : {R"({"Width": 0, "Depth": 200})", R"({"Width": 75})"}) {
    const auto unsized = RunTrabeoCli({"analyse", folder.Write("zero.json", JoistCase(timber))});
    EXPECT_EQ(unsized.status, 2) << timber;
    EXPECT_NE(unsized.err.find("Input beam size"), std::string::npos) << timber;
  }
  const auto badGrade =
      RunTrabeoCli({"analyse", folder.Write("grade.json", JoistCase(R"({"Width": 75, "Depth": 200,
                                                            "Grade": "C25"})"))});
  EXPECT_EQ(badGrade.status, 2);
}

TEST(TimberCommandsTest, TimberSectionListsAndHandsOver) {
  TempFolder folder;
  const auto file = folder.Write(
      "wet.json", R"({"Width": 75, "Depth": 200, "Exposure": "Wet", "Duration": "MT"})");
  const auto lines = RunTrabeoCli({"timber-section", file});
  ASSERT_EQ(lines.status, 0) << lines.err;
  EXPECT_TRUE(lines.out.starts_with(" 75.0 x 200  C24 Timber\n"));
  EXPECT_TRUE(HasLine(lines.out, "  K3 = 1.25  (Medium Term)"));
  const auto run = RunTrabeoCli({"timber-section", file, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["Lines"].size(), 31u);
  EXPECT_EQ(json["E"], 5760);       // 7200 x 0.8
  EXPECT_EQ(json["Ixx"], 5.412e7);  // 5000 x 1.02^4 cm4 as shown, four figures
  EXPECT_FLOAT_EQ(json["FibreDistance"].get<float>(), 102);
  // 156.06 cm2 x 5760 / 19.2 x 100.
  EXPECT_NEAR(json["TimberShearStiffness"].get<double>(), 4681800, 1);
  EXPECT_EQ(json["PropertyLines"].size(), 16u);
  EXPECT_GT(json["TimberPermMoment"].get<double>(), 0);
  EXPECT_GT(json["TimberPermShear"].get<double>(), 0);
}

TEST(TimberCommandsTest, TimberMemberPrintsItsListsAndWorkingValues) {
  TempFolder folder;
  const auto file = folder.Write("stud.json", R"({"Title": "Stud", "Width": 75, "Depth": 200,
      "Le": 2.4, "Grade": "C24", "Calculation": "Comb", "Axial": 20, "Moment": 1.5})");
  const auto lists = RunTrabeoCli({"timber-member", file});
  ASSERT_EQ(lists.status, 0) << lists.err;
  EXPECT_TRUE(lists.out.starts_with(" Stud\n 75.0 x 200 C24\n"));
  EXPECT_TRUE(HasLine(lists.out, "  MAJOR AXIS SUMMARY"));
  const auto run = RunTrabeoCli({"timber-member", file, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  for (const char* name : {"A",
                           "I",
                           "r",
                           "K1",
                           "K2",
                           "K3Bending",
                           "K3Axial",
                           "K7",
                           "K8",
                           "K12",
                           "PermBendingStress",
                           "PermShearStress",
                           "PermCompressionStress",
                           "PermE",
                           "PermMoment",
                           "PermShear",
                           "PermAxial",
                           "CombinedValue",
                           "Verdict",
                           "Lists"}) {
    EXPECT_TRUE(json.contains(name)) << name;
  }
  EXPECT_EQ(json["K2"].size(), 4u);
  // sigma_ma = 1.5e6 x 100 / 5e7 = 3.0, sigma_ca = 20000 / 15000; w by the BS 5268 interaction.
  EXPECT_NEAR(json["CombinedValue"].get<double>(), 0.612, 0.001);
  EXPECT_EQ(json["Verdict"], "  Combined Loading OK");
  EXPECT_EQ(json["Lists"]["List_Sum"].size(), 9u);

  const auto beam =
      RunTrabeoCli({"timber-member", folder.Write("beam.json", R"({"Width": 75, "Depth": 200,
                                                       "Calculation": "Beam"})"),
                    "--json"});
  ASSERT_EQ(beam.status, 0) << beam.err;
  const auto beamJson = nlohmann::json::parse(beam.out);
  EXPECT_FALSE(beamJson.contains("K12"));
  EXPECT_FALSE(beamJson.contains("CombinedValue"));

  const auto noLength = RunTrabeoCli(
      {"timber-member",
       folder.Write("strut.json", R"({"Width": 75, "Depth": 200, "Calculation": "Strut"})")});
  EXPECT_EQ(noLength.status, 2);
  EXPECT_NE(noLength.err.find("Enter value for effective length"), std::string::npos);
}

TEST(TimberCommandsTest, BoltCapacities) {
  const auto run = RunTrabeoCli({"bolt", "--size", "M16", "--grade", "4.6", "--steel", "S275",
                                 "--thickness", "10", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_NEAR(json["Tensile"].get<double>(), 156.67 * 195 / 1000, 1e-9);
  EXPECT_NEAR(json["Bearing"].get<double>(), 73.6, 1e-9);
  EXPECT_EQ(json["Shown"]["DoubleShear"], "50.1");
  EXPECT_EQ(json["Note"], "Bearing capacity > double shear capacity");

  const auto text = RunTrabeoCli({"bolt", "--size", "M20", "--thickness", "twelve"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_TRUE(HasLine(text.out, "Bearing Capacity        0.0 kN"));
  EXPECT_TRUE(HasLine(text.out, "Bearing capacity < single shear capacity"));

  EXPECT_EQ(RunTrabeoCli({"bolt", "--size", "M18"}).status, 2);
  EXPECT_EQ(RunTrabeoCli({"bolt", "--grade", "10.9"}).status, 2);
  EXPECT_EQ(RunTrabeoCli({"bolt", "--steel", "S460"}).status, 2);
}

}  // namespace
}  // namespace trabeo
