#include "bolts/bolt_capacity.h"

#include <gtest/gtest.h>

#include <numbers>

namespace trabeo {
namespace {

BoltCapacities Calculate(std::string_view size, BoltGrade grade, PlateSteel steel, ShearPlane plane,
                         const char* thickness) {
  BoltChoices choices;
  choices.size = size;
  choices.grade = grade;
  choices.steel = steel;
  choices.plane = plane;
  choices.Edit_Thk = thickness;
  const auto capacities = CalculateBoltCapacities(choices);
  EXPECT_TRUE(capacities);
  return capacities.value_or(BoltCapacities{});
}

// Tensile stress areas of ISO metric coarse threads (ISO 898-1), mm2; the shank area is that of
// the nominal diameter.
TEST(BoltCapacityTest, TensileAndShankAreasOfEverySize) {
  const struct {
    const char* size;
    double d, stressArea;
  } published[] = {{"M6", 6, 20.1},   {"M8", 8, 36.6},  {"M10", 10, 58.0},
                   {"M12", 12, 84.3}, {"M14", 14, 115}, {"M16", 16, 157},
                   {"M20", 20, 245},  {"M24", 24, 353}, {"M30", 30, 561}};
  for (const auto& bolt : published) {
    SCOPED_TRACE(bolt.size);
    const BoltCapacities c =
        Calculate(bolt.size, BoltGrade::Grade46, PlateSteel::S275, ShearPlane::Shank, "");
    EXPECT_NEAR(c.tensile / 195, bolt.stressArea, 0.005 * bolt.stressArea);
    EXPECT_NEAR(c.singleShear / 160, std::numbers::pi * bolt.d * bolt.d / 4,
                0.001 * bolt.d * bolt.d);
  }
  EXPECT_FALSE(BoltSizeNamed("M18"));
}

// M16 grade 4.6 in 10 mm S275 plate, threads in the shear plane: 156.67 x 195 = 30.6 kN,
// 156.67 x 160 = 25.1 kN, twice that 50.1 kN, 10 x 16 x 460 = 73.6 kN.
TEST(BoltCapacityTest, M16InTenMillimetrePlate) {
  const BoltCapacities thread =
      Calculate("M16", BoltGrade::Grade46, PlateSteel::S275, ShearPlane::Thread, "10");
  EXPECT_EQ(thread.lbl_Tensile, "30.6");
  EXPECT_EQ(thread.lbl_Shear1, "25.1");
  EXPECT_EQ(thread.lbl_Shear2, "50.1");
  EXPECT_EQ(thread.lbl_Bearing, "73.6");
  EXPECT_EQ(thread.Label_BearingNote, kBearingAboveDoubleShear);
  const BoltCapacities shank =
      Calculate("M16", BoltGrade::Grade46, PlateSteel::S275, ShearPlane::Shank, "10");
  EXPECT_EQ(shank.lbl_Shear1, "32.2");
  EXPECT_EQ(shank.lbl_Shear2, "64.3");
  const BoltCapacities empty =
      Calculate("M16", BoltGrade::Grade46, PlateSteel::S275, ShearPlane::Thread, "abc");
  EXPECT_EQ(empty.lbl_Bearing, "0.0");
  EXPECT_EQ(empty.Label_BearingNote, kBearingBelowSingleShear);
  const BoltCapacities negative =
      Calculate("M16", BoltGrade::Grade46, PlateSteel::S275, ShearPlane::Thread, "-10");
  EXPECT_EQ(negative.bearing, 0);
}

// BS 5950-1 bearing: the lesser of the bolt's (460 for grade 4.6) and the plate's (460 for
// S275, 550 for S355).
TEST(BoltCapacityTest, BearingStrengthIsTheLesserOfBoltAndPlate) {
  EXPECT_EQ(BoltBearingStrength(BoltGrade::Grade46, PlateSteel::S275), 460);
  EXPECT_EQ(BoltBearingStrength(BoltGrade::Grade88, PlateSteel::S275), 460);
  EXPECT_EQ(BoltBearingStrength(BoltGrade::Grade46, PlateSteel::S355), 460);
  EXPECT_EQ(BoltBearingStrength(BoltGrade::Grade88, PlateSteel::S355), 550);
}

// M30 grade 8.8 in S355, threads: single shear 561 x 375 = 210375 N, double 420750 N; bearing
// t x 30 x 550 equals them at t = 12.75 and 25.5 mm, where no note applies.
TEST(BoltCapacityTest, BearingNotesAtTheirBoundaries) {
  const auto note = [](const char* thickness) {
    return Calculate("M30", BoltGrade::Grade88, PlateSteel::S355, ShearPlane::Thread, thickness)
        .Label_BearingNote;
  };
  EXPECT_EQ(note("25.6"), kBearingAboveDoubleShear);
  EXPECT_EQ(note("25.5"), "");
  EXPECT_EQ(note("12.75"), "");
  EXPECT_EQ(note("12.7"), kBearingBelowSingleShear);
}

}  // namespace
}  // namespace trabeo
