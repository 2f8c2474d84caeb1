#pragma once

#include <string>
#include <string_view>
#include <variant>

#include <nlohmann/json.hpp>

namespace trabeo::cli {

// Parses the text of a case or data file. Text that is not valid JSON gives the parser's own
// account of where it stopped and why ("parse error at line 3, column 9: ...", or "number
// overflow parsing '1e400'" for a number too large for a double), so that the user can find the
// fault; a byte that is not printable ASCII in it reads '?'.
std::variant<nlohmann::json, std::string> ParseJsonText(std::string_view text);

}  // namespace trabeo::cli
