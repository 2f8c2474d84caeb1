#include <gtest/gtest.h>

#include <optional>
#include <variant>

#include "calculators/ibeam_calculator.h"
#include "core/en1993/catalogue_section.h"
#include "en1993/member_check.h"
#include "en1993/section_properties.h"

// Resistances of catalogue sections to EN 1993-1-1 with the UK National Annex, against values
// from outside the program.
//
// Published: SCI P363, Steel building design: Design data (the "Blue Book", UK National Annex
// edition), table "Web bearing and buckling, S275: Joists", column "Shear resistance V_c,Rd"
// (kN), as printed in the copy at
// https://123docz.net/trich-doan/4679510-web-bearing-and-buckling-s275.htm (the copy shows no
// page number). V_c,Rd = A_v f_y / sqrt(3), A_v = A - 2bt_f + (t_w + 2r)t_f; f_y = 265 where
// t_f > 16 mm.
//
// Published: ArcelorMittal, the "Orange Book" (UK National Annex), table "Axial force and
// bending, S355: UBP", row UBP 356 x 368 x 174, https://orangebook.arcelormittal.com/node/218,
// and the same table in S460, https://orangebook.arcelormittal.com/node/219: M_c,y,Rd, M_c,z,Rd,
// N_b,y,Rd, N_b,z,Rd and M_b,Rd (C1 = 1) at buckling lengths of 1 to 14 m.
// The catalogue has no bearing piles, so the section is made as a user makes one, by the I-beam
// calculator from its dimensions in EN 10365:2017 (h 361.4, b 378.5, t_w 20.3, t_f 20.4, r 15).
//
// Published: SCI and CTICM, Steel Buildings in Europe, Multi-storey steel buildings, Part 8:
// Design software - section capacity, Appendix A, Worked Example 2 "Combined axial force and
// bending moment (N-M interaction)", sheets 1 and 3 (pages 8-18 and 8-20), as printed at
// https://infosteel.eu/images/Steel-Buildings-in-Europe/MSB08/29: IPE 450 in S355 with
// L_cr = L_LT = 1.7 m and a uniform moment (C1 = 1) gives M_cr = 2733 kN-m, lambda_LT = 0.470,
// chi_LT = 0.961 (curve c). The example adopts the recommended values; at h/b = 2.37 the UK
// curve is c too, and C1 = 1 makes f = 1 in both. Its N_b,y,Rd = 3507 kN (gross area) is not
// this program's: the example classes the web once under N and M together (class 1), while here
// flexural buckling takes the class in compression alone, and the web (c/t_w = 40.3 > 42 eps =
// 34.2) is class 4 there.
//
// The Blue Book's N_b,z,Rd (UKC), M_b,Rd (UKB) and M_c,Rd tables were looked for and not found
// (the P363 copies found hold only its opening pages), so catalogue UKB and UKC sections are
// still checked against values worked by hand from the clauses, with each step below.
//
// Tolerances. Published: the book prints 3 figures (up to 0.3 %), and the catalogue's joist
// properties are computed, not the book's: the areas that reproduce the printed V_c,Rd differ
// from the records' by up to 0.35 % (254 x 203 x 82: 10503 against 10468 mm2; 127 x 114 x 27:
// 3417 against 3430), which A - 2bt_f magnifies about threefold in A_v; hence 1.5 %. A wrong
// root radius, f_y band or shear-area rule moves V_c,Rd by about 4 % or more. Hand-worked: 0.1 %,
// the hand arithmetic's rounding.

