#pragma once

#include <QWidget>
#include <array>
#include <string_view>

#include "app/app_context.h"
#include "timber/timber_member_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// "DurationFrm": the load durations of the timber member window's calculation, and in the
// combined check the applied loads. Shown modally; "OK" hands the choices back, Esc or closing
// computes nothing. The choices stay from one showing to the next.
//
// objectNames: `Frame_Bending` with `Option_LT`, `Option_MT`, `Option_ST`, `Option_VST` and its
// K3 `lbl_K3`; `Frame_Strut` with `Option_AxLT`, `Option_AxMT`, `Option_AxST`, `Option_AxVST`
// and `lbl_AxK3`; `Panel_Loads` with `lbl_Prompt`, `Edit_Axial`, `Edit_Mom`; `cmd_OK`.
class TDurationFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TDurationFrm(AppContext& context, QWidget* parent = nullptr);

  // Shows the dialog for the calculation asked for: "Beam" offers the bending group, "Strut"
  // the strut group, "Comb" both and the applied loads.
  void Open(trabeo::TimberMemberMode mode);

 Q_SIGNALS:
  void confirmed(const trabeo::TimberDurationChoices& choices);

 private:
  QGroupBox* BuildGroup(std::string_view caption, const char* name,
                        const std::array<const char*, 4>& optionNames, const char* k3Name,
                        std::array<QRadioButton*, 4>& options, QLabel*& k3,
                        trabeo::LoadDuration trabeo::TimberDurationChoices::*choice);
  QWidget* BuildLoads();
  void ShowK3Labels();
  void Confirm();

  trabeo::TimberDurationChoices choices_;
  QGroupBox* bendingGroup_ = nullptr;
  QGroupBox* strutGroup_ = nullptr;
  std::array<QRadioButton*, 4> bendingOptions_{};
  std::array<QRadioButton*, 4> strutOptions_{};
  QLabel* bendingK3_ = nullptr;
  QLabel* strutK3_ = nullptr;
  QWidget* loads_ = nullptr;
  QLineEdit* axial_ = nullptr;
  QLineEdit* moment_ = nullptr;
};
