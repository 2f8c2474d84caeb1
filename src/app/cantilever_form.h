#pragma once

#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "beam_input/cantilever_restraints.h"

class PictureWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The restraint of one cantilever of a steel I or channel section checked to BS 5950: loading,
// support and tip, or fully restrained, give the effective length factor of BS 5950-1; a length
// may be typed instead. `TCantLHFrm` and `TCantRHFrm` are this form for each side; they differ
// only in the texts of `CantileverTexts` and where their buttons lead.
//
// objectNames: `Option_Normal`, `Option_Destabilizing`; `Option_Support_Lateral`,
// `Option_Support_Both` with their captions `Label_Support_Lateral`, `Label_Support_Both` and
// pictures `Image_Support_Lateral`, `Image_Support_Both`; `Frame_End` with `Option_End_Free`,
// `Option_End_Top`, `Option_End_Torsion`, `Option_End_Both` and their pictures `Image_End_Free`,
// `Image_End_Top`, `Image_End_Torsion`, `Image_End_Both`; `Option_Restrained`, `Option_Edited`,
// `cmd_Reset`; `lbl_Lf`, `Edit_Le`, `Label_Units`; the warning `lbl_Warning`; on the RH form
// `lbl_Not_Applicable`; `Cmd_Back`, `cmd_Next`.
class CantileverForm : public QWidget {
  Q_OBJECT

 public:
  // File New: loading, support, tip and "Cantilever fully restrained" unticked, the factor and
  // the effective length emptied.
  void ResetForNew();

 Q_SIGNALS:
  // "< Back": nothing is stored; the entry flow decides which form comes back.
  void backRequested();
  // "Next >" stored the effective length: where the sequence goes on.
  void accepted(trabeo::EntryStep next);

 protected:
  CantileverForm(AppContext& context, trabeo::CantileverSide side, QWidget* parent);
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildLoadingGroup();
  QWidget* BuildSupportGroup();
  QWidget* BuildEndGroup();
  QWidget* BuildRestrainedGroup();
  QWidget* BuildResults();
  QWidget* BuildCommands();
  QRadioButton* AddOption(trabeo::CantileverOption option, const QString& caption, const char* name,
                          QWidget* parent);
  PictureWidget* AddPicture(trabeo::CantileverOption option, const char* name, QWidget* parent);

  double Length() const;
  void ShowState();
  void DrawPictures();

  void OptionClicked(trabeo::CantileverOption option);
  void FullyRestrainedClicked();
  void LengthTyped(const QString& text);
  void Next();

  AppContext& context_;
  trabeo::CantileverSide side_;
  trabeo::CantileverFormState state_;
  bool filling_ = false;

  std::array<QRadioButton*, trabeo::kCantileverOptionCount> options_{};
  std::array<PictureWidget*, trabeo::kCantileverOptionCount> pictures_{};
  QLabel* factor_ = nullptr;
  QLineEdit* effectiveLength_ = nullptr;
  QLabel* units_ = nullptr;
  QPushButton* next_ = nullptr;
};

// "LH Cantilever": follows the span form; goes on to the RH cantilever form or the analysis.
class TCantLHFrm : public CantileverForm {
  Q_OBJECT

 public:
  explicit TCantLHFrm(AppContext& context, QWidget* parent = nullptr);
};

// "RH Cantilever": follows the LH cantilever form or the span form; goes on to the analysis.
class TCantRHFrm : public CantileverForm {
  Q_OBJECT

 public:
  explicit TCantRHFrm(AppContext& context, QWidget* parent = nullptr);
};
