#include <algorithm>
#include <set>

#include "app/member_window_fixture.h"
#include "app/picture_widget.h"
#include "core/steel/member_capacity/member_test_support.h"

namespace trabeo::testing {
namespace {

// A 203 UC 46 column 4 m long under 800 kN, with end moments about both axes: the case of the
// core's hand-checked combined check, and a 100 mm stiff bearing.
class MemberCapacityFormTest : public MemberWindowFixture {
 protected:
  static constexpr std::pair<const char*, const char*> kBoxes[] = {
      {"Edit_Le", "4"},     {"Edit_Axial", "800"}, {"Edit_MomAxx", "40"}, {"Edit_MomBxx", "-20"},
      {"Edit_MomAyy", "5"}, {"Edit_MomByy", "5"},  {"Edit_b1", "100"}};
  void TypeCase() const {
    for (const auto& [box, text] : kBoxes)
      Type(kForm, box, text);
  }
  // The same case run through the core's window, answering as the form's dialogs do.
  static MemberCapacityWindow CoreCase(ScriptedDialogs& answers) {
    MemberCapacityWindow w;
    PickMemberSection(w, CatalogueSection("UC.sct", "203 UC 46"), answers, UnitSettings{});
    MemberFormTexts& t = w.state.texts;
    t.Edit_Le = "4";
    t.Edit_Axial = "800";
    t.Edit_MomAxx = "40";
    t.Edit_MomBxx = "-20";
    t.Edit_MomAyy = "5";
    t.Edit_MomByy = "5";
    t.Edit_b1 = "100";
    return w;
  }
  // A list's lines as texts gtest can show.
  std::vector<std::string> Lines(const char* list) const {
    std::vector<std::string> lines;
    for (const QString& line : ListLines(kForm, list))
      lines.push_back(line.toStdString());
    return lines;
  }
  bool Holds(const char* list, std::string_view line) const {
    const std::vector<std::string> lines = Lines(list);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  QString Text(const char* name) const {
    if (auto* label = form->findChild<QLabel*>(name)) return label->text();
    return Control<QLineEdit>(kForm, name)->text();
  }
  bool Shown(const char* name) const { return form->findChild<QWidget*>(name)->isVisibleTo(form); }
  bool Enabled(const char* action) const { return form->findChild<QAction*>(action)->isEnabled(); }
};

TEST_F(MemberCapacityFormTest, EachCalculationShowsTheCoreListsWithHandCheckedFigures) {
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), "Member Capacity to BS 5950");
  EXPECT_FALSE(Enabled("CombinedCompressionandBending1"));
  Pick("UniversalColumns1", "203 UC 46");
  EXPECT_EQ(Text("lbl_Group"), "Universal Column");
  EXPECT_EQ(Text("Edit_Py"), "275");
  EXPECT_EQ(Text("lbl_SectionTypeA"), "Compact");
  TypeCase();

  ScriptedDialogs core;
  MemberCapacityWindow expected = CoreCase(core);
  const auto expectCoreLists = [&](const char* calculation) {
    SCOPED_TRACE(calculation);
    EXPECT_EQ(Lines("List_Data"), expected.List_Data);
    EXPECT_EQ(Lines("List_Results"), expected.List_Results);
    EXPECT_FALSE(expected.List_Data.empty());
  };
  // Not laterally restrained, n = 1: lateral-torsional buckling over the common length.
  dialogs.yesNoAnswers = {false};
  dialogs.inputAnswers = {"1"};
  core.yesNoAnswers = {false};
  core.inputAnswers = {"1"};
  Click(kForm, "cmd_MomXX");
  RunSingleMemberCalculation(expected, MemberCalculation::MomentXX, core, UnitSettings{});
  expectCoreLists("moment x-x");
  EXPECT_TRUE(dialogs.yesNoAnswers.empty() && dialogs.inputAnswers.empty());

  const std::pair<const char*, MemberCalculation> singles[] = {
      {"cmd_MomYY", MemberCalculation::MomentYY},
      {"cmd_AxialXX", MemberCalculation::AxialXX},
      {"cmd_AxialYY", MemberCalculation::AxialYY}};
  for (const auto& [button, calculation] : singles) {
    Click(kForm, button);
    RunSingleMemberCalculation(expected, calculation, core, UnitSettings{});
    expectCoreLists(button);
  }
  // 1.2 Zyy py = 1.2 x 152.08 cm3 x 275 N/mm2 = 50.19 kN-m (Syy py = 63.5 kN-m exceeds it).
  EXPECT_TRUE(Holds("List_Results", "  Mb y-y = 50.2 kN-m"));

