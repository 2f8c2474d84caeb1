#include "beam_input/property_lines.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

SectionRecord SmallUb() {
  SectionRecord r;
  r.Designation = "127 x 76 UB 13           ";
  r.Type = "Beam";
  r.Depth = 127;
  r.Width = 76;
  r.WebThk = 4;
  r.FlgThk = 7.6f;
  r.RootRad = 7.6f;
  r.Outstand = 38;
  r.WebDepth = 96.6f;
  r.Grade = 43;
  r.E = 205000;
  r.Area = 1652;
  r.Ixx = 4734400;
  r.Iyy = 557410;
  r.Rx = 53.534f;
  r.Ry = 18.369f;
  r.ExtremeX = 38;
  r.ExtremeY = 63.5f;
  r.K = 28512;
  r.TorsionFibre = 13.796f;
  r.Sxx = 84604;
  r.Syy = 22498;
  r.u = 0.89764f;
  r.x = 16.267f;
  r.H = 1986700000.0f;
  return r;
}

TEST(PropertyLinesTest, UniversalBeamInDefaultUnits) {
  const TextStore<51, 50> lines = BuildPropertyLines(SmallUb(), UnitSettings{});
  const std::vector<std::string> expected{
      "",  // slot 0: the count, checked below
      " Beam",
      " 127 x 76 UB 13           ",
      "",
      " Depth = 127 mm",
      " Width = 76.00 mm",
      " Flange Thk = 7.60 mm",
      " Web Thk = 4.00 mm",
      " Root rad = 7.60 mm",
      " Outstand = 38.0 mm",
      " Web depth = 96.6 mm",
      " E = 205000 N/mm^2",
      "",
      " Area = 16.5 cm^2",
      " Ixx = 473.4 cm^4",
      " Iyy = 55.74 cm^4",
      " Rxx = 53.5 mm",
      " Ryy = 18.4 mm",
      " x = 38.0 mm",
      " y = 63.5 mm",
      " Zxx = 74.56 cm^3",
      " Zyy = 14.67 cm^3",
      "",
      " K = 2.851 cm^4",
      " t = 13.8 mm",
      "",
      " Sxx = 84.60 cm^3",
      " Syy = 22.50 cm^3",
      " u = 0.898",
      " x = 16.27",
      " H = 0.002 dm^6",
      "",
      " Wt = 12.97 kg/m",
  };
  EXPECT_EQ(lines.Count(), static_cast<int>(expected.size()));
  for (std::size_t slot = 1; slot < expected.size(); ++slot) {
    EXPECT_EQ(lines[static_cast<int>(slot)], expected[slot]) << "slot " << slot;
  }
}

TEST(PropertyLinesTest, ChannelModuliUseTheExtremeFibres) {
  SectionRecord channel = SmallUb();
  channel.Type = "RSC";
  channel.Iyy = 323100;
  channel.Width = 50;
  channel.ExtremeX = 32.668f;
  const TextStore<51, 50> lines = BuildPropertyLines(channel, UnitSettings{});
  bool found = false;
  for (int slot = 1; slot <= lines.Count(); ++slot)
    found |= lines[slot] == " Zyy = 9.890 cm^3";
  EXPECT_TRUE(found) << "Zyy = Iyy / x, not Iyy / (B / 2)";
}

TEST(PropertyLinesTest, TakesTheValuesTheBeamNeeds) {
  BeamProject project;
  TakeSectionRecord(SmallUb(), project);
  EXPECT_EQ(project.section.SectionArea, 1652);
  EXPECT_EQ(project.model.FibreDistance, 63.5f);
  EXPECT_NEAR(project.section.SectionZxx, 4734400 / 63.5, 1e-2);
  EXPECT_EQ(project.section.SectionKind, SectionKind::Beam);
  EXPECT_EQ(project.section.SectionU, 0.89764f);
}

}  // namespace
}  // namespace trabeo
