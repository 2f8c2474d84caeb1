#pragma once

#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "timber/timber_member_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;

// "Timber": the permissible bending moment and shear load, the permissible axial load with
// buckling and the combined bending and compression check of one solid rectangular timber
// member to BS 5268-2, in fixed units whatever the preferences say. Each of the three buttons
// asks for the load duration (the application shows the duration dialog); the dialog's "OK"
// comes back through ConfirmDuration.
//
// objectNames: `Edit_Title`, `Edit_Width`, `Edit_Depth`, `Edit_Le`, `Combo_Grade`;
// `Frame_Sharing` with `Option_Single`, `Option_Share`; `Frame_Exposure` with `Option_Dry`,
// `Option_Wet`; `Frame_Axis` with `Option_Major`, `Option_Minor`; the values `lbl_BendStress`,
// `lbl_ShearStress`, `lbl_AxStress`, `lbl_Eb`, `lbl_Eax`, `lbl_K8`, `lbl_K1`, `lbl_K2E`,
// `lbl_K2B`, `lbl_K2S`, `lbl_K2Ax`, `lbl_K3b`, `lbl_K3ax`; the note `lbl_Units`; the buttons
// `cmd_BendCap`, `cmd_AxialCap`, `cmd_Comb`; `List_Results`, `List_Sum`; the menu bar
// `MainMenu1` with `File1`: `SetHeader1`, `Print1`, `Close1`, `ExitTrabeo1`.
class TTimberFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TTimberFrm(AppContext& context, QWidget* parent = nullptr);

  // "OK" of the duration dialog with its choices: the calculations of the mode asked for.
  void ConfirmDuration(const trabeo::TimberDurationChoices& choices);

 Q_SIGNALS:
  // A button's inputs were checked: the duration dialog is to ask for the mode's durations.
  void durationRequested(trabeo::TimberMemberMode mode);
  void setHeaderRequested();
  void exitRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  QWidget* BuildInputs();
  QWidget* BuildOptions();
  QWidget* BuildValues();
  QWidget* BuildButtons();

  template <typename Handler>
  void Handle(Handler handler);
  void ReadBoxes();
  void ShowState();
  void ClearResults();
  void Press(std::string (*press)(trabeo::TimberMemberWindow&));
  void Print();

  AppContext& context_;
  trabeo::TimberMemberWindow window_;

  QMenuBar* menuBar_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* width_ = nullptr;
  QLineEdit* depth_ = nullptr;
  QLineEdit* le_ = nullptr;
  QComboBox* grade_ = nullptr;
  QRadioButton* single_ = nullptr;
  QRadioButton* share_ = nullptr;
  QRadioButton* dry_ = nullptr;
  QRadioButton* wet_ = nullptr;
  QRadioButton* major_ = nullptr;
  QRadioButton* minor_ = nullptr;
  std::array<QLabel*, 13> values_{};  // in the order of TimberMemberLabels
  QPushButton* bending_ = nullptr;
  QPushButton* axial_ = nullptr;
  QPushButton* combined_ = nullptr;
  QListWidget* results_ = nullptr;
  QListWidget* summary_ = nullptr;
};
