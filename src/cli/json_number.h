#pragma once

#include <string>

namespace trabeo::cli {

// Appends a finite double as the JSON text nlohmann::json writes for it ("1.0", "0.0001",
// "1e-05", "1.2e+08"), but from the shortest digits that read back as the same double, which
// the standard library finds several times faster than the JSON library's own digit loop.
void AppendJsonNumber(std::string& out, double value);

}  // namespace trabeo::cli
