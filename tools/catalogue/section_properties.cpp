// Runs the program's own section property calculators for the catalogue generator, so that the
// catalogue tables hold exactly what the calculators compute (nothing is re-implemented here).
//
// Reads lines "SHAPE v1 v2 ..." on standard input and writes one JSON object per line with every
// result of that calculator (unrounded, mm-based), or {"error": message} when a check fails:
//   ibeam D B t T r          box D B t              tube D t
//   joist D B t T r1 r2 taper-degrees          channel D B t T r1 r2 taper-degrees
//   angle D B t r1 r2   (D the long leg)
//   ux Sxx A Ixx Iyy H K     (buckling parameter and torsional index of given properties)
// Built and run by generate_catalogue.py against the core library.

#include <charconv>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "calculators/angle_calculator.h"
#include "calculators/box_calculator.h"
#include "calculators/calculator_common.h"
#include "calculators/channel_calculator.h"
#include "calculators/ibeam_calculator.h"
#include "calculators/joist_calculator.h"
#include "calculators/tube_calculator.h"

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

json Box(const std::vector<double>& v) {
  if (v.size() != 3) return json{{"error", "box needs D B t"}};
  trabeo::BoxInput in;
  in.D = v[0], in.B = v[1], in.t = v[2];
  return Report(trabeo::CalculateBox(in), [](const trabeo::BoxResults& r, json& out) {
    out = {{"Area", r.Area},
           {"Ixx", r.Ixx},
           {"Iyy", r.Iyy},
           {"K", r.K},
           {"TorsionFibre", r.TorsionFibre},
           {"Sxx", r.Sxx},
           {"Syy", r.Syy}};
  });
}

json Tube(const std::vector<double>& v) {
  if (v.size() != 2) return json{{"error", "tube needs D t"}};
  trabeo::TubeInput in;
  in.D = v[0], in.t = v[1];
  return Report(trabeo::CalculateTube(in), [](const trabeo::TubeResults& r, json& out) {
    out = {{"Area", r.Area}, {"Ixx", r.I}, {"K", r.K}, {"Sxx", r.S}};
  });
}

json Joist(const std::vector<double>& v) {
  if (v.size() != 7) return json{{"error", "joist needs D B t T r1 r2 taper"}};
  trabeo::JoistInput in;
  in.D = v[0], in.B = v[1], in.t = v[2], in.T = v[3], in.r1 = v[4], in.r2 = v[5];
  in.thetaDeg = v[6];
  return Report(trabeo::CalculateJoist(in), [](const trabeo::JoistResults& r, json& out) {
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

json Channel(const std::vector<double>& v) {
  if (v.size() != 7) return json{{"error", "channel needs D B t T r1 r2 taper"}};
  trabeo::ChannelInput in;
  in.description = "catalogue";
  in.D = v[0], in.B = v[1], in.t = v[2], in.T = v[3], in.r1 = v[4], in.r2 = v[5];
  in.thetaDeg = v[6];
  return Report(trabeo::CalculateChannel(in), [](const trabeo::ChannelResults& r, json& out) {
    out = {{"Area", r.Area},
           {"Ixx", r.Ixx},
           {"Iyy", r.Iyy},
           {"Cy", r.Cy},
           {"K", r.K},
           {"TorsionFibre", r.TorsionFibre},
           {"Cs", r.Cs},
           {"Sxx", r.Sxx},
           {"Syy", r.Syy},
           {"Ceq", r.Ceq},
           {"WebDepth", r.WebDepth},
           {"H", r.H},
           {"u", r.u},
           {"x", r.x}};
  });
}

json Angle(const std::vector<double>& v) {
  if (v.size() != 5) return json{{"error", "angle needs D B t r1 r2"}};
  trabeo::AngleInput in;
  in.d = v[0], in.b = v[1], in.t = v[2], in.r1 = v[3], in.r2 = v[4];
  return Report(trabeo::CalculateAngle(in), [](const trabeo::AngleResults& r, json& out) {
    out = {{"Area", r.Area}, {"Ixx", r.Ixx},
           {"Iyy", r.Iyy},   {"Cx", r.Cx},
           {"Cy", r.Cy},     {"Iuu", r.Iuu},
           {"Ivv", r.Ivv},   {"Alpha", r.Alpha},
           {"K", r.K},       {"TorsionFibre", r.TorsionFibre}};
  });
}

json BucklingValues(const std::vector<double>& v) {
  if (v.size() != 6) return json{{"error", "ux needs Sxx A Ixx Iyy H K"}};
  return json{{"u", trabeo::BucklingParameter(v[0], v[1], v[2], v[3], v[4])},
              {"x", trabeo::TorsionalIndex(v[1], v[4], v[3], v[5])}};
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
    else if (shape == "box")
      out = Box(values);
    else if (shape == "tube")
      out = Tube(values);
    else if (shape == "joist")
      out = Joist(values);
    else if (shape == "channel")
      out = Channel(values);
    else if (shape == "angle")
      out = Angle(values);
    else if (shape == "ux")
      out = BucklingValues(values);
    else
      out = json{{"error", "unknown shape " + shape}};
    std::cout << out.dump() << '\n';
  }
  return 0;
}
