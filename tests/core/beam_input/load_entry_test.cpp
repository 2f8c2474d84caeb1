#include "beam_input/load_entry.h"

#include <gtest/gtest.h>

#include "beam_input/entry_ranges.h"

namespace trabeo {
namespace {

UnitSettings Defaults() {
  return UnitSettings{};
}  // m, kN, kN/m

LoadRowTexts Udl(const char* distance, const char* start, const char* finish, const char* cover,
                 bool applied = true) {
  LoadRowTexts row;
  row.type = LoadRowType::Udl;
  row.distance = distance;
  row.startRate = start;
  row.finishRate = finish;
  row.cover = cover;
  row.applied = applied;
  return row;
}

TEST(LoadEntryTest, RowsAreReadInInternalUnits) {
  LoadRowTexts point;
  point.type = LoadRowType::Point;
  point.pointLoad = "12.5";
  point.distance = "2";
  point.factor = "1.4";
  point.applied = true;
  LoadRecord previous;
  previous.Spare = 7;
  const LoadRecord read = ReadLoadRow(point, Defaults(), previous);
  EXPECT_EQ(read.Kind, 1);
  EXPECT_FLOAT_EQ(read.Position, 2000);
  EXPECT_FLOAT_EQ(read.Intensity, 12500);
  EXPECT_EQ(read.Cover, 0);
  EXPECT_FLOAT_EQ(read.Factor, 1.4f);
  EXPECT_EQ(read.Applied, 1);
  EXPECT_EQ(read.Spare, 7);

  const LoadRecord udl = ReadLoadRow(Udl("1", "3", "4.5", "2.5"), Defaults(), {});
  EXPECT_EQ(udl.Kind, -1);
  EXPECT_FLOAT_EQ(udl.EndIntensity, 4.5f);
  EXPECT_FLOAT_EQ(udl.Cover, 2500);
  EXPECT_EQ(udl.Factor, 1);  // an empty factor box counts as 1
}

TEST(LoadEntryTest, ARowWithoutATypeIsStoredAsZeros) {
  LoadRowTexts row = Udl("1", "3", "4", "2");
  row.type = LoadRowType::None;
  const LoadRecord read = ReadLoadRow(row, Defaults(), {});
  EXPECT_EQ(read.Kind, 0);
  EXPECT_EQ(read.Position, 0);
  EXPECT_EQ(read.Intensity, 0);
  EXPECT_EQ(read.Applied, 0);
  EXPECT_EQ(read.Factor, 0);
}

TEST(LoadEntryTest, ValidationReportsEveryOffendingRowInOrder) {
  LoadTable loads;
  loads.row(1) = ReadLoadRow(Udl("2", "1", "1", "4"), Defaults(), {});         // ends at 6 m: fine
  loads.row(2) = ReadLoadRow(Udl("2", "1", "1", "4.01"), Defaults(), {});      // past the end
  loads.row(3) = ReadLoadRow(Udl("2", "1", "1", "5", false), Defaults(), {});  // not applied
  loads.row(4) = ReadLoadRow(Udl("-1", "1", "1", "1", false), Defaults(), {});
  loads.row(5) = ReadLoadRow(Udl("7.5", "1", "1", "-1"), Defaults(), {});  // both problems
  const auto messages = ValidateLoadRows(loads, 6000);
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0], "Load 2 extends past end of beam");
  EXPECT_EQ(messages[1], "Negative lengths not allowed");
  EXPECT_EQ(messages[2], "Load 5 extends past end of beam");
  EXPECT_EQ(messages[3], "Negative lengths not allowed");
}

