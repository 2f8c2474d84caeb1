#pragma once

namespace trabeo {

// pi squared as the beam check and every lateral-torsional buckling calculation take it. The
// digits are the program's own; listed figures depend on the last of them.
inline constexpr double kBucklingPiSquared = 9.8695877281;

// The Robertson constant of rolled sections in the imperfection term etaLT = 0.007 (lambdaLT -
// lambdaLO).
inline constexpr double kRolledSectionAlphaLT = 0.007;

// The slenderness quantities of lateral-torsional buckling.
struct BucklingSlenderness {
  double lambda = 0;    // Le / ry
  double v = 1;         // slenderness factor, from the torsional index x and lambda
  double lambdaLT = 0;  // n u v lambda
  double lambdaLO = 0;  // limiting slenderness 0.4 sqrt(pi^2 E / py)
  double etaLT = 0;     // 0.007 (lambdaLT - lambdaLO), at least 0
};

// From the effective length and the section's ry, u and x. py is the unreduced design strength
// (taken as 1e-7 when 0); n the slenderness correction factor.
BucklingSlenderness LateralTorsionalSlenderness(double Le, double ry, double u, double x, double n,
                                                double E, double py);

// The buckling resistance moment Mb by the Perry formula in moment form:
//   ME = Mp pi^2 E / (py lambdaLT^2), phiB = (Mp + (etaLT + 1) ME) / 2,
//   Mb = Mp ME / (phiB + sqrt(phiB^2 - Mp ME)).
// Mp is the section's moment at its design strength (Sxx py, or Sxx pyr for a slender section);
// py is always the unreduced design strength, so a slender section's ME is reduced with its Mp.
// A lambdaLT of 0 (no buckling) gives Mp.
double BucklingResistanceMoment(double Mp, double E, double py, double lambdaLT, double etaLT);

}  // namespace trabeo
