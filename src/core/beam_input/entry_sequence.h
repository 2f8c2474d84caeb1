#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/beam_model.h"
#include "model/section_values.h"

namespace trabeo {

// The forms of the beam entry sequence after the load form, and the analysis that ends it.
enum class EntryStep { SpanForm, LhCantileverForm, RhCantileverForm, Analyse, MainWindowOnly };

inline constexpr std::string_view kSpecifyBeamFirstMessage = "Specify beam data first";

// Input > "Loads": loads need a beam to stand on. The message that refuses them while the beam
// has no length; empty when they may be entered.
std::string_view LoadEntryRefusal(const BeamModel& model);

// Where "Next >" of the load form goes: the span form for a steel-checked (BS 5950 or EN 1993)
// beam whose section uses it, the analysis for other steel-checked beams and for no code or
// BS 5268; other codes have no check of their own: the main window is shown and nothing is
// analysed (MainWindowOnly).
EntryStep AfterLoadForm(DesignCode designCode, const SectionValues& section);

// "Next >" of the span form: the LH cantilever form, else the RH one, else the analysis.
EntryStep AfterSpanForm(const BeamModel& model);
// "Next >" of the LH cantilever form: the RH cantilever form when there is one, else the
// analysis. The RH form always goes on to the analysis.
EntryStep AfterLhCantileverForm(const BeamModel& model);
// "< Back" of the RH cantilever form: the LH form when there is an LH cantilever, else the span
// form. The LH form always goes back to the span form, the span form to the load form.
EntryStep BackFromRhCantileverForm(const BeamModel& model);

}  // namespace trabeo
