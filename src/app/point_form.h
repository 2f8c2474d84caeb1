#pragma once

#include <QWidget>

#include "app/app_context.h"

class QPlainTextEdit;

// "Load at Point": the shear, moment, stress and deflection of the analysed beam at a distance
// the user types. "Calculate" asks for the distance and shows the new block, "Clear" empties the
// text, "Print" prints it under the page header and "OK" hides the window. The lines live in
// the session, so File New and Open clear them whether the window shows or not.
//
// objectNames: `Memo_Results`, `cmd_Calc`, `cmd_Print`, `Cmd_Clear`, `Button3`.
class TPointFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TPointFrm(AppContext& context, QWidget* parent = nullptr);

  // Fills the text box from the session's lines (after File New or Open cleared them).
  void ShowLines();

 Q_SIGNALS:
  // A calculation wrote its block: the main window enables "Save", "Save As" and "Print".
  void pointCalculated();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Calculate();
  void PrintLines();
  void Clear();

  AppContext& context_;
  QPlainTextEdit* memo_ = nullptr;
};
