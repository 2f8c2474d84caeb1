#include "bolts/bolt_capacity.h"

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

constexpr std::array<BoltSize, 9> kBoltTable{{
    {"M6", 6, 20.12, 28.274},
    {"M8", 8, 36.606, 50.265},
    {"M10", 10, 58, 78.54},
    {"M12", 12, 84.3, 113.097},
    {"M14", 14, 115.437, 153.938},
    {"M16", 16, 156.67, 201.06},
    {"M20", 20, 244.8, 314.2},
    {"M24", 24, 353, 452},
    {"M30", 30, 561, 707},
}};

std::string Kilonewtons(double newtons) {
  return SigFig3(newtons / 1000);
}

}  // namespace

std::optional<BoltSize> BoltSizeNamed(std::string_view name) {
  for (const BoltSize& size : kBoltTable) {
    if (size.name == name) return size;
  }
  return std::nullopt;
}

double BoltShearStrength(BoltGrade grade) {
  return grade == BoltGrade::Grade88 ? 375 : 160;
}

double BoltTensionStrength(BoltGrade grade) {
  return grade == BoltGrade::Grade88 ? 450 : 195;
}

// The plate's bearing strength, limited by that of a grade 4.6 bolt.
double BoltBearingStrength(BoltGrade grade, PlateSteel steel) {
  if (steel == PlateSteel::S355 && grade == BoltGrade::Grade88) return 550;
  return 460;
}

std::optional<BoltCapacities> CalculateBoltCapacities(const BoltChoices& choices) {
  const std::optional<BoltSize> size = BoltSizeNamed(choices.size);
  if (!size) return std::nullopt;
  const double ps = BoltShearStrength(choices.grade);
  const double shearArea = choices.plane == ShearPlane::Shank ? size->shankArea : size->tensileArea;
  double t = TextToNumber(choices.Edit_Thk);
  if (!(t > 0)) t = 0;  // a negative thickness would give a negative bearing capacity

  BoltCapacities c;
  c.tensile = size->tensileArea * BoltTensionStrength(choices.grade);
  c.singleShear = shearArea * ps;
  c.doubleShear = 2 * shearArea * ps;
  c.bearing = t * size->d * BoltBearingStrength(choices.grade, choices.steel);
  c.lbl_Tensile = Kilonewtons(c.tensile);
  c.lbl_Shear1 = Kilonewtons(c.singleShear);
  c.lbl_Shear2 = Kilonewtons(c.doubleShear);
  c.lbl_Bearing = Kilonewtons(c.bearing);
  if (c.bearing > c.doubleShear) c.Label_BearingNote = kBearingAboveDoubleShear;
  if (c.bearing < c.singleShear) c.Label_BearingNote = kBearingBelowSingleShear;
  return c;
}

}  // namespace trabeo
