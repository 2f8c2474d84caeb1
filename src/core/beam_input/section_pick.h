#pragma once

#include <cstdint>
#include <string>

#include "beam_input/section_entry.h"
#include "model/beam_project.h"
#include "model/section_record.h"
#include "settings/unit_settings.h"

namespace trabeo {

// What picking a line of a section table did, for the section form to show.
struct SectionPick {
  std::string descriptionText;  // the description box: the designation after one blank
  double Ixx = 0;               // for the Ixx and E boxes, internal units
  double E = 0;
  SectionDesignUpdate design;          // py and class under the grade chosen
  DesignCode code = DesignCode::None;  // the code option the form selects
};

// A code option of the section form is offered when the preferences enable its code, or when
// it is the beam's own code (which stays selectable after the preferences withdraw it).
bool CodeOffered(const UnitSettings& units, DesignCode beamCode, DesignCode code);

// Takes a picked record into the beam: its section values, fibre distance and property list,
// then py and class under `grade`. A separator line stands for no section: its blank name with
// zero properties and no kind, whatever else the table keeps in it (the property list keeps
// what it showed). A steel section is checked to the steel code wherever that code is offered.
// The steel code a picked section selects: a beam already checked to EN 1993 keeps it; else
// BS 5950 where the preferences enable it, then EN 1993; else none.
DesignCode SteelCodeForPick(const UnitSettings& units, DesignCode beamCode);

SectionPick ApplyPickedSection(const SectionRecord& picked, std::optional<SteelGrade> grade,
                               const UnitSettings& units, BeamProject& project);

}  // namespace trabeo
