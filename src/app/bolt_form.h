#pragma once

#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "bolts/bolt_capacity.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QRadioButton;

// "Bolt Capacities to BS 5950": tension, single and double shear and bearing capacities of one
// ordinary bolt in a steel plate, in fixed units (mm, kN) whatever the preferences say.
// "Calculate", any option and a click on the "Bolt Dia" group recalculate.
//
// objectNames: `Frame_Material` with `Option_43`, `Option_50`; `Frame_BoltGrade` with
// `Option_46`, `Option_88`; `Frame_ShearArea` with `Option_Thread`, `Option_Shank`;
// `Frame_BoltDia` with `Option_M16`, `Option_M6`, ..., `Option_M30`; `Edit_Thk`; the results
// `lbl_Tensile`, `lbl_Shear1`, `lbl_Shear2`, `lbl_Bearing` and `Label_BearingNote`; `cmd_Calc`;
// the menu bar `MainMenu1` with `File1`: `Close1`, `ExitTrabeo1`.
class TStBoltFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TStBoltFrm(AppContext& context, QWidget* parent = nullptr);

 Q_SIGNALS:
  void exitRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  QWidget* BuildChoices();
  QWidget* BuildResults();
  void Calculate();

  trabeo::BoltChoices choices_;
  QMenuBar* menuBar_ = nullptr;
  QGroupBox* sizeGroup_ = nullptr;
  QLineEdit* thickness_ = nullptr;
  QLabel* tensile_ = nullptr;
  QLabel* singleShear_ = nullptr;
  QLabel* doubleShear_ = nullptr;
  QLabel* bearing_ = nullptr;
  QLabel* note_ = nullptr;
};
