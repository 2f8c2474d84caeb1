#include <gtest/gtest.h>

#include <variant>

#include "core/en1993/catalogue_section.h"
#include "en1993/member_check.h"
#include "en1993/section_properties.h"

// Resistances of catalogue sections against values worked out of EN 1993-1-1 with the UK
// National Annex outside the program. The SCI "Blue Book" (P363, Steel building design: Design
// data) tabulates these resistances to 3 significant figures, but its tables were not at hand;
// each value below is therefore computed by hand from the clauses, step by step, with the
// catalogue record's properties (which are the Blue Book's, held to more figures than the book
// prints). The tolerance of 0.1 % covers the hand arithmetic's rounding only; against the
// book's printed values (3 figures, and its properties rounded to 3 figures) a difference of
// up to 0.5 % would be expected.

namespace trabeo {
namespace {

using en1993::CheckMember;
using en1993::MemberInput;
using en1993::MemberResult;
using testing::CatalogueSection;

constexpr double kHandTolerance = 1e-3;  // relative

void ExpectNear(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, expected * kHandTolerance) << what;
}

// 457 x 152 x 52 UKB: the SCI Blue Book (P363) gives I_t = 21.4 cm4 and I_w = 0.311 dm6; the
// record must hold them to the figures printed (half a unit of the last printed digit).
TEST(En1993PublishedValues, TorsionAndWarpingConstantsOfTheRecordMatchTheBlueBook) {
  const auto decoded = en1993::DecodeSection(CatalogueSection("UB.sct", "457 x 152 UB 52"));
  ASSERT_TRUE(std::holds_alternative<en1993::Ec3Section>(decoded));
  const auto& s = std::get<en1993::Ec3Section>(decoded);
  EXPECT_NEAR(s.It / 1e4, 21.4, 0.05);    // cm4
  EXPECT_NEAR(s.Iw / 1e12, 0.311, 5e-4);  // dm6
}

// 203 x 203 x 46 UKC, S275 (t_f = 11.0 mm: fy = 275), buckling about z-z: h/b = 0.998 <= 1.2
// and t_f <= 100 mm, curve c (alpha = 0.49). A = 5873.1 mm2, I_z = 1548.2 cm4.
//   L = 3.0 m: N_cr = pi^2 x 210000 x 15482000 / 3000^2 = 3565.4 kN,
//              lambda = sqrt(5873.1 x 275 / 3565362) = 0.6731,
//              Phi = 0.5 (1 + 0.49 (0.6731 - 0.2) + 0.6731^2) = 0.8424,
//              chi = 1 / (0.8424 + sqrt(0.8424^2 - 0.6731^2)) = 0.7413, N_b,z,Rd = 1197.3 kN.
//   L = 5.0 m: N_cr = 1283.5 kN, lambda = 1.1218, Phi = 1.3551, chi = 0.4728,
//              N_b,z,Rd = 763.6 kN.
TEST(En1993PublishedValues, ColumnBucklingResistanceAboutTheMinorAxis) {
  struct Case {
    double length;  // mm
    double NbzRd;   // N
  };
  for (const Case& c : {Case{3000, 1197.27e3}, Case{5000, 763.63e3}}) {
    MemberInput in;
    in.section = CatalogueSection("UC.sct", "203 UC 46");
    in.Lcrz = c.length;
    in.NEd = 100e3;
    const MemberResult r = CheckMember(in);
    ASSERT_FALSE(r.refusal) << *r.refusal;
    ExpectNear(*r.NbzRd, c.NbzRd, "N_b,z,Rd");
  }
}

// 457 x 152 x 52 UKB, S275 (t_f = 10.9 mm: fy = 275), uniform moment (C1 = 1, so k_c = 1 and
// f = 1). h/b = 2.95: UK curve c (alpha_LT = 0.49); W_pl,y = 1100 cm3, I_z = 645.0 cm4,
// I_t = 21.37 cm4, I_w = 0.3106 dm6.
//   M_cr = C1 pi^2 E I_z / L^2 sqrt(I_w / I_z + L^2 G I_t / (pi^2 E I_z))
//   L = 3.0 m: M_cr = 363.26 kN-m, lambda_LT = sqrt(302.5 / 363.26) = 0.9126,
//              Phi_LT = 0.5 (1 + 0.49 (0.9126 - 0.4) + 0.75 x 0.9126^2) = 0.9379,
//              chi_LT = 1 / (Phi + sqrt(Phi^2 - 0.75 lambda^2)) = 0.6931, M_b,Rd = 209.66 kN-m.
//   L = 6.0 m: M_cr = 114.32 kN-m, lambda_LT = 1.6267, chi_LT = 0.3446, M_b,Rd = 104.25 kN-m.
//   With C1 = 1.88 at 6.0 m: M_cr = 214.92 kN-m, lambda_LT = 1.1864, chi_LT = 0.5321,
//   k_c = 1 / sqrt(1.88) = 0.7293, f = 1 - 0.5 (1 - 0.7293)(1 - 2 (1.1864 - 0.8)^2) = 0.9051,
//   chi_LT,mod = 0.5879, M_b,Rd = 177.85 kN-m.
TEST(En1993PublishedValues, BeamBucklingResistanceMoment) {
  struct Case {
    double length, C1, MbRd, chiLTmod;
  };
  for (const Case& c : {Case{3000, 1.0, 209.66e6, 0.6931}, Case{6000, 1.0, 104.25e6, 0.3446},
                        Case{6000, 1.88, 177.85e6, 0.5879}}) {
    MemberInput in;
    in.section = CatalogueSection("UB.sct", "457 x 152 UB 52");
    in.LLT = c.length;
    in.MyEd1 = in.MyEd2 = 100e6;
    in.C1 = c.C1;
    const MemberResult r = CheckMember(in);
    ASSERT_FALSE(r.refusal) << *r.refusal;
    ExpectNear(*r.MbRd, c.MbRd, "M_b,Rd");
    ExpectNear(*r.chiLTmod, c.chiLTmod, "chi_LT,mod");
  }
}

// M_c,y,Rd = W_pl,y fy and V_pl,Rd = A_v fy / sqrt(3), A_v = A - 2 b t_f + (t_w + 2r) t_f, not
// less than eta h_w t_w:
//   457 x 152 x 52 UKB S275: M_c = 1100 x 275 = 302.5 kN-m (the Blue Book prints 303);
//     A_v = 6664.4 - 2 x 152.4 x 10.9 + (7.6 + 20.4) 10.9 = 3647.3 mm2 (eta h_w t_w = 3252.8,
//     UK eta = 1), V_pl,Rd = 579.1 kN. With the recommended eta = 1.2, eta h_w t_w = 3903.4 mm2
//     governs: V_pl,Rd = 619.7 kN.
//   254 x 254 x 73 UKC S355 (t_f = 14.2 mm: fy = 355): M_c = 992 x 355 = 352.2 kN-m;
//     A_v = 9310.1 - 2 x 254.6 x 14.2 + (8.6 + 25.4) 14.2 = 2562.3 mm2, V_pl,Rd = 525.2 kN.
TEST(En1993PublishedValues, MomentAndShearResistances) {
  struct Case {
    const char* file;
    const char* designation;
    SteelGrade grade;
    en1993::NationalAnnex annex;
    double McyRd, VplzRd;
  };
  const Case cases[] = {
      {"UB.sct", "457 x 152 UB 52", SteelGrade::S275, en1993::NationalAnnex::UK, 302.5e6, 579.08e3},
      {"UB.sct", "457 x 152 UB 52", SteelGrade::S275, en1993::NationalAnnex::Recommended, 302.5e6,
       619.74e3},
      {"UC.sct", "254 UC 73", SteelGrade::S355, en1993::NationalAnnex::UK, 352.16e6, 525.16e3},
  };
  for (const Case& c : cases) {
    MemberInput in;
    in.section = CatalogueSection(c.file, c.designation);
    in.grade = c.grade;
    in.annex = c.annex;
    const MemberResult r = CheckMember(in);
    ASSERT_FALSE(r.refusal) << *r.refusal;
    ExpectNear(*r.McyRd, c.McyRd, c.designation);
    ExpectNear(*r.VplzRd, c.VplzRd, c.designation);
  }
}

}  // namespace
}  // namespace trabeo
