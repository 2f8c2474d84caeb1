#include "timber/timber_member_window.h"

#include <gtest/gtest.h>

#include <cmath>

#include "timber/timber_member_lines.h"

namespace trabeo {
namespace {

TimberMemberWindow Member(const char* width, const char* depth, const char* le = "") {
  TimberMemberWindow w = NewTimberMemberWindow();
  w.Edit_Title = "Joist";
  w.Edit_Width = width;
  w.Edit_Depth = depth;
  w.Edit_Le = le;
  return w;
}

// 75 x 200 C24, single, dry, long term, by hand: K7 = (300/200)^0.11 = 1.0456, sigma_m =
// 7.84 N/mm2, I = 5000 cm4, M = 7.84 x 2 x 5000 / 200 / 100 = 3.92 kN m, V = 0.71 x 75 x 200 /
// 1000 / 1.5 = 7.10 kN; d / b = 2.67, so the torsion note is printed.
TEST(TimberMemberTest, BendingCapacityOfAJoistAboutEachAxis) {
  TimberMemberWindow w = Member("75", "200");
  ASSERT_EQ(PressTimberBendingCapacity(w), "");
  EXPECT_EQ(w.mode, TimberMemberMode::Beam);
  EXPECT_TRUE(BendingDurationEnabled(w.mode));
  EXPECT_FALSE(StrutDurationEnabled(w.mode));
  EXPECT_FALSE(AppliedLoadsVisible(w.mode));
  ConfirmTimberDuration(w);
  ASSERT_TRUE(w.bending);
  EXPECT_NEAR(w.bending->K7, 1.0456, 0.0001);
  EXPECT_NEAR(w.bending->permBendStress, 7.84, 0.005);
  EXPECT_NEAR(w.bending->permMoment, 3.92, 0.005);
  EXPECT_NEAR(w.bending->permShear, 7.10, 1e-5);
  EXPECT_NEAR(w.bending->EI, 360, 1e-3);
  EXPECT_EQ(w.labels.lbl_K3b, "1.00");
  EXPECT_EQ(w.labels.lbl_K3ax, "");
  EXPECT_EQ(w.bendingLines[0], "  MAJOR AXIS BENDING");
  EXPECT_EQ(w.bendingLines[18], "  Permissible Bending Moment = 3.92 kN-m");
  EXPECT_EQ(w.bendingLines[19], "  (assuming adequate torsional restraint)");
  EXPECT_EQ(w.bendingLines[21], "  Permissible Shear Load = 7.10 kN");
  EXPECT_EQ(w.sectionLines[2], "");  // no effective length
  EXPECT_EQ(w.sectionLines[4], "  Ixx 5000 cm^4");

  // About the minor axis: K7 from the 75 mm face, I = 200 x 75^3 / 12 = 703 cm4.
  ChooseTimberMemberAxis(w, TimberAxis::Minor);
  EXPECT_EQ(TimberMemberButtonCaption(w.axis, TimberMemberButton::Combined),
            "Check Combined Loading about y-y");
  ASSERT_EQ(PressTimberBendingCapacity(w), "");
  ConfirmTimberDuration(w);
  const double K7 = std::pow(300.0 / 75, 0.11);
  const double sigma = 7.5 * K7;
  EXPECT_NEAR(w.section.I, 703.125, 1e-3);
  EXPECT_NEAR(w.bending->permMoment, sigma * 2 * 703.125 / 75 / 100, 1e-5);
  EXPECT_FALSE(w.bending->torsionNote);
  EXPECT_EQ(w.sectionLines[4], "  Iyy 703 cm^4");
  EXPECT_EQ(w.bendingLines[0], "  MINOR AXIS BENDING");
}

TEST(TimberMemberTest, WetExposureSwellsTheSectionAndReducesTheStresses) {
  TimberMemberWindow w = Member("75", "200", "2.4");
  ChooseTimberMemberExposure(w, TimberExposure::Wet);
  EXPECT_EQ(w.labels.lbl_K1, "1.02");
  EXPECT_EQ(w.labels.lbl_K2Ax, "0.60");
  ASSERT_EQ(PressTimberAxialCapacity(w), "");
  ConfirmTimberDuration(w);
  EXPECT_NEAR(w.section.A, 150 * 1.0404, 1e-3);
  EXPECT_NEAR(w.section.I, 5000 * 1.08243216, 1e-2);
  EXPECT_NEAR(w.axial->permCompStress, 7.9 * 0.6, 1e-5);
  EXPECT_NEAR(w.axial->permE, 7200 * 0.8, 1e-3);
  // P = A K12 sigma_c, with K12 of the factor's own test table.
  EXPECT_NEAR(w.axial->permAxial, 150 * 1.0404 * 100 * w.axial->K12 * 7.9 * 0.6 / 1000, 1e-3);
  EXPECT_EQ(w.sectionLines[2], "  Effective length = 2.40 m");
  EXPECT_EQ(w.labels.lbl_K3b, "");
  EXPECT_EQ(w.labels.lbl_K3ax, "1.00");
}

// The equation value w is the applied bending stress over the permissible one plus the applied
// compression over the permissible one; with no axial load only the first part remains, so a
// moment just below and just above the permissible moment brackets the limit of 1.
TEST(TimberMemberTest, CombinedCheckAtItsBoundary) {
  TimberMemberWindow w = Member("75", "200", "2.4");
  const auto check = [&](const char* moment, const char* axial) {
    w.durations.Edit_Mom = moment;
    w.durations.Edit_Axial = axial;
    EXPECT_EQ(PressTimberCombinedLoading(w), "");
    EXPECT_TRUE(AppliedLoadsVisible(w.mode));
    ConfirmTimberDuration(w);
    return *w.combined;
  };
  const TimberCombinedCheck below = check("3.92", "0");
  EXPECT_NEAR(below.w, 3.92 / 3.9210, 1e-4);
  EXPECT_TRUE(below.ok);
  EXPECT_EQ(w.summaryLines[8], kCombinedLoadingOk);
  EXPECT_EQ(TimberMemberSummaryColor(w), colors::kBlack);

  const TimberCombinedCheck above = check("3.93", "0");
  EXPECT_GT(above.w, 1);
  EXPECT_EQ(w.summaryLines[8], kCombinedLoadingTooHigh);
  EXPECT_EQ(TimberMemberSummaryColor(w), colors::kRed);

  // Nothing applied: nothing to carry, so the member complies and the summary stays black.
  const TimberCombinedCheck none = check("0", "0");
  EXPECT_EQ(none.w, 0);
  EXPECT_EQ(w.summaryLines[8], kCombinedLoadingOk);
  EXPECT_EQ(TimberMemberSummaryColor(w), colors::kBlack);

  // A tension (negative axial load) is outside the check.
  check("1", "-50");
  EXPECT_LT(w.combined->w, 0);
  EXPECT_EQ(w.summaryLines[8], kCombinedLoadingTooHigh);
  EXPECT_EQ(TimberMemberSummaryColor(w), colors::kRed);

  // The lists: 19 section lines, then each block with two blank lines after it.
  const std::vector<std::string> list = TimberMemberResultsList(w);
  EXPECT_EQ(list.size(), 19 + (w.bendingLines.size() + 2) + (w.axialLines.size() + 2) +
                             (w.combinedLines.size() + 2));
  EXPECT_EQ(list[19], "  MAJOR AXIS BENDING");
  const std::vector<std::string> summary = TimberMemberSummaryList(w);
  ASSERT_EQ(summary.size(), 9u);
  EXPECT_EQ(summary[0], "  MAJOR AXIS SUMMARY");
  EXPECT_EQ(summary[2], "  Permissible Bending Moment = 3.92 kN-m");
  EXPECT_TRUE(summary[5].starts_with("  Permissible Axial Load = "));
  EXPECT_TRUE(summary[7].starts_with("  Combined Loading Equation = "));
}

TEST(TimberMemberTest, MessagesInTheOrderTheInputsAreChecked) {
  TimberMemberWindow noLength = Member("", "");
  EXPECT_EQ(PressTimberAxialCapacity(noLength), kEnterEffectiveLength);
  EXPECT_EQ(PressTimberCombinedLoading(noLength), kEnterEffectiveLength);
  EXPECT_EQ(PressTimberBendingCapacity(noLength), kEnterWidth);
  TimberMemberWindow noDepth = Member("75", "x", "-1");
  EXPECT_EQ(PressTimberAxialCapacity(noDepth), kEnterEffectiveLength);  // a length below 0
  noDepth.Edit_Le = "3";
  EXPECT_EQ(PressTimberAxialCapacity(noDepth), kEnterDepth);
  TimberMemberWindow negative = Member("-75", "200");
  EXPECT_EQ(PressTimberBendingCapacity(negative), kEnterWidth);

  // A separator chosen before any grade has nothing to compute with.
  TimberMemberWindow noGrade = Member("75", "200");
  noGrade.labels.lbl_AxStress.clear();
  noGrade.gradeIndex = 16;
  EXPECT_EQ(PressTimberBendingCapacity(noGrade), kClickGradeOption);
  EXPECT_TRUE(TimberMemberResultsList(noGrade).empty());
}

TEST(TimberMemberTest, ChangingASizeClearsEveryResult) {
  TimberMemberWindow w = Member("75", "200", "2.4");
  w.durations.Edit_Mom = "1";
  ASSERT_EQ(PressTimberCombinedLoading(w), "");
  ConfirmTimberDuration(w);
  ASSERT_FALSE(TimberMemberResultsList(w).empty());
  ClearTimberMemberResults(w);
  EXPECT_TRUE(TimberMemberResultsList(w).empty());
  EXPECT_TRUE(TimberMemberSummaryList(w).empty());
  EXPECT_FALSE(w.combined);
}

}  // namespace
}  // namespace trabeo
