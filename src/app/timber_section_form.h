#pragma once

#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "timber/timber_section_window.h"

class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

// "Timber Section Properties": grade, load sharing, exposure and load duration of the beam's
// timber section, its properties and permissible values to BS 5268-2. "Next >" hands them to the
// beam through the session and hides the window.
//
// objectNames: `lbl_Width`, `lbl_Depth`; `Combo_Grade`; `Frame_Sharing` with `Option_Single`,
// `Option_Share`; `Frame_Exposure` with `Option_Dry`, `Option_Wet`; `Frame_Duration` with
// `Option_LT`, `Option_MT`, `Option_ST`, `Option_VST`; the values `lbl_Bend`, `lbl_E`,
// `lbl_Shear`, `lbl_K8`, `lbl_K1`, `lbl_K2E`, `lbl_K2B`, `lbl_K2S`, `lbl_K3`; `List_Results`;
// the buttons `Button1` ("Calc"), `cmd_K3` ("K3 Help") and `cmd_OK` ("Next >").
class TTimSectFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TTimSectFrm(AppContext& context, QWidget* parent = nullptr);

  // Shows the window for the beam's timber sizes, with the options, grade and lines the beam
  // keeps from the last "Next >".
  void ShowForBeam();

 Q_SIGNALS:
  void k3HelpRequested();
  // "Next >" put the section into the beam.
  void handedOver();

 private:
  QWidget* BuildSizes();
  QWidget* BuildOptions();
  QWidget* BuildValues();
  QWidget* BuildButtons();
  void PlaceOnScreen();

  // Every handler changes the window's state, then the controls show it.
  template <typename Handler>
  void Handle(Handler handler);
  void ShowState();
  void Next();

  AppContext& context_;
  trabeo::TimberSectionWindow window_;

  QLabel* width_ = nullptr;
  QLabel* depth_ = nullptr;
  QComboBox* grade_ = nullptr;
  QRadioButton* single_ = nullptr;
  QRadioButton* share_ = nullptr;
  QRadioButton* dry_ = nullptr;
  QRadioButton* wet_ = nullptr;
  std::array<QRadioButton*, 4> durations_{};  // long term ... very short term
  QLabel* bend_ = nullptr;
  QLabel* e_ = nullptr;
  QLabel* shear_ = nullptr;
  QLabel* k8_ = nullptr;
  QLabel* k1_ = nullptr;
  QLabel* k2E_ = nullptr;
  QLabel* k2B_ = nullptr;
  QLabel* k2S_ = nullptr;
  QLabel* k3_ = nullptr;
  QListWidget* results_ = nullptr;
};
