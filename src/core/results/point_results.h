#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/beam_results.h"
#include "engine/segment_loads.h"
#include "fileio/text_store.h"
#include "platform/dialogs.h"
#include "results/point_fraction.h"
#include "settings/unit_settings.h"

namespace trabeo {

inline constexpr int kPointLineCapacity = 75;
inline constexpr int kPointLineSlots = 51;  // slot 0 (the count) and 50 lines
using PointLineStore = TextStore<kPointLineSlots, kPointLineCapacity>;

inline constexpr int kPointTitleSlots = 2;  // the title and a line holding one space
inline constexpr int kFirstPointBlockSlot = 3;

inline constexpr const char* kPointInputCaption = "Results at a point";
// "Calculate" without results that belong to the beam as it now stands.
inline constexpr const char* kPointNoResultsMessage =
    "There are no results of this beam to calculate from: analyse it first";
inline constexpr const char* kPointBeyondBeamMessage = "Value exceeds length of beam";
inline constexpr const char* kPointNegativeMessage = "Please use positive value";
inline constexpr const char* kPointNearSupportMessage =
    "Cannot analyse point nearer then 1/1000 span of a support";

// The "Load at Point" window's state, kept between calculations.
struct PointResultsState {
  float PointPosition = 0;   // mm from the LH end; the default of the next calculation
  int32_t PointSegment = 0;  // kLhSegment, kSpanSegment or kRhSegment
  int32_t PointDenominator = 0;
  int32_t PointNumerator = 0;
  float PointShear = 0;       // N, the beam's shear convention
  float PointMoment = 0;      // N mm, sagging positive
  float PointStress = 0;      // N/mm2
  float PointDeflection = 0;  // mm, upward positive
  PointLineStore PointLines = TitledPointLines();
  int32_t PointNextSlot = kFirstPointBlockSlot;
  int32_t PointStarted = 0;

  // Slot 1 holds the title and slot 2 one space; the count is 0.
  static PointLineStore TitledPointLines();
};

// Which segment a position lies on and where along it, as a fraction t of its length measured
// from its support, or from the free end on the LH cantilever.
struct PointLocation {
  int32_t segment = kSpanSegment;
  double t = 0;
};

// The message that refuses a position (mm from the LH end), tested in the window's order: off
// the beam, negative, or within 1/1000 of a segment's length of a support.
std::optional<std::string> PointRefusal(const BeamModel& model, double x);

// The segment and fraction of a position that passed PointRefusal; none when no segment holds it
// (only a position past the end by rounding, or a segment of no length).
std::optional<PointLocation> LocatePoint(const BeamModel& model, double x);

// The results at station p/q of a segment: the position it stands for (mm from the LH end); the
// shear (beam convention) and sagging moment from a factored pass with q intervals; the stress
// from that moment; and the deflection (upward positive) interpolated between the last
// analysis's 21 service-pass stations of the segment. The analysis's results are only read. A
// fraction that is no station of a pass (q outside 1 ... 2000, p outside 0 ... q) gives zeros.
struct PointStationResults {
  double position = 0;
  double shear = 0;
  double moment = 0;
  double stress = 0;
  double deflection = 0;
};

PointStationResults ComputePointStation(const BeamModel& model, const BeamResults& results,
                                        int32_t segment, PointFraction fraction);

// The deflection at p/q of a segment, upward positive, between the service-pass stations
// j = trunc(20 p / q) and j + 1; at the segment's last station (the RH cantilever's tip) its
// value there.
double InterpolatedPointDeflection(const BeamResults& results, int32_t segment,
                                   PointFraction fraction);

// What "Calculate" works with.
struct PointInputs {
  const BeamModel& model;
  const BeamResults& results;  // of the last analysis, in their end-of-analysis state
  const UnitSettings& units;
  int32_t ResultsValid = 0;  // 1 while the results belong to the current beam
};

enum class PointOutcome {
  Ignored,     // no valid results or no beam: nothing happens
  Cancelled,   // the input box was cancelled: nothing changes
  Refused,     // a validation message; the shown lines stay as they were
  Calculated,  // a new block; the main window enables "Save", "Save As" and "Print"
};

struct PointCalculation {
  PointOutcome outcome = PointOutcome::Ignored;
  std::string message;  // the refusal's message
};

// The input box's prompt and default text for the current position and units.
std::string PointInputPrompt(const UnitSettings& units);
std::string PointInputDefault(const PointResultsState& state, const UnitSettings& units);

// "Calculate" with the distance typed into the input box (in the display length unit): stores
// the position, refuses it with a message, or moves it onto its fraction, computes the results
// and replaces the shown block with the new one.
PointCalculation CalculatePointResults(PointResultsState& state, std::string_view typed,
                                       const PointInputs& in);

// The whole of "Calculate": asks for the distance and shows a refusal's message.
PointCalculation RunPointCalculate(PointResultsState& state, const PointInputs& in,
                                   Dialogs& dialogs);

// "Clear": an empty block; the title lines stay.
void ClearPointResults(PointResultsState& state);

// The text box: slots 1 ... n of the store, n its count.
std::vector<std::string> PointMemoLines(const PointResultsState& state);

// The value lines of the latest block, without the empty line that ends it.
std::vector<std::string> LatestPointBlock(const PointResultsState& state);

}  // namespace trabeo
