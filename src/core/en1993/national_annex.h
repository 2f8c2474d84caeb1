#pragma once

#include "model/national_annex.h"

namespace trabeo::en1993 {

using trabeo::NationalAnnex;

// The nationally determined values the checks use.
struct AnnexParameters {
  double gammaM0 = 1.0;    // 6.1
  double gammaM1 = 1.0;    // 6.1
  double lambdaLT0 = 0.4;  // 6.3.2.3
  double betaLT = 0.75;    // 6.3.2.3
  double eta = 1.0;        // shear area factor, EN 1993-1-5 5.1
};

AnnexParameters ParametersOf(NationalAnnex annex);

}  // namespace trabeo::en1993
