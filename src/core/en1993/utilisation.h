#pragma once

namespace trabeo::en1993 {

// The utilisation given when an action meets a resistance of 0 (a moment resistance reduced to
// nothing by the axial force): large, finite, and failing.
inline constexpr double kNoResistance = 1e6;

// action / resistance; 0 when the action is 0, kNoResistance when the resistance is not above 0.
double Utilisation(double action, double resistance);

// A utilisation of exactly 1 passes.
constexpr bool Passes(double utilisation) {
  return utilisation <= 1.0;
}

}  // namespace trabeo::en1993
