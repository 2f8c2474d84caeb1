#pragma once

#include <string>

#include "model/section_record.h"
#include "sections/catalogue/catalogue.h"

namespace trabeo::testing {

// A record of a catalogue table by its designation (trailing blanks aside).
inline SectionRecord CatalogueSection(std::string_view file, std::string_view designation) {
  const CatalogueFile* table = FindCatalogueFile(file);
  if (table == nullptr) return {};
  for (const SectionRecord& record : CatalogueRecords(*table)) {
    std::string name = record.Designation;
    while (!name.empty() && name.back() == ' ')
      name.pop_back();
    if (name == designation) return record;
  }
  return {};
}

}  // namespace trabeo::testing
