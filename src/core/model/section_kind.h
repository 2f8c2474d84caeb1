#pragma once

#include <string_view>

namespace trabeo {

// What a section is, as a section record's Type text or the timber section form names it. The
// design rules, the self weight and the restraint forms depend on it.
enum class SectionKind {
  None,    // no section, or a Type text the program does not know
  Beam,    // universal beams and columns, W shapes, joists (rolled I and H)
  RSJ,     // rolled steel joists with tapered flanges
  RSC,     // channels
  RSA,     // angles
  Box,     // rectangular hollow sections
  Tube,    // circular hollow sections
  Timber,  // a timber section from the timber section form
};

// The Type text ("Beam", "RSJ", "RSC", "RSA", "Box", "Tube", "Timber"); anything else is None.
SectionKind SectionKindFromText(std::string_view text);
// The text the files and listings keep; None is empty.
std::string_view SectionKindText(SectionKind kind);

// Rolled I, H and channel sections: the kinds checked with flanges and a web.
constexpr bool IsISectionKind(SectionKind kind) {
  return kind == SectionKind::Beam || kind == SectionKind::RSJ || kind == SectionKind::RSC;
}
// Hollow sections.
constexpr bool IsHollowKind(SectionKind kind) {
  return kind == SectionKind::Box || kind == SectionKind::Tube;
}
// Every steel kind: the steel rules and the self weight apply to these.
constexpr bool IsSteelKind(SectionKind kind) {
  return IsISectionKind(kind) || kind == SectionKind::RSA || IsHollowKind(kind);
}

}  // namespace trabeo
