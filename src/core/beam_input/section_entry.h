#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/section_values.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The steel grades of the beam section form's grade list, in list order.
inline constexpr std::array<std::string_view, 3> kBeamGradeItems{
    "S 275 (Grade 43)", "S 355 (Grade 50)", "S 450 (Grade 55)"};

// The list position showing the beam's grade; -1 (no selection) when none is selected.
int GradeListIndex(const AppliedGrade& grade);

// What a new grade or a new section did to the section's design strength and class.
struct SectionDesignUpdate {
  std::vector<std::string> messages;  // to show in order
  bool classChanged = false;          // SectionClass was evaluated or cleared
};

// Sets SteelGrade, then py (DesignStrength) from the thickness that governs it (the flange, or
// the wall of a box or tube: both kept as SectionFlgThk), then the bending class about x-x by
// the section's kind: tubes, boxes, I-sections with joists and channels, angles. Other kinds
// ("Timber", none) keep their class. Without a usable py (no grade chosen, or a thickness beyond
// the table) the class is cleared rather than judged against py = 0; a zero dimension keeps the
// class it had, with the routine's message.
SectionDesignUpdate ApplySteelGrade(SectionValues& section, std::optional<SteelGrade> grade);

// The class label of the form: "Section is " + the class, or empty when there is no class.
std::string SectionClassLabel(const SectionValues& section);

// A timber size box: the size in the section-dimension unit to three figures, a single blank for
// 0.
std::string TimberSizeText(float mm, const UnitSettings& units);

}  // namespace trabeo