// The load of 1e308 N, and values too small to be told from 0, are refused by box before
// the form stores the row; a row that reached the table anyway (1e39 kN became infinite) is
// caught by the check of the stored rows.
TEST(LoadEntryTest, ValuesOutOfSinglePrecisionAreRefusedByName) {
  LoadRowTexts point;
  point.type = LoadRowType::Point;
  point.pointLoad = "1e308";
  point.distance = "1e-50";
  point.factor = "1e400";
  EXPECT_EQ(LoadRowRangeProblems(point, Defaults(), 3),
            (std::vector<std::string>{"Load 3 point load is out of range",
                                      "Load 3 distance is out of range",
                                      "Load 3 load factor is out of range"}));
  EXPECT_EQ(LoadRowRangeProblems(Udl("2", "3.4e35", "1", "4"), Defaults(), 7),
            std::vector<std::string>{});  // kN/m = N/mm: 3.4e35 still fits
  EXPECT_EQ(LoadRowRangeProblems(Udl("2", "1", "1", "4e36"), Defaults(), 7),
            std::vector<std::string>{"Load 7 cover is out of range"});  // x 1000 mm
  EXPECT_EQ(SelfWeightRangeProblem({true, "1e39"}), "Self-weight load factor is out of range");
  EXPECT_EQ(SelfWeightRangeProblem({false, "1e39"}), "");

  LoadTable loads;
  point.pointLoad = "1e39";
  point.distance = "2";
  point.factor = "";
  point.applied = true;
  loads.row(3) = ReadLoadRow(point, Defaults(), {});
  EXPECT_EQ(ValidateLoadRows(loads, 6000),
            std::vector<std::string>{"Load 3 intensity is out of range"});
}

TEST(LoadEntryTest, NextChecksForNothingApplied) {
  LoadTable loads;
  loads.row(1) = ReadLoadRow(Udl("0", "1", "1", "1", false), Defaults(), {});
  EXPECT_EQ(NextLoadChecks(loads), std::vector<std::string>{"No loads applied to beam"});
  loads.row(26) = {kDistributedLoadKind, 0, 0.3f, 0.3f, 6000, 1.4f, 1, 0};
  EXPECT_TRUE(NextLoadChecks(loads).empty());
}

TEST(LoadEntryTest, NoLoadsOnlyWhenBothAZeroPointAndAZeroUdlAreApplied) {
  LoadTable loads;
  loads.row(1) = {kPointLoadKind, 1000, 0, 0, 0, 1, 1, 0};
  EXPECT_TRUE(NextLoadChecks(loads).empty());
  loads.row(2) = {kDistributedLoadKind, 0, 5, 5, 0, 1, 1, 0};  // zero cover
  EXPECT_EQ(NextLoadChecks(loads), std::vector<std::string>{"No loads on beam"});
}

TEST(LoadEntryTest, SelfWeightFactorBoxAndLabel) {
  const LoadRecord unset =
      ReadSelfWeightRow({true, ""}, {kDistributedLoadKind, 9, 0.25f, 0.25f, 6000, 0, 0, 0});
  EXPECT_EQ(unset.Factor, 0);  // no empty-box rule for the self weight
  EXPECT_EQ(unset.Applied, 1);
  EXPECT_EQ(unset.Position, 0);
  EXPECT_FLOAT_EQ(unset.Intensity, 0.25f);
  UnitSettings units = Defaults();
  units.FactoredLoads = kSettingOn;
  EXPECT_EQ(SelfWeightFactorText(unset, units), "1.40");
  units.FactoredLoads = kSettingOff;
  EXPECT_EQ(SelfWeightFactorText(unset, units), "1.000");
  EXPECT_EQ(SelfWeightLabel(unset, units), " 0.250 kN/m");
  const LoadRecord off = ReadSelfWeightRow({false, "1.4"}, unset);
  EXPECT_EQ(off.Kind, 0);
  EXPECT_EQ(off.Factor, 0);
  EXPECT_FLOAT_EQ(off.Intensity, 0.25f);
}

