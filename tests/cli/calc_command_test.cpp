#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace trabeo::cli {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun RunCalc(std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), "calc");
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(CalcCommandTest, PrintsTheWindowLines) {
  // The dimensions as given, as the window prints them: "203.20" stays "203.20".
  const CliRun run = RunCalc({"ibeam", "D=203.20", "B=133.2", "t=5.7", "T=7.8", "r=7.6"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "Depth = 203.20 mm");
  EXPECT_EQ(lines[6], "Area = 32.0 cm^2");
  EXPECT_EQ(lines[7], "Ixx = 2340 cm^4");
  EXPECT_EQ(lines[24], "For grade 43   Py = 275 N/mm^2");
  EXPECT_EQ(lines[25], "Section Type is Compact for bending about x-x axis");
}

TEST(CalcCommandTest, EveryShapeRuns) {
  const std::vector<std::vector<std::string>> runs = {
      {"tube", "D=100", "t=5"},
      {"box", "B=50", "D=100", "t=5", "grade=50"},
      {"joist", "B=101.6", "D=101.6", "T=10.3", "t=9.5", "r1=11.1", "r2=3.2", "theta=8"},
      {"channel", "B=38.1", "D=76.2", "T=6.8", "t=5.1", "r1=7.6", "r2=2.4", "theta=5",
       "desc=76 x 38 RSC"},
      {"angle", "d=40", "b=25", "t=4", "r1=4", "r2=2.4"},
  };
  const char* weights[] = {"Weight = 11.7 kg/m", "Weight = 10.9 kg/m", "Weight = 23.1 kg/m",
                           "Weight = 6.71 kg/m", "Weight = 1.92 kg/m"};
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const CliRun run = RunCalc(runs[i]);
    ASSERT_EQ(run.status, kExitOk) << runs[i][0] << ": " << run.out << run.err;
    EXPECT_NE(run.out.find(weights[i]), std::string::npos) << run.out;
  }
  EXPECT_NE(RunCalc(runs[1]).out.find("For grade 50   Py = 355 N/mm^2"), std::string::npos);
  EXPECT_EQ(RunCalc(runs[4]).out.find("Py ="), std::string::npos);  // angles have no grade
}

TEST(CalcCommandTest, FailedCheckPrintsItsMessageWithStatus1) {
  CliRun run = RunCalc({"box", "B=100", "D=50", "t=5"});
  EXPECT_EQ(run.status, kExitCheckFailed);
  EXPECT_EQ(run.out, "Make larger dimension depth\n");
  // A missing key is an empty box; the channel meets it only after its dimension checks.
  run = RunCalc({"channel", "desc=c", "B=38.1", "T=6.8", "t=5.1", "r1=7.6", "r2=2.4", "theta=5"});
  EXPECT_EQ(run.out, "Flange thickness is too large\n");
  run = RunCalc({"channel", "B=38.1", "D=76.2", "T=6.8", "t=5.1", "r1=7.6", "r2=2.4", "theta=5"});
  EXPECT_EQ(run.out, "Section needs a description\n");
  run = RunCalc({"tube", "D=100", "t=", "--json"});
  EXPECT_EQ(run.status, kExitCheckFailed);
  EXPECT_EQ(nlohmann::json::parse(run.out)["Message"],
            "Enter values in all the boxes for Section Dimensions");
  run = RunCalc({"joist", "B=100", "D=100", "T=10", "t=9", "r1=11", "r2=3", "theta=-1"});
  EXPECT_EQ(run.status, kExitCheckFailed);
  EXPECT_EQ(run.out, "");
}

