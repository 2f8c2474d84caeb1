#pragma once

#include <string>
#include <string_view>

#include "model/steel_beam_state.h"
#include "settings/unit_conversion.h"
#include "settings/unit_settings.h"

namespace trabeo {

// Writes one block of the check text from line 1 on. CheckLine steps by 1 for each line written
// and by 2 where an empty line is left after it; lines past the block's end are dropped.
class CheckTextWriter {
 public:
  CheckTextWriter(SteelCheckState& check, int block);

  void Line(std::string_view text);
  void LineThenGap(std::string_view text);
  void Gap() { ++checkLine_; }
  int CheckLine() const { return checkLine_; }

 private:
  TextStore<kCheckTextLines, kResultLineCapacity>& block_;
  int checkLine_ = 1;
};

// Line 0 of every block receives the number of its last non-empty line among lines 1 ... 50
// (0 when all are empty), as the listing and the printed report read it.
void SetCheckTextCounts(SteelCheckState& check);

// The values of the check in the user's units, each followed by its unit name.
class CheckValues {
 public:
  explicit CheckValues(const UnitSettings& units) : units_(units) {}

  std::string Length(double mm, Formatter format = nullptr) const;
  std::string SectionLength(double mm, Formatter format) const;
  std::string Stress(double newtonsPerMm2) const;
  std::string Modulus(double mm3, Formatter format = nullptr) const;
  std::string Moment(double newtonMillimetres, Formatter format = nullptr) const;
  std::string Shear(double newtons) const;
  std::string E(double newtonsPerMm2) const;
  const UnitSettings& units() const { return units_; }

 private:
  const UnitSettings& units_;
};

}  // namespace trabeo
