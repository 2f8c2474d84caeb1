#pragma once

#include <nlohmann/json.hpp>

#include "document/beam_file_data.h"

namespace trabeo::cli {

// Every field of the version 4 beam data file under its name in the file's layout, as held:
// arrays and text blocks as one array in index order (text blocks with their slot 0, nested
// blocks as arrays of arrays), a field written twice once, the header and padding left out.
// Internal units; single-precision values in their shortest decimal form.
nlohmann::json BeamFileFieldsJson(const BeamFileData& data, const BeamFileMarkers& markers);

}  // namespace trabeo::cli
