#pragma once

#include <QObject>

#include "app/app_context.h"

class CantileverForm;
class TBeamFrm;
class TCantLHFrm;
class TCantRHFrm;
class TIndexFrm;
class TLoadDataFrm;
class TSpanFrm;
class TTimSectFrm;

// The order of the beam entry forms: section and span, loads, then (for steel I and channel
// sections under BS 5950) the restraint forms, then the analysis in the main window. The forms
// only say what the user did; this decides what shows next and runs the analysis through the
// session.
class EntryFlow : public QObject {
  Q_OBJECT

 public:
  EntryFlow(AppContext& context, TIndexFrm& index, TBeamFrm& beam, TLoadDataFrm& loads,
            TSpanFrm& span, TCantLHFrm& lhCantilever, TCantRHFrm& rhCantilever,
            TTimSectFrm& timberSection);

  // Input > "Beam" and "Beam Analysis".
  void StartBeamEntry();
  // Input > "Loads".
  void StartLoadEntry();
  // File > "New".
  void StartNewProject();
  // The end of the sequence: the main window shows, the beam is analysed, drawn and listed.
  void Analyse();
  // File > "Open" ran File New and read a file: the entry forms are emptied as New empties
  // them, and the section form lists the opened beam's table with its stored labels.
  void BeamFileOpened(const trabeo::OpenBeamResult& opened);

 private:
  void BeamAccepted();
  void LoadsBack();
  void LoadsAccepted(trabeo::EntryStep next);
  void SpanBack();
  void LhCantileverBack();
  void RhCantileverBack();
  // Shows the step `next` leads to and hides the form that led there.
  void GoOn(trabeo::EntryStep next, QWidget& from);
  void HideEntryForms();
  void ResetEntryForms();
  void HideRestraintForms();
  template <typename Form>
  void ShowForm(Form& form);

  AppContext& context_;
  TIndexFrm& index_;
  TBeamFrm& beam_;
  TLoadDataFrm& loads_;
  TSpanFrm& span_;
  TCantLHFrm& lhCantilever_;
  TCantRHFrm& rhCantilever_;
  TTimSectFrm& timberSection_;
};
