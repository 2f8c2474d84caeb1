#include "model/section_class.h"

#include <array>

namespace trabeo {

std::string_view SectionClassText(SectionClass sectionClass) {
  switch (sectionClass) {
    case SectionClass::Plastic:
      return "Plastic";
    case SectionClass::Compact:
      return "Compact";
    case SectionClass::SemiCompact:
      return "Semi-compact";
    case SectionClass::Slender:
      return "Slender";
  }
  return "Slender";
}

std::string_view SectionClassText(const std::optional<SectionClass>& sectionClass) {
  return sectionClass ? SectionClassText(*sectionClass) : std::string_view();
}

std::optional<SectionClass> SectionClassFromText(std::string_view text) {
  constexpr std::array<SectionClass, 4> kClasses = {SectionClass::Plastic, SectionClass::Compact,
                                                    SectionClass::SemiCompact,
                                                    SectionClass::Slender};
  for (SectionClass c : kClasses) {
    if (text == SectionClassText(c)) return c;
  }
  return std::nullopt;
}

}  // namespace trabeo