TEST(LoadEntryTest, StoredRowsAreShownBack) {
  const LoadRowTexts shown =
      ShowLoadRow({kDistributedLoadKind, 1500, 2.5f, 0, 3000, 1.6f, 1, 0}, Defaults());
  EXPECT_EQ(shown.type, LoadRowType::Udl);
  EXPECT_EQ(shown.distance, "1.500");
  EXPECT_EQ(shown.startRate, "2.500");
  EXPECT_EQ(shown.finishRate, "0.000");
  EXPECT_EQ(shown.cover, "3.000");
  EXPECT_EQ(shown.factor, "1.60");
  EXPECT_TRUE(shown.applied);
  // Zeros of a row that is not applied show as empty boxes.
  const LoadRowTexts idle = ShowLoadRow({kPointLoadKind, 0, 5000, 0, 0, 0, 0, 0}, Defaults());
  EXPECT_EQ(idle.distance, "");
  EXPECT_EQ(idle.pointLoad, "5.000");
  EXPECT_EQ(idle.factor, "");
  EXPECT_EQ(ShowLoadRow({}, Defaults()).type, LoadRowType::None);
}

// Reading the whole form: a row with no type applies nothing, whatever its box says; a box beyond
// single precision is refused by name and its row keeps what it held, the other rows are read.
TEST(LoadEntryTest, ReadingTheFormRefusesOutOfRangeBoxesAndKeepsTheirRows) {
  LoadTable loads;
  loads.row(2) = {kPointLoadKind, 1000, 5000, 0, 0, 1, 1, 0};
  loads.row(kSelfWeightRow).Intensity = 0.25f;
  LoadFormTexts form;
  form.rows[0] = Udl("0", "2", "2", "6");
  form.rows[1].type = LoadRowType::Point;
  form.rows[1].pointLoad = "1e36";  // kN: 1e39 N
  form.rows[1].distance = "3";
  form.rows[1].applied = true;
  form.rows[2].applied = true;  // ticked, but no type picked
  form.selfWeight = {true, "1e39"};
  const std::vector<std::string> refused = ReadLoadForm(form, Defaults(), loads);
  EXPECT_EQ(refused, (std::vector<std::string>{"Load 2 point load is out of range",
                                               "Self-weight load factor is out of range"}));
  EXPECT_EQ(loads.row(1).Kind, kDistributedLoadKind);
  EXPECT_FLOAT_EQ(loads.row(1).Cover, 6000);
  EXPECT_EQ(loads.row(2).Position, 1000);  // as it was
  EXPECT_EQ(loads.row(2).Intensity, 5000);
  EXPECT_FALSE(form.rows[2].applied);
  EXPECT_EQ(loads.row(3).Applied, 0);
  EXPECT_EQ(loads.row(kSelfWeightRow).Kind, 0);  // as it was
  EXPECT_EQ(loads.row(kSelfWeightRow).Intensity, 0.25f);
}

// The rows in use: the stored count, or five; picking a type from row 5 on grows them to it.
TEST(LoadEntryTest, RowsInUse) {
  EXPECT_EQ(LoadRowsInUseAtShow(0), 5);
  EXPECT_EQ(LoadRowsInUseAtShow(12), 12);
  EXPECT_EQ(LoadRowsInUseAfterPick(5, 3), 5);
  EXPECT_EQ(LoadRowsInUseAfterPick(0, 4), 0);
  EXPECT_EQ(LoadRowsInUseAfterPick(0, 5), 5);
  EXPECT_EQ(LoadRowsInUseAfterPick(6, 9), 9);
  EXPECT_EQ(LoadRowsInUseAfterPick(12, 9), 12);
}

// One empty row always follows the highest row in use, up to row 25.
TEST(LoadEntryTest, RowReveal) {
  EXPECT_EQ(VisibleLoadRows(0), 5);
  EXPECT_EQ(VisibleLoadRows(5), 6);
  EXPECT_EQ(VisibleLoadRows(12), 13);
  EXPECT_EQ(VisibleLoadRows(25), 25);
}

}  // namespace
}  // namespace trabeo
