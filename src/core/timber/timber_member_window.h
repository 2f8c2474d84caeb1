#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "timber/timber_member.h"

namespace trabeo {

// The timber member capacity window (TTimberFrm, caption "Timber") and its load duration dialog
// (TDurationFrm): their state and event handlers. The windows move these values to and from
// their controls; every rule lives here. Fixed units: mm, m for the effective length, N/mm2, kN
// and kN m.

inline constexpr std::string_view kTimberUnitsNote =
    "Section sizes and properties on this form are always in UK metric format.";
inline constexpr std::string_view kEnterEffectiveLength = "Enter value for effective length";
inline constexpr std::string_view kClickGradeOption = "Click \"grade\" option button";
inline constexpr std::string_view kEnterWidth = "Enter value for width";
inline constexpr std::string_view kEnterDepth = "Enter value for depth";

// The calculation asked for, which tells the duration dialog what to offer.
enum class TimberMemberMode { Beam, Strut, Comb };
std::string_view TimberMemberModeName(TimberMemberMode mode);  // "Beam", "Strut", "Comb"

// The labels of the window as they read; the calculations read the grade values and K2 (E)
// back from them.
struct TimberMemberLabels {
  std::string lbl_BendStress;
  std::string lbl_ShearStress;
  std::string lbl_AxStress;
  std::string lbl_Eb;   // E min (single) or E mean (sharing)
  std::string lbl_Eax;  // E min
  std::string lbl_K8;
  std::string lbl_K1;
  std::string lbl_K2E;
  std::string lbl_K2B;
  std::string lbl_K2S;
  std::string lbl_K2Ax;
  std::string lbl_K3b;   // after a calculation
  std::string lbl_K3ax;  // after a calculation
};

// The duration dialog's choices; the dialog keeps them from one showing to the next.
struct TimberDurationChoices {
  LoadDuration bending = LoadDuration::LongTerm;  // Option_LT ... Option_VST
  LoadDuration strut = LoadDuration::LongTerm;    // Option_AxLT ... Option_AxVST
  std::string Edit_Axial;                         // applied axial load, kN ("Comb" only)
  std::string Edit_Mom;                           // applied moment, kN m ("Comb" only)
};

// Texts of the duration dialog.
inline constexpr std::string_view kDurationDialogCaption = "DurationFrm";
inline constexpr std::string_view kBendingDurationGroup = "Load Duration  K3 - Bending";
inline constexpr std::string_view kStrutDurationGroup = "Load Duration  K3 - Strut";
inline constexpr std::string_view kAppliedLoadsPrompt = "Enter axial load and bending moment";
inline constexpr std::string_view kAppliedAxialCaption = "Applied Axial Load";
inline constexpr std::string_view kAppliedMomentCaption = "Applied Moment";

// Which parts of the duration dialog the mode enables or shows.
bool BendingDurationEnabled(TimberMemberMode mode);
bool StrutDurationEnabled(TimberMemberMode mode);
bool AppliedLoadsVisible(TimberMemberMode mode);
// The K3 label beside a duration group.
std::string DurationK3Label(LoadDuration duration);

struct TimberMemberWindow {
  // As typed.
  std::string Edit_Title;
  std::string Edit_Width;                         // mm
  std::string Edit_Depth;                         // mm
  std::string Edit_Le;                            // m
  int gradeIndex = kDefaultTimberGradeIndex;      // Combo_Grade
  LoadSharing sharing = LoadSharing::Single;      // Option_Single / Option_Share
  TimberExposure exposure = TimberExposure::Dry;  // Option_Dry / Option_Wet
  TimberAxis axis = TimberAxis::Major;            // Option_Major / Option_Minor
  TimberDurationChoices durations;
  TimberMemberMode mode = TimberMemberMode::Beam;

  std::string gradeName;  // of the grade the labels show
  TimberMemberLabels labels;

  // Working values: the section with its factors, and each calculation once made (cleared with
  // its lines).
  TimberMemberSection section;
  bool propertiesComputed = false;
  std::optional<TimberBendingCapacity> bending;
  std::optional<TimberAxialCapacity> axial;
  std::optional<TimberCombinedCheck> combined;

  // The result blocks: section (19 lines once made), summary (9), bending, axial and combined.
  std::vector<std::string> sectionLines;
  std::array<std::string, 9> summaryLines;
  std::vector<std::string> bendingLines;
  std::vector<std::string> axialLines;
  std::vector<std::string> combinedLines;
};

// The window as created: the default grade's values and the dry, single, major-axis factors.
TimberMemberWindow NewTimberMemberWindow();

// Combo_GradeChange, Option_SingleClick / Option_ShareClick: the grade values, then the factors.
// A separator line sets no values.
void ChooseTimberMemberGrade(TimberMemberWindow& window, int listIndex);
void ChooseTimberMemberSharing(TimberMemberWindow& window, LoadSharing sharing);
// Option_WetClick / Option_DryClick.
void ChooseTimberMemberExposure(TimberMemberWindow& window, TimberExposure exposure);
// Option_MajorClick / Option_MinorClick: the section properties about the new axis, then the
// factors.
void ChooseTimberMemberAxis(TimberMemberWindow& window, TimberAxis axis);
// Clicking into or changing the width, depth or effective length box: every result line goes.
void ClearTimberMemberResults(TimberMemberWindow& window);

// The three buttons: each reads and checks the inputs and sets the mode. An empty result means
// the duration dialog is to be shown; otherwise the message to show, and nothing more happens.
std::string PressTimberBendingCapacity(TimberMemberWindow& window);
std::string PressTimberAxialCapacity(TimberMemberWindow& window);
std::string PressTimberCombinedLoading(TimberMemberWindow& window);

// "OK" of the duration dialog: the calculations of the mode, their result lines, the K3 labels
// and both lists.
void ConfirmTimberDuration(TimberMemberWindow& w);

// The buttons' captions for the axis: "Bending Capacity about x-x" and so on.
enum class TimberMemberButton { Bending, Axial, Combined };
std::string TimberMemberButtonCaption(TimberAxis axis, TimberMemberButton button);

// The two lists as shown: List_Results (the section block, then each calculation block with two
// blank lines after it) and List_Sum; both empty until a calculation has been made.
std::vector<std::string> TimberMemberResultsList(const TimberMemberWindow& window);
std::vector<std::string> TimberMemberSummaryList(const TimberMemberWindow& window);
// The summary's text colour: red when the latest combined equation value lies outside 0 to 1.
Color TimberMemberSummaryColor(const TimberMemberWindow& window);

}  // namespace trabeo
