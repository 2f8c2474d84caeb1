#include "settings/units_file.h"

#include <array>

#include "fileio/binary_reader.h"
#include "fileio/binary_writer.h"
#include "fileio/file_bytes.h"
#include "model/beam_model.h"

namespace trabeo {
namespace {

constexpr int kFillerSlots = 25;
constexpr std::string_view kFillerText = "Junk";

// The modulus labels in file order.
constexpr std::array<std::string UnitSettings::*, 4> kLabelFields{
    &UnitSettings::PlasticXLabel, &UnitSettings::ElasticXLabel, &UnitSettings::PlasticYLabel,
    &UnitSettings::ElasticYLabel};

// The integer settings in file order, after the labels; the design code stands between the
// code switches and FactoredLoads.
constexpr std::array<int32_t UnitSettings::*, 7> kSettingsBeforeCode{
    &UnitSettings::MomentPlotSign,  &UnitSettings::NFactorMode,    &UnitSettings::EnableTimber5268,
    &UnitSettings::EnableSteel5950, &UnitSettings::EnableSteel449, &UnitSettings::EnableSteelAISC,
    &UnitSettings::EnableSteelLRFD};

bool ReadUnit(BinaryReader& reader, UnitQuantity quantity, UnitSettings& settings) {
  std::string name;
  float factor = 0;
  if (!reader.ReadFixedText(name, kUnitNameCapacity) || !reader.ReadSingle(factor)) return false;
  // A factor of zero or worse would silently turn every typed value into nonsense.
  if (IsUsableFactor(factor)) {
    UnitNameOf(settings, quantity) = std::move(name);
    UnitFactorOf(settings, quantity) = factor;
  }
  return true;
}

bool ReadLabels(BinaryReader& reader, UnitSettings& settings) {
  std::array<std::string, kLabelFields.size()> labels;
  for (std::string& label : labels) {
    if (!reader.ReadFixedText(label, kModulusLabelCapacity)) return false;
  }
  for (std::size_t i = 0; i < labels.size(); ++i)
    settings.*kLabelFields[i] = std::move(labels[i]);
  return true;
}

bool ReadFields(BinaryReader& reader, UnitSettings& settings) {
  for (UnitQuantity quantity : kAllUnitQuantities) {
    if (!ReadUnit(reader, quantity, settings)) return false;
  }
  if (!ReadLabels(reader, settings)) return false;
  for (int32_t UnitSettings::*field : kSettingsBeforeCode) {
    if (!reader.ReadInt32(settings.*field)) return false;
  }
  int32_t code = 0;
  if (!reader.ReadInt32(code)) return false;
  settings.DesignCode = DesignCodeFromNumber(code);
  return reader.ReadInt32(settings.FactoredLoads);
}

UnitsFileLoad Load(const std::filesystem::path& folder, UnitSettings settings,
                   void (*applyDefaults)(UnitSettings&)) {
  applyDefaults(settings);
  const auto bytes = ReadFileBytes(folder / kUnitsFileName);
  if (!bytes) return {std::move(settings), UnitsFileState::Missing};
  const UnitsFileState state = DecodeUnitsFile(*bytes, settings);
  return {std::move(settings), state};
}

}  // namespace

std::vector<uint8_t> EncodeUnitsFile(const UnitSettings& settings) {
  BinaryWriter writer;
  for (UnitQuantity quantity : kAllUnitQuantities) {
    writer.WriteFixedText(UnitNameOf(settings, quantity), kUnitNameCapacity);
    writer.WriteSingle(UnitFactorOf(settings, quantity));
  }
  for (std::string UnitSettings::*field : kLabelFields)
    writer.WriteFixedText(settings.*field, kModulusLabelCapacity);
  for (int32_t UnitSettings::*field : kSettingsBeforeCode)
    writer.WriteInt32(settings.*field);
  // The design code belongs to the beam; the file never carries one forward.
  writer.WriteInt32(DesignCodeNumber(DesignCode::None));
  writer.WriteInt32(settings.FactoredLoads);
  for (int slot = 0; slot < kFillerSlots; ++slot)
    writer.WriteFixedText(kFillerText, kModulusLabelCapacity);
  return writer.bytes();
}

UnitsFileState DecodeUnitsFile(std::span<const uint8_t> bytes, UnitSettings& settings) {
  BinaryReader reader(bytes);
  return ReadFields(reader, settings) ? UnitsFileState::Complete : UnitsFileState::Short;
}

UnitsFileLoad ReadUnitsFile(const std::filesystem::path& folder, UnitSettings current) {
  return Load(folder, std::move(current), ApplyStartupDefaults);
}

// The units in force were chosen by the user during this run; a file that is not there has
// nothing better to offer.
UnitsFileLoad ReadUnitsFileForNewBeam(const std::filesystem::path& folder, UnitSettings current) {
  return Load(folder, std::move(current), [](UnitSettings&) {});
}

std::string WriteUnitsFile(const std::filesystem::path& folder, const UnitSettings& settings) {
  return WriteFileAtomically(folder / kUnitsFileName, EncodeUnitsFile(settings));
}

}  // namespace trabeo
