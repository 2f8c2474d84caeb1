#include "en1993/detail_format.h"

#include <cmath>

#include "en1993/utilisation.h"
#include "settings/sig_fig.h"

namespace trabeo::en1993 {

std::string Kn(double newtons) {
  return SigFig3(newtons / 1e3) + " kN";
}

std::string KnM(double newtonMillimetres) {
  return SigFig3(newtonMillimetres / 1e6) + " kN-m";
}

std::string Metres(double millimetres) {
  return SigFig3(millimetres / 1e3) + " m";
}

std::string Mm(double millimetres) {
  return SigFig3(millimetres) + " mm";
}

std::string Ratio(double value) {
  // Below 0.1 the listing format rounds twice (to four places, then three), which can put the
  // last digit one out; a ratio there is rounded once.
  return std::fabs(value) < 0.1 ? FixedPointText(value, 3) : SigFig3Dec3(value);
}

std::string UtilisationNumber(double utilisation) {
  return utilisation < 100 ? FixedPointText(utilisation, 3) : SigFig3(utilisation);
}

std::string UtilisationText(const std::optional<double>& utilisation) {
  if (!utilisation) return "not checked";
  return UtilisationNumber(*utilisation) + (Passes(*utilisation) ? " PASS" : " FAIL");
}

}  // namespace trabeo::en1993