namespace trabeo {
namespace {

using en1993::CheckMember;
using en1993::MemberInput;
using en1993::MemberResult;
using en1993::NationalAnnex;
using testing::CatalogueSection;

constexpr double kBook = 0.015;  // relative
constexpr double kHand = 0.001;  // relative

// 457 x 152 x 52 UKB: the SCI Blue Book (P363) gives I_t = 21.4 cm4 and I_w = 0.311 dm6; the
// record must hold them to the figures printed (half a unit of the last printed digit).
TEST(En1993PublishedValues, TorsionAndWarpingConstantsOfTheRecordMatchTheBlueBook) {
  const auto decoded = en1993::DecodeSection(CatalogueSection("UB.sct", "457 x 152 UB 52"));
  ASSERT_TRUE(std::holds_alternative<en1993::Ec3Section>(decoded));
  const auto& s = std::get<en1993::Ec3Section>(decoded);
  EXPECT_NEAR(s.It / 1e4, 21.4, 0.05);    // cm4
  EXPECT_NEAR(s.Iw / 1e12, 0.311, 5e-4);  // dm6
}

enum class Quantity { NbzRd, MbRd, McyRd, VplzRd };
constexpr const char* kQuantityNames[] = {"N_b,z,Rd", "M_b,Rd", "M_c,y,Rd", "V_pl,Rd"};

struct Case {
  const char* file;
  const char* designation;
  Quantity quantity;
  double expected;   // N or N mm
  double tolerance;  // relative
  SteelGrade grade = SteelGrade::S275;
  double length = 0;  // mm: L_cr,z for N_b,z,Rd, L_LT for M_b,Rd
  double C1 = 1;
  NationalAnnex annex = NationalAnnex::UK;
};

// Hand-worked cases (no published value found):
// 203 x 203 x 46 UKC S275 (t_f = 11.0: fy = 275), z-z, h/b <= 1.2: curve c. A = 5873.1 mm2,
//   I_z = 1548.2 cm4. L = 3 m: N_cr = 3565.4 kN, lambda = 0.6731, Phi = 0.8424, chi = 0.7413,
//   N_b,z,Rd = 1197.3 kN. L = 5 m: N_cr = 1283.5 kN, lambda = 1.1218, Phi = 1.3551,
//   chi = 0.4728, N_b,z,Rd = 763.6 kN.
// 457 x 152 x 52 UKB S275 (t_f = 10.9: fy = 275), h/b = 2.95: UK curve c; W_pl,y = 1100 cm3,
//   I_z = 645.0 cm4, I_t = 21.37 cm4, I_w = 0.3106 dm6; M_cr = C1 pi^2 EI_z/L^2
//   sqrt(I_w/I_z + L^2 GI_t/(pi^2 EI_z)). C1 = 1 (k_c = 1, f = 1, so chi_LT,mod = chi_LT):
//   L = 3 m: M_cr = 363.26 kN-m, lambda_LT = 0.9126, Phi_LT = 0.9379, chi_LT = 0.6931,
//   M_b,Rd = 209.66 kN-m; L = 6 m: M_cr = 114.32, lambda_LT = 1.6267, chi_LT = 0.3446,
//   M_b,Rd = 104.25 kN-m. C1 = 1.88 at 6 m: M_cr = 214.92, lambda_LT = 1.1864, chi_LT = 0.5321,
//   k_c = 0.7293, f = 0.9051, chi_LT,mod = 0.5879, M_b,Rd = 177.85 kN-m.
//   M_c = 1100 x 275 = 302.5 kN-m; A_v = 6664.4 - 2 x 152.4 x 10.9 + (7.6 + 20.4)10.9 =
//   3647.3 mm2 > eta h_w t_w = 3252.8 (UK eta = 1): V = 579.1 kN; recommended eta = 1.2 makes
//   eta h_w t_w = 3903.4 mm2 govern: V = 619.7 kN.
// 254 x 254 x 73 UKC S355 (t_f = 14.2: fy = 355): M_c = 992 x 355 = 352.2 kN-m;
//   A_v = 9310.1 - 2 x 254.6 x 14.2 + (8.6 + 25.4)14.2 = 2562.3 mm2: V = 525.2 kN.
const Case kCases[] = {
    {"RSJ.sct", "254 x 203 x 82 RSJ", Quantity::VplzRd, 520e3, kBook},
    {"RSJ.sct", "203 x 152 x 52 RSJ", Quantity::VplzRd, 350e3, kBook},
    {"RSJ.sct", "152 x 127 x 37 RSJ", Quantity::VplzRd, 300e3, kBook},
    {"RSJ.sct", "127 x 114 x 29 RSJ", Quantity::VplzRd, 231e3, kBook},
    {"RSJ.sct", "127 x 114 x 27 RSJ", Quantity::VplzRd, 178e3, kBook},
    {"RSJ.sct", "102 x 102 x 23 RSJ", Quantity::VplzRd, 185e3, kBook},
    {"RSJ.sct", "102 x 44 x 7 RSJ", Quantity::VplzRd, 82.2e3, kBook},
    {"UC.sct", "203 UC 46", Quantity::NbzRd, 1197.27e3, kHand, SteelGrade::S275, 3000},
    {"UC.sct", "203 UC 46", Quantity::NbzRd, 763.63e3, kHand, SteelGrade::S275, 5000},
    {"UB.sct", "457 x 152 UB 52", Quantity::MbRd, 209.66e6, kHand, SteelGrade::S275, 3000},
    {"UB.sct", "457 x 152 UB 52", Quantity::MbRd, 104.25e6, kHand, SteelGrade::S275, 6000},
    {"UB.sct", "457 x 152 UB 52", Quantity::MbRd, 177.85e6, kHand, SteelGrade::S275, 6000, 1.88},
    {"UB.sct", "457 x 152 UB 52", Quantity::McyRd, 302.5e6, kHand},
    {"UB.sct", "457 x 152 UB 52", Quantity::VplzRd, 579.08e3, kHand},
    {"UB.sct", "457 x 152 UB 52", Quantity::VplzRd, 619.74e3, kHand, SteelGrade::S275, 0, 1,
     NationalAnnex::Recommended},
    {"UC.sct", "254 UC 73", Quantity::McyRd, 352.16e6, kHand, SteelGrade::S355},
    {"UC.sct", "254 UC 73", Quantity::VplzRd, 525.16e3, kHand, SteelGrade::S355},
};

TEST(En1993PublishedValues, ResistancesOfCatalogueSections) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(::testing::Message()
                 << c.designation << " " << kQuantityNames[static_cast<int>(c.quantity)]
                 << " L = " << c.length << " C1 = " << c.C1);
    MemberInput in;
    in.section = CatalogueSection(c.file, c.designation);
    in.grade = c.grade;
    in.annex = c.annex;
    if (c.quantity == Quantity::NbzRd) {
      in.Lcrz = c.length;
      in.NEd = 100e3;
    } else if (c.quantity == Quantity::MbRd) {
      in.LLT = c.length;
      in.MyEd1 = in.MyEd2 = 100e6;
      in.C1 = c.C1;
    }
    const MemberResult r = CheckMember(in);
    ASSERT_FALSE(r.refusal) << *r.refusal;
    const std::optional<double> actual = c.quantity == Quantity::NbzRd   ? r.NbzRd
                                         : c.quantity == Quantity::MbRd  ? r.MbRd
                                         : c.quantity == Quantity::McyRd ? r.McyRd
                                                                         : r.VplzRd;
    ASSERT_TRUE(actual.has_value());
    EXPECT_NEAR(*actual, c.expected, c.expected * c.tolerance);
  }
}

