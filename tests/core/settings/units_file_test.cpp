#include "settings/units_file.h"

#include <gtest/gtest.h>
#include <algorithm>

#include <bit>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "fileio/file_bytes.h"
#include "settings/unit_options.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() / ("trabeo_units_" + std::to_string(std::random_device{}()) +
                                         "_" + std::to_string(stamp));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }
  fs::path file() const { return path_ / kUnitsFileName; }

 private:
  fs::path path_;
};

// Every field away from its default, imperial where there is a choice.
UnitSettings ImperialSettings() {
  UnitSettings s;
  for (const UnitGroup& group : UnitGroups())
    ApplyUnitOption(s, group.quantity, static_cast<int>(UnitOptionsOf(group.quantity).size()) - 1);
  SetModulusConvention(s, ModulusConvention::ZxxPlastic);
  s.MomentPlotSign = -1;
  s.NFactorMode = 3;
  s.EnableTimber5268 = 1;
  s.EnableSteel5950 = 1;
  s.EnableSteel449 = -1;
  s.EnableSteelAISC = 1;
  s.EnableSteelLRFD = -1;
  s.FactoredLoads = 1;
  return s;
}

int32_t Int32At(const std::vector<uint8_t>& bytes, std::size_t offset) {
  uint32_t bits = 0;
  for (int i = 3; i >= 0; --i)
    bits = (bits << 8) | bytes[offset + static_cast<std::size_t>(i)];
  return static_cast<int32_t>(bits);
}

float SingleAt(const std::vector<uint8_t>& bytes, std::size_t offset) {
  return std::bit_cast<float>(static_cast<uint32_t>(Int32At(bytes, offset)));
}

std::string TextAt(const std::vector<uint8_t>& bytes, std::size_t offset) {
  return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset) + 1,
                     bytes.begin() + static_cast<std::ptrdiff_t>(offset) + 1 + bytes[offset]);
}

void WriteRaw(const fs::path& path, const std::vector<uint8_t>& bytes) {
  ASSERT_TRUE(WriteFileBytes(path, bytes));
}

TEST(UnitsFileTest, FieldsLieAtTheirFileOffsets) {
  UnitSettings s = ImperialSettings();
  s.DesignCode = DesignCode::BS5950;
  const std::vector<uint8_t> bytes = EncodeUnitsFile(s);
  ASSERT_EQ(bytes.size(), kUnitsFileSize);

  struct UnitAt {
    std::size_t offset;
    UnitQuantity quantity;
  };
  const UnitAt units[] = {
      {0, UnitQuantity::Length},      {15, UnitQuantity::SectLength}, {30, UnitQuantity::PointLoad},
      {45, UnitQuantity::Udl},        {60, UnitQuantity::Shear},      {75, UnitQuantity::Moment},
      {90, UnitQuantity::Deflection}, {105, UnitQuantity::Stress},    {120, UnitQuantity::E},
      {135, UnitQuantity::Inertia},   {150, UnitQuantity::Modulus},   {165, UnitQuantity::Area},
      {180, UnitQuantity::Weight},    {195, UnitQuantity::Warping},
  };
  for (const UnitAt& unit : units) {
    EXPECT_EQ(TextAt(bytes, unit.offset), UnitNameOf(s, unit.quantity)) << unit.offset;
    EXPECT_EQ(SingleAt(bytes, unit.offset + 11), UnitFactorOf(s, unit.quantity)) << unit.offset;
  }
  EXPECT_EQ(TextAt(bytes, 0), "ft");
  EXPECT_EQ(SingleAt(bytes, 11), 304.8f);
  EXPECT_EQ(TextAt(bytes, 210), "Zxx");  // plastic x
  EXPECT_EQ(TextAt(bytes, 236), "Sxx");  // elastic x
  EXPECT_EQ(TextAt(bytes, 262), "Zyy");  // plastic y
  EXPECT_EQ(TextAt(bytes, 288), "Syy");  // elastic y

  const std::pair<std::size_t, int32_t> integers[] = {
      {314, -1}, {318, 3}, {322, 1}, {326, 1}, {330, -1}, {334, 1}, {338, -1}, {342, 0}, {346, 1},
  };
  for (const auto& [offset, value] : integers)
    EXPECT_EQ(Int32At(bytes, offset), value) << offset;

  for (std::size_t slot = 350; slot < kUnitsFileSize; slot += 26) {
    EXPECT_EQ(bytes[slot], 4) << slot;
    EXPECT_EQ(TextAt(bytes, slot), "Junk") << slot;
  }
}

