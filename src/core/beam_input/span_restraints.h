#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "beam_input/entry_sequence.h"
#include "model/beam_model.h"
#include "model/steel_beam_state.h"
#include "platform/dialogs.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The options of the span form, in the order of SpanRestraintFlags (flag k is option k - 1).
enum class SpanOption {
  SpanFullyRestrained,   // Option_Restrained
  UserValue,             // Option_Edit (hidden): a typed effective length is in force
  Normal,                // Option_Normal
  Destabilising,         // Option_Destabilizing
  LhLatUnrestrained,     // Option_LH_Lat_UnRest
  LhLatRestrained,       // Option_LH_Lat_Rest
  LhBothRestrained,      // Option_LH_Both_Restrained
  LhBothPartRestrained,  // Option_LH_Both_Part_Restrained
  LhBothFree,            // Option_LH_Both_Free
  LhBottomRestrained,    // Option_LH_Bottom_Restrained: positive connection of the bottom flange
  LhBottomUnRestrained,  // Option_LH_Bottom_UnRestrained: dead bearing of the bottom flange
  RhLatUnrestrained,     // Option_RH_Lat_Unrest
  RhLatRestrained,       // Option_RH_Lat_Rest
  RhBothRestrained,
  RhBothPartRestrained,
  RhBothFree,
  RhBottomRestrained,
  RhBottomUnRestrained,
};
inline constexpr int kSpanOptionCount = 18;

// What the span form's controls hold.
struct SpanFormChoices {
  // By SpanOption; "Normal" is ticked as the form is designed.
  std::array<bool, kSpanOptionCount> ticked{false, false, true};
  bool rhLatUnrestrainedEnabled = true;
  bool intermediateMode = false;             // the intermediate restraint view is chosen
  bool equalSpacing = false;                 // Option_Equal
  bool halfEndSpacing = true;                // Option_UnEqual
  int restraintCount = 1;                    // Edit_No, 1 to 5
  std::array<std::string, 6> intervalCells;  // Grid_Int's second row, cells 1 ... 6

  bool is(SpanOption option) const { return ticked[static_cast<std::size_t>(option)]; }
};

// The effective length an end condition gives, with its parts for the segments next to it.
struct SpanEndValue {
  std::string text;           // "0.7L", "1.2L + 2D", ...; empty when the choices match no row
  float effectiveLength = 0;  // mm
  float lengthFactor = 0;     // of L
  float depthMultiplier = 0;  // of D: 2 where only the bottom flange restrains torsion
};

// The form's labels and what its last evaluation leaves.
struct SpanFormState {
  SpanFormChoices choices;
  std::string lhFactorLabel;             // lbl_LH_Lf
  std::string rhFactorLabel;             // lbl_RH_Lf
  std::string effectiveLengthLabel;      // lbl_Le
  std::string spanLabel = "Clear Span";  // Label_Span
  std::string spanLengthLabel;           // lbl_SpanL
  SpanEndValue lh;
  SpanEndValue rh;
  std::array<double, 2> SpanLeParts{};  // mean L part and mean D multiplier of the two ends
  std::string leText;                   // becomes SpanLeText on "Next >"
};

inline constexpr std::string_view kSpanCaption = "Span";
inline constexpr std::string_view kSpanUserValueText = "User value";
inline constexpr std::string_view kSpanIncompleteMessage =
    "Click all appropriate option boxes or\nenter desired effective length in box";
inline constexpr std::string_view kSpanLengthChangedMessage =
    " length has been changed\n re-select option.\n (it may be necessary to de-select it first)";
inline constexpr std::string_view kSelectEndRestraintsMessage = "Select end restraints first";
// Intervals typed past the RH support would leave a segment of negative length to check.
inline constexpr std::string_view kRestraintsOutsideSpanMessage =
    "Intermediate supports must lie within the span";

// Ticks an option, unticking the others of its group (loading, each end's compression flange,
// both-flanges and bottom-flange groups, fully restrained / user value).
void TickSpanOption(SpanFormChoices& choices, SpanOption option);