// The Orange Book's rows for UBP 356 x 368 x 174 (see the top of the file), t_f = 20.4 mm.
// S355: f_y = 345; flexural buckling on curves b (y) and c (z), h/b <= 1.2; lateral-torsional
// buckling on the UK curve b, h/b <= 2; the flanges (c/t = 8.04) are class 2, so W_pl. S460
// (EN 10025-4): f_y = 440; curve a about both axes (the S460 column of Table 6.2); the flanges are
// class 3 (8.04 > 10 eps = 7.31), so M_c,Rd = f_y W_el and M_b,Rd takes W_el. The calculator's
// properties stand within about 0.5 % of the book's, and the book prints 3 figures: 1.5 %. A
// wrong curve moves N_b,z,Rd at 6 m by 6 % or more (S460 on curve c: 19 %), a wrong f_y band
// every value by 2 % or more, and W_pl for the class 3 section M_c,y,Rd by 13 %.
TEST(En1993PublishedValues, BearingPileResistancesMatchTheOrangeBook) {
  struct Row {
    double length;              // m
    double NbyRd, NbzRd, MbRd;  // kN, kN, kN-m
  };
  const struct {
    SteelGrade grade;
    double McyRd, MczRd;  // kN-m
    Row rows[3];
  } tables[] = {
      {SteelGrade::S355,
       1100,
       516,
       {{4, 7250, 6160, 1060}, {6, 6720, 4830, 974}, {10, 5300, 2630, 798}}},
      {SteelGrade::S460,
       1240,
       429,
       {{4, 9330, 8530, 1190}, {6, 8760, 6770, 1080}, {10, 6760, 3260, 857}}},
  };
  for (const auto& table : tables) {
    const auto made = CalculateIBeam({361.4, 378.5, 20.3, 20.4, 15, table.grade});
    ASSERT_TRUE(made.ok());
    MemberInput in;
    in.section = IBeamSectionRecord(*made.results, "UBP 356 x 368 x 174");
    in.grade = table.grade;
    for (const Row& row : table.rows) {
      SCOPED_TRACE(::testing::Message() << (table.grade == SteelGrade::S355 ? "S355" : "S460")
                                        << " L = " << row.length << " m");
      in.Lcry = in.Lcrz = in.LLT = row.length * 1000;
      in.NEd = 100e3;
      in.MyEd1 = in.MyEd2 = 100e6;
      in.C1 = 1;
      const MemberResult r = CheckMember(in);
      ASSERT_FALSE(r.refusal) << *r.refusal;
      ASSERT_TRUE(r.NbyRd && r.NbzRd && r.MbRd && r.McyRd && r.MczRd);
      EXPECT_NEAR(*r.McyRd / 1e6, table.McyRd, table.McyRd * kBook);
      EXPECT_NEAR(*r.MczRd / 1e6, table.MczRd, table.MczRd * kBook);
      EXPECT_NEAR(*r.NbyRd / 1e3, row.NbyRd, row.NbyRd * kBook);
      EXPECT_NEAR(*r.NbzRd / 1e3, row.NbzRd, row.NbzRd * kBook);
      EXPECT_NEAR(*r.MbRd / 1e6, row.MbRd, row.MbRd * kBook);
    }
  }
}

