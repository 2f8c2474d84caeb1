#pragma once

#include <string>
#include <string_view>

#include "model/beam_project.h"
#include "platform/canvas.h"
#include "settings/unit_settings.h"

namespace trabeo {

// What the section form holds when "Next >" is pressed.
struct BeamEntryTexts {
  bool lhCantilever = false;
  bool rhCantilever = false;
  bool lhFixed = false;
  bool rhFixed = false;
  std::string lhLength;
  std::string spanLength;
  std::string rhLength;
  std::string E;
  std::string Ixx;
  DesignCode code = DesignCode::None;  // the selected code option
};

// The section form's two boxes at one end of the beam.
struct BeamEndTicks {
  bool cantilever = false;
  bool fixed = false;

  friend bool operator==(const BeamEndTicks&, const BeamEndTicks&) = default;
};
enum class BeamEndBox { Cantilever, Fixed };

// A fixed end has no cantilever: a click that ticks one box of an end unticks the other. `end`
// holds the boxes as the click left them.
BeamEndTicks AfterEndBoxClick(BeamEndTicks end, BeamEndBox clicked);

enum class BeamEntryStatus {
  Failed,       // a box was unusable: the model keeps what was written before the failure
  CodeRefused,  // the geometry and section were stored, the code does not suit the section
  Accepted,     // stored, with the self weight; on to the loads
};

struct BeamEntryOutcome {
  BeamEntryStatus status = BeamEntryStatus::Failed;
  std::string message;
  // A timber section with a steel E: the form asks before going on.
  bool askTimberWithSteelE = false;
};

inline constexpr const char* kInputBeamSizeMessage = "Input beam size";
// EN 1993 needs properties (I_z, I_t, I_w) that only a section table's record holds.
inline constexpr std::string_view kEN1993NeedsTableSectionMessage =
    "Cannot check to EN 1993 without a section picked from the section tables";

inline constexpr const char* kTimberWithSteelEQuestion =
    "You appear to have a timber section \nwith a value of \"E\" for steel.\nIs this correct?\n";

// The beam's total length from the boxes: a cantilever counts only when ticked and non-zero;
// summed in single precision.
double TotalLengthFromTexts(const BeamEntryTexts& texts, const UnitSettings& units);

// "Next >" of the section form: stores geometry, supports, E and Ixx, checks the code against
// the section, and writes the self weight into load row 26. A box whose value single precision
// cannot hold fails first, with nothing stored.
BeamEntryOutcome ApplyBeamEntry(const BeamEntryTexts& texts, const UnitSettings& units,
                                BeamProject& project);

// Self weight of a steel section of the given area (mm2), N/mm: kSteelDensity under 9.81 m/s2.
double SelfWeightOfArea(double area);

// The section form's picture of the beam: supports, lengths and the total length.
struct BeamPictureInput {
  int width = 0;
  int height = 0;
  double lhLength = 0;  // 0 when the cantilever is not counted
  double spanLength = 0;
  double rhLength = 0;
  bool lhFixed = false;
  bool rhFixed = false;
};
void DrawBeamEntryPicture(Canvas& canvas, const BeamPictureInput& beam, const UnitSettings& units);

// The picture's beam as the boxes of the section form describe it: a cantilever counts only
// when ticked.
BeamPictureInput BeamPictureFromTexts(const BeamEntryTexts& texts, const UnitSettings& units,
                                      int width, int height);

}  // namespace trabeo
