#pragma once

#include <array>

#include "model/section_record.h"

namespace trabeo::testing {

// The single-precision fields of a section record, in file order, by name (the reserved ones
// left out), so that tests can walk every numeric column.
struct RecordField {
  const char* name;
  float SectionRecord::*member;
};

// clang-format off
inline constexpr std::array<RecordField, 35> kRecordFields{{
    {"Depth", &SectionRecord::Depth}, {"Width", &SectionRecord::Width},
    {"WebThk", &SectionRecord::WebThk}, {"FlgThk", &SectionRecord::FlgThk},
    {"RootRad", &SectionRecord::RootRad}, {"ToeRad", &SectionRecord::ToeRad},
    {"Outstand", &SectionRecord::Outstand}, {"WebDepth", &SectionRecord::WebDepth},
    {"FlgAngle", &SectionRecord::FlgAngle}, {"Grade", &SectionRecord::Grade},
    {"E", &SectionRecord::E}, {"Area", &SectionRecord::Area}, {"Ixx", &SectionRecord::Ixx},
    {"Iyy", &SectionRecord::Iyy}, {"Rx", &SectionRecord::Rx}, {"Ry", &SectionRecord::Ry},
    {"Cx", &SectionRecord::Cx}, {"Cy", &SectionRecord::Cy},
    {"ExtremeX", &SectionRecord::ExtremeX}, {"ExtremeY", &SectionRecord::ExtremeY},
    {"Iuu", &SectionRecord::Iuu}, {"Ivv", &SectionRecord::Ivv}, {"Ru", &SectionRecord::Ru},
    {"Rv", &SectionRecord::Rv}, {"Alpha", &SectionRecord::Alpha}, {"K", &SectionRecord::K},
    {"TorsionFibre", &SectionRecord::TorsionFibre}, {"Cs", &SectionRecord::Cs},
    {"Sxx", &SectionRecord::Sxx}, {"Syy", &SectionRecord::Syy}, {"u", &SectionRecord::u},
    {"x", &SectionRecord::x}, {"H", &SectionRecord::H}, {"Extra", &SectionRecord::Extra},
    {"Reserved2", &SectionRecord::Reserved2},
}};
// clang-format on

}  // namespace trabeo::testing
