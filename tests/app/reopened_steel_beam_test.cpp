// A universal beam checked to BS 5950 with an intermediate restraint, saved and opened again:
// what is printed and offered afterwards is the beam as it was saved.
#include <QPlainTextEdit>
#include <QTableWidget>

#include <algorithm>

#include "app/app_test_support.h"

namespace trabeo::testing {
namespace {

constexpr int kUb25Line = 8;  // "203 x 133 UB 25" in UB.sct

class ReopenedSteelBeamTest : public AppFixture {
 protected:
  // 203 x 133 UB 25 over a 6 m simple span under 10 kN/m factored 1.6, both ends laterally
  // restrained with both flanges free, one intermediate restraint moved to 2 m: the second
  // length, 4 m unrestrained, fails in bending.
  void AnalyseRestrainedUniversalBeam() {
    Trigger("Preferences1");
    Click("TPreferencesFrm", "Check_FactoredLoads");
    Click("TPreferencesFrm", "Check_BS5950");
    Click("TPreferencesFrm", "cmd_OK");
    Click("TIndexFrm", "cmdOK");
    Type("TBeamFrm", "Edit_Span_L", "6");
    Form("TBeamFrm")->findChild<QAction*>("UniversalBeams1")->trigger();
    Control<QListWidget>("TBeamFrm", "List_Sect")->setCurrentRow(kUb25Line);
    QApplication::processEvents();
    Click("TBeamFrm", "cmdNext");
    Click("TLoadDataFrm", "OptionUDL1");
    Type("TLoadDataFrm", "Edit_Dist1", "0");
    Type("TLoadDataFrm", "Edit_UDLS1", "10");
    Type("TLoadDataFrm", "Edit_UDLF1", "10");
    Type("TLoadDataFrm", "Edit_Cover1", "6");
    Type("TLoadDataFrm", "Edit_LF1", "1.6");
    Click("TLoadDataFrm", "Check1");
    Click("TLoadDataFrm", "cmdOK");
    Click("TSpanFrm", "Option_LH_Both_Free");
    Click("TSpanFrm", "Option_RH_Both_Free");
    Click("TSpanFrm", "cmd_Select");
    Control<QTableWidget>("TSpanFrm", "Grid_Int")->item(0, 0)->setText("2");
    Click("TSpanFrm", "cmd_Next");
  }
};

TEST_F(ReopenedSteelBeamTest, PrintedReportAfterOpenIsTheReportBeforeSave) {
  AnalyseRestrainedUniversalBeam();
  ASSERT_EQ(session().ResultsValid(), 1);
  SaveAs("restrained.trb");
  const std::vector<std::string> before = PrintedTextsWithoutTime();
  NewAndOpen("restrained.trb");
  ASSERT_FALSE(before.empty());
  EXPECT_NE(std::find(before.begin(), before.end(), "SPAN UNRESTRAINED LENGTH 2"), before.end());
  EXPECT_EQ(PrintedTextsWithoutTime(), before);
}

TEST_F(ReopenedSteelBeamTest, ResultsAtPointWorkOnTheOpenedResults) {
  AnalyseRestrainedUniversalBeam();
  SaveAs("restrained.trb");
  NewAndOpen("restrained.trb");
  Trigger("ResultsatPoint1");
  dialogs.inputAnswers.push_back("3");
  Click("TPointFrm", "cmd_Calc");
  ASSERT_EQ(dialogs.inputRequests.size(), 1u);
  const QString memo = Control<QPlainTextEdit>("TPointFrm", "Memo_Results")->toPlainText();
  EXPECT_TRUE(memo.contains("Distance along beam     = 3.000 m")) << memo.toStdString();
}

}  // namespace
}  // namespace trabeo::testing
