#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/en1993/catalogue_section.h"
#include "en1993/lateral_torsional.h"
#include "en1993/member_check.h"

namespace trabeo {
namespace {

using en1993::CheckMember;
using en1993::MemberInput;
using en1993::MemberResult;
using testing::CatalogueSection;

// A welded-style I section (r = 0) with 10 mm plates whose flange outstand is c/t_f = ratio:
// b = 2 x 10 ratio + 10. Its other properties only need to be positive.
SectionRecord IWithOutstand(double ratio) {
  SectionRecord r;
  r.Designation = "test I";
  r.Type = "Beam";
  r.Depth = 300;
  r.Width = static_cast<float>(2 * 10 * ratio + 10);
  r.WebThk = 10;
  r.FlgThk = 10;
  r.Area = 8000;
  r.Ixx = 1.2e8f;
  r.Iyy = 2e7f;
  r.Sxx = 9e5f;
  r.Syy = 2e5f;
  r.ExtremeX = r.Width / 2;
  r.ExtremeY = 150;
  r.K = 3e5f;
  r.H = 4e11f;
  return r;
}

// Table 5.2, outstand flange in compression, S355: eps = sqrt(235/355) = 0.81362, so
// 9 eps = 7.3225, 10 eps = 8.1362 and 14 eps = 11.3907. A ratio at a limit is in that class.
TEST(En1993Rules, FlangeClassChangesJustPastEachLimit) {
  struct Case {
    double ratio;
    int flangeClass;
  };
  const Case cases[] = {{7.3225 * 0.9999, 1}, {7.3225 * 1.0001, 2},  {8.1362 * 0.9999, 2},
                        {8.1362 * 1.0001, 3}, {11.3907 * 0.9999, 3}, {11.3907 * 1.0001, 4}};
  for (const Case& c : cases) {
    MemberInput in;
    in.section = IWithOutstand(c.ratio);
    in.grade = SteelGrade::S355;
    const MemberResult r = CheckMember(in);
    ASSERT_FALSE(r.refusal) << *r.refusal;
    EXPECT_EQ(r.classFlange, c.flangeClass) << c.ratio;
  }
}

// An outstand of class 4 (c/t = 14): bending about y-y gives no resistance and no pass, and in
// compression only the outstands are reduced (EN 1993-1-5 4.4, k_sigma = 0.43, b-bar = c):
// lambda_p = 14 / (28.4 x 0.81362 x sqrt(0.43)) = 0.9240, rho = (0.9240 - 0.188) / 0.9240^2 =
// 0.8620, A_eff = 8000 - 4 (1 - 0.8620) 140 x 10 = 7227.2 mm2.
TEST(En1993Rules, ClassFourIsReducedInCompressionAndNotCheckedInBending) {
  MemberInput in;
  in.section = IWithOutstand(14);
  in.grade = SteelGrade::S355;
  in.MyEd1 = in.MyEd2 = 10e6;
  const MemberResult bent = CheckMember(in);
  EXPECT_EQ(bent.classBendingY, 4);
  EXPECT_FALSE(bent.McyRd);
  EXPECT_FALSE(bent.crossSection);
  EXPECT_EQ(bent.verdict, "NOT CHECKED");
  EXPECT_FALSE(bent.utilisation);  // not the 0 of the actions that do not act
  EXPECT_NE(std::find(bent.messages.begin(), bent.messages.end(),
                      "Section is class 4 in bending: not checked"),
            bent.messages.end());

  in.MyEd1 = in.MyEd2 = 0;
  in.NEd = 100e3;
  in.Lcry = in.Lcrz = 0;
  const MemberResult squashed = CheckMember(in);
  ASSERT_TRUE(squashed.Aeff);
  EXPECT_NEAR(*squashed.Aeff, 7227.2, 1.0);
  EXPECT_NEAR(*squashed.NcRd, 7227.2 * 355, 400);
  EXPECT_EQ(squashed.verdict, "PASS");
}

// A web that is class 4 in compression alone can be class 3 under N_Ed with M_y, and then the
// whole section acts in 6.2.9. 406 x 140 UB 39, S275 (eps = 0.92442), N_Ed = 375 kN, M_y = 120
// kN-m: web c = 398 - 2 x 8.6 - 2 x 10.2 = 360.4 mm, c/t_w = 56.31 > 42 eps = 38.83 in
// compression; with N_Ed, psi = 2 x 375e3 / (4965.4 x 275) - 1 = -0.4507 and the class 3 limit
// 42 eps / (0.67 + 0.33 psi) = 74.5, while alpha = 0.7956 gives the class 2 limit
// 456 eps / (13 alpha - 1) = 45.1. So 6.2.9.2 on the gross section, W_el = 125.08e6 / 199:
// 375e3 / (4965.4 x 275) + 120e6 / (628543 x 275) = 0.2746 + 0.6942 = 0.9689, a pass (on A_eff
// it would read 1.006, a fail).
TEST(En1993Rules, CombinedClassThreeTakesTheWholeAreaThoughCompressionAloneIsClassFour) {
  MemberInput in;
  in.section = CatalogueSection("UB.sct", "406 x 140 UB 39");
  in.NEd = 375e3;
  in.MyEd1 = 120e6;
  in.MyEd2 = -120e6;
  in.Lcry = in.Lcrz = in.LLT = 0;
  const MemberResult r = CheckMember(in);
  EXPECT_EQ(r.classCompression, 4);
  EXPECT_EQ(r.classCombined, 3);
  ASSERT_TRUE(r.crossSection);
  EXPECT_NEAR(*r.crossSection, 0.9689, 2e-4);
  EXPECT_EQ(r.verdict, "PASS");
}

// A check that could not be made never reads as a pass; one that fails wins over it.
TEST(En1993Rules, MissingLengthsLeaveTheMemberNotCheckedUnlessSomethingFails) {
  MemberInput in;
  in.section = CatalogueSection("UC.sct", "203 UC 46");
  in.NEd = 500e3;
  const MemberResult noLength = CheckMember(in);
  EXPECT_FALSE(noLength.NbyRd);
  EXPECT_FALSE(noLength.bucklingZ);
  EXPECT_EQ(noLength.verdict, "NOT CHECKED");

  in.MyEd1 = in.MyEd2 = 40e6;
  in.Lcry = in.Lcrz = 3000;  // no L_LT: neither lateral-torsional buckling nor the interaction
  const MemberResult noLtb = CheckMember(in);
  EXPECT_FALSE(noLtb.ltb);
  EXPECT_FALSE(noLtb.eq661);
  EXPECT_EQ(noLtb.verdict, "NOT CHECKED");

  in.NEd = 5000e3;  // far above N_pl,Rd = 1615 kN
  EXPECT_EQ(CheckMember(in).verdict, "FAIL");

  in.NEd = 500e3;
  in.restrained = true;  // no lateral-torsional buckling, so the interaction can be made
  const MemberResult restrained = CheckMember(in);
  EXPECT_FALSE(restrained.ltb);
  EXPECT_FALSE(restrained.C1);
  EXPECT_TRUE(restrained.eq662);
  EXPECT_EQ(restrained.verdict, "PASS");
}

TEST(En1993Rules, RefusesWhatItCannotCheckWithAMessageNamingIt) {
  const auto refusal = [](MemberInput in) {
    const MemberResult r = CheckMember(in);
    return r.refusal.value_or("");
  };
  MemberInput base;
  base.section = CatalogueSection("UB.sct", "457 x 152 UB 52");
  base.LLT = 4000;
  base.MyEd1 = 50e6;

  MemberInput tension = base;
  tension.NEd = -1;
  EXPECT_NE(refusal(tension).find("NEd"), std::string::npos);
  MemberInput negative = base;
  negative.Lcrz = -1;
  EXPECT_NE(refusal(negative).find("Lcrz"), std::string::npos);
  MemberInput nan = base;
  nan.MzEd2 = std::numeric_limits<double>::quiet_NaN();
  EXPECT_NE(refusal(nan).find("MzEd2"), std::string::npos);
  MemberInput shear = base;
  shear.VEd = -5;
  EXPECT_NE(refusal(shear).find("VEd"), std::string::npos);
  MemberInput c1 = base;
  c1.C1 = 0;
  EXPECT_NE(refusal(c1).find("C1"), std::string::npos);
  MemberInput warping = base;
  warping.section.H = 0;
  EXPECT_EQ(refusal(warping), "No warping constant for this section");
  MemberInput thick = base;
  thick.section.FlgThk = 101;
  EXPECT_NE(refusal(thick).find("100 mm"), std::string::npos);
  MemberInput angle = base;
  angle.section = CatalogueSection("EqRSA.sct", "50 x 50 x 6 RSA");
  EXPECT_EQ(refusal(angle), "Angles are not checked to EN 1993-1-1");
  MemberInput noArea = base;
  noArea.section.Area = 0;
  EXPECT_NE(refusal(noArea).find("Area"), std::string::npos);
  // Lengths whose slenderness a double cannot hold once read as no reduction, and passed.
  MemberInput longStrut = base;
  longStrut.NEd = 10e3;
  longStrut.Lcrz = 1e160;
  EXPECT_NE(refusal(longStrut).find("Lcrz"), std::string::npos);
  MemberInput longBeam = base;
  longBeam.LLT = 1e160;
  EXPECT_NE(refusal(longBeam).find("LLT"), std::string::npos);
}

// A box's two webs share N_Ed, so its plastic neutral axis moves half as far as one web's
// would. 400 x 200 x 10 RHS, S275 (eps = 0.92442), N_Ed = 1000 kN with M_y: c = 400 - 3 x 10 =
// 370 mm, c/t = 37; alpha = 0.5 + 1000e3 / (2 x 370 x 2 x 10 x 275) = 0.7457, class 1 limit
// 396 eps / (13 alpha - 1) = 42.11, so the webs are class 1 (one web alone, alpha = 0.9914,
// would make them class 3); the b walls in compression, c/t = 17 < 33 eps, are class 1.
// Shear beyond V_pl,Rd takes a hollow section's moment resistance to 0, never below:
// 100 x 50 x 5.0 RHS under 300 kN has V_pl,Rd = 146.9 kN and rho = 9.51.
TEST(En1993Rules, HollowSectionsShareAxialForceBetweenWebsAndLoseMomentOnlyToZero) {
  MemberInput in;
  in.section = CatalogueSection("RHS.sct", "400 x 200 x 10  RHS");
  in.NEd = 1000e3;
  in.MyEd1 = 100e6;
  const MemberResult combined = CheckMember(in);
  ASSERT_FALSE(combined.refusal) << *combined.refusal;
  EXPECT_EQ(combined.classCombined, 1);
  EXPECT_NEAR(*combined.McyRd, in.section.Sxx * 275, 1e3);

  MemberInput sheared;
  sheared.section = CatalogueSection("RHS.sct", "100 x 50 x 5.0 RHS");
  sheared.MyEd1 = 1e6;
  sheared.VEd = 300e3;
  const MemberResult r = CheckMember(sheared);
  ASSERT_FALSE(r.refusal) << *r.refusal;
  EXPECT_NEAR(*r.VplzRd, 146.9e3, 0.1e3);
  EXPECT_EQ(*r.MyVRd, 0.0);
  EXPECT_EQ(r.verdict, "FAIL");
}

// Annex B's factors hold for N_Ed up to chi N_Rk. 102 x 44 x 7 RSJ, S460, 6 m, 100 kN carries
// n_z = 22.6 times its buckling resistance about z-z, where k_zy of Table B.2 would be -14.1 and
// 6.62 -3.67: a moment must never lower an interaction below its axial term.
TEST(En1993Rules, InteractionNeverFallsBelowItsAxialTerm) {
  MemberInput in;
  in.section = CatalogueSection("RSJ.sct", "102 x 44 x 7 RSJ");
  in.grade = SteelGrade::S460;
  in.Lcry = in.Lcrz = in.LLT = 6000;
  in.NEd = 100e3;
  in.MyEd1 = 10e6;
  in.MyEd2 = -5e6;
  const MemberResult r = CheckMember(in);
  ASSERT_TRUE(r.eq662) << r.refusal.value_or("");
  EXPECT_GE(*r.kzy, 0.0);
  EXPECT_GE(*r.eq662, in.NEd / *r.NbzRd);
  EXPECT_EQ(r.verdict, "FAIL");
}

// C1 of a simply supported beam under a uniform load is 1.127 and under uniform moment 1.0
// (SCI / Access Steel NCCI SN003, Table 3.1); the quarter-point formula reproduces them within
// 1 %. The moments are those of w L^2 / 8 at the quarter, middle and three-quarter points.
TEST(En1993Rules, QuarterPointC1MatchesPublishedValuesForStandardDiagrams) {
  EXPECT_NEAR(en1993::QuarterPointC1(1.0, 0.75, 1.0, 0.75), 1.127, 0.011);
  EXPECT_NEAR(en1993::QuarterPointC1(1.0, 1.0, 1.0, 1.0), 1.0, 1e-12);
  EXPECT_NEAR(en1993::C1FromEndMoments(80e6, 80e6), 1.0, 1e-12);
}

TEST(En1993Rules, DetailLinesFitTheListAndPrintedPage) {
  MemberInput in;
  in.section = CatalogueSection("RHS.sct", "200 x 100 x 5.0 RHS");
  in.grade = SteelGrade::S460;
  in.annex = en1993::NationalAnnex::Recommended;
  in.Lcry = in.Lcrz = in.LLT = 123456.789;
  in.NEd = 1e30;  // utilisations of about 1e24
  in.MyEd1 = -98765.4321e6;
  in.MzEd2 = 12345.6789e6;
  in.VEd = 99999.9e3;
  const MemberResult r = CheckMember(in);
  ASSERT_FALSE(r.refusal) << *r.refusal;
  for (const std::string& line : r.details)
    EXPECT_LE(line.size(), 80u) << line;
  EXPECT_EQ(r.verdict, "FAIL");
}

}  // namespace
}  // namespace trabeo