TEST(UnitsFileTest, WrittenFileReadsBackAndRewritesByteForByte) {
  TempFolder folder;
  const UnitSettings written = ImperialSettings();
  ASSERT_EQ(WriteUnitsFile(folder.path(), written), "");
  const auto first = ReadFileBytes(folder.file());
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->size(), kUnitsFileSize);
  EXPECT_FALSE(fs::exists(folder.path() / "TRB4_Unit.dim.tmp"));

  const UnitsFileLoad load = ReadUnitsFile(folder.path(), UnitSettings{});
  EXPECT_EQ(load.state, UnitsFileState::Complete);
  EXPECT_EQ(load.settings, written);
  // A new beam reads the file too, so its settings, the Z plastic convention among them,
  // survive New.
  EXPECT_EQ(ReadUnitsFileForNewBeam(folder.path(), UnitSettings{}).settings, written);

  ASSERT_EQ(WriteUnitsFile(folder.path(), load.settings), "");
  EXPECT_EQ(ReadFileBytes(folder.file()), first);
}

TEST(UnitsFileTest, DesignCodeIsAlwaysStoredAsNone) {
  TempFolder folder;
  UnitSettings s;
  s.DesignCode = DesignCode::BS5268;
  ASSERT_EQ(WriteUnitsFile(folder.path(), s), "");
  UnitSettings current;
  current.DesignCode = DesignCode::BS5950;
  EXPECT_EQ(ReadUnitsFile(folder.path(), current).settings.DesignCode, DesignCode::None);
}

TEST(UnitsFileTest, MissingFileGivesTheStartupDefaults) {
  TempFolder folder;
  UnitSettings current = ImperialSettings();
  current.DesignCode = DesignCode::BS5950;
  const UnitsFileLoad load = ReadUnitsFile(folder.path(), current);
  EXPECT_EQ(load.state, UnitsFileState::Missing);
  UnitSettings expected;
  expected.FactoredLoads = 1;  // neither default set touches these two
  expected.DesignCode = DesignCode::BS5950;
  EXPECT_EQ(load.settings, expected);
}

TEST(UnitsFileTest, MissingFileForANewBeamKeepsTheUnitsInForce) {
  TempFolder folder;
  const UnitSettings current = ImperialSettings();
  const UnitsFileLoad load = ReadUnitsFileForNewBeam(folder.path(), current);
  EXPECT_EQ(load.state, UnitsFileState::Missing);
  EXPECT_EQ(load.settings, current);
}

TEST(UnitsFileTest, ShortFileKeepsTheDefaultsForWhatItLacks) {
  TempFolder folder;
  const UnitSettings full = ImperialSettings();
  const std::vector<uint8_t> bytes = EncodeUnitsFile(full);

  struct Case {
    std::size_t length;
    int wholeUnits;  // leading unit pairs present
    bool labels;     // all four labels present
    int integers;    // leading integers present
  };
  const Case cases[] = {
      {0, 0, false, 0},    {11, 0, false, 0},   {14, 0, false, 0},   {15, 1, false, 0},
      {209, 13, false, 0}, {210, 14, false, 0}, {300, 14, false, 0}, {314, 14, true, 0},
      {318, 14, true, 1},  {345, 14, true, 7},  {349, 14, true, 8},
  };
  for (const Case& c : cases) {
    WriteRaw(
        folder.file(),
        std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(c.length)));
    const UnitsFileLoad load = ReadUnitsFile(folder.path(), UnitSettings{});
    EXPECT_EQ(load.state, UnitsFileState::Short) << c.length;

    UnitSettings expected;
    for (int i = 0; i < c.wholeUnits; ++i) {
      const UnitQuantity quantity = kAllUnitQuantities[static_cast<std::size_t>(i)];
      UnitNameOf(expected, quantity) = UnitNameOf(full, quantity);
      UnitFactorOf(expected, quantity) = UnitFactorOf(full, quantity);
    }
    if (c.labels) SetModulusConvention(expected, ModulusConvention::ZxxPlastic);
    int32_t UnitSettings::*const integers[] = {
        &UnitSettings::MomentPlotSign,   &UnitSettings::NFactorMode,
        &UnitSettings::EnableTimber5268, &UnitSettings::EnableSteel5950,
        &UnitSettings::EnableSteel449,   &UnitSettings::EnableSteelAISC,
        &UnitSettings::EnableSteelLRFD};
    for (int i = 0; i < std::min<int>(c.integers, 7); ++i)
      expected.*integers[i] = full.*integers[i];
    if (c.integers > 7) expected.DesignCode = full.DesignCode;
    EXPECT_EQ(load.settings, expected) << c.length;
  }

  WriteRaw(folder.file(), std::vector<uint8_t>(bytes.begin(), bytes.begin() + 350));
  EXPECT_EQ(ReadUnitsFile(folder.path(), UnitSettings{}).state, UnitsFileState::Complete);
}