// Which sub-option groups show: each end's both-flanges group once its flange is laterally
// restrained, its bottom-flange group once it is laterally unrestrained.
struct SpanGroupsShown {
  bool lhBoth = false;
  bool lhBottom = false;
  bool rhBoth = false;
  bool rhBottom = false;
};
SpanGroupsShown GroupsShown(const SpanFormChoices& choices);

enum class SpanLoading { None, Normal, Destabilising };
// How one end is held: its compression flange laterally restrained with both flanges fully,
// partially or not restrained against rotation on plan, or laterally unrestrained with torsion
// resisted by the bottom flange's positive connection or dead bearing.
enum class SpanEndRestraint {
  None,
  BothRestrained,
  BothPartRestrained,
  BothFree,
  BottomConnected,
  BottomDeadBearing
};

SpanLoading LoadingOf(const SpanFormChoices& choices);  // "Normal" wins when both are ticked
SpanEndRestraint EndRestraintOf(const SpanFormChoices& choices, bool lh);

// The effective length of one end from the table of BS 5950-1 for beams without intermediate
// restraint, in single precision; L the span and D the section depth in mm. Choices that match no
// row give an empty text and 0.
SpanEndValue EvaluateSpanEnd(SpanLoading loading, SpanEndRestraint restraint, float L, float D);

// Evaluates both ends and the span: labels, SpanLeParts and the text for SpanLeText; ClearSpan
// becomes the span length.
void EvaluateSpanForm(SpanFormState& state, double L, float D, const UnitSettings& units,
                      SteelRestraints& restraints);

// The user clicked an option: unticks "Span fully restrained" and the user value, ticks the
// option and what it implies (a flange option its end's compression option), and evaluates.
void PickSpanOption(SpanFormState& state, SpanOption option, double L, float D,
                    const UnitSettings& units, SteelRestraints& restraints);

// "Span fully restrained": every end option unticked, evaluated, "Restrained" and "0".
void PickSpanFullyRestrained(SpanFormState& state, double L, float D, const UnitSettings& units,
                             SteelRestraints& restraints);

// "Enter effective length": clears the end choices and asks for the length ("Span Effective
// Length"); a cancelled question keeps the value offered.
void EnterSpanEffectiveLength(SpanFormState& state, const SteelRestraints& restraints,
                              const UnitSettings& units, Dialogs& dialogs);

// Showing the form: the choices restored from SpanRestraintFlags, the labels re-evaluated (or the
// typed value shown), the intermediate view when it is in force, with the stored intervals where
// they still fit the span (KeepsStoredIntervals) and the default ones otherwise.
void ShowSpanForm(SpanFormState& state, const BeamModel& model, float sectionDepth,
                  const UnitSettings& units, SteelRestraints& restraints);

// What "Next >" decided.
struct SpanNextResult {
  EntryStep next = EntryStep::MainWindowOnly;  // MainWindowOnly: the form stays open
  bool stays = true;
};

// "Next >": with the end conditions complete (or fully restrained, a typed value or intermediate
// restraints) stores SpanLeText and the span's effective length as displayed and goes on; a span
// length changed since the last evaluation stops with its message and stores nothing.
// Intermediate restraints whose intervals run past the RH support (a negative interval) are
// refused as an incomplete entry is. Every outcome but the length message rewrites
// SpanRestraintFlags and RestraintSpacing. The caller clears ResultsValid in every case.
SpanNextResult SpanFormNext(SpanFormState& state, const BeamModel& model, const UnitSettings& units,
                            SteelRestraints& restraints, Dialogs& dialogs);

// "Intermediate Supports" / "Set end restraints": switches between the end restraints and the
// intermediate restraints, which need both ends described first.
void SwitchSpanView(SpanFormState& state, double L, float D, const UnitSettings& units,
                    SteelRestraints& restraints, Dialogs& dialogs);
// The caption of the button that switches.
std::string_view SwitchViewCaption(const SpanFormState& state);

// File New's reset of the span form: labels and interval cells emptied. The beam's restraints are
// left alone: File New has reset them already, and a file opened since holds its own.
void ResetSpanForm(SpanFormState& state);

// File New's reset of all restraint state: the span form's, the flags of the three forms, their
// texts and the intermediate restraints.
void ResetRestraintsForNew(SteelRestraints& restraints);

}  // namespace trabeo
