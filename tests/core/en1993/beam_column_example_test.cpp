#include <gtest/gtest.h>

#include "core/en1993/catalogue_section.h"
#include "en1993/member_check.h"

// A beam-column worked by hand, step by step, from EN 1993-1-1 with the UK National Annex
// (independently of the program), through both interaction equations 6.61 and 6.62.
//
// 254 x 254 x 73 UKC, S355, pinned both ends, L_cr,y = L_cr,z = L_LT = 4.0 m.
// N_Ed = 1000 kN; M_y,Ed = 100 kN-m at one end and 0 at the other (psi = 0); M_z,Ed = 10 kN-m
// uniform (psi = 1); V_Ed = 30 kN. Properties of the catalogue record (the Blue Book's):
// h = 254.1, b = 254.6, t_w = 8.6, t_f = 14.2, r = 12.7 mm; A = 9310.1 mm2;
// I_y = 11407 cm4, I_z = 3907.8 cm4; W_pl,y = 992 cm3, W_pl,z = 465 cm3; I_t = 57.625 cm4,
// I_w = 0.56225 dm6. E = 210000, G = 81000 N/mm2, gamma_M0 = gamma_M1 = 1.0.
//
// Material: t_f = 14.2 <= 16 mm, fy = 355 N/mm2; eps = sqrt(235/355) = 0.81362.
// Classification (Table 5.2):
//   flange c = (254.6 - 8.6 - 2 x 12.7) / 2 = 110.3 mm, c/t = 7.768; 9 eps = 7.323,
//   10 eps = 8.136: class 2.
//   web c = 254.1 - 2 x 14.2 - 2 x 12.7 = 200.3 mm, c/t = 23.29;
//   alpha = min(1, 0.5 + 1000e3 / (2 x 200.3 x 8.6 x 355)) = 1, 396 eps / (13 - 1) = 26.85:
//   class 1. The section under the combined actions is class 2.
// Cross-section (6.2):
//   N_pl,Rd = 9310.1 x 355 = 3305.1 kN; n = 1000 / 3305.1 = 0.3026.
//   M_pl,y,Rd = 352.16 kN-m, M_pl,z,Rd = 165.08 kN-m.
//   V_pl,Rd = 525.2 kN > 2 x 30 kN: no reduction for shear.
//   a = (9310.1 - 2 x 254.6 x 14.2) / 9310.1 = 0.2234.
//   M_N,y,Rd = 352.16 (1 - 0.3026) / (1 - 0.5 x 0.2234) = 276.49 kN-m (6.36).
//   n > a: M_N,z,Rd = 165.08 (1 - ((0.3026 - 0.2234) / (1 - 0.2234))^2) = 163.36 kN-m (6.38).
//   6.41 with alpha = 2, beta = 5n = 1.513: (100 / 276.49)^2 + (10 / 163.36)^1.513 = 0.1454;
//   the utilisation is max(n, 0.1454) = 0.3026.
// Flexural buckling (6.3.1), h/b = 0.998 <= 1.2: curve b about y-y, c about z-z.
//   y-y: N_cr = pi^2 x 210000 x 114070000 / 4000^2 = 14776 kN, lambda = 0.4729,
//        Phi = 0.6582, chi = 0.8960, N_b,y,Rd = 2961.4 kN.
//   z-z: N_cr = 5062.1 kN, lambda = 0.8080, Phi = 0.9754, chi = 0.6571, N_b,z,Rd = 2171.8 kN.
// Lateral-torsional buckling (6.3.2.3): C1 = 1.88 - 1.40 x 0 + 0.52 x 0 = 1.88.
//   M_cr = 1.88 pi^2 E I_z / L^2 sqrt(I_w / I_z + L^2 G I_t / (pi^2 E I_z)) = 1462.3 kN-m.
//   lambda_LT = sqrt(352.16 / 1462.3) = 0.4907; h/b <= 2: curve b (0.34);
//   Phi_LT = 0.5 (1 + 0.34 (0.4907 - 0.4) + 0.75 x 0.4907^2) = 0.6057, chi_LT = 0.9640;
//   k_c = 1 / sqrt(1.88) = 0.7293, f = 1 - 0.5 (1 - 0.7293)(1 - 2 (0.4907 - 0.8)^2) = 0.8905;
//   chi_LT,mod = min(1, 0.9640 / 0.8905) = 1.0, M_b,Rd = 352.16 kN-m.
// Interaction factors, Annex B Table B.2 (open section, not restrained), class 2:
//   C_my = C_mLT = 0.6 + 0.4 x 0 = 0.6; C_mz = 1.0.
//   n_y = 1000 / 2961.4 = 0.3377, n_z = 1000 / 2171.8 = 0.4604.
//   k_yy = 0.6 (1 + (0.4729 - 0.2) 0.3377) = 0.6553 (limit 0.6 (1 + 0.8 x 0.3377) = 0.7621).
//   k_zz = 1.0 (1 + (2 x 0.8080 - 0.6) 0.4604) = 1.4678 (limit 1 + 1.4 x 0.4604 = 1.6446).
//   k_yz = 0.6 k_zz = 0.8807.
//   lambda_z >= 0.4: k_zy = max(1 - 0.1 x 0.8080 x 0.4604 / (0.6 - 0.25),
//                               1 - 0.1 x 0.4604 / (0.6 - 0.25)) = max(0.8937, 0.8685) = 0.8937.
// 6.61: 0.3377 + 0.6553 x 100 / (1.0 x 352.16) + 0.8807 x 10 / 165.08 = 0.5771.
// 6.62: 0.4604 + 0.8937 x 100 / (1.0 x 352.16) + 1.4678 x 10 / 165.08 = 0.8031.

