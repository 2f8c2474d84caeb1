// "Results at Point": the window's block at a typed distance, its refusals and its printout.
#include <QPlainTextEdit>

#include "app/app_test_support.h"
#include "results/point_results.h"

namespace trabeo::testing {
namespace {

class PointFormTest : public AppFixture {
 protected:
  void Calculate(const char* typed) {
    dialogs.inputAnswers.push_back(typed);
    Click("TPointFrm", "cmd_Calc");
  }
  // The text box's lines up to its last that is not blank.
  std::vector<std::string> Memo() const {
    std::vector<std::string> lines;
    for (const QString& line :
         Control<QPlainTextEdit>("TPointFrm", "Memo_Results")->toPlainText().split('\n'))
      lines.push_back(line.toStdString());
    while (!lines.empty() && QString::fromStdString(lines.back()).trimmed().isEmpty())
      lines.pop_back();
    return lines;
  }
};

// The simple span of 6 m (E 205000 N/mm^2, Ixx 1e8 mm^4) with 10 kN at mid-span, at 2.1 m:
// shear 5 kN, moment 5 x 2.1 = 10.5 kN-m, and the deflection P x (3 L^2 - 4 x^2) / 48 E I =
// 1.928 mm, downward, at 7/20 of the span where a service station lies.
TEST_F(PointFormTest, CalculatesAtATypedDistanceOnlyWhileTheResultsHold) {
  LoadAnalysed(SimpleBeam());
  Trigger("ResultsatPoint1");
  QWidget* window = Form("TPointFrm");
  ASSERT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Load at Point");

  // No units file set FactoredLoads: the analysis took it from the loads, which are unfactored.
  Calculate("2.4");
  ASSERT_EQ(dialogs.inputRequests.size(), 1u);
  EXPECT_EQ(dialogs.inputRequests[0].caption, "Results at a point");
  EXPECT_EQ(dialogs.inputRequests[0].prompt, "Input Distance along beam (m)");
  const std::vector<std::string> unfactored{"  RESULTS AT A POINT ",
                                            " ",
                                            "  Distance along beam     = 2.400 m",
                                            "  Shear                   = 5.000 kN",
                                            "  Moment                  = 12.00 kN-m",
                                            "  Deflection              = -2.072 mm"};
  EXPECT_EQ(Memo(), unfactored);

  Calculate("7");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Value exceeds length of beam"});
  EXPECT_EQ(Memo(), unfactored);

  Click("TPointFrm", "cmd_Print");
  ASSERT_TRUE(printing.printed);
  EXPECT_NE(printing.job->recorder().FindText("  Distance along beam     = 2.400 m"), nullptr);

  // Saved and opened again, the loads still say they are unfactored. Opening leaves "Save"
  // disabled; a calculation enables it.
  const std::string file = (folder / "span.trb").string();
  dialogs.saveAnswers.push_back(file);
  Trigger("SaveAs1");
  dialogs.openAnswers.push_back(file);
  Trigger("Open1");
  EXPECT_TRUE(Memo().empty()) << "opening runs File New, which clears the lines";
  ASSERT_FALSE(MenuAction("Save1")->isEnabled());
  Calculate("2.4");
  EXPECT_EQ(Memo(), unfactored);
  EXPECT_TRUE(MenuAction("Save1")->isEnabled());

  Click("TPointFrm", "Cmd_Clear");
  EXPECT_TRUE(Memo().empty());

  // After File New there are no results: "Calculate" asks nothing and says why.
  Calculate("2.4");
  Trigger("New1");
  dialogs.inputAnswers.clear();
  const std::size_t asked = dialogs.inputRequests.size();
  Click("TPointFrm", "cmd_Calc");
  EXPECT_EQ(dialogs.inputRequests.size(), asked);
  EXPECT_EQ(dialogs.messages.back(), kPointNoResultsMessage);
  EXPECT_TRUE(Memo().empty());

  Click("TPointFrm", "Button3");
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace trabeo::testing
