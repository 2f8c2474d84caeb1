#pragma once

#include <string>
#include <string_view>

#include "model/section_record.h"
#include "sections/catalogue/catalogue.h"

namespace trabeo::testing {

// A record of the built-in catalogue by file and designation (trailing blanks ignored); an empty
// record when there is none, which every check refuses.
inline SectionRecord CatalogueSection(std::string_view file, std::string_view designation) {
  for (const SectionRecord& record : CatalogueRecords(*FindCatalogueFile(file))) {
    std::string name = record.Designation;
    while (!name.empty() && name.back() == ' ')
      name.pop_back();
    if (name == designation) return record;
  }
  return {};
}

}  // namespace trabeo::testing