  ASSERT_TRUE(Enabled("CombinedCompressionandBending1"));
  Click(kForm, "cmd_Calc");
  RunCombinedMemberCalculation(expected, core, UnitSettings{});
  expectCoreLists("combined");
  // Hand-checked: 800 / (58.731 x 27.5) + 40 / 136.7 + 5 / 50.19 = 0.888, and with the reduced
  // plastic moduli (40 / 79.85)^2 + 5 / 50.19 = 0.351.
  EXPECT_TRUE(Holds("List_Data", " F/A py + Mx/Mcx + My/Mcy = 0.888"));
  EXPECT_TRUE(Holds("List_Data", " (Mx/Mrx)^Z1 + (My/Mry)^Z2 = 0.351"));
  for (const char* sketch : {"Image_XX", "Image_YY"}) {
    const QImage& image = form->findChild<PictureWidget*>(sketch)->image();
    EXPECT_EQ(image.pixelColor(2, image.height() / 2), Qt::white) << sketch;
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() * 3 / 10), Qt::black) << sketch;
  }

  // The button shows only on a form wider than 1000 pixels; the menu item is always there.
  EXPECT_EQ(Shown("cmd_Bearing"), form->width() > 1000);
  Menu("EndBearingandBuckling1");
  EXPECT_TRUE(Shown("Panel_Bearing"));
  EXPECT_FALSE(Shown("List_Help"));
  Click(kForm, "cmd_CalcBearing");
  RunMemberBearingCalculation(expected, core, UnitSettings{});
  expectCoreLists("bearing");
  // (b1 + 1.25 (D - d)) t py = (100 + 1.25 x (203.2 - 160.8)) x 7.2 x 275 = 302.9 kN.
  EXPECT_TRUE(Holds("List_Results", "  Bearing capacity = 303 kN"));
  EXPECT_TRUE(Enabled("Save1") && Enabled("SaveAs1") && Enabled("Print1"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MemberCapacityFormTest, SavedWorkReopensAndPrintsUnderTheHeaderSetFromTheWindow) {
  Pick("UniversalColumns1", "203 UC 46");
  const std::vector<std::string> sectionData = Lines("List_Data");
  TypeCase();
  Click(kForm, "cmd_AxialXX");
  Click(kForm, "cmd_Calc");
  const std::vector<std::string> combinedDetail = Lines("List_Data");
  const std::vector<std::string> summaries = Lines("List_Results");
  ASSERT_FALSE(summaries.empty());

  Menu("SetHeader1");
  ASSERT_TRUE(Form("TSetHeaderFrm")->isVisible());
  Type("TSetHeaderFrm", "Edit_Company", "Acme Steel");
  Click("TSetHeaderFrm", "Button1");
  EXPECT_EQ(Lines("List_Data"), combinedDetail);  // returning from the header resets nothing

  const std::string path = (folder / "column.trm").string();
  dialogs.saveAnswers = {path};
  Menu("SaveAs1");
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(dialogs.fileRequests.back().defaultExtension, "trm");
  EXPECT_EQ(session().header().CurrentFileName, path);

  // Other work and another header, then the file again.
  session().ApplyHeader({"Other", "", "", "", "", ""});
  Pick("UniversalColumns1", "152 UC 23");
  Type(kForm, "Edit_Le", "9");
  Type(kForm, "Edit_Axial", "1");
  dialogs.openAnswers = {path};
  Menu("Open1");
  for (const auto& [box, text] : kBoxes)
    EXPECT_EQ(Text(box), text) << box;
  EXPECT_EQ(Text("lbl_Desc").trimmed(), "203 UC 46");
  EXPECT_EQ(Text("lbl_SectionTypeX"), "Compact");
  EXPECT_EQ(Lines("List_Data"), sectionData);
  EXPECT_EQ(Lines("List_Results"), summaries);
  EXPECT_EQ(session().header().HeaderCompany, "Acme Steel");
  EXPECT_TRUE(Enabled("Print1"));

  Menu("Print1");
  ASSERT_TRUE(printing.job);
  EXPECT_EQ(printing.titles, std::vector<std::string>{"Member Capacity to BS 5950"});
  std::set<std::string> printed;
  for (const RecordedText& text : printing.job->recorder().texts())
    printed.insert(text.text);
  EXPECT_TRUE(printed.contains("Acme Steel"));
  EXPECT_TRUE(printed.contains(path));
  for (const std::vector<std::string>* list : {&sectionData, &summaries, &combinedDetail}) {
    for (const std::string& line : *list) {
      if (line.find_first_not_of(' ') == std::string::npos) continue;
      EXPECT_TRUE(printed.contains(line)) << line;
    }
  }
  EXPECT_GE(printing.job->PageNumber(), 2);  // the combined check on a page of its own
}

TEST_F(MemberCapacityFormTest, ACancelledLengthStopsTheCalculationWithEmptyLists) {
  Pick("UniversalColumns1", "203 UC 46");
  Type(kForm, "Edit_Axial", "800");
  dialogs.inputAnswers = {std::nullopt};
  Click(kForm, "cmd_AxialXX");
  ASSERT_EQ(dialogs.inputRequests.size(), 1u);
  EXPECT_EQ(dialogs.inputRequests[0].caption, " Strut Capacity About x-x");
  EXPECT_TRUE(Lines("List_Data").empty());
  EXPECT_TRUE(Lines("List_Results").empty());

  // A combined check stopped at its first length leaves no verdict.
  dialogs.inputAnswers = {std::nullopt};
  Type(kForm, "Edit_MomAxx", "40");
  Click(kForm, "cmd_Calc");
  EXPECT_TRUE(Lines("List_Results").empty());
  EXPECT_TRUE(form->memberWindow().state.Summary(SummaryKind::Combined).empty());
}

}  // namespace
}  // namespace trabeo::testing
