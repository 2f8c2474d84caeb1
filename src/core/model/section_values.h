#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "fileio/text_store.h"
#include "model/section_class.h"
#include "model/section_kind.h"
#include "model/section_record.h"
#include "model/steel_grade.h"

namespace trabeo {

// The section chosen for the beam: what the section form takes from a section table record (or
// the timber section form computes), with its design strength and class.
struct SectionValues {
  std::string SectionDescription;                               // up to 100 characters
  trabeo::SectionKind SectionKind = trabeo::SectionKind::None;  // the record's Type, or Timber
  std::string SectionFamily;  // the listed table's family code, or "Timber"; up to 12
  std::optional<trabeo::SectionClass> SectionClass;  // none until classified
  float SectionArea = 0;
  float SectionWidth = 0;
  float SectionDepth = 0;
  float SectionWebThk = 0;
  float SectionFlgThk = 0;
  float SectionRootRad = 0;
  float SectionWebDepth = 0;
  float SectionOutstand = 0;
  float SectionSxx = 0;
  float SectionZxx = 0;
  float SectionRy = 0;
  float SectionRv = 0;
  float SectionU = 0;
  float SectionX = 0;
  AppliedGrade SteelGrade;
  float DesignStrength = 0;  // py, N/mm2
  float TimberWidth = 0;     // mm
  float TimberDepth = 0;     // mm
  TextStore<51, 50> PropertyLines;
  // The whole record of a section picked from a table, for the checks that need more of it than
  // the fields above (EN 1993 takes Iz, It and Iw); a separator record (Width 0) otherwise.
  SectionRecord Record;
};

}  // namespace trabeo
