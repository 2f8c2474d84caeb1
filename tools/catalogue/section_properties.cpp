// Runs the program's own section property calculators for the catalogue generator, so that the
// catalogue tables hold exactly what the calculators compute (nothing is re-implemented here).
//
// Reads lines "SHAPE v1 v2 ..." on standard input and writes one JSON object per line with every
// result of that calculator (unrounded, mm-based), or {"error": message} when a check fails:
//   ibeam D B t T r
// Built and run by generate_catalogue.py against the core library.

#include <charconv>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "calculators/ibeam_calculator.h"

namespace {

using nlohmann::json;

std::vector<double> ReadNumbers(std::istringstream& words) {
  std::vector<double> values;
  std::string word;
  while (words >> word) {
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return {};
    values.push_back(value);
  }
  return values;
}

template <typename Outcome, typename Fill>
json Report(const Outcome& outcome, Fill fill) {
  if (!outcome.ok()) return json{{"error", outcome.message}};
  json out;
  fill(*outcome.results, out);
  return out;
}

json IBeam(const std::vector<double>& v) {
  if (v.size() != 5) return json{{"error", "ibeam needs D B t T r"}};
  trabeo::IBeamInput in;
  in.D = v[0], in.B = v[1], in.t = v[2], in.T = v[3], in.r = v[4];
  return Report(trabeo::CalculateIBeam(in), [](const trabeo::IBeamResults& r, json& out) {
    out = {{"Area", r.Area},
           {"Ixx", r.Ixx},
           {"Iyy", r.Iyy},
           {"K", r.K},
           {"TorsionFibre", r.TorsionFibre},
           {"Sxx", r.Sxx},
           {"Syy", r.Syy},
           {"WebDepth", r.WebDepth},
           {"H", r.H},
           {"u", r.u},
           {"x", r.x}};
  });
}

}  // namespace

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string shape;
    words >> shape;
    const std::vector<double> values = ReadNumbers(words);
    json out;
    if (shape == "ibeam")
      out = IBeam(values);
    else
      out = json{{"error", "unknown shape " + shape}};
    std::cout << out.dump() << '\n';
  }
  return 0;
}
