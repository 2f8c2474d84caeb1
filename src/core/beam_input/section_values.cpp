#include "beam_input/section_values.h"

namespace trabeo {

bool IsSteelSectionKind(const std::string& kind) {
  return kind == "Beam" || kind == "RSJ" || kind == "RSC" || kind == "RSA" || kind == "Box" ||
         kind == "Tube";
}

}  // namespace trabeo