TEST(UnitsFileTest, AUnitWithAnUnusableFactorKeepsItsDefault) {
  TempFolder folder;
  for (float bad : {0.0f, -1000.0f, std::numeric_limits<float>::quiet_NaN(),
                    std::numeric_limits<float>::infinity()}) {
    std::vector<uint8_t> bytes = EncodeUnitsFile(ImperialSettings());
    const uint32_t bits = std::bit_cast<uint32_t>(bad);
    for (int i = 0; i < 4; ++i)
      bytes[11 + static_cast<std::size_t>(i)] = static_cast<uint8_t>(bits >> (8 * i));
    WriteRaw(folder.file(), bytes);
    const UnitSettings read = ReadUnitsFile(folder.path(), UnitSettings{}).settings;
    EXPECT_EQ(read.LengthUnitName, "m") << bad;
    EXPECT_EQ(read.LengthFactor, 1000.0f) << bad;
    EXPECT_EQ(read.SectLengthUnitName, "in") << bad;  // the rest is read as usual
  }
}

TEST(UnitsFileTest, OverlongNamesAreClampedToTheirSlot) {
  TempFolder folder;
  std::vector<uint8_t> bytes = EncodeUnitsFile(UnitSettings{});
  bytes[0] = 200;    // length byte beyond the 10 characters of the slot
  bytes[210] = 255;  // and beyond the 25 of a label
  WriteRaw(folder.file(), bytes);
  const UnitsFileLoad load = ReadUnitsFile(folder.path(), UnitSettings{});
  EXPECT_EQ(load.state, UnitsFileState::Complete);
  EXPECT_EQ(load.settings.LengthUnitName.size(), 10u);
  EXPECT_EQ(load.settings.PlasticXLabel.size(), 25u);
  EXPECT_EQ(load.settings.SectLengthUnitName, "mm");
}

// Names written by the program on Windows are 8-bit: 0xB5 is the micro sign, 0xB2 the
// superscript two, 0xBD one half.
TEST(UnitsFileTest, EightBitNamesReadAsTheirCharactersAndWriteBackUnchanged) {
  TempFolder folder;
  std::vector<uint8_t> bytes = EncodeUnitsFile(UnitSettings{});
  const auto plant = [&](std::size_t offset, int capacity, const std::string& text) {
    bytes[offset] = static_cast<uint8_t>(text.size());
    for (int i = 0; i < capacity; ++i) {
      const auto at = static_cast<std::size_t>(i);
      bytes[offset + 1 + at] = at < text.size() ? static_cast<uint8_t>(text[at]) : 0;
    }
  };
  plant(90, 10, "\xB5m");               // deflection unit
  plant(105, 10, "N/mm\xB2");           // stress unit
  plant(210, 25, "\xBD Sxx \xB5\xB2");  // plastic modulus label
  WriteRaw(folder.file(), bytes);

  const UnitsFileLoad load = ReadUnitsFile(folder.path(), UnitSettings{});
  ASSERT_EQ(load.state, UnitsFileState::Complete);
  EXPECT_EQ(load.settings.DeflectionUnitName, "\u00B5m");
  EXPECT_EQ(load.settings.StressUnitName, "N/mm\u00B2");
  EXPECT_EQ(load.settings.PlasticXLabel, "\u00BD Sxx \u00B5\u00B2");
  EXPECT_EQ(EncodeUnitsFile(load.settings), bytes);
}

TEST(UnitsFileTest, FailedWriteIsReportedAndLeavesTheOldFileIntact) {
  TempFolder folder;
  ASSERT_EQ(WriteUnitsFile(folder.path(), UnitSettings{}), "");
  const auto old = ReadFileBytes(folder.file());

  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_NE(WriteUnitsFile(folder.path(), ImperialSettings()), "");
  EXPECT_EQ(ReadFileBytes(folder.file()), old);
  fs::permissions(folder.path(), fs::perms::owner_all);

  EXPECT_NE(WriteUnitsFile(folder.path() / "no such folder", UnitSettings{}), "");
}

}  // namespace
}  // namespace trabeo
