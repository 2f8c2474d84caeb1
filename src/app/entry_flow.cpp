#include "app/entry_flow.h"

#include "app/beam_form.h"
#include "app/busy_cursor.h"
#include "app/cantilever_form.h"
#include "app/index_form.h"
#include "app/load_data_form.h"
#include "app/span_form.h"
#include "app/timber_section_form.h"
#include "beam_input/entry_sequence.h"

EntryFlow::EntryFlow(AppContext& context, TIndexFrm& index, TBeamFrm& beam, TLoadDataFrm& loads,
                     TSpanFrm& span, TCantLHFrm& lhCantilever, TCantRHFrm& rhCantilever,
                     TTimSectFrm& timberSection)
    : QObject(&index),
      context_(context),
      index_(index),
      beam_(beam),
      loads_(loads),
      span_(span),
      lhCantilever_(lhCantilever),
      rhCantilever_(rhCantilever),
      timberSection_(timberSection) {
  connect(&index_, &TIndexFrm::newRequested, this, &EntryFlow::StartNewProject);
  connect(&index_, &TIndexFrm::beamInputRequested, this, &EntryFlow::StartBeamEntry);
  connect(&index_, &TIndexFrm::loadsInputRequested, this, &EntryFlow::StartLoadEntry);
  connect(&beam_, &TBeamFrm::accepted, this, &EntryFlow::BeamAccepted);
  connect(&loads_, &TLoadDataFrm::backRequested, this, &EntryFlow::LoadsBack);
  connect(&loads_, &TLoadDataFrm::accepted, this, &EntryFlow::LoadsAccepted);
  connect(&span_, &TSpanFrm::backRequested, this, &EntryFlow::SpanBack);
  connect(&span_, &TSpanFrm::accepted, this, [this](trabeo::EntryStep next) { GoOn(next, span_); });
  connect(&lhCantilever_, &CantileverForm::backRequested, this, &EntryFlow::LhCantileverBack);
  connect(&lhCantilever_, &CantileverForm::accepted, this,
          [this](trabeo::EntryStep next) { GoOn(next, lhCantilever_); });
  connect(&rhCantilever_, &CantileverForm::backRequested, this, &EntryFlow::RhCantileverBack);
  connect(&rhCantilever_, &CantileverForm::accepted, this,
          [this](trabeo::EntryStep next) { GoOn(next, rhCantilever_); });
}

template <typename Form>
void EntryFlow::ShowForm(Form& form) {
  form.show();
  form.raise();
}

// The timber section window is not modal: left open, its "Next >" would hand the old section
// to the new beam.
void EntryFlow::HideEntryForms() {
  beam_.hide();
  loads_.hide();
  timberSection_.hide();
  HideRestraintForms();
}

// A restraint form left open would carry on with a beam that is being entered again.
void EntryFlow::HideRestraintForms() {
  span_.hide();
  lhCantilever_.hide();
  rhCantilever_.hide();
}

void EntryFlow::StartBeamEntry() {
  index_.HideIntroPanel();
  HideRestraintForms();
  context_.session.ClearResults();
  index_.ClearResultsView();
  ShowForm(beam_);
}

// A refusal leaves the main window as it was.
void EntryFlow::StartLoadEntry() {
  if (const std::string_view refusal = trabeo::LoadEntryRefusal(context_.session.model());
      !refusal.empty()) {
    context_.dialogs.Message(refusal);
    return;
  }
  index_.HideIntroPanel();
  HideRestraintForms();
  context_.session.ClearResults();
  index_.ClearResultsView();
  ShowForm(loads_);
}

void EntryFlow::StartNewProject() {
  index_.HideIntroPanel();
  HideEntryForms();
  context_.session.StartNew();
  index_.ResetForNew();
  ResetEntryForms();
  ShowForm(beam_);
}

// The forms as File New leaves them; opening a file starts from File New too.
void EntryFlow::ResetEntryForms() {
  loads_.ClearRows();
  beam_.ResetForNew();
  lhCantilever_.ResetForNew();
  rhCantilever_.ResetForNew();
  span_.ResetForNew();
}

void EntryFlow::BeamFileOpened(const trabeo::OpenBeamResult& opened) {
  HideEntryForms();
  ResetEntryForms();
  if (!opened.opened) return;
  beam_.ListSectionFamily(opened.sectionForm.SectionFamily);
  beam_.ShowStoredSectionLabels();
}

void EntryFlow::BeamAccepted() {
  ShowForm(loads_);
  beam_.hide();
  // The loads already applied stay in the sketch, drawn on the beam as it now stands.
  loads_.RedrawSketch(true);
}

void EntryFlow::LoadsBack() {
  ShowForm(beam_);
  loads_.hide();
}

void EntryFlow::LoadsAccepted(trabeo::EntryStep next) {
  GoOn(next, loads_);
}

void EntryFlow::SpanBack() {
  ShowForm(loads_);
  span_.hide();
}

void EntryFlow::LhCantileverBack() {
  ShowForm(span_);
  lhCantilever_.hide();
}

void EntryFlow::RhCantileverBack() {
  if (trabeo::BackFromRhCantileverForm(context_.session.model()) ==
      trabeo::EntryStep::LhCantileverForm) {
    ShowForm(lhCantilever_);
  } else {
    ShowForm(span_);
  }
  rhCantilever_.hide();
}

void EntryFlow::GoOn(trabeo::EntryStep next, QWidget& from) {
  switch (next) {
    case trabeo::EntryStep::SpanForm:
      ShowForm(span_);
      break;
    case trabeo::EntryStep::LhCantileverForm:
      ShowForm(lhCantilever_);
      break;
    case trabeo::EntryStep::RhCantileverForm:
      ShowForm(rhCantilever_);
      break;
    case trabeo::EntryStep::Analyse:
      from.hide();
      Analyse();
      return;
    case trabeo::EntryStep::MainWindowOnly:
      ShowForm(index_);
      break;
  }
  from.hide();
}

void EntryFlow::Analyse() {
  ShowForm(index_);
  trabeo::AnalysisOutcome outcome;
  {
    BusyCursor busy;
    outcome = context_.session.AnalyseForListing(context_.dialogs);
    if (outcome.ran) index_.ShowResults(outcome);
  }
  for (const std::string& message : outcome.messages)
    context_.dialogs.Message(message);
  if (outcome.ran) index_.SetFileCommandsEnabled(outcome.saveEnabled, outcome.printEnabled);
}
