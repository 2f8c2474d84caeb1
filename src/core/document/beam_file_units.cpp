#include "document/beam_file_parts.h"

namespace trabeo::beam_file {
namespace {

// The modulus labels in file order.
constexpr std::array<std::string UnitSettings::*, 4> kLabels{
    &UnitSettings::PlasticXLabel, &UnitSettings::ElasticXLabel, &UnitSettings::PlasticYLabel,
    &UnitSettings::ElasticYLabel};

}  // namespace

void TransferUnits(FieldWriter& io, const UnitSettings& units) {
  for (UnitQuantity quantity : kAllUnitQuantities)
    io.Text(UnitNameOf(units, quantity), kUnitNameCapacity);
  for (UnitQuantity quantity : kAllUnitQuantities)
    io.Single(UnitFactorOf(units, quantity));
  for (std::string UnitSettings::*label : kLabels)
    io.Text(units.*label, kModulusLabelCapacity);
}

void TransferUnits(FieldReader& io, UnitSettings& units) {
  std::array<std::string, kUnitQuantityCount> names;
  for (std::string& name : names)
    io.Text(name, kUnitNameCapacity);
  const bool namesRead = io.ok();
  for (std::size_t i = 0; i < names.size() && namesRead; ++i) {
    float factor = 0;
    io.Single(factor);
    if (io.ok() && IsUsableFactor(factor)) {
      UnitNameOf(units, kAllUnitQuantities[i]) = names[i];
      UnitFactorOf(units, kAllUnitQuantities[i]) = factor;
    }
  }
  for (std::string UnitSettings::*label : kLabels)
    io.Text(units.*label, kModulusLabelCapacity);
}

}  // namespace trabeo::beam_file
