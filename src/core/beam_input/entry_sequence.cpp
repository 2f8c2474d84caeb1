#include "beam_input/entry_sequence.h"

#include "model/restraint_forms.h"

namespace trabeo {

std::string_view LoadEntryRefusal(const BeamModel& model) {
  return model.TotalLength == 0 ? kSpecifyBeamFirstMessage : std::string_view();
}

EntryStep AfterLoadForm(DesignCode designCode, const SectionValues& section) {
  switch (designCode) {
    case DesignCode::None:
    case DesignCode::BS5268:
      return EntryStep::Analyse;
    case DesignCode::BS5950:
    case DesignCode::EN1993:
      return UsesSpanRestraintForm(designCode, section) ? EntryStep::SpanForm : EntryStep::Analyse;
    default:
      return EntryStep::MainWindowOnly;
  }
}

EntryStep AfterSpanForm(const BeamModel& model) {
  if (model.LhCantilever.IsPresent()) return EntryStep::LhCantileverForm;
  if (model.RhCantilever.IsPresent()) return EntryStep::RhCantileverForm;
  return EntryStep::Analyse;
}

EntryStep AfterLhCantileverForm(const BeamModel& model) {
  return model.RhCantilever.IsPresent() ? EntryStep::RhCantileverForm : EntryStep::Analyse;
}

EntryStep BackFromRhCantileverForm(const BeamModel& model) {
  return model.LhCantilever.IsPresent() ? EntryStep::LhCantileverForm : EntryStep::SpanForm;
}

}  // namespace trabeo
