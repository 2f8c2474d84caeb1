#pragma once

#include "en1993/buckling_curve.h"
#include "en1993/section_properties.h"
#include "model/steel_grade.h"

namespace trabeo::en1993 {

// The curves of Table 6.2 about y-y and z-z: rolled I and H sections by h/b and t_f (the S460
// column for S460), channels c about both axes, hot-finished hollow sections a (a0 for S460).
struct FlexuralCurves {
  BucklingCurve y = BucklingCurve::a, z = BucklingCurve::b;
};
FlexuralCurves FlexuralBucklingCurves(const Ec3Section& section, SteelGrade grade);

// Flexural buckling about one axis (6.3.1): N_cr = pi^2 E I / L_cr^2, lambda-bar =
// sqrt(A fy / N_cr), chi of 6.49 and N_b,Rd = chi A fy / gamma_M1. `area` is A, or A_eff of a
// class 4 section. A buckling length of 0 gives lambda-bar = 0 and chi = 1.
struct FlexuralBuckling {
  double lambdaBar = 0, chi = 1, NbRd = 0;
};
FlexuralBuckling BuckleAbout(double area, double secondMoment, double fy, double Lcr,
                             BucklingCurve curve, double gammaM1);

}  // namespace trabeo::en1993
