#pragma once

#include <optional>
#include <string_view>

namespace trabeo::en1993 {

// The National Annex whose parameters the checks take: the UK's, or the values EN 1993-1-1
// recommends.
enum class NationalAnnex { UK, Recommended };

// "UK" or "Recommended"; nullopt for any other text.
std::optional<NationalAnnex> NationalAnnexFromName(std::string_view name);
std::string_view NationalAnnexName(NationalAnnex annex);

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
