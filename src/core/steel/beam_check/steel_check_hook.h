#pragma once

#include "engine/analysis.h"
#include "model/beam_project.h"
#include "model/steel_beam_state.h"
#include "platform/dialogs.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The analysis driver's BS 5950 step (AnalysisHooks::steelCheck): runs the check of the project's
// section and restraints against the analysed beam into `check`, asking and telling through
// `dialogs` (n, the angles' lengths, "No Data", ...). The check may set the effective lengths of
// an angle or box in project.restraints. Everything is held by reference: project, units,
// dialogs and check must outlive the hook.
decltype(AnalysisHooks::steelCheck) MakeSteelCheckHook(BeamProject& project,
                                                       const UnitSettings& units, Dialogs& dialogs,
                                                       SteelCheckState& check);

}  // namespace trabeo