namespace trabeo {
namespace {

TEST(En1993BeamColumnExample, MatchesTheHandCalculationThroughBothInteractionEquations) {
  en1993::MemberInput in;
  in.section = testing::CatalogueSection("UC.sct", "254 UC 73");
  in.grade = SteelGrade::S355;
  in.Lcry = in.Lcrz = in.LLT = 4000;
  in.NEd = 1000e3;
  in.MyEd1 = 100e6;
  in.MyEd2 = 0;
  in.MzEd1 = in.MzEd2 = 10e6;
  in.VEd = 30e3;
  const en1993::MemberResult r = en1993::CheckMember(in);
  ASSERT_FALSE(r.refusal) << *r.refusal;

  struct Value {
    const char* name;
    std::optional<double> actual;
    double expected;
  };
  const Value values[] = {
      {"fy", r.fy, 355},
      {"MNyRd", r.MNyRd, 276.49e6},
      {"MNzRd", r.MNzRd, 163.36e6},
      {"cross-section", r.crossSection, 0.3026},
      {"NbyRd", r.NbyRd, 2961.4e3},
      {"NbzRd", r.NbzRd, 2171.8e3},
      {"C1", r.C1, 1.88},
      {"Mcr", r.Mcr, 1462.3e6},
      {"chiLT", r.chiLT, 0.9640},
      {"f", r.f, 0.8905},
      {"chiLTmod", r.chiLTmod, 1.0},
      {"kyy", r.kyy, 0.6553},
      {"kyz", r.kyz, 0.8807},
      {"kzy", r.kzy, 0.8937},
      {"kzz", r.kzz, 1.4678},
      {"6.61", r.eq661, 0.5771},
      {"6.62", r.eq662, 0.8031},
  };
  for (const Value& v : values) {
    ASSERT_TRUE(v.actual) << v.name;
    EXPECT_NEAR(*v.actual, v.expected, 2e-4 * v.expected) << v.name;  // the hand figures' rounding
  }
  EXPECT_EQ(r.classCombined, 2);
  EXPECT_EQ(r.verdict, "PASS");
  EXPECT_NEAR(r.utilisation.value_or(0), 0.8031, 2e-4);
}

}  // namespace
}  // namespace trabeo
