#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "app/app_context.h"
#include "steel/member_capacity/member_file_commands.h"
#include "steel/member_capacity/member_window.h"

class PictureWidget;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;

// "Member Capacity to BS 5950": one steel member picked from a section table, checked for its
// moment capacity, compression resistance, combined compression and bending, end bearing and
// torsion; or, with the code choice, to EN 1993-1-1. It is independent of the beam: when shown it
// takes only the grade of the beam's section, and it shares the page header. The rules are the
// core's
// (`MemberCapacityWindow`); the form moves texts and lists between it and the controls.
//
// objectNames:
// - `List_Section`, `lbl_Group`, `lbl_Desc`, the class labels `lbl_SectionTypeA`,
//   `lbl_SectionTypeX`, `lbl_SectionTypeY`;
// - the code choice `Code_BS5950` ("BS 5950-1") and `Code_EN1993` ("EN 1993-1-1");
// - `Combo_Grade`, `Edit_Py`, `Edit_E`, the moment sketches `Image_XX`, `Image_YY`;
// - under EN 1993-1-1 only, the group `Group_EN1993` with `Combo_NationalAnnex`, `Edit_Lcry`,
//   `Edit_Lcrz`, `Edit_LLT`, `Edit_VEd`, `Edit_C1`, `Check_Destabilising`, `Check_Restrained`
//   and the button `cmd_CheckEN1993`; it shares the grade, `Edit_Le` and the axial load and
//   moment boxes with BS 5950;
// - `Edit_Le`, the clickable label `Label24` of `Edit_Axial`, End 1 `Edit_MomAxx`, `Edit_MomAyy`,
//   End 2 `Edit_MomBxx`, `Edit_MomByy`;
// - `cmd_MomXX`, `cmd_MomYY`, `cmd_AxialXX`, `cmd_AxialYY`, `cmd_Calc`, `cmd_Bearing`;
// - `List_Results`, `List_Data`, `List_Help`;
// - `Panel_Bearing` with `Image_Bearing`, `Edit_b1`, `lbl_n1`, `lbl_n2`, `cmd_CalcBearing`;
// - the sizing panels `Panel_XVGA_Width` and `Panel_VGA_Ht`, never shown;
// - the menu bar `MainMenu1`. A menu item's objectName is its caption without blanks and signs,
//   followed by "1": `File1` (`SetHeader1`, `Open1`, `Save1`, `SaveAs1`, `Print1`, `Close1`,
//   `ExitTrabeo1`); `SectionProperties1` (`Beams1`, `Channels1`, `ClosedSections1` with the
//   families, e.g. `UniversalColumns1`, `WSectionBeams1`, `CShape1`; `Miscellaneous1`,
//   `EditMiscProperties1`); `Calculate1` (`MomentCapacityaboutxx1`, `MomentCapacityaboutyy1`,
//   `AxialCapacityaboutxx1`, `AxialCapacityaboutyy1`, `CombinedCompressionandBending1`,
//   `EndBearingandBuckling1`); `Modules1` (`BeamAnalysis1`, `SteelBoltCapacities1`,
//   `TimberMemberCapacities1`).
class TMemCapFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TMemCapFrm(AppContext& context, QWidget* parent = nullptr);

  // The window's state as the core keeps it.
  const trabeo::MemberCapacityWindow& memberWindow() const { return w_; }

 Q_SIGNALS:
  // "Set Header": the print header form, shown modally; this window is not reset on return.
  void setHeaderRequested();
  // "Edit Misc Properties": the miscellaneous section editor.
  void editMiscellaneousRequested();
  // The "Modules" menu: this window has hidden itself for the other module's.
  void beamAnalysisRequested();
  void boltCapacityRequested();
  void timberMemberCapacityRequested();
  // "Exit Trabeo": the main window closes, which ends the program.
  void exitRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the form, in layout order so that the tab order follows it.
  void BuildMenu(QMenuBar* menuBar);
  QLayout* BuildSectionColumn();
  QLayout* BuildMaterialColumn();
  QWidget* BuildEc3Group();
  QLayout* BuildLoadColumn();
  QLayout* BuildLists();
  QWidget* BuildBearingPanel();
  QLineEdit* AddBox(const char* objectName, std::string trabeo::MemberFormTexts::*field,
                    void (TMemCapFrm::*edited)());
  QLineEdit* AddEc3Box(const char* objectName, std::string trabeo::MemberEc3Inputs::*field);
  void PlaceOnScreen();

  // Commands.
  void StartFromBeamSection();
  void PickFamily(const trabeo::MemberFamily& family);
  void SectionRowChanged(int line);
  void SectionLineClicked(int line);
  void PickSection(int line);
  void GradeChosen(int item);
  void RunSingle(trabeo::MemberCalculation calculation);
  void RunCombined();
  void ShowBearingPanel();
  void RunBearing();
  void CodeChosen(trabeo::DesignCode code);
  void Ec3InputChanged();
  void RunEc3Check();
  void AxialLabelClicked();
  void PyOrEEdited();
  void LengthEdited();
  void LoadsEdited();
  void DataListClicked();
  void Open();
  void Save(trabeo::MemberSaveCommand command);
  void Print();
  void SwitchModule(void (TMemCapFrm::*request)());

  // Shows the window's state in the controls.
  void ShowState();
  void ShowBoxTexts();
  void ShowLists();
  void ShowGrade();
  void ShowCode();
  void DrawMomentSketches();
  void ClearMomentSketches();

  AppContext& context_;
  trabeo::MemberCapacityWindow w_;
  int awaitingClickOnLine_ = -1;  // a line just picked by the press of the click now ending
  // The edit boxes and the texts of the window they show.
  std::vector<std::pair<QLineEdit*, std::string trabeo::MemberFormTexts::*>> boxes_;
  std::vector<std::pair<QLineEdit*, std::string trabeo::MemberEc3Inputs::*>> ec3Boxes_;
  // The controls of the BS 5950 calculations, which EN 1993-1-1 does not use.
  std::vector<QWidget*> bs5950Controls_;
  std::vector<QAction*> bs5950Actions_;

  QListWidget* sectionList_ = nullptr;
  QLabel* groupLabel_ = nullptr;
  QLabel* descLabel_ = nullptr;
  QLabel* classAxial_ = nullptr;
  QLabel* classXX_ = nullptr;
  QLabel* classYY_ = nullptr;
  QComboBox* grade_ = nullptr;
  QRadioButton* codeBS5950_ = nullptr;
  QRadioButton* codeEN1993_ = nullptr;
  QWidget* ec3Group_ = nullptr;
  QComboBox* annex_ = nullptr;
  QCheckBox* destabilising_ = nullptr;
  QCheckBox* restrained_ = nullptr;
  PictureWidget* sketchXX_ = nullptr;
  PictureWidget* sketchYY_ = nullptr;
  QLabel* axialLabel_ = nullptr;
  QPushButton* combined_ = nullptr;
  QPushButton* bearing_ = nullptr;
  QListWidget* resultsList_ = nullptr;
  QListWidget* dataList_ = nullptr;
  QListWidget* helpList_ = nullptr;
  QWidget* bearingPanel_ = nullptr;
  PictureWidget* bearingSketch_ = nullptr;
  QLabel* n1_ = nullptr;
  QLabel* n2_ = nullptr;
  QWidget* designWidth_ = nullptr;
  QWidget* designHeight_ = nullptr;
  QAction* save_ = nullptr;
  QAction* saveAs_ = nullptr;
  QAction* print_ = nullptr;
  QAction* combinedItem_ = nullptr;
};
