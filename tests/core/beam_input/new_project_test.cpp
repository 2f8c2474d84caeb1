#include "beam_input/new_project.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/units_file.h"

namespace trabeo {
namespace {

TEST(NewProjectTest, ForgetsTheBeamAndKeepsCompanyAndUser) {
  BeamProject project;
  project.model.MainSpan = {1, 6000, 205000, 1e8, 3};
  project.model.TotalLength = 6000;
  project.model.LhSupportKind = kFixedSupport;
  project.model.Loads.row(3) = {kPointLoadKind, 100, 5, 0, 0, 1, 1, 0};
  project.model.FibreDistance = 1e12f;
  project.section.SectionDescription = "203 x 133 UB 25";
  project.section.PropertyLines.Set(1, " Beam");
  project.section.SectionKind = SectionKind::Beam;
  project.section.SectionArea = 3200;
  project.section.SectionClass = SectionClass::Plastic;
  project.LoadRowCount = 7;
  HeaderTexts header;
  header.HeaderCompany = "Company";
  header.HeaderUser = "User";
  header.HeaderProject1 = "Project";
  header.CurrentFileName = "beam.trb";
  UnitSettings units;
  units.LengthUnitName = "ft";
  units.LengthFactor = 304.8f;
  units.EnableSteel5950 = kSettingOn;

  const auto missing = std::filesystem::temp_directory_path() / "trabeo-no-such-folder";
  ResetProjectForNew(project, header, units, missing);
  EXPECT_EQ(project.model.TotalLength, 0);
  EXPECT_EQ(project.model.MainSpan.Length, 0);
  EXPECT_EQ(project.model.MainSpan.Spare, 3);  // the fifth field is not touched
  EXPECT_EQ(project.model.LhSupportKind, 0);
  EXPECT_EQ(project.model.Loads.row(3).Kind, 0);
  EXPECT_EQ(project.model.FibreDistance, 0);
  EXPECT_EQ(project.LoadRowCount, 0);
  EXPECT_TRUE(project.section.SectionDescription.empty());
  EXPECT_EQ(project.section.PropertyLines.Count(), 0);
  EXPECT_EQ(project.section.SectionKind, SectionKind::None);
  EXPECT_EQ(project.section.SectionArea, 0);
  EXPECT_FALSE(project.section.SectionClass);
  EXPECT_EQ(header.HeaderCompany, "Company");
  EXPECT_EQ(header.HeaderUser, "User");
  EXPECT_TRUE(header.HeaderProject1.empty());
  EXPECT_TRUE(header.CurrentFileName.empty());
  // Without a units file the units in force stay.
  EXPECT_EQ(units.LengthUnitName, "ft");
  EXPECT_EQ(units.UdlUnitName, "kN/m");
  EXPECT_EQ(units.EnableSteel5950, kSettingOn);
}

}  // namespace
}  // namespace trabeo
