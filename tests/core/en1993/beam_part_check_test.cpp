#include <gtest/gtest.h>

#include "core/en1993/catalogue_section.h"
#include "en1993/beam_part_check.h"

namespace trabeo {
namespace {

using en1993::BeamPartInput;
using en1993::BeamPartResult;
using en1993::CheckBeamPart;

BeamPartInput Part(double MEd, double VEd, std::optional<double> Lcr, double C1) {
  BeamPartInput in;
  in.section = testing::CatalogueSection("UB.sct", "457 x 152 UB 52");
  in.MEd = MEd;
  in.VEd = VEd;
  in.Lcr = Lcr;
  in.C1 = C1;
  return in;
}

// 457 x 152 x 52 UKB S275 under high shear, by hand (6.2.8): V_pl,Rd = 579.08 kN, V_Ed = 450 kN,
// rho = (2 x 450 / 579.08 - 1)^2 = 0.3071; h_w = 449.8 - 2 x 10.9 = 428.0 mm,
// A_w = 428.0 x 7.6 = 3252.8 mm2; M_y,V,Rd = (1100000 - 0.3071 x 3252.8^2 / (4 x 7.6)) 275 =
// 273.10 kN-m, the part's M_c,Rd. Restrained, the part has no lateral-torsional values.
TEST(En1993BeamPart, RestrainedPartUnderHighShearTakesTheShearReducedResistance) {
  const BeamPartResult p = CheckBeamPart(Part(-200e6, -450e3, std::nullopt, 1.0));
  ASSERT_FALSE(p.refusal) << *p.refusal;
  EXPECT_NEAR(*p.McRd, 273.10e6, 0.05e6);
  EXPECT_NEAR(*p.UtilisationBending, 200 / 273.10, 2e-4);
  EXPECT_NEAR(*p.UtilisationShear, 450 / 579.08, 2e-4);
  EXPECT_FALSE(p.Lcr);
  EXPECT_FALSE(p.C1);
  EXPECT_FALSE(p.Mcr);
  EXPECT_FALSE(p.MbRd);
  EXPECT_FALSE(p.ChiLT);
  EXPECT_FALSE(p.UtilisationLTB);
  EXPECT_EQ(p.Verdict, "PASS");
}

// The same section over 6.0 m with C1 = 1.88 (hand values in the published resistances test):
// M_cr = 214.92 kN-m, chi_LT = 0.5321 unmodified, M_b,Rd = 177.85 kN-m; 190 kN-m fails.
TEST(En1993BeamPart, UnrestrainedPartFailsInLateralTorsionalBuckling) {
  const BeamPartResult p = CheckBeamPart(Part(190e6, 50e3, 6000, 1.88));
  ASSERT_FALSE(p.refusal) << *p.refusal;
  EXPECT_NEAR(*p.Mcr, 214.92e6, 0.05e6);
  EXPECT_NEAR(*p.ChiLT, 0.5321, 2e-4);
  EXPECT_NEAR(*p.MbRd, 177.85e6, 0.05e6);
  EXPECT_NEAR(*p.UtilisationLTB, 190 / 177.85, 1e-3);
  EXPECT_EQ(p.Verdict, "FAIL");
}

}  // namespace
}  // namespace trabeo
