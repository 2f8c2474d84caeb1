// A beam case as any text, analysed as `trabeo-cli analyse CASE.json --json` analyses it: the
// section and restraints given as the forms would, the code check the case asks for (BS 5950,
// EN 1993 or BS 5268) answered from the case. Beyond "no crash": the shown texts hold only
// numbers, and each EN 1993 part states numbers and a verdict that follows its utilisations.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

#include "cli/analysed_case.h"
#include "cli/analysed_case_json.h"
#include "fuzz_support.h"

namespace {

using nlohmann::json;

void RequireFiniteNumbers(const json& value) {
  if (value.is_number_float())
    trabeo::fuzz::Require(std::isfinite(value.get<double>()), "every stated value is a number",
                          value.dump());
  if (value.is_structured()) {
    for (const json& item : value)
      RequireFiniteNumbers(item);
  }
}

void RequirePartVerdictsFollowUtilisations(const json& results) {
  if (!results.contains("Ec3Parts")) return;
  bool allPass = true;
  for (const json& part : results.at("Ec3Parts")) {
    RequireFiniteNumbers(part);
    bool anyAboveOne = false;
    for (const char* key : {"UtilisationBending", "UtilisationShear", "UtilisationLTB"}) {
      if (part.at(key).is_number()) anyAboveOne = anyAboveOne || part.at(key).get<double>() > 1;
    }
    const std::string verdict = part.at("Verdict").get<std::string>();
    if (verdict == "PASS")
      trabeo::fuzz::Require(!anyAboveOne, "a part that passes has no utilisation above 1",
                            part.dump());
    if (verdict == "FAIL")
      trabeo::fuzz::Require(anyAboveOne || part.contains("Message"),
                            "a part that fails has a utilisation above 1 or says why", part.dump());
    allPass = allPass && verdict == "PASS";
  }
  if (results.at("Ec3Verdict") == "PASS")
    trabeo::fuzz::Require(allPass, "the beam passes only when every part does", results.dump());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace trabeo;
  static const std::filesystem::path folder = std::filesystem::temp_directory_path();
  UnitSettings units;
  ApplyStartupDefaults(units);
  const auto analysed = cli::AnalyseCaseText(
      std::string_view(reinterpret_cast<const char*>(data), size), "case", units, folder);
  // A refusal may quote the case's own text, "infinity" and all.
  if (std::holds_alternative<std::string>(analysed)) return 0;
  const cli::AnalysedCase& analysedCase = std::get<cli::AnalysedCase>(analysed);
  fuzz::RequireShowable(analysedCase.messages);
  fuzz::RequireShowable(analysedCase.outcome.listing);
  const json results = cli::AnalysedCaseJson(analysedCase);
  RequirePartVerdictsFollowUtilisations(results);
  return 0;
}
