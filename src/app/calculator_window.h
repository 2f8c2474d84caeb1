#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "app/app_context.h"
#include "calculators/calculator_run.h"

class QLabel;
class QLineEdit;

// The preference label a modulus caption shows on every showing.
enum class ModulusCaption { None, ElasticX, ElasticY, PlasticX, PlasticY };

// One result of a calculator window: caption, value label and unit, and the quantity of the
// sheet's line whose value it shows.
struct CalculatorResultLabel {
  const char* objectName;  // `lbl_Area`, ...
  const char* caption;
  const char* unit;
  trabeo::CalculatorQuantity quantity;
  ModulusCaption modulus = ModulusCaption::None;
  const char* captionObjectName = nullptr;  // `Label_Elastic_X`, ... where the caption has one
};

struct CalculatorDimensionBox {
  const char* objectName;  // `Edit_Depth`, ...
  const char* caption;
  const char* unit = "mm";
};

// What makes one calculator window its own: its texts, boxes and labels. The frame is shared.
struct CalculatorWindowSpec {
  trabeo::CalculatorShape shape;
  const char* objectName;
  const char* caption;
  const char* note;
  const char* boxNote;  // the box's note on its corner radii; nullptr elsewhere
  // In the order of the shape's DimensionSymbols.
  std::vector<CalculatorDimensionBox> boxes;
  std::array<const char*, 3> gradeItems;  // 43, 50, 55; none for the angle
  const char* saveCaption;
  std::vector<CalculatorResultLabel> results;
};

// The frame the six section property calculators share: description and dimension boxes,
// "Calculate Section Properties", the result labels, the grade menu, and File > "Print",
// "Save to File", "Close" and Edit > "Copy to Clipboard".
//
// objectNames: `Frame_Dimensions` with `Edit_Desc`, the note `lbl_Note`, the dimension boxes, the
// box's `lbl_BoxNote`, `lbl_Grade` and `cmd_Calc`; `Frame_Properties` with the result labels,
// `lbl_Py`, `lbl_BSSectionType` (the box: `lbl_BSSectionType_Ixx`, `lbl_BSSectionType_Iyy`), the
// modulus captions `Label_Elastic_X`, `Label_Elastic_Y`, `Label_Plastic_X`, `Label_Plastic_Y`;
// the menus `Grade1` (`Grade431`, `Grade501`, `Grade551`), `File1` (`Print1`, `SaveToFile1`,
// `Close1`) and `Edit1` (`CopyToClipboard1`).
class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  CalculatorWindow(AppContext& context, CalculatorWindowSpec shape, QWidget* parent);

 Q_SIGNALS:
  // "Save to File" appended a section to Misc.sct: the section editor reloads it.
  void sectionSaved();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenu(QWidget* menuParent);
  QWidget* BuildEntryPanel();
  QWidget* BuildResultPanel();

  void Calculate();
  // The grade the label shows and the next calculation takes.
  QString GradeText() const;
  void ChooseGrade(trabeo::SteelGrade grade);
  void ClearResults();
  void ShowResults(const trabeo::CalculatorRun& run);
  void ShowModulusCaptions();
  bool EveryBoxHoldsText() const;
  // The last calculation's results while they are shown; a message otherwise.
  const trabeo::CalculatorRun* ShownRun();

  void Print();
  void CopyToClipboard();
  void SaveToFile();

  AppContext& context_;
  CalculatorWindowSpec spec_;
  std::optional<trabeo::CalculatorRun> shown_;

  QLineEdit* description_ = nullptr;
  std::vector<QLineEdit*> boxes_;
  trabeo::SteelGrade grade_ = trabeo::SteelGrade::S275;
  QLabel* gradeLabel_ = nullptr;
  std::vector<QLabel*> values_;    // one for each of spec_.results
  std::vector<QLabel*> captions_;  // likewise
  QLabel* py_ = nullptr;
  QLabel* classXX_ = nullptr;
  QLabel* classYY_ = nullptr;  // the box only
};
