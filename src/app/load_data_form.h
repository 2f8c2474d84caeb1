#pragma once

#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "beam_input/load_entry.h"
#include "model/beam_model.h"

class PictureWidget;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

// "Load Data": up to 25 point and distributed loads with factors and the self weight, edited in
// a working copy of the load table and stored by "Next >" or "< Back".
class TLoadDataFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TLoadDataFrm(AppContext& context);

  // Empties and hides the boxes of all rows and shows five rows, as File New and "Clear" do.
  void ClearRows();
  // Redraws the sketch: the loads (when wanted) and the beam.
  void RedrawSketch(bool withLoads);
  const trabeo::LoadTable& workingCopy() const { return working_; }
  int rowsInUse() const { return rowsInUse_; }

 Q_SIGNALS:
  // "< Back": the rows were stored; the section form comes back.
  void backRequested();
  // "Next >" stored the rows and passed its checks: where the sequence goes on.
  void accepted(trabeo::EntryStep next);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Row {
    QFrame* panel = nullptr;
    QLineEdit* number = nullptr;
    QRadioButton* point = nullptr;
    QRadioButton* udl = nullptr;
    QLineEdit* pointLoad = nullptr;
    QLineEdit* distance = nullptr;
    QLineEdit* startRate = nullptr;
    QLineEdit* finishRate = nullptr;
    QLineEdit* cover = nullptr;
    QLineEdit* factor = nullptr;
    QCheckBox* apply = nullptr;
  };

  void BuildSketch();
  void BuildHeads();
  void BuildRows();
  void BuildCommands();
  Row MakeRow(int number, QWidget* parent);

  void ChooseType(int number);
  void ShowTypeBoxes(int number);
  void Reveal();
  void FillFromWorkingCopy();
  void FillRow(int number);
  void SetRowType(Row& row, trabeo::LoadRowType type);
  trabeo::LoadRowTexts RowTexts(const Row& row) const;
  // Reads the boxes into the working copy; validates unless suppressed. True when no problem.
  bool ReadForm(bool validate);
  void ShowSelfWeightGroup();

  void ApplyClicked();
  void SelfWeightClicked();
  void Expand();
  void ClearClicked();
  void Cancel();
  void Back();
  void Next();

  AppContext& context_;
  trabeo::LoadTable working_;
  int rowsInUse_ = 0;
  bool filling_ = false;
  std::array<Row, trabeo::kUserLoadRows + 1> rows_{};  // 1-based
  PictureWidget* sketch_ = nullptr;
  QLabel* lengthLabel_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QWidget* commands_ = nullptr;
  QGroupBox* selfWeight_ = nullptr;
  QCheckBox* selfWeightApply_ = nullptr;
  QLabel* selfWeightLabel_ = nullptr;
  QLineEdit* selfWeightFactor_ = nullptr;
  std::array<QLabel*, 4> unitHeads_{};  // point load, distance, rates, cover
};
