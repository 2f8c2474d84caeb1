#pragma once

#include "en1993/buckling_curve.h"
#include "en1993/national_annex.h"
#include "en1993/section_properties.h"

namespace trabeo::en1993 {

// The largest C1 the checks take.
inline constexpr double kMaxC1 = 2.70;

// C1 = 1.88 - 1.40 psi + 0.52 psi^2 <= 2.70 for signed end moments (the same sign bends the
// member in single curvature), psi = M2 / M1 with |M1| >= |M2|; psi = 1 when both are 0.
double C1FromEndMoments(double M1, double M2);

// C1 = sqrt(35 Mmax^2 / (Mmax^2 + 9 MA^2 + 16 MB^2 + 9 MC^2)) <= 2.70 from the largest moment
// and the moments at the quarter, middle and three-quarter points of the unrestrained length
// (magnitudes). 1 when every moment is 0.
double QuarterPointC1(double Mmax, double MA, double MB, double MC);

// Whether a member bending about y-y can buckle laterally: I sections, channels, and boxes
// deeper than 4 times their width.
bool CanBuckleLaterally(const Ec3Section& section);

// The curve of 6.3.2.3 for rolled sections: UK h/b <= 2 b, <= 3.1 c, above d; recommended
// h/b <= 2 b, above c; channels d in both.
BucklingCurve LateralTorsionalCurve(const Ec3Section& section, NationalAnnex annex);

// M_cr = C1 pi^2 E Iz / L^2 sqrt(Iw / Iz + L^2 G It / (pi^2 E Iz)), the load at the shear centre.
double ElasticCriticalMoment(const Ec3Section& section, double C1, double L);

// 6.3.2.3 for a moment resistance W_y fy (wyFy): lambda-bar_LT, chi_LT (6.57), k_c = 1/sqrt(C1)
// (at most 1), f and chi_LT,mod (6.58), M_b,Rd = chi_LT,mod W_y fy / gamma_M1.
struct LateralTorsional {
  double C1 = 1, Mcr = 0, lambdaLT = 0, chiLT = 1, kc = 1, f = 1, chiLTmod = 1, MbRd = 0;
  BucklingCurve curve = BucklingCurve::b;
};
LateralTorsional LateralTorsionalBuckling(double wyFy, double C1, double Mcr, BucklingCurve curve,
                                          const AnnexParameters& annex);

}  // namespace trabeo::en1993
