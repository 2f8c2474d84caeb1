#include "timber/timber_member_print.h"

#include <gtest/gtest.h>

#include "support/recording_print_job.h"

namespace trabeo {
namespace {

using testing::RecordingPrintJob;

TEST(TimberMemberPrintTest, NothingIsPrintedBeforeACalculation) {
  RecordingPrintJob job;
  EXPECT_FALSE(PrintTimberMember(job, NewTimberMemberWindow(), HeaderTexts{}, "Trabeo", ""));
  EXPECT_FALSE(job.began());
}

// On a 600 dpi page lines lie 3.75 mm apart: line k at trunc(600 / 25.4 x 3.75 k) dots; the left
// column at 15 mm (354 dots), the right one at 115 mm (2716 dots).
TEST(TimberMemberPrintTest, BlocksStandInTwoColumnsUnderThePageHeader) {
  TimberMemberWindow w = NewTimberMemberWindow();
  w.Edit_Title = "Stud";
  w.Edit_Width = "75";
  w.Edit_Depth = "200";
  w.Edit_Le = "2.4";
  w.durations.Edit_Mom = "1.5";
  w.durations.Edit_Axial = "20";
  ASSERT_EQ(PressTimberCombinedLoading(w), "");
  ConfirmTimberDuration(w);
  RecordingPrintJob job;
  HeaderTexts header;
  header.HeaderCompany = "Acme";
  ASSERT_TRUE(PrintTimberMember(job, w, header, "Trabeo", "1/1/2024  12:00"));
  EXPECT_TRUE(job.ended());
  const auto& canvas = job.recorder();
  ASSERT_NE(canvas.FindText("Acme"), nullptr);

  const auto lineY = [](int k) { return static_cast<int>(600 / 25.4 * 3.75 * k); };
  const auto* title = canvas.FindText(" Stud");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->x, 354);
  EXPECT_EQ(title->y, lineY(11));
  EXPECT_EQ(title->font.size, 9);
  const auto* bending = canvas.FindText("  MAJOR AXIS BENDING");
  ASSERT_NE(bending, nullptr);
  EXPECT_EQ(bending->x, 2716);
  EXPECT_EQ(bending->y, lineY(11));
  const auto* axial = canvas.FindText("  MAJOR AXIS AXIAL LOADING");
  ASSERT_NE(axial, nullptr);
  EXPECT_EQ(axial->x, 354);
  EXPECT_EQ(axial->y, lineY(38));
  const auto* combined = canvas.FindText("  MAJOR AXIS COMBINED LOADING CHECK");
  ASSERT_NE(combined, nullptr);
  EXPECT_EQ(combined->x, 2716);
  EXPECT_EQ(combined->y, lineY(38));
  const auto* summary = canvas.FindText("  MAJOR AXIS SUMMARY");
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(summary->y, lineY(61));
  EXPECT_EQ(canvas.TextsEqualTo("  Combined Loading OK").size(), 2u);
  // Only the first 16 section lines are printed: the K2 (axial) line is the 16th, K8 the 17th.
  EXPECT_NE(canvas.FindText("  K2 (Axial Stress) = "), nullptr);
  EXPECT_EQ(canvas.FindText("  K8 = "), nullptr);
}

}  // namespace
}  // namespace trabeo
