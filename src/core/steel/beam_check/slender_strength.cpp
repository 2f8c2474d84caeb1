#include "steel/beam_check/slender_strength.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trabeo {

double SectionRatio(double a, double b) {
  if (b > 0) return a / b;
  return a > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

SlenderStrength SlenderISectionStrength(const SectionValues& s, double py) {
  SlenderStrength strength;
  strength.epsilon = std::sqrt(275 / py);
  const double e = strength.epsilon;
  const double flangeRatio = SectionRatio(s.SectionOutstand, s.SectionFlgThk);
  const double webRatio = SectionRatio(s.SectionWebDepth, s.SectionWebThk);
  double pyf = py;
  if (flangeRatio > 15 * e) {
    double factor = 11 / (flangeRatio / e - 4);
    if (factor < 0) factor = 1;
    pyf = py * std::min(factor, 1.0);
    strength.flangeSlender = true;
  }
  double pyw = py;
  if (webRatio > 120 * e) {
    pyw = std::min(3.96e6 / (webRatio * webRatio), py);
    strength.webSlender = true;
  }
  strength.pyr = std::min(pyf, pyw);
  return strength;
}

void WriteSlenderElements(const SlenderStrength& strength, CheckTextWriter& out) {
  if (strength.flangeSlender) out.Line("  Flange is slender");
  if (strength.webSlender) out.Line("  Web is slender");
}

}  // namespace trabeo
