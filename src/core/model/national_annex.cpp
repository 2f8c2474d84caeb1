#include "model/national_annex.h"

namespace trabeo {

std::optional<NationalAnnex> NationalAnnexFromName(std::string_view name) {
  if (name == "UK") return NationalAnnex::UK;
  if (name == "Recommended") return NationalAnnex::Recommended;
  return std::nullopt;
}

std::string_view NationalAnnexName(NationalAnnex annex) {
  return annex == NationalAnnex::UK ? "UK" : "Recommended";
}

}  // namespace trabeo
