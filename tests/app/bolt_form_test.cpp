// The bolt capacity window, from the main menu.
#include "app/app_test_support.h"

namespace trabeo::testing {
namespace {

class BoltFormTest : public AppFixture {
 protected:
  QString Label(const char* name) const { return Control<QLabel>("TStBoltFrm", name)->text(); }
};

// An M24 grade 8.8 bolt (tensile stress area 353 mm2) through threads in 12 mm S355 plate, with
// the strengths of BS 5950-1:1990: tension 353 x 450 = 159 kN, single shear 353 x 375 = 132 kN,
// double shear 265 kN, bearing 12 x 24 x 550 = 158 kN, as the published capacity tables give.
TEST_F(BoltFormTest, M24Grade88InS355PlateAgainstPublishedCapacities) {
  Trigger("BoltCapacity1");
  QWidget* window = Form("TStBoltFrm");
  ASSERT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Bolt Capacities to BS 5950");
  Type("TStBoltFrm", "Edit_Thk", "12");
  Click("TStBoltFrm", "Option_M24");
  Click("TStBoltFrm", "Option_88");
  Click("TStBoltFrm", "Option_50");
  EXPECT_EQ(Label("lbl_Tensile"), "159");
  EXPECT_EQ(Label("lbl_Shear1"), "132");
  EXPECT_EQ(Label("lbl_Shear2"), "265");
  EXPECT_EQ(Label("lbl_Bearing"), "158");
  EXPECT_EQ(Label("Label_BearingNote"), "");

  // Without a thickness there is no bearing; "Calculate" reads the box again.
  Type("TStBoltFrm", "Edit_Thk", "");
  Click("TStBoltFrm", "cmd_Calc");
  EXPECT_EQ(Label("Label_BearingNote"), "Bearing capacity < single shear capacity");
}

}  // namespace
}  // namespace trabeo::testing
