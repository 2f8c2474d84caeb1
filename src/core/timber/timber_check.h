#pragma once

#include <cstdint>
#include <string>

#include "engine/beam_results.h"
#include "model/timber_beam_state.h"

namespace trabeo {

inline constexpr const char* kTimberCodeLine = " CODE CHECK TO BS 5268 ";
inline constexpr const char* kTimberComplies = " BEAM COMPLIES FOR BENDING AND SHEAR";
inline constexpr const char* kTimberDoesNotComply = " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR";
inline constexpr const char* kTimberTorsionNote = " Assuming adequate torsional restraint";

// The verdict of the BS 5268 check of an analysed beam.
struct TimberVerdictTexts {
  std::string TimberCodeLine;
  std::string TimberVerdict;
  std::string TimberTorsionNote;  // empty unless the beam complies and is narrow
  int32_t TimberCheckFailed = 0;  // 0 complies, -1 does not
};

// Bending and shear of the whole beam against the permissible moment and shear load: a ratio
// above 1 fails. A narrow section (width below half the depth) that complies carries the note
// on torsional restraint.
TimberVerdictTexts EvaluateTimberVerdict(const TimberBeamValues& timber, float width, float depth,
                                         const BeamResults& results);

// True when the section is narrow enough to need the torsional restraint note.
bool IsNarrowTimberSection(float width, float depth);

}  // namespace trabeo
