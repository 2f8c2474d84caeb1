#pragma once

namespace trabeo::en1993 {

// C_m = 0.6 + 0.4 psi >= 0.4 of Table B.3 for a linear moment diagram between signed end
// moments (psi = M2 / M1 with |M1| >= |M2|; 1 when both are 0).
double EquivalentMomentFactor(double M1, double M2);

// What equations 6.61 and 6.62 take, in N and N mm (gamma_M1 included in the resistances).
struct InteractionInputs {
  double NEd = 0, MyEd = 0, MzEd = 0;  // magnitudes
  double NbyRd = 0, NbzRd = 0;         // chi_y N_Rk / gamma_M1, chi_z N_Rk / gamma_M1
  double lambdaY = 0, lambdaZ = 0;
  double MyRd = 0, MzRd = 0;  // M_y,Rk / gamma_M1, M_z,Rk / gamma_M1
  double chiLT = 1;
  double Cmy = 1, Cmz = 1, CmLT = 1;
  int sectionClass = 1;               // 1 to 3
  bool susceptibleToTorsion = false;  // Table B.2 rather than B.1
  bool hollow = false;                // the RHS row of Table B.1 for k_zz
};

// The interaction factors of Annex B (method 2).
struct InteractionFactors {
  double kyy = 0, kyz = 0, kzy = 0, kzz = 0;
};
InteractionFactors AnnexBFactors(const InteractionInputs& in);

// The left-hand sides of 6.61 and 6.62.
struct InteractionResult {
  InteractionFactors k;
  double eq661 = 0, eq662 = 0;
};
InteractionResult MemberInteraction(const InteractionInputs& in);

}  // namespace trabeo::en1993
