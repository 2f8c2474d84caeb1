// The batch front end's EN 1993 member case as any text: read and checked as `trabeo-cli member
// CASE.json --json` checks it. Beyond "no crash", what the check gives must hold together: every
// value it states is a number, a PASS has no utilisation above 1, and a FAIL has one.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

#include "cli/ec3_member_case.h"
#include "cli/ec3_member_json.h"
#include "fuzz_support.h"

namespace {

using trabeo::en1993::MemberResult;

constexpr std::size_t kDetailLineWidth = 80;

void RequireFiniteValues(const MemberResult& r) {
  for (const std::optional<double>* value :
       {&r.NcRd,  &r.Aeff,    &r.McyRd,    &r.MczRd, &r.VplzRd, &r.MyVRd,      &r.MNyRd,
        &r.MNzRd, &r.lambdaY, &r.lambdaZ,  &r.chiY,  &r.chiZ,   &r.NbyRd,      &r.NbzRd,
        &r.C1,    &r.Mcr,     &r.lambdaLT, &r.chiLT, &r.kc,     &r.f,          &r.chiLTmod,
        &r.MbRd,  &r.kyy,     &r.kyz,      &r.kzy,   &r.kzz,    &r.utilisation}) {
    trabeo::fuzz::Require(!*value || std::isfinite(**value), "every stated value is a number");
  }
  trabeo::fuzz::Require(std::isfinite(r.fy) && std::isfinite(r.epsilon), "fy is a number");
}

void RequireVerdictFollowsUtilisations(const MemberResult& r) {
  bool anyAboveOne = false;
  for (const std::optional<double>* check :
       {&r.crossSection, &r.shear, &r.bucklingY, &r.bucklingZ, &r.ltb, &r.eq661, &r.eq662}) {
    if (!*check) continue;
    trabeo::fuzz::Require(std::isfinite(**check) && **check >= 0, "a utilisation is a number");
    anyAboveOne = anyAboveOne || **check > 1;
  }
  if (r.verdict == "PASS") {
    trabeo::fuzz::Require(!anyAboveOne && r.utilisation.has_value(),
                          "a pass has no utilisation above 1");
  } else if (r.verdict == "FAIL") {
    trabeo::fuzz::Require(anyAboveOne, "a failure has a utilisation above 1");
  } else {
    trabeo::fuzz::Require(r.verdict == "NOT CHECKED" && r.whyNotChecked.has_value(),
                          "the verdict is PASS, FAIL or NOT CHECKED with its reason", r.verdict);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace trabeo;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto parsed = cli::ParseEc3MemberCase(nlohmann::json::parse(text, nullptr, false));
  if (std::holds_alternative<std::string>(parsed)) return 0;

  const en1993::MemberResult result = en1993::CheckMember(std::get<en1993::MemberInput>(parsed));
  if (result.refusal) {
    fuzz::RequireShowable(std::initializer_list<std::string>{*result.refusal});
    return 0;
  }
  RequireFiniteValues(result);
  RequireVerdictFollowsUtilisations(result);
  fuzz::RequireShowable(result.messages);
  fuzz::RequireShowable(result.details);
  for (const std::string& line : result.details)
    fuzz::Require(line.size() <= kDetailLineWidth, "detail lines fit the printed page", line);
  const std::string dumped =
      cli::Ec3MemberJson(result).dump(-1, ' ', false, nlohmann::json::error_handler_t::strict);
  fuzz::Require(!dumped.empty(), "the results dump");
  return 0;
}
