#pragma once

namespace trabeo {

// The dimensions of a tapered-flange channel and the geometry derived from them. x is measured
// from the back of the web, depths from the outer face of the flange.
struct ChannelGeometry {
  double D = 0, B = 0, t = 0, T = 0, r1 = 0, r2 = 0;
  double theta = 0;  // flange taper, radians
  double tau = 0;    // taper slope
  double xf = 0;     // x of the root fillet's centre
  double xm = 0;     // middle of the outstand, where T is measured
  double yf = 0;     // depth of the root fillet's centre
  double Tt = 0;     // flange thickness at the toe
  double xt = 0;     // x where the root fillet meets the flange
  double Tk = 0;     // flange thickness at xt
  double hw = 0;     // web height between the flanges at xt
  double a1 = 0;     // one root fillet's area in the moment sums
  double a2 = 0;     // one toe fillet's area in the moment sums
};

ChannelGeometry MakeChannelGeometry(double D, double B, double t, double T, double r1, double r2,
                                    double theta);

// Where the plastic neutral axis for bending about y-y lies and what the modulus is. The axis
// is found in one of three ways: A, in the web; B, beyond the fillets; C, between the web face
// and xt.
struct ChannelPlasticAxis {
  char axisCase = 'A';
  double xp = 0;  // from the back of the web (shown as Ceq)
  double Syy = 0;
};

// A is the section's area. Every iteration runs its fixed count.
ChannelPlasticAxis ChannelPlasticModulusYY(const ChannelGeometry& g, double A);

}  // namespace trabeo