// The IPE 450 worked example (see the top of the file), a catalogue section. Its properties
// stand within 0.4 % of the example's (I_w 794.3 against 791 x 1e3 cm6, I_t 66.7 against
// 66.9 cm4, W_pl,y 1700 against 1702 cm3), so M_cr within 1 %; chi_LT is printed to three
// decimals and moves little with M_cr at this slenderness, so 0.3 %. Curve b instead of c moves
// chi_LT by 1.2 %, and lambda_LT,0 = 0.2 with beta = 1 (the general case) by 4 %.
TEST(En1993PublishedValues, ShortIpeBeamColumnMatchesTheSteelBuildingsInEuropeExample) {
  for (const NationalAnnex annex : {NationalAnnex::Recommended, NationalAnnex::UK}) {
    SCOPED_TRACE(annex == NationalAnnex::UK ? "UK annex" : "recommended values");
    MemberInput in;
    in.section = CatalogueSection("IPE.sct", "IPE 450");
    in.grade = SteelGrade::S355;
    in.annex = annex;
    in.Lcry = in.Lcrz = in.LLT = 1700;
    in.NEd = 127e3;
    in.MyEd1 = in.MyEd2 = 356e6;
    const MemberResult r = CheckMember(in);
    ASSERT_FALSE(r.refusal) << *r.refusal;
    ASSERT_TRUE(r.Mcr && r.lambdaLT && r.chiLT && r.chiLTmod && r.MbRd && r.NbyRd);
    EXPECT_NEAR(*r.Mcr / 1e6, 2733, 2733 * 0.01);
    EXPECT_NEAR(*r.lambdaLT, 0.470, 0.470 * 0.005);
    EXPECT_NEAR(*r.chiLT, 0.961, 0.961 * 0.003);
    EXPECT_DOUBLE_EQ(*r.chiLTmod, *r.chiLT);
    EXPECT_NEAR(*r.MbRd / 1e6, 0.961 * 1702 * 355e-3, 0.961 * 1702 * 355e-3 * 0.005);
    // By hand: web lambda_p = 40.3 / (28.4 x 0.8136 x 2) = 0.872, rho = (0.872 - 0.22) / 0.872^2
    // = 0.8575, A_eff = 9882.1 - 0.1425 x 378.8 x 9.4 = 9374.7 mm2; lambda_y = 0.12 <= 0.2, so
    // chi_y = 1 and N_b,y,Rd = 9374.7 x 355 = 3328.0 kN.
    ASSERT_TRUE(r.Aeff);
    EXPECT_NEAR(*r.Aeff, 9374.7, 9374.7 * kHand);
    EXPECT_NEAR(*r.NbyRd / 1e3, 3328.0, 3328.0 * kHand);
  }
}

}  // namespace
}  // namespace trabeo
