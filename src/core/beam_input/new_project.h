#pragma once

#include <filesystem>

#include "model/beam_project.h"
#include "settings/page_header.h"
#include "settings/unit_settings.h"

namespace trabeo {

// File New: forgets the beam (geometry, section, loads, restraint choices, the timber section's
// results; the support kinds become 0, which the analysis treats as pinned), clears the project
// texts of the page header and the file name but keeps company and user, and reloads the unit
// settings from the units file in startFolder (the narrower defaults where it is missing). The
// design code comes from the units file.
void ResetProjectForNew(BeamProject& project, HeaderTexts& header, UnitSettings& units,
                        const std::filesystem::path& startFolder);

}  // namespace trabeo
