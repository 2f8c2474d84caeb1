#pragma once

#include <cstdint>

#include "engine/beam_results.h"
#include "model/beam_model.h"
#include "model/section_values.h"
#include "model/steel_beam_state.h"
#include "platform/dialogs.h"
#include "settings/unit_settings.h"

namespace trabeo {

// What the BS 5950 check of the analysed beam reads, and the restraints it may change (angles
// and boxes set their effective lengths to the lengths they were checked with).
struct SteelCheckInputs {
  const BeamModel& model;
  const BeamResults& results;
  const SectionValues& section;
  SteelRestraints& restraints;
  const UnitSettings& units;  // names and factors of every value written; NFactorMode
  Dialogs& dialogs;           // the n and angle-length questions and the check's messages
};

// The part being checked: its index (0 LH cantilever, 1 ... 6 span segments, 10 span, 11 RH
// cantilever) and effective length in mm.
struct CheckedPart {
  int p = 0;
  double Le = 0;

  std::size_t index() const { return static_cast<std::size_t>(p); }
  bool isMainSpan() const { return p == 10; }
};

inline constexpr int kLhCantileverPart = 0;
inline constexpr int kMainSpanPart = 10;
inline constexpr int kRhCantileverPart = 11;

}  // namespace trabeo
