#include "app/entry_flow.h"

#include "app/beam_form.h"
#include "app/busy_cursor.h"
#include "app/index_form.h"
#include "app/load_data_form.h"

EntryFlow::EntryFlow(AppContext& context, TIndexFrm& index, TBeamFrm& beam, TLoadDataFrm& loads)
    : QObject(&index), context_(context), index_(index), beam_(beam), loads_(loads) {
  connect(&index_, &TIndexFrm::newRequested, this, &EntryFlow::StartNewProject);
  connect(&index_, &TIndexFrm::beamInputRequested, this, &EntryFlow::StartBeamEntry);
  connect(&index_, &TIndexFrm::loadsInputRequested, this, &EntryFlow::StartLoadEntry);
  connect(&beam_, &TBeamFrm::accepted, this, &EntryFlow::BeamAccepted);
  connect(&loads_, &TLoadDataFrm::backRequested, this, &EntryFlow::LoadsBack);
  connect(&loads_, &TLoadDataFrm::accepted, this, &EntryFlow::LoadsAccepted);
}

template <typename Form>
void EntryFlow::ShowForm(Form& form) {
  form.show();
  form.raise();
}

void EntryFlow::HideEntryForms() {
  beam_.hide();
  loads_.hide();
}

void EntryFlow::StartBeamEntry() {
  index_.HideIntroPanel();
  context_.session.ClearResults();
  index_.ClearResultsView();
  ShowForm(beam_);
}

// Without a beam there is nothing to load: the message, and the main window stays as it was.
void EntryFlow::StartLoadEntry() {
  if (context_.session.model().TotalLength == 0) {
    context_.dialogs.Message("Specify beam data first");
    return;
  }
  index_.HideIntroPanel();
  context_.session.ClearResults();
  index_.ClearResultsView();
  ShowForm(loads_);
}

void EntryFlow::StartNewProject() {
  index_.HideIntroPanel();
  HideEntryForms();
  context_.session.StartNew();
  index_.ResetForNew();
  loads_.ClearRows();
  beam_.ResetForNew();
  ShowForm(beam_);
}

void EntryFlow::BeamAccepted() {
  ShowForm(loads_);
  beam_.hide();
  loads_.RedrawSketch(false);
}

void EntryFlow::LoadsBack() {
  ShowForm(beam_);
  loads_.hide();
}

void EntryFlow::LoadsAccepted(trabeo::StepAfterLoads next) {
  switch (next) {
    case trabeo::StepAfterLoads::StayOnLoads:
      return;
    case trabeo::StepAfterLoads::Analyse:
    // The restraint forms are not part of the sequence yet: a steel I or channel section is
    // analysed at once.
    case trabeo::StepAfterLoads::SpanForm:
      loads_.hide();
      Analyse();
      return;
    case trabeo::StepAfterLoads::MainWindow:
      ShowForm(index_);
      loads_.hide();
      return;
  }
}

void EntryFlow::Analyse() {
  ShowForm(index_);
  trabeo::AnalysisOutcome outcome;
  {
    BusyCursor busy;
    outcome = context_.session.Analyse(context_.dialogs);
    if (outcome.ran) index_.ShowResults(outcome);
  }
  for (const std::string& message : outcome.messages)
    context_.dialogs.Message(message);
  if (outcome.ran) index_.SetFileCommandsEnabled(outcome.saveEnabled, outcome.printEnabled);
}
