#pragma once

#include <optional>
#include <string_view>

namespace trabeo {

// Section classes to BS 5950, in order of increasing slenderness.
enum class SectionClass { Plastic, Compact, SemiCompact, Slender };

// "Plastic", "Compact", "Semi-compact" or "Slender".
std::string_view SectionClassText(SectionClass sectionClass);
// The text of a class that may not have been evaluated: empty then.
std::string_view SectionClassText(const std::optional<SectionClass>& sectionClass);
// The class a text names; nullopt for any other text (an empty one included).
std::optional<SectionClass> SectionClassFromText(std::string_view text);

// Plastic and compact sections reach their plastic moment.
constexpr bool ReachesPlasticMoment(SectionClass sectionClass) {
  return sectionClass == SectionClass::Plastic || sectionClass == SectionClass::Compact;
}

}  // namespace trabeo
