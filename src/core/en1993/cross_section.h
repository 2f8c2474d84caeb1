#pragma once

#include "en1993/national_annex.h"
#include "en1993/section_properties.h"

namespace trabeo::en1993 {

// h_w of the shear checks: h - 2 t_f (I, channel), h - 2 t (box); 0 for a tube.
double WebShearHeight(const Ec3Section& section);

// A_v of 6.2.6(3) for a shear force parallel to the web (to the depth of a box).
double ShearArea(const Ec3Section& section, double eta);

// V_pl,Rd = A_v fy / (sqrt(3) gamma_M0), 6.2.6(2).
double ShearResistance(const Ec3Section& section, double fy, const AnnexParameters& annex);

// h_w / t_w > 72 epsilon / eta: the web may buckle in shear (EN 1993-1-5 5.1). Never a tube.
bool WebMayBuckleInShear(const Ec3Section& section, double epsilon, double eta);

// rho of 6.2.8(3): 0 while V_Ed <= 0.5 V_pl,Rd.
double ShearInteractionRho(double VEd, double VplRd);

// M_y,V,Rd of 6.2.8: an I section or channel of class 1 or 2 by 6.2.8(5); of class 3 with the
// web's elastic modulus reduced by rho (the reduced yield strength of 6.2.8(3) in the web);
// boxes and tubes (1 - rho) M_c,y,Rd. Never above McyRd.
double ShearReducedMomentY(const Ec3Section& section, int sectionClass, double fy, double rho,
                           double McyRd, double gammaM0);

// M_N,y,Rd and M_N,z,Rd of 6.2.9.1 for n = N_Ed / N_pl,Rd: (6.36) to (6.38) for I sections
// and channels, (6.39) and (6.40) for boxes, M_pl (1 - n^1.7) for tubes; without the thresholds
// of 6.2.9.1(4). Mply and Mplz are the moment resistances they reduce.
struct AxialReducedMoments {
  double y = 0, z = 0;
};
AxialReducedMoments AxialReduced(const Ec3Section& section, double n, double Mply, double Mplz);

// The exponents alpha and beta of (6.41).
struct NMExponents {
  double alpha = 2, beta = 1;
};
NMExponents InteractionExponents(const Ec3Section& section, double n);

}  // namespace trabeo::en1993
