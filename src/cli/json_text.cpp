#include "cli/json_text.h"

namespace trabeo::cli {
namespace {

// The library's message without its "[json.exception.parse_error.101] " prefix, and with no
// byte of the faulty text that a terminal could take for a control sequence.
std::string ParserAccount(std::string_view what) {
  if (what.starts_with('[')) {
    const std::size_t end = what.find("] ");
    if (end != std::string_view::npos) what.remove_prefix(end + 2);
  }
  std::string account(what);
  for (char& c : account) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7f) c = '?';
  }
  return account;
}

}  // namespace

std::variant<nlohmann::json, std::string> ParseJsonText(std::string_view text) {
  try {
    return nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception& e) {
    return ParserAccount(e.what());
  }
}

}  // namespace trabeo::cli
