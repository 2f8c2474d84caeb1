#include "model/section_kind.h"

#include <array>
#include <utility>

namespace trabeo {
namespace {

constexpr std::array<std::pair<SectionKind, std::string_view>, 7> kKindTexts = {{
    {SectionKind::Beam, "Beam"},
    {SectionKind::RSJ, "RSJ"},
    {SectionKind::RSC, "RSC"},
    {SectionKind::RSA, "RSA"},
    {SectionKind::Box, "Box"},
    {SectionKind::Tube, "Tube"},
    {SectionKind::Timber, "Timber"},
}};

}  // namespace

SectionKind SectionKindFromText(std::string_view text) {
  for (const auto& [kind, kindText] : kKindTexts) {
    if (text == kindText) return kind;
  }
  return SectionKind::None;
}

std::string_view SectionKindText(SectionKind kind) {
  for (const auto& [known, kindText] : kKindTexts) {
    if (kind == known) return kindText;
  }
  return {};
}

}  // namespace trabeo
