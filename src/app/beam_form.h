#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <utility>

#include "app/app_context.h"
#include "beam_input/beam_entry.h"
#include "beam_input/section_entry.h"

class PictureWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QRadioButton;

// "Beam / Span Details", the first step of beam entry: span, cantilevers, end fixity, the
// section (picked from a section table, typed as E and Ixx, or sized as timber), grade and
// design code. "Next >" stores them in the beam model with the self weight and opens the load
// form.
//
// objectNames:
// - the picture `Image_Beam`;
// - `Frame_Steel` with `lbl_Group`, `List_Sect`, the note `lbl_Note`, `lbl_SectionTypeX`,
//   `Combo_Grade`, `lbl_Py`, `lbl_Py_Unit`;
// - `Frame_Timber` with the picture `Image_Timber`, the note `lbl_TimberSizes`, `Edit_Timber_H`
//   (depth), `Edit_Timber_W` (width), their units `lbl_Timber_H_Unit`, `lbl_Timber_W_Unit`, and
//   `cmd_OK` ("Calculate 'E' and 'Ixx'");
// - `Frame_Span` ("Span Properties") with `lbl_Span`, `Edit_Span_L`, `lbl_LHC`, `Edit_LHC_L`,
//   `lbl_RHC`, `Edit_RHC_L`, `lbl_E`, `Edit_Span_E`, `lbl_Ixx`, `Edit_Span_Ixx`, and the check
//   boxes `Check_LH`, `Check_RH`, `Check_LHF`, `Check_RHF`;
// - `Edit_Desc`, `List_Props`, `Label_S`, `Label_Z`, the timber notes `lbl_Timber1`,
//   `lbl_Timber2`;
// - `Frame_Code` ("Code Check") with `Option_None`, `Option_BS5268`, `Option_BS5950` and the
//   never shown `Option_BS449`, `Option_AISC`, `Option_LRFD`;
// - `cmdNext`;
// - the menu bar `MainMenu1` with the menus `SectionPropertiesDatabase1` (submenus `Beams1`:
//   `UniversalBeams1`, `UniversalColumns1`, `RSJ1`, `IPE1`, `HE1`, `WShapeBeams1`,
//   `WShapeColumns1`; `Channels1`: `RSC1`, `PFC1`, `UPN1`, `CShape1`; `Angles1`: `EqualRSA1`,
//   `UnequalRSA1`, `EqualL1`, `UnequalL1`; `ClosedSections1`: `RHS1`, `CHS1`; then the actions
//   `Miscellaneous1` and `Timber1`) and `EditSectionData1` (action `EditMiscellaneous1`).
class TBeamFrm : public QWidget {
  Q_OBJECT

 public:
  explicit TBeamFrm(AppContext& context);

  // File New: empties the section and property lists, the family, class and py labels, the
  // grade and both timber boxes.
  void ResetForNew();
  // Lists the table of a family code ("UB", ..., "Misc") as its menu item does; "Timber" shows
  // the timber group instead. For opening a beam file.
  void ListSectionFamily(const std::string& family);
  // Shows the stored py, class and property lines, as an opened beam file left them.
  void ShowStoredSectionLabels();
  // The timber section window handed its section over: the description, E, Ixx, the property
  // list and the code option as the session now holds them.
  void ShowTimberSection();

 Q_SIGNALS:
  // "Next >" stored the beam: the load form comes next.
  void accepted();
  // "Calculate 'E' and 'Ixx'" stored the timber sizes: the timber section window comes next.
  void timberSectionRequested();
  // "Edit Section Data" > "Edit Miscellaneous": the miscellaneous section editor is to be shown.
  void editMiscellaneousRequested();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenu();
  QWidget* BuildSteelGroup();
  QWidget* BuildTimberGroup();
  QWidget* BuildSpanGroup();
  QWidget* BuildSectionPanel();
  QWidget* BuildCodeGroup();
  void PlaceOnScreen();

  void FillFromModel();
  void ShowCaptions();
  void ShowCodeOptions();
  void ShowPropertyLines();
  void ShowCantileverBoxes();
  void SetGroups(bool timber);

  void PickFamily(const char* family, const char* groupCaption);
  void PickTimber();
  void PickSection(int line);
  std::optional<trabeo::SteelGrade> SelectedGrade() const;
  void ApplyGrade();
  void ShowPyLabel();
  void ShowDesignUpdate(const trabeo::SectionDesignUpdate& update);
  trabeo::BeamEntryTexts EntryTexts() const;
  void EndBoxClicked(bool leftHand, trabeo::BeamEndBox clicked);
  void LengthChanged();
  void Redraw();
  void IxxEdited();
  void CalculateTimber();
  void EditMiscellaneous();
  trabeo::DesignCode SelectedCode() const;
  // Each code option with the code it selects.
  std::array<std::pair<QRadioButton*, trabeo::DesignCode>, 7> CodeOptions() const;
  void Next();

  void SectionRowChanged(int line);
  void SectionLineClicked(int line);

  AppContext& context_;
  bool filling_ = false;
  std::string listedFile_;        // the table file the section list shows
  int awaitingClickOnLine_ = -1;  // a line picked on the mouse press, before its click

  PictureWidget* picture_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  QGroupBox* steelGroup_ = nullptr;
  QLabel* groupLabel_ = nullptr;
  QListWidget* sectionList_ = nullptr;
  QLabel* classLabel_ = nullptr;
  QComboBox* gradeList_ = nullptr;
  QLabel* pyLabel_ = nullptr;
  QLabel* pyUnitLabel_ = nullptr;
  QGroupBox* timberGroup_ = nullptr;
  QLineEdit* timberDepth_ = nullptr;
  QLineEdit* timberWidth_ = nullptr;
  QLabel* timberDepthUnit_ = nullptr;
  QLabel* timberWidthUnit_ = nullptr;
  QLabel* spanCaption_ = nullptr;
  QLineEdit* spanLength_ = nullptr;
  QLabel* lhCaption_ = nullptr;
  QLineEdit* lhLength_ = nullptr;
  QLabel* rhCaption_ = nullptr;
  QLineEdit* rhLength_ = nullptr;
  QLabel* eCaption_ = nullptr;
  QLineEdit* eBox_ = nullptr;
  QLabel* ixxCaption_ = nullptr;
  QLineEdit* ixxBox_ = nullptr;
  QCheckBox* lhCantilever_ = nullptr;
  QCheckBox* rhCantilever_ = nullptr;
  QCheckBox* lhFixed_ = nullptr;
  QCheckBox* rhFixed_ = nullptr;
  QLineEdit* description_ = nullptr;
  QListWidget* propertyList_ = nullptr;
  QLabel* plasticLabel_ = nullptr;
  QLabel* elasticLabel_ = nullptr;
  QLabel* timberNote1_ = nullptr;
  QLabel* timberNote2_ = nullptr;
  QRadioButton* optionNone_ = nullptr;
  QRadioButton* option5268_ = nullptr;
  QRadioButton* option5950_ = nullptr;
  QRadioButton* option449_ = nullptr;
  QRadioButton* optionAisc_ = nullptr;
  QRadioButton* optionLrfd_ = nullptr;
  QRadioButton* optionEn1993_ = nullptr;
};
