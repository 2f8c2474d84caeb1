#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/beam_project.h"
#include "settings/unit_settings.h"
#include "timber/timber_section.h"

namespace trabeo {

// The legend window TK3Frm ("K3 Help"): its three lines, in black, blue and red.
inline constexpr std::string_view kK3HelpBlack = "Black Text is to BS 5268 (Timber)";
inline constexpr std::string_view kK3HelpBlue =
    "Blue Text is to the recommendations of 'Formwork a guide to good practice' 1986 by the "
    "Concrete Society.";
inline constexpr std::string_view kK3HelpRed = "Red Text is to BS 5975 (Falsework)";

// The labels of the timber section window as they read. The recalculation reads the sizes, K1,
// K3 and the grade values back from them, so what is shown is what is computed with.
struct TimberSectionLabels {
  std::string lbl_Width;  // b, mm, as the beam form wrote it (four figures)
  std::string lbl_Depth;  // d, mm
  std::string lbl_Bend;   // grade bending stress
  std::string lbl_E;      // E min (single) or E mean (sharing)
  std::string lbl_Shear;  // grade shear stress
  std::string lbl_K8;
  std::string lbl_K1;
  std::string lbl_K2E;  // K2 for E and for bending stress: one value in this window
  std::string lbl_K2B;
  std::string lbl_K2S;
  std::string lbl_K3;
};

// The timber section window (TTimSectFrm): its choices, labels and list. The window moves these
// to and from its controls; the functions below are its event handlers.
struct TimberSectionWindow {
  TimberSectionLabels labels;
  int gradeIndex = kDefaultTimberGradeIndex;       // Combo_Grade
  LoadSharing sharing = LoadSharing::Single;       // Option_Single / Option_Share
  TimberExposure exposure = TimberExposure::Dry;   // Option_Dry / Option_Wet
  LoadDuration duration = LoadDuration::LongTerm;  // Option_LT ... Option_VST
  std::string gradeName;                           // of the grade the labels show
  std::vector<std::string> lines;                  // List_Results
  // The last recalculation that ran; empty while the labels give nothing to compute.
  std::optional<TimberSectionInputs> inputs;
  std::optional<TimberSectionValues> values;
};

// Showing the window for the beam's timber sizes: the sizes as the beam form passes them, then
// the options, grade, grade values and list that the beam keeps from the last "Next >". A beam
// that has none yet gets the defaults: Single, Dry, Long Term and the default class.
TimberSectionWindow ShowTimberSectionWindow(const BeamProject& project);

// Combo_GradeChange, Option_SingleClick / Option_ShareClick: the grade values, then recalculate.
// A separator line sets no values.
void ChooseTimberSectionGrade(TimberSectionWindow& window, int listIndex);
void ChooseTimberSectionSharing(TimberSectionWindow& window, LoadSharing sharing);
// Option_WetClick / Option_DryClick: K1 and K2, then recalculate.
void ChooseTimberSectionExposure(TimberSectionWindow& window, TimberExposure exposure);
// The duration options recalculate.
void ChooseTimberSectionDuration(TimberSectionWindow& window, LoadDuration duration);
// "Calc": the grade values, then recalculate.
void CalculateTimberSection(TimberSectionWindow& window);

// What "Next >" shows on the beam section form.
struct TimberHandOver {
  std::string Edit_Desc;      // the section description
  std::string Edit_Span_E;    // permissible E in the E unit, four figures
  std::string Edit_Span_Ixx;  // the wet-adjusted I in the inertia unit, four figures
  // The code option the form checks: "Timber BS 5268" (enabled) when timber checks are enabled
  // in the preferences, "None" otherwise.
  DesignCode codeOption = DesignCode::None;
  bool timberOptionEnabled = false;
};

// "Next >": the grade values and a recalculation, then the hand-over into the beam: section
// kind, family and description, the timber values, sizes and result lines, the fibre distance,
// the property list in the user's units and the design code of the checked option. nullopt
// (nothing handed over, the window stays open) when the labels give nothing to compute.
std::optional<TimberHandOver> NextFromTimberSection(TimberSectionWindow& window,
                                                    const UnitSettings& units,
                                                    BeamProject& project);

// The beam form's "Next >" reading the two boxes the hand-over filled: E and Ixx of the span.
void TakeTimberStiffness(const TimberHandOver& handOver, const UnitSettings& units,
                         BeamModel& model);

}  // namespace trabeo
