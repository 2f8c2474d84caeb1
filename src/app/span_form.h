#pragma once

#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "beam_input/span_restraints.h"

class PictureWidget;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// "Span": the lateral restraint of the main span of a steel I or channel section checked to
// BS 5950, as end conditions (averaged into one effective length), the span fully restrained, a
// typed effective length, or one to five intermediate restraints. The rules live in the core; the
// form shows `SpanFormState` and passes the user's picks to the session.
//
// objectNames:
// - `Panel_Span` with `Option_Normal`, `Option_Destabilizing`; per end `Option_LH_Lat_Rest`,
//   `Option_LH_Lat_UnRest`, `Frame_LH_Top` (`Option_LH_Both_Restrained`,
//   `Option_LH_Both_Part_Restrained`, `Option_LH_Both_Free`), `Frame_LH_Bottom`
//   (`Option_LH_Bottom_Restrained`, `Option_LH_Bottom_UnRestrained`) and the RH ones
//   (`Option_RH_Lat_Rest`, `Option_RH_Lat_Unrest`, ...); `Option_Restrained`, `cmd_Edit`, the
//   hidden `Option_Edit`; `lbl_LH_Lf`, `lbl_RH_Lf`, `lbl_Le`, `Label_LengthUnit`, `Label_Span`;
// - `Frame_Int` with `Option_Equal`, `Option_UnEqual`, `Edit_No` (a spin box: the count box and
//   its up-down control), `Grid_Int`, `Image_IntSpan`, `lbl_SpanL`;
// - `cmd_Select`, `cmd_Back`, `cmd_Next`.
class TSpanFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TSpanFrm(AppContext& context, QWidget* parent = nullptr);

  // File New: the result labels, sub-option groups and interval cells emptied; the options come
  // back from the stored flags at the next showing.
  void ResetForNew();

 Q_SIGNALS:
  // "< Back": the load form comes back; nothing is stored.
  void backRequested();
  // "Next >" stored the restraints: where the sequence goes on.
  void accepted(trabeo::EntryStep next);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildEndRestraintPanel();
  QWidget* BuildEndColumn(bool lh);
  QWidget* BuildCommonColumn();
  QWidget* BuildIntermediateFrame();
  QLayout* BuildResults();
  QWidget* BuildCommands();
  void SizeForBothViews(QLayout* layout);
  QRadioButton* AddOption(trabeo::SpanOption option, const QString& caption, const char* name,
                          QWidget* parent, bool wrapCaption = false);

  void ShowState();
  void ShowIntermediate();
  void ShowGrid();
  void DrawIntervals();

  void OptionClicked(trabeo::SpanOption option);
  void FullyRestrainedClicked();
  void EnterEffectiveLength();
  void SwitchView();
  void CountChanged(int count);
  void SpacingClicked(bool equal);
  void IntervalEdited();
  void Next();

  AppContext& context_;
  trabeo::SpanFormState state_;
  bool filling_ = false;

  std::array<QRadioButton*, trabeo::kSpanOptionCount> options_{};
  QFrame* panel_ = nullptr;
  QGroupBox* lhBoth_ = nullptr;
  QGroupBox* lhBottom_ = nullptr;
  QGroupBox* rhBoth_ = nullptr;
  QGroupBox* rhBottom_ = nullptr;
  QLabel* lhFactor_ = nullptr;
  QLabel* rhFactor_ = nullptr;
  QLabel* effectiveLength_ = nullptr;
  QLabel* lengthUnit_ = nullptr;
  QLabel* spanLabel_ = nullptr;
  QFrame* intermediate_ = nullptr;
  QRadioButton* equal_ = nullptr;
  QRadioButton* halfEnds_ = nullptr;
  QSpinBox* count_ = nullptr;
  QTableWidget* grid_ = nullptr;
  PictureWidget* picture_ = nullptr;
  QLabel* spanLength_ = nullptr;
  QPushButton* select_ = nullptr;
  QPushButton* next_ = nullptr;
};
