#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/section_record.h"
#include "model/section_values.h"
#include "platform/dialogs.h"
#include "settings/unit_settings.h"
#include "steel/member_capacity/member_state.h"

namespace trabeo {

// One entry of the "Section Properties" menu: the table it lists and the group caption.
struct MemberFamily {
  std::string_view menuItem;  // "Universal Beams"
  std::string_view fileName;  // "UB.sct"
  std::string_view group;     // "Universal Beam"
};

// The thirteen catalogue families and "Miscellaneous", in menu order. The angle tables are not
// offered: angles have no member capacity rules.
std::span<const MemberFamily> MemberFamilies();
// The family whose table file is fileName, or whose file name without ".sct" is fileName
// (compared exactly); nullptr when the window does not offer it.
const MemberFamily* FindMemberFamily(std::string_view fileName);

inline constexpr std::string_view kMemberCaption = "Member Capacity to BS 5950";
inline constexpr std::string_view kLoadSectionFirstMessage = "Load section first";
inline constexpr std::string_view kEnterLoadMessage = "Enter a value for axial load or end moment";
inline constexpr std::string_view kBearingTypesMessage =
    "End bearing can only be calculated\nfor I, H and box sections";
inline constexpr std::string_view kEditedByUserLine = "  py or E edited by user";

// The "Grade" list of the window and the grades its items stand for.
inline constexpr std::string_view kMemberGradeItems[] = {"   S275   (Gr 43)", "   S355   (Gr 50 )",
                                                         "   S450   (Gr 55)"};

// The window's visible state beside what it keeps in MemberCapacityState: the form only moves
// these values into its controls (objectNames as the fields say).
struct MemberCapacityWindow {
  MemberCapacityState state;
  std::string tableFile;  // the listed family's file, "UB.sct"
  std::string lbl_Group;
  std::vector<std::string> List_Section;
  std::vector<std::string> List_Help;
  std::vector<std::string> List_Data;
  std::vector<std::string> List_Results;
  int Combo_GradeIndex = -1;    // -1: no item chosen (the grade is then 43)
  std::string Combo_GradeText;  // the text shown in the grade box
  std::string gradeLabel;       // "S275  (Grade 43)" after a grade change
  bool Panel_BearingVisible = false;
  bool List_HelpVisible = true;
  bool cmd_BearingVisible = true;
  bool cmd_CalcEnabled = false;      // "Combined Compression and Bending"
  bool fileCommandsEnabled = false;  // "Save", "Save As", "Print"
  std::string fileName;              // the whole path "Save As" or "Open" took, for "Save"
};

enum class MemberCalculation { MomentXX, MomentYY, AxialXX, AxialYY };

// FormShow: clears the lists and results, shows the help on loading a section, and takes the
// grade of the beam's section; no description shows until a section is picked here. Returning
// from "Set Header" changes nothing.
void ShowMemberWindow(MemberCapacityWindow& w, const SectionValues& beamSection,
                      bool returningFromHeader);

// A family picked from the menu: lists its table from the start folder.
void PickMemberFamily(MemberCapacityWindow& w, const MemberFamily& family,
                      const std::filesystem::path& startFolder);

// A click on line k of the section list: reads record k of the listed table and takes it.
// A record the file no longer holds changes nothing.
void PickMemberSectionLine(MemberCapacityWindow& w, std::size_t k,
                           const std::filesystem::path& startFolder, Dialogs& dialogs,
                           const UnitSettings& units);

// Takes a section record as a pick does: a separator only shows its (blank) designation.
void PickMemberSection(MemberCapacityWindow& w, const SectionRecord& record, Dialogs& dialogs,
                       const UnitSettings& units);

// Combo_GradeChange: item 0 (or none) is grade 43, 1 grade 50, 2 grade 55.
void ChangeMemberGrade(MemberCapacityWindow& w, int itemIndex, Dialogs& dialogs,
                       const UnitSettings& units);

// The four buttons for single calculations.
void RunSingleMemberCalculation(MemberCapacityWindow& w, MemberCalculation calculation,
                                Dialogs& dialogs, const UnitSettings& units);

// "Combined Compression and Bending".
void RunCombinedMemberCalculation(MemberCapacityWindow& w, Dialogs& dialogs,
                                  const UnitSettings& units);

// "End Bearing + Buckling": shows the bearing panel for the types that have the check.
void ShowMemberBearingPanel(MemberCapacityWindow& w, Dialogs& dialogs);
// "Calc Bearing + Buckling".
void RunMemberBearingCalculation(MemberCapacityWindow& w, Dialogs& dialogs,
                                 const UnitSettings& units);

// A click on the axial load label: the torsion calculation when the box holds "T" or "t".
void ClickMemberAxialLabel(MemberCapacityWindow& w, Dialogs& dialogs, const UnitSettings& units);

// Typing in the boxes (KeyUp).
void MemberPyOrEEdited(MemberCapacityWindow& w);
void MemberLengthEdited(MemberCapacityWindow& w);
void MemberLoadsEdited(MemberCapacityWindow& w);

// Clearing the lists and results (also after opening a file, before it is read).
void ClearMemberResults(MemberCapacityWindow& w);

// The help texts of List_Help.
std::vector<std::string> LoadSectionHelp();
std::vector<std::string> PickSectionHelp();
std::vector<std::string> CalculationHelp();
// The help once a section is loaded, for the code chosen.
std::vector<std::string> SectionHelp(const MemberCapacityState& s);

// The section data list from McSection, in the window's units with the preferences' modulus
// labels.
void ListMemberSectionData(MemberCapacityState& s, const UnitSettings& units);

// List_Results: the non-empty summaries under their headings, then the combined and the
// bearing summaries.
std::vector<std::string> BuildMemberSummaryList(const MemberCapacityState& s);

// McSection from a section record (Zxx = Ixx / ExtremeY, Zyy = Iyy / ExtremeX).
MemberSection MemberSectionFromRecord(const SectionRecord& record);

// Classifies the loaded section at design strength py for the window's class labels; leaves
// the classes empty when py is not above 0.
void ClassifyMemberSection(MemberCapacityState& s, float py, Dialogs& dialogs);

}  // namespace trabeo