TEST(CalcCommandTest, JsonHoldsTheSavedRecordAndTheExtras) {
  const CliRun run = RunCalc({"ibeam", "D=203.2", "B=133.2", "t=5.7", "T=7.8", "r=7.6", "grade=55",
                              "desc=My beam", "--json"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const nlohmann::json j = nlohmann::json::parse(run.out);
  EXPECT_EQ(j["Designation"], "My beam");
  EXPECT_EQ(j["Type"], "Beam");
  EXPECT_EQ(j["Grade"], 55);
  EXPECT_EQ(j["E"], 205000);
  EXPECT_EQ(j["Depth"], 203.2);
  EXPECT_EQ(j["Outstand"], 66.6);
  EXPECT_NEAR(j["Area"].get<double>(), 3196.82, 0.005);
  EXPECT_NEAR(j["H"].get<double>(), 2.93639e10, 1e5);
  EXPECT_NEAR(j["Zxx"].get<double>(), 230331.9, 0.1);
  EXPECT_NEAR(j["InscribedCircle"].get<double>(), 12.5479, 1e-4);
  EXPECT_NEAR(j["Weight"].get<double>(), 25.095, 1e-3);
  EXPECT_EQ(j["py"], 450);
  EXPECT_EQ(j["ClassXX"], "Semi-compact");  // b/T = 8.54 between 9.5 and 15 times 0.782
  EXPECT_EQ(j["RecordNo"], 0);
  for (const char* field : {"Iuu", "Cs", "Extra", "ToeRad", "Cx"})
    EXPECT_EQ(j[field], 0) << field;
}

TEST(CalcCommandTest, ChannelJsonHasCeqAndEo) {
  const CliRun run = RunCalc({"channel", "B=38.1", "D=76.2", "T=6.8", "t=5.1", "r1=7.6", "r2=2.4",
                              "theta=5", "desc=76 x 38 RSC", "--json"});
  const nlohmann::json j = nlohmann::json::parse(run.out);
  EXPECT_NEAR(j["Ceq"].get<double>(), 6.748, 5e-4);
  EXPECT_NEAR(j["eo"].get<double>(), 15.74, 5e-3);
  EXPECT_NEAR(j["Cs"].get<double>(), 25.167, 5e-4);
  EXPECT_EQ(j["Type"], "RSC");
}

// A tube of D = 1e200 printed "-nan". Values single precision cannot hold are refused by key, and
// dimensions that fit but give properties beyond a single are refused with no results.
TEST(CalcCommandTest, OutOfRangeDimensionsAndResultsGiveStatus2) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"tube", "D=1e200", "t=5"}, "the value of D is out of range"},
      {{"tube", "D=1e400", "t=5"}, "the value of D is out of range"},
      {{"box", "B=100", "D=200", "t=1e-39"}, "the value of t is out of range"},
      {{"tube", "D=3e37", "t=1e37"}, "not all finite numbers"},
      {{"ibeam", "D=1e30", "B=1e30", "t=1e29", "T=1e29", "r=1e28", "--json"},
       "not all finite numbers"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCalc(c.args);
    EXPECT_EQ(run.status, kExitBadInput) << c.message;
    EXPECT_NE((run.out + run.err).find(c.message), std::string::npos) << run.out << run.err;
    EXPECT_EQ(run.out.find("nan"), std::string::npos) << run.out;
  }
}

TEST(CalcCommandTest, BadArgumentsGiveStatus2) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"hexagon", "D=1"},
      {"tube", "D=100", "t=five"},
      {"tube", "D=100", "t=5mm"},
      {"tube", "D=inf", "t=5"},
      {"tube", "D=100", "t=5", "grade=44"},
      {"tube", "D=100", "t=5", "T=5"},
      {"tube", "D=100", "D=90", "t=5"},
      {"tube", "D100"},
      {"angle", "d=40", "b=25", "t=4", "r1=4", "r2=2.4", "grade=43"},
  };
  for (const auto& args : bad) {
    const CliRun run = RunCalc(args);
    EXPECT_EQ(run.status, kExitBadInput) << (args.empty() ? "" : args[0]);
    EXPECT_FALSE(run.err.empty());
  }
}

}  // namespace
}  // namespace trabeo::cli
