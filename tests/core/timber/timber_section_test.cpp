#include "timber/timber_section_window.h"

#include <gtest/gtest.h>

#include <memory>

namespace trabeo {
namespace {

// A project whose beam form has passed the timber sizes, in mm.
std::unique_ptr<BeamProject> SizedProject(float width, float depth) {
  auto project = std::make_unique<BeamProject>();
  project->section.TimberWidth = width;
  project->section.TimberDepth = depth;
  return project;
}

std::vector<std::string> PropertyList(const BeamProject& project) {
  std::vector<std::string> lines;
  for (int slot = 1; slot <= project.section.PropertyLines.Count(); ++slot)
    lines.push_back(project.section.PropertyLines[slot]);
  return lines;
}

// 75 x 200 C24, single, dry, long term, by hand: I = 75 x 200^3 / 12 = 5000 cm4, A = 150 cm2,
// K7 = (300 / 200)^0.11 = 1.0456, sigma_m = 7.5 K7 = 7.842 N/mm2, M = 2 sigma_m I / d =
// 3.921 kN m, V = 0.71 x 75 x 200 / 1.5 = 7.10 kN, EI = 7200 x 5000 / 10^5 = 360 kN m2,
// GA/Kform = 150 x 7200 / 16 / 1.2 x 100 = 5625000 N.
TEST(TimberSectionTest, JoistOfC24HandsOverItsStiffnessAndPermissibleValues) {
  auto project = SizedProject(75, 200);
  project->section.SectionArea = 3200;  // a steel section picked before
  TimberSectionWindow window = ShowTimberSectionWindow(*project);
  UnitSettings units;  // start-up defaults: timber checks disabled
  const auto handOver = NextFromTimberSection(window, units, *project);
  ASSERT_TRUE(handOver);
  ASSERT_TRUE(window.values);
  const TimberSectionValues& v = *window.values;
  EXPECT_FLOAT_EQ(v.I, 5000);
  EXPECT_FLOAT_EQ(v.A, 150);
  EXPECT_NEAR(v.r, 57.735, 0.001);
  EXPECT_NEAR(v.permBendStress, 7.842, 0.001);
  EXPECT_NEAR(v.permMoment, 3.921, 0.001);
  EXPECT_NEAR(v.permShear, 7.10, 1e-5);
  EXPECT_NEAR(v.EI, 360, 1e-3);
  EXPECT_NEAR(v.shearStiffness, 5625000, 1);
  EXPECT_EQ(window.lines.size(), 31u);
  EXPECT_EQ(window.lines[0], " 75.0 x 200  C24 Timber");
  EXPECT_EQ(window.lines[25], "  GA/Kform = 5625 kN");
  EXPECT_EQ(window.lines[27], "  Permissible  Bending Moment = 3.921 kN-m");
  EXPECT_EQ(window.lines[30], "  Permissible Shear Load = 7.100 kN");

  EXPECT_EQ(handOver->Edit_Span_E, "7200");
  EXPECT_EQ(handOver->Edit_Span_Ixx, "5000");
  EXPECT_EQ(handOver->Edit_Desc, "75.0 x 200 C24 Timber");
  // With timber checks disabled in the preferences the form stays at "None".
  EXPECT_EQ(handOver->codeOption, DesignCode::None);
  EXPECT_FALSE(handOver->timberOptionEnabled);
  EXPECT_EQ(project->model.DesignCode, DesignCode::None);

  const TimberBeamValues& t = project->timber;
  EXPECT_EQ(t.TimberGradeName, "C24");
  EXPECT_EQ(t.TimberSharing, "Single");
  EXPECT_EQ(t.TimberExposure, "Dry");
  EXPECT_EQ(t.TimberDuration, "LT");
  EXPECT_NEAR(t.TimberPermMoment, 3.921e6, 1e3);
  EXPECT_NEAR(t.TimberPermShear, 7100, 0.1);
  EXPECT_EQ(t.TimberSummaryLines.Count(), 31);
  EXPECT_EQ(project->section.SectionKind, SectionKind::Timber);
  EXPECT_EQ(project->section.SectionDescription, "75.0 x 200 C24 Timber");
  EXPECT_EQ(project->section.SectionArea, 0);  // no steel self weight on a timber beam
  EXPECT_EQ(project->model.FibreDistance, 100);

  const std::vector<std::string> expected{
      "Timber",
      "75.0 x 200 C24 Timber",
      "",
      " Width = 75.0 mm",
      " Depth = 200 mm",
      " Ixx = 5000 cm^4",
      "",
      " Permissible Stresses",
      " E = 7200 N/mm^2",
      " Shear = 0.7100 N/mm^2",
      " Bending = 7.842 N/mm^2",
      "",
      " Permissible Loads",
      " Shear = 7.100 kN",
      " Bending = 3.921 kN-m",
      "",
  };
  EXPECT_EQ(PropertyList(*project), expected);

  TakeTimberStiffness(*handOver, units, project->model);
  EXPECT_EQ(project->model.MainSpan.E, 7200);
  EXPECT_EQ(project->model.MainSpan.Ixx, 5e7);
  EXPECT_EQ(project->model.SectionIxx, 5e7f);
}

TEST(TimberSectionTest, WetTimberIsAnalysedWithTheSwollenSectionAndReducedModulus) {
  auto project = SizedProject(75, 200);
  TimberSectionWindow window = ShowTimberSectionWindow(*project);
  ChooseTimberSectionExposure(window, TimberExposure::Wet);
  EXPECT_EQ(window.labels.lbl_K1, "1.02");
  EXPECT_EQ(window.labels.lbl_K2E, "0.8");
  EXPECT_EQ(window.labels.lbl_K2S, "0.9");
  UnitSettings units;
  units.EnableTimber5268 = kSettingOn;
  const auto handOver = NextFromTimberSection(window, units, *project);
  ASSERT_TRUE(handOver);
  EXPECT_NEAR(window.values->I, 5000 * 1.08243216, 0.01);  // 1.02^4
  EXPECT_NEAR(window.values->A, 150 * 1.0404, 0.001);      // 1.02^2
  // I = 5412.16 cm4 shows as 5412 and is read back as shown.
  EXPECT_EQ(handOver->Edit_Span_Ixx, "5412");
  EXPECT_EQ(handOver->Edit_Span_E, "5760");
  EXPECT_FLOAT_EQ(project->model.FibreDistance, 200 * 0.51f);
  EXPECT_EQ(handOver->codeOption, DesignCode::BS5268);
  EXPECT_EQ(project->model.DesignCode, DesignCode::BS5268);
  TakeTimberStiffness(*handOver, units, project->model);
  EXPECT_EQ(project->model.MainSpan.Ixx, 5.412e7);
  EXPECT_EQ(project->model.MainSpan.E, 5760);
}

TEST(TimberSectionTest, ShowingAgainRestoresTheChoicesOfTheLastNext) {
  auto project = SizedProject(63, 225);
  TimberSectionWindow first = ShowTimberSectionWindow(*project);
  ChooseTimberSectionGrade(first, TimberGradeListIndex("D40"));
  ChooseTimberSectionSharing(first, LoadSharing::Share);
  ChooseTimberSectionExposure(first, TimberExposure::Wet);
  ChooseTimberSectionDuration(first, LoadDuration::MediumTerm);
  ASSERT_TRUE(NextFromTimberSection(first, UnitSettings{}, *project));

  const TimberSectionWindow again = ShowTimberSectionWindow(*project);
  EXPECT_EQ(again.gradeIndex, TimberGradeListIndex("D40"));
  EXPECT_EQ(again.sharing, LoadSharing::Share);
  EXPECT_EQ(again.exposure, TimberExposure::Wet);
  EXPECT_EQ(again.duration, LoadDuration::MediumTerm);
  EXPECT_EQ(again.labels.lbl_K8, "1.1");
  EXPECT_EQ(again.labels.lbl_K3, "1.25");
  EXPECT_EQ(again.labels.lbl_E, "10800");  // E mean of D40, shared
  EXPECT_EQ(again.lines, first.lines);
}

TEST(TimberSectionTest, ASeparatorLeavesTheGradeInForce) {
  auto project = SizedProject(75, 200);
  TimberSectionWindow window = ShowTimberSectionWindow(*project);
  ChooseTimberSectionGrade(window, TimberGradeListIndex("C16"));
  ChooseTimberSectionGrade(window, 9);
  EXPECT_EQ(window.gradeName, "C16");
  EXPECT_EQ(window.labels.lbl_Bend, "5.30");
  EXPECT_EQ(window.lines[1], "  Grade = C16");
}

TEST(TimberSectionTest, NoSizeComputesNothingAndHandsNothingOver) {
  auto project = SizedProject(75, 0);
  TimberSectionWindow window = ShowTimberSectionWindow(*project);
  CalculateTimberSection(window);
  EXPECT_TRUE(window.lines.empty());
  EXPECT_FALSE(NextFromTimberSection(window, UnitSettings{}, *project));
  EXPECT_EQ(project->section.SectionKind, SectionKind::None);
}

}  // namespace
}  // namespace trabeo
