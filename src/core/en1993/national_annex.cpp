#include "en1993/national_annex.h"

namespace trabeo::en1993 {

std::optional<NationalAnnex> NationalAnnexFromName(std::string_view name) {
  if (name == "UK") return NationalAnnex::UK;
  if (name == "Recommended") return NationalAnnex::Recommended;
  return std::nullopt;
}

std::string_view NationalAnnexName(NationalAnnex annex) {
  return annex == NationalAnnex::UK ? "UK" : "Recommended";
}

AnnexParameters ParametersOf(NationalAnnex annex) {
  AnnexParameters p;
  p.eta = annex == NationalAnnex::UK ? 1.0 : 1.2;
  return p;
}

}  // namespace trabeo::en1993
