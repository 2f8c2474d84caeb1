#pragma once

#include <QWidget>

#include "app/app_context.h"
#include "calculators/calculator_run.h"

class MiscGridModel;
class QTableView;

// "Miscellaneous Section Data": Misc.sct as a table of 250 rows that the user edits in place,
// reorders by dragging a row's number and saves; "Add Section" opens the section property
// calculators, the only way to reach them.
//
// objectNames: the notes `lbl_DragNote`, `lbl_UnitsNote`; the table `Grid`; the menus `File1`
// (`S1` "Save", `Close1`) and `AddSection1` (`Angle1`, `Beam1`, `Box1`, `Channel1`, `Joist1`,
// `Tube1`).
class TGridFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TGridFrm(AppContext& context, QWidget* parent = nullptr);

  // Reads the file into the rows it holds, as every showing does and as each calculator's
  // "Save to File" asks for; rows past the file's end keep what they show.
  void Reload();

 Q_SIGNALS:
  // "Add Section": the calculator of this shape is to be shown.
  void calculatorRequested(trabeo::CalculatorShape shape);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FitColumns();
  void BuildMenu();
  QTableView* BuildGrid();
  void PlaceOnScreen();
  void RowDragged(int fromVisual, int toVisual);
  void CommitOpenEditor();
  void Save();

  AppContext& context_;
  MiscGridModel* model_ = nullptr;
  QTableView* view_ = nullptr;
};
