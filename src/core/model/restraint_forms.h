#pragma once

#include "model/design_code.h"
#include "model/section_kind.h"
#include "model/section_values.h"

namespace trabeo {

// EN 1993-1-1 exempts from lateral-torsional buckling only boxes no deeper than four times their
// width; a deeper box buckles laterally about its major axis as an I section does.
constexpr bool BoxBucklesLaterally(double depth, double width) {
  return depth / width > 4;
}

// Whether the beam entry goes through the span and cantilever restraint forms, whose effective
// lengths (and intermediate restraints) the steel check then takes: the sections that buckle
// laterally as I sections do. For BS 5950 every steel kind but angles, boxes and tubes; for
// EN 1993-1-1 also a box deeper than four times its width, whose buckling needs those lengths.
constexpr bool UsesSpanRestraintForm(DesignCode code, const SectionValues& section) {
  if (section.SectionKind == SectionKind::Box && code == DesignCode::EN1993)
    return BoxBucklesLaterally(section.SectionDepth, section.SectionWidth);
  return section.SectionKind != SectionKind::RSA && !IsHollowKind(section.SectionKind);
}

}  // namespace trabeo
