#pragma once

#include <array>
#include <string>
#include <string_view>

#include "beam_input/entry_sequence.h"
#include "model/beam_model.h"
#include "model/steel_beam_state.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The options of a cantilever form, in the order of its ten restraint flags.
enum class CantileverOption {
  FullyRestrained,         // Option_Restrained
  Normal,                  // "Normal"
  Destabilising,           // "Destabilizing"
  SupportLateral,          // Option_Support_Lateral: continuous with lateral restraint only
  SupportBoth,             // Option_Support_Both: with lateral and torsional restraint
  TipLateralAndTorsional,  // Option_End_Both
  TipTorsional,            // Option_End_Torsion
  TipTopFlange,            // Option_End_Top
  TipFree,                 // Option_End_Free
  UserValue,               // Option_Edited: "Enter effective length"
};
inline constexpr int kCantileverOptionCount = 10;

enum class CantileverSide { Lh, Rh };

// What a cantilever form's controls hold.
struct CantileverFormState {
  std::array<bool, kCantileverOptionCount> ticked{};  // by CantileverOption
  std::string factorLabel;                            // lbl_Lf
  std::string effectiveLengthText;                    // Edit_Le, as shown or typed
  float factor = 0;                                   // the effective length factor last evaluated

  bool is(CantileverOption option) const { return ticked[static_cast<std::size_t>(option)]; }
};

// The texts in which the two forms differ.
struct CantileverFormTexts {
  std::string_view caption;
  std::string_view tipTorsional;
  std::string_view tipLateralAndTorsional;
  std::string_view endGroupCaption;
  std::string_view extraLabel;  // empty on the LH form
};
CantileverFormTexts CantileverTexts(CantileverSide side);

inline constexpr std::string_view kCantileverUserValueText = "User value";
inline constexpr std::string_view kCantileverWarning =
    "Users must ensure that cantilever support restraints are compatible with span restraints";

// Ticks an option, unticking the others of its group (loading, support, tip, and "Cantilever
// fully restrained" with "Enter effective length").
void TickCantileverOption(CantileverFormState& state, CantileverOption option);

// The effective length factor k of BS 5950-1 for a cantilever without intermediate restraint,
// continuous at its support; 0 unless loading, support and tip are all chosen.
float CantileverFactor(const CantileverFormState& state);

// Evaluates the factor label and the effective length box: "0" and "0" when fully restrained,
// k and k L when loading, support and tip are chosen, both empty otherwise.
void EvaluateCantilever(CantileverFormState& state, double L, const UnitSettings& units);

// The user picked a loading, support or tip option (or its picture): "Cantilever fully
// restrained" is unticked and the form evaluated.
void PickCantileverOption(CantileverFormState& state, CantileverOption option, double L,
                          const UnitSettings& units);
// "Cantilever fully restrained": loading, support and tip unticked, "Restrained".
void PickCantileverFullyRestrained(CantileverFormState& state, double L, const UnitSettings& units);
// A click in the effective length box: the length about to be typed is the user's.
void ClickCantileverEffectiveLength(CantileverFormState& state);

// Showing the form: its options from the stored flags, evaluated; a typed length shown again.
void ShowCantileverForm(CantileverFormState& state, CantileverSide side, const BeamModel& model,
                        const SteelRestraints& restraints, const UnitSettings& units);
// The LH form's "Next >" reads "Finish >" when no RH cantilever follows; the RH form's caption
// stays as designed.
std::string_view CantileverNextCaption(CantileverSide side, const BeamModel& model);

struct CantileverNextResult {
  EntryStep next = EntryStep::MainWindowOnly;
  bool stays = true;  // the entry was incomplete; the form stays open
};

// "Next >": with loading, support and tip chosen (or fully restrained) stores the effective length
// as shown or typed, the factor text and the ten flags, and goes on (LH: the RH form or the
// analysis; RH: the analysis). The caller clears ResultsValid in every case.
CantileverNextResult CantileverFormNext(CantileverFormState& state, CantileverSide side,
                                        const BeamModel& model, const UnitSettings& units,
                                        SteelRestraints& restraints, Dialogs& dialogs);

// File New: every loading, support and tip option and "Cantilever fully restrained" unticked; the
// factor label and the effective length box emptied.
void ResetCantileverForm(CantileverFormState& state);

// A sketch of the cantilever as chosen, width x height pixels: the beam from its support to its
// tip, the support's restraint and the tip's.
void DrawCantileverPicture(Canvas& canvas, int width, int height, CantileverSide side,
                           const CantileverFormState& state);

}  // namespace trabeo
