#include "app/calculator_windows.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/app_test_support.h"
#include "fileio/file_bytes.h"
#include "sections/section_table_file.h"
#include "settings/unit_settings.h"

namespace trabeo::testing {
namespace {

// A worked section typed into its window and what the window's labels then show: the published
// figures of the catalogue section, or the figures worked by hand for the shape.
struct WindowCase {
  const char* name;
  const char* form;
  std::vector<std::pair<const char*, const char*>> typed;  // box, text
  std::map<std::string, std::string> labels;
};

const std::vector<WindowCase>& WorkedSections() {
  static const std::vector<WindowCase> cases = {
      {"Tube 100 x 5",
       "TTubeFrm",
       {{"Edit_Dia", "100"}, {"Edit_Thk", "5"}},
       {{"lbl_Area", "14.9"},
        {"lbl_Ixx", "168.8"},
        {"lbl_K", "337.6"},
        {"lbl_Sxx", "45.12"},
        {"lbl_Wt", "11.7"},
        {"lbl_Py", "275"},
        {"lbl_BSSectionType", "Plastic"}}},
      {"Box 100 x 50 x 5",
       "TBoxFrm",
       {{"Edit_Depth", "100"}, {"Edit_Width", "50"}, {"Edit_Thk", "5"}},
       {{"lbl_Area", "13.9"},
        {"lbl_Ixx", "169.9"},
        {"lbl_Iyy", "55.06"},
        {"lbl_Zxx", "33.98"},
        {"lbl_Zyy", "22.02"},
        {"lbl_K", "134.6"},
        {"lbl_T", "36.4"},
        {"lbl_Sxx", "43.31"},
        {"lbl_Syy", "26.11"},
        {"lbl_Wt", "10.9"},
        {"lbl_BSSectionType_Ixx", "Plastic"},
        {"lbl_BSSectionType_Iyy", "Plastic"}}},
      {"203 x 133 UB 25",
       "TI_BeamFrm",
       {{"Edit_Depth", "203.2"},
        {"Edit_Wide", "133.2"},
        {"Edit_Web", "5.7"},
        {"Edit_Flg", "7.8"},
        {"Edit_Rad", "7.6"}},
       {{"lbl_Area", "32.0"},
        {"lbl_Ixx", "2340"},
        {"lbl_Iyy", "307.6"},
        {"lbl_Zxx", "230.3"},
        {"lbl_Zyy", "46.19"},
        {"lbl_Sxx", "257.7"},
        {"lbl_K", "5.964"},
        {"lbl_Circ", "12.5"},
        {"lbl_T", "15.1"},
        {"lbl_H", "0.0294"},
        {"lbl_u", "0.877"},
        {"lbl_x", "25.6"},
        {"lbl_Wt", "25.1"}}},
      {"102 x 102 joist",
       "TRSJFrm",
       {{"Edit_Depth", "101.6"},
        {"Edit_Width", "101.6"},
        {"Edit_Web", "9.5"},
        {"Edit_Flg", "10.3"},
        {"Edit_RootRad", "11.1"},
        {"Edit_ToeRad", "3.2"},
        {"Edit_Ang", "8"}},
       {{"lbl_Area", "29.4"},
        {"lbl_Ixx", "485.3"},
        {"lbl_Iyy", "154.0"},
        {"lbl_Sxx", "113.1"},
        {"lbl_Syy", "50.59"},
        {"lbl_K", "14.19"},
        {"lbl_Circ", "19.4"},
        {"lbl_T", "23.5"},
        {"lbl_x", "7.41"},
        {"lbl_xRec", "50.8"}}},
      {"76 x 38 channel",
       "TChannelFrm",
       {{"Edit_Desc", "76 x 38 RSC"},
        {"Edit_Depth", "76.2"},
        {"Edit_Wide", "38.1"},
        {"Edit_Web", "5.1"},
        {"Edit_Flg", "6.8"},
        {"Edit_Rad", "7.6"},
        {"Edit_Trad", "2.4"},
        {"Edit_Ang", "5"}},
       {{"lbl_Area", "8.55"},
        {"lbl_Cy", "12.0"},
        {"lbl_Ixx", "74.27"},
        {"lbl_Iyy", "10.66"},
        {"lbl_Zyy", "4.080"},
        {"lbl_Sxx", "23.46"},
        {"lbl_Syy", "7.830"},
        {"lbl_Ceq", "6.75"},
        {"lbl_K", "1.280"},
        {"lbl_T", "12.1"},
        {"lbl_Cs", "25.2"},
        {"lbl_eo", "15.7"},
        {"lbl_u", "0.899"},
        {"lbl_x", "9.20"}}},
      {"25 x 25 x 3 angle",
       "TAngleFrm",
       {{"Edit_Depth", "25"},
        {"Edit_Width", "25"},
        {"Edit_Thk", "3"},
        {"Edit_RootRad", "3.5"},
        {"Edit_ToeRad", "2.4"}},
       {{"lbl_Area", "1.412"},
        {"lbl_Cx", "7.18"},
        {"lbl_Cy", "7.18"},
        {"lbl_Ixx", "0.7842"},
        {"lbl_Zxx", "0.4400"},
        {"lbl_K", "0.04759"},
        {"lbl_tRec", "5.43"},
        {"lbl_Ivv", "0.3251"},
        {"lbl_Iuu", "1.243"},
        {"lbl_Alpha", "45.0"},
        {"lbl_Rvv", "4.80"},
        {"lbl_Ruu", "9.39"}}},
  };
  return cases;
}

class CalculatorWindowsTest : public AppFixture {
 protected:
  // The only way to a calculator: the beam form's "Edit Miscellaneous", then "Add Section".
  void OpenEditor() {
    Trigger("Beam1");
    FormAction("TBeamFrm", "EditMiscellaneous1");
  }
  void OpenCalculator(const char* addSectionItem) {
    OpenEditor();
    FormAction("TGridFrm", addSectionItem);
  }
  void FormAction(const char* form, const char* action) {
    QAction* found = Form(form)->findChild<QAction*>(action);
    ASSERT_NE(found, nullptr) << form << " has no " << action;
    found->trigger();
    QApplication::processEvents();
  }
  QString Label(const char* form, const char* name) const {
    auto* label = Control<QLabel>(form, name);
    return label != nullptr ? label->text() : QString();
  }
  void TypeUb25(const char* depth = "203.2") {
    Type("TI_BeamFrm", "Edit_Depth", depth);
    Type("TI_BeamFrm", "Edit_Wide", "133.2");
    Type("TI_BeamFrm", "Edit_Web", "5.7");
    Type("TI_BeamFrm", "Edit_Flg", "7.8");
    Type("TI_BeamFrm", "Edit_Rad", "7.6");
  }
  std::vector<SectionRecord> MiscRecords() const {
    return ReadSectionTable(folder, kMiscTableFileName);
  }
};

TEST_F(CalculatorWindowsTest, EachWindowShowsItsWorkedSection) {
  const std::map<std::string, const char*> addSectionItem = {
      {"TTubeFrm", "Tube1"}, {"TBoxFrm", "Box1"},         {"TI_BeamFrm", "Beam1"},
      {"TRSJFrm", "Joist1"}, {"TChannelFrm", "Channel1"}, {"TAngleFrm", "Angle1"},
  };
  for (const WindowCase& c : WorkedSections()) {
    SCOPED_TRACE(c.name);
    OpenCalculator(addSectionItem.at(c.form));
    ASSERT_TRUE(Form(c.form)->isVisible());
    for (const auto& [box, text] : c.typed)
      Type(c.form, box, text);
    Click(c.form, "cmd_Calc");
    for (const auto& [label, shown] : c.labels)
      EXPECT_EQ(Label(c.form, label.c_str()).toStdString(), shown) << label;
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

// The published dimensions as the catalogue writes them: the copy shows them as typed.
TEST_F(CalculatorWindowsTest, CopyAndPrintShowTheDimensionsAsTyped) {
  OpenCalculator("Beam1");
  Type("TI_BeamFrm", "Edit_Desc", "203 x 133 UB 25");
  Type("TI_BeamFrm", "Edit_Depth", "203.20");
  Type("TI_BeamFrm", "Edit_Wide", "133.20");
  Type("TI_BeamFrm", "Edit_Web", "5.70");
  Type("TI_BeamFrm", "Edit_Flg", "7.80");
  Type("TI_BeamFrm", "Edit_Rad", "7.60");
  Click("TI_BeamFrm", "cmd_Calc");
  FormAction("TI_BeamFrm", "CopyToClipboard1");
  EXPECT_EQ(clipboard.text,
            "BEAM SECTION PROPERTIES\r\r"
            "203 x 133 UB 25\r\r"
            "Depth = 203.20 mm\r"
            "Width = 133.20 mm\r"
            "Web = 5.70 mm\r"
            "Flange = 7.80 mm\r"
            "Root Radius = 7.60 mm\r"
            "Web Depth = 172 mm\r\r"
            "Area = 32.0 cm^2\r\r"
            "Ixx = 2340 cm^4\r"
            "Iyy = 307.6 cm^4\r\r"
            "Rx = 85.6 mm\r"
            "Ry = 31.0 mm\r\r"
            "Zxx = 230.3 cm3\r"
            "Zyy = 46.19 cm3\r\r"
            "Sxx = 257.7 cm3\r"
            "Syy = 70.94 cm3\r\r"
            "K = 5.964 cm4\r"
            "t = 15.1 mm\r\r"
            "u = 0.877\r"
            "x = 25.6\r"
            "H = 0.0294 dm^6\r\r"
            "Weight = 25.1 kg/m\r\r"
            "For grade 43   Py = 275 N/mm^2\r"
            "Section Type is Compact for bending about x-x axis\r");

  FormAction("TI_BeamFrm", "Print1");
  ASSERT_NE(printing.job, nullptr);
  EXPECT_TRUE(printing.printed);
  const auto depth = printing.job->recorder().TextsEqualTo("Depth = 203.20 mm");
  ASSERT_EQ(depth.size(), 1u);
  EXPECT_EQ(depth[0].y, static_cast<int>(600 / 25.4 * 4 * 27));
}

TEST_F(CalculatorWindowsTest, GradeMenuRecalculatesOnlyWhenEveryBoxHoldsText) {
  OpenCalculator("Beam1");
  EXPECT_EQ(Label("TI_BeamFrm", "lbl_Grade"), "43");
  TypeUb25("");
  FormAction("TI_BeamFrm", "Grade501");
  EXPECT_EQ(Label("TI_BeamFrm", "lbl_Grade"), "50");
  EXPECT_EQ(Label("TI_BeamFrm", "lbl_Area"), "");
  EXPECT_EQ(Label("TI_BeamFrm", "lbl_Py"), "");
  EXPECT_TRUE(dialogs.messages.empty());

  Type("TI_BeamFrm", "Edit_Depth", "203.2");
  FormAction("TI_BeamFrm", "Grade551");
  EXPECT_EQ(Label("TI_BeamFrm", "lbl_Grade"), "55");
  EXPECT_EQ(Label("TI_BeamFrm", "lbl_Area"), "32.0");
  EXPECT_EQ(Label("TI_BeamFrm", "lbl_Py"), "450");  // grade 55, flange up to 16 mm
  EXPECT_TRUE(dialogs.messages.empty());
}

// The record goes after the last named row, and the beam form lists it under "Miscellaneous".
TEST_F(CalculatorWindowsTest, SaveToFileAppendsOneRecordThatTheBeamFormLists) {
  SectionRecord first;
  first.Designation = "My first section";
  first.Width = 100;
  first.RecordNo = 1;
  SectionRecord empty;
  empty.RecordNo = 2;
  const std::vector<uint8_t> before = EncodeSectionTable(std::vector<SectionRecord>{first, empty});
  ASSERT_TRUE(WriteFileBytes(folder / "Misc.sct", before));
  OpenCalculator("Tube1");
  Type("TTubeFrm", "Edit_Desc", "100 x 5 CHS");
  Type("TTubeFrm", "Edit_Dia", "100");
  Type("TTubeFrm", "Edit_Thk", "5");
  FormAction("TTubeFrm", "Grade501");
  FormAction("TTubeFrm", "SaveToFile1");

  const std::vector<uint8_t> after = ReadFileBytes(folder / "Misc.sct").value();
  ASSERT_EQ(after.size(), 400u);
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 200, after.begin()));
  const std::vector<SectionRecord> records = MiscRecords();
  EXPECT_EQ(records[1].Designation, "100 x 5 CHS");
  EXPECT_EQ(records[1].Type, "Tube");
  EXPECT_EQ(records[1].Grade, 50.0f);
  EXPECT_EQ(records[1].Depth, 100.0f);
  EXPECT_NEAR(records[1].Area, 1492.26, 0.01);  // pi (100^2 - 90^2) / 4
  EXPECT_EQ(records[1].RecordNo, 2);

  // The editor, open behind the calculator, shows the new row at once.
  auto* grid = Control<QAbstractItemView>("TGridFrm", "Grid");
  EXPECT_EQ(grid->model()->index(3, 1).data().toString(), "100 x 5 CHS");

  Form("TBeamFrm")->findChild<QAction*>("Miscellaneous1")->trigger();
  EXPECT_EQ(ListLines("TBeamFrm", "List_Sect"), (QStringList{"My first section", "100 x 5 CHS"}));
}

TEST_F(CalculatorWindowsTest, NothingIsSavedPrintedOrCopiedWithoutAShownCalculation) {
  OpenCalculator("Beam1");
  Type("TI_BeamFrm", "Edit_Desc", "UB");
  FormAction("TI_BeamFrm", "SaveToFile1");
  TypeUb25();
  Click("TI_BeamFrm", "cmd_Calc");
  // A later check that fails empties the results: their section is no longer the one shown.
  Type("TI_BeamFrm", "Edit_Web", "40");
  Click("TI_BeamFrm", "cmd_Calc");
  FormAction("TI_BeamFrm", "SaveToFile1");
  FormAction("TI_BeamFrm", "CopyToClipboard1");
  FormAction("TI_BeamFrm", "Print1");
  EXPECT_EQ(dialogs.messages,
            (std::vector<std::string>{
                "Calculate the section properties first", "Web thickness is too great",
                "Calculate the section properties first", "Calculate the section properties first",
                "Calculate the section properties first"}));
  EXPECT_FALSE(std::filesystem::exists(folder / "Misc.sct"));
  EXPECT_EQ(clipboard.text, "");
  EXPECT_EQ(printing.job, nullptr);
}

TEST_F(CalculatorWindowsTest, ModulusCaptionsFollowThePreferencesButTheAnglesStay) {
  UnitSettings units = session().units();
  SetModulusConvention(units, ModulusConvention::ZxxPlastic);
  session().SetUnits(units);
  OpenCalculator("Beam1");
  EXPECT_EQ(Label("TI_BeamFrm", "Label_Plastic_X"), "Zxx");
  EXPECT_EQ(Label("TI_BeamFrm", "Label_Elastic_Y"), "Syy");
  FormAction("TGridFrm", "Box1");
  EXPECT_EQ(Label("TBoxFrm", "Label_Plastic_Y"), "Zyy");
  FormAction("TGridFrm", "Angle1");
  EXPECT_EQ(Label("TAngleFrm", "Label_Elastic_X"), "Zxx");
  EXPECT_EQ(Label("TAngleFrm", "Label_Elastic_Y"), "Zyy");

  TypeUb25();
  Click("TI_BeamFrm", "cmd_Calc");
  FormAction("TI_BeamFrm", "CopyToClipboard1");
  EXPECT_NE(clipboard.text.find("\rSxx = 230.3 cm3\r"), std::string::npos);
  EXPECT_NE(clipboard.text.find("\rZxx = 257.7 cm3\r"), std::string::npos);
}

}  // namespace
}  // namespace trabeo::testing
