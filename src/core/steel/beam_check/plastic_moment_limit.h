#pragma once

#include "steel/beam_check/check_text.h"

namespace trabeo {

// How the plastic moment capacity Sxx py of a plastic or compact section was limited to guard
// against yield under working load: to 1.2 Zxx py, or to gamma Zxx py where the average load
// factor gamma is above 1.2 (BS 5950 4.2.5).
enum class PlasticLimitRule {
  Unlimited,          // Sxx py is within 1.2 Zxx py
  LimitedTo12,        // gamma <= 1.2: 1.2 Zxx py
  GammaKeepsPlastic,  // gamma Zxx py is at least Sxx py
  LimitedToGamma,     // gamma Zxx py
};

struct PlasticMomentCapacity {
  double Mc = 0;
  PlasticLimitRule rule = PlasticLimitRule::Unlimited;
};

// gamma is compared with 1.2 in single precision, as it is kept: loads all factored 1.2 give
// exactly the 1.2 limit.
PlasticMomentCapacity LimitPlasticMoment(double Sxx, double Zxx, double py, float gamma);

// The lines that name gamma ("1.2 factor increased ..."), for every section kind.
void WriteGammaLines(const PlasticMomentCapacity& capacity, float gamma, CheckTextWriter& out);

// The formula line of an I-section's fully restrained capacity, after its gamma lines.
void WriteFormulaLine(const PlasticMomentCapacity& capacity, CheckTextWriter& out);

}  // namespace trabeo
