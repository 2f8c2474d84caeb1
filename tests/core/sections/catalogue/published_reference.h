#pragma once

#include <span>
#include <string_view>

namespace trabeo::testing {

// Published properties of a catalogue section whose catalogue values come from the section
// property calculators; 0 where the published table gives none. mm-based units.
struct PublishedReference {
  std::string_view file;
  std::string_view name;
  double Area, Ixx, Iyy, K, H, Sxx;
};

std::span<const PublishedReference> PublishedReferences();

}  // namespace trabeo::testing
