#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/beam_project.h"
#include "settings/unit_settings.h"
#include "timber/timber_section_window.h"

namespace trabeo::cli {

// A timber section as a case gives it:
//   "Timber": {"Width": 75, "Depth": 200, "Grade": "C24", "Sharing": "Single" | "Share",
//              "Exposure": "Dry" | "Wet", "Duration": "LT" | "MT" | "ST" | "VST"}
// sizes in mm; the grade and the options default to the timber section window's defaults
// (C24, Single, Dry, LT). A width or depth left out counts as 0.
struct TimberCase {
  double width = 0;
  double depth = 0;
  int gradeIndex = kDefaultTimberGradeIndex;
  LoadSharing sharing = LoadSharing::Single;
  TimberExposure exposure = TimberExposure::Dry;
  LoadDuration duration = LoadDuration::LongTerm;
};

// The timber fields of one JSON object, or what is wrong with them.
std::variant<TimberCase, std::string> ReadTimberCase(const nlohmann::json& timber);

// The beam form's "Calculate 'E' and 'Ixx'" with the case's sizes (mm), the timber section window
// with the case's grade and options, its "Next >" into the project (section, timber values,
// property lines, fibre distance, design code by the preferences) and the beam form reading E
// and Ixx back from the boxes it filled. The window as it was left, and whether it handed over.
struct TimberSectionRun {
  TimberSectionWindow window;
  bool handedOver = false;
};
TimberSectionRun TakeTimberSection(const TimberCase& timber, const UnitSettings& units,
                                   BeamProject& project);

// The beam form's message for a width or depth of 0.
inline constexpr const char* kInputBeamSize = "Input beam size";

// A case with a "Timber" section as the beam reader is to read it: it takes E, Ixx and the fibre
// distance from the section, so whatever it gives for them is replaced by placeholders that the
// section's values overwrite. Nothing for any other case, which the reader reads as it is.
std::optional<nlohmann::json> BeamJsonOfTimberCase(const nlohmann::json& caseRoot);

// For a case with a "Timber" section: the section taken into the project as above, then the
// case's design code (BS 5268 unless it says otherwise, whatever the preferences enable).
// Returns the message when the case is refused, empty otherwise. A case without timber is left as
// it is, unless it asks for the BS 5268 check, which needs the section's permissible values.
std::string ApplyTimberCase(const nlohmann::json& caseRoot, const UnitSettings& units,
                            BeamProject& project);

}  // namespace trabeo::cli
