#pragma once

#include <optional>
#include <string_view>

namespace trabeo {

// The National Annex whose nationally determined values a Eurocode check takes: the UK's, or the
// values the Eurocode itself recommends.
enum class NationalAnnex { UK, Recommended };

// "UK" or "Recommended"; nullopt for any other text.
std::optional<NationalAnnex> NationalAnnexFromName(std::string_view name);
std::string_view NationalAnnexName(NationalAnnex annex);

}  // namespace trabeo
