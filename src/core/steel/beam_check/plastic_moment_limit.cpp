#include "steel/beam_check/plastic_moment_limit.h"

#include "settings/sig_fig.h"

namespace trabeo {

PlasticMomentCapacity LimitPlasticMoment(double Sxx, double Zxx, double py, float gamma) {
  PlasticMomentCapacity capacity;
  capacity.Mc = Sxx * py;
  if (capacity.Mc <= 1.2 * Zxx * py) return capacity;
  if (gamma <= 1.2f) {
    capacity.Mc = 1.2 * Zxx * py;
    capacity.rule = PlasticLimitRule::LimitedTo12;
  } else if (gamma * Zxx * py >= capacity.Mc) {
    capacity.rule = PlasticLimitRule::GammaKeepsPlastic;
  } else {
    capacity.Mc = gamma * Zxx * py;
    capacity.rule = PlasticLimitRule::LimitedToGamma;
  }
  return capacity;
}

void WriteGammaLines(const PlasticMomentCapacity& capacity, float gamma, CheckTextWriter& out) {
  if (capacity.rule == PlasticLimitRule::GammaKeepsPlastic) {
    out.Line("  1.2 factor increased to " + SigFig3(gamma) + ". See BS 5950 4.2.5 ");
  } else if (capacity.rule == PlasticLimitRule::LimitedToGamma) {
    out.Line("  Mb = " + SigFig3(gamma) + "  x  Zxx x Py");
    out.Line("*  1.2 factor increased. See BS 5950 4.2.5 ");
  }
}

void WriteFormulaLine(const PlasticMomentCapacity& capacity, CheckTextWriter& out) {
  switch (capacity.rule) {
    case PlasticLimitRule::Unlimited:
    case PlasticLimitRule::GammaKeepsPlastic:
      out.Line("  Mb = Sxx  x  Py  ");
      break;
    case PlasticLimitRule::LimitedTo12:
      out.Line("  Mb = 1.2  x  Zxx x Py");
      break;
    case PlasticLimitRule::LimitedToGamma:
      break;  // its gamma lines say it
  }
}

}  // namespace trabeo
