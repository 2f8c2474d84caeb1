#include "calculators/shown_values.h"

#include <string>

#include "calculators/typed_number.h"
#include "settings/sig_fig.h"

namespace trabeo {
namespace {

constexpr const char* kMm = " mm";
constexpr const char* kCm2 = " cm^2";
constexpr const char* kCm4 = " cm^4";
constexpr const char* kCm3 = " cm3";
constexpr const char* kCm4Torsion = " cm4";
constexpr const char* kKgPerM = " kg/m";
constexpr const char* kDm6 = " dm^6";

ShownValue AsTyped(const char* label, double value) {
  return {label, TypedText(value), kMm};
}

// The moduli under the preference labels: "Zxx = 230.3 cm3".
void AddModuli(std::vector<ShownValue>& lines, const ModulusLabels& labels, double Zxx, double Zyy,
               double Sxx, double Syy, std::string (*format)(double)) {
  lines.push_back({labels.elasticX + " = ", format(Zxx / 1e3), kCm3});
  lines.push_back({labels.elasticY + " = ", format(Zyy / 1e3), kCm3});
  lines.push_back({labels.plasticX + " = ", format(Sxx / 1e3), kCm3});
  lines.push_back({labels.plasticY + " = ", format(Syy / 1e3), kCm3});
}

}  // namespace

std::vector<ShownValue> TubeShownValues(const TubeResults& r) {
  return {
      AsTyped("Outside dia = ", r.D),
      AsTyped("Wall thickness = ", r.t),
      {"Area = ", SigFig3(r.Area / 100), kCm2},
      {"Ixx = ", SigFig4(r.I / 1e4), kCm4},
      {"Iyy = ", SigFig4(r.I / 1e4), kCm4},
      {"Rx = ", SigFig3(r.R), kMm},
      {"Ry = ", SigFig3(r.R), kMm},
      {"x = ", SigFig3(r.Extreme), kMm},
      {"y = ", SigFig3(r.Extreme), kMm},
      {"Zxx = ", SigFig4(r.Z / 1e3), kCm3},
      {"Zyy = ", SigFig4(r.Z / 1e3), kCm3},
      {"Sxx = ", SigFig4(r.S / 1e3), kCm3},
      {"Syy = ", SigFig4(r.S / 1e3), kCm3},
      {"K = ", SigFig4(r.K / 1e4), kCm4Torsion},
      {"t = ", SigFig4(r.TorsionFibre), kMm},
      {"Weight = ", SigFig3(r.Weight), kKgPerM},
  };
}

std::vector<ShownValue> BoxShownValues(const BoxResults& r) {
  return {
      AsTyped("Depth = ", r.D),
      AsTyped("Width = ", r.B),
      AsTyped("Thickness = ", r.t),
      {"Outstand = ", SigFig3(r.Outstand), kMm},
      {"Web Depth = ", SigFig3(r.WebDepth), kMm},
      {"Area = ", SigFig3(r.Area / 100), kCm2},
      {"Ixx = ", SigFig4(r.Ixx / 1e4), kCm4},
      {"Iyy = ", SigFig4(r.Iyy / 1e4), kCm4},
      {"Rx = ", SigFig3(r.Rx), kMm},
      {"Ry = ", SigFig3(r.Ry), kMm},
      {"x = ", SigFig3(r.ExtremeX), kMm},
      {"y = ", SigFig3(r.ExtremeY), kMm},
      {"Zxx = ", SigFig4(r.Zxx / 1e3), kCm3},
      {"Zyy = ", SigFig4(r.Zyy / 1e3), kCm3},
      {"Sxx = ", SigFig4(r.Sxx / 1e3), kCm3},
      {"Syy = ", SigFig4(r.Syy / 1e3), kCm3},
      {"K = ", SigFig4(r.K / 1e4), kCm4Torsion},
      {"t = ", SigFig3(r.TorsionFibre), kMm},
      {"Weight = ", SigFig3(r.Weight), kKgPerM},
  };
}

std::vector<ShownValue> IBeamShownValues(const IBeamResults& r, const ModulusLabels& labels) {
  std::vector<ShownValue> lines = {
      AsTyped("Depth = ", r.D),
      AsTyped("Width = ", r.B),
      AsTyped("Web = ", r.t),
      AsTyped("Flange = ", r.T),
      AsTyped("Root Radius = ", r.r),
      {"Web Depth = ", SigFig3(r.WebDepth), kMm},
      {"Area = ", SigFig3(r.Area / 100), kCm2},
      {"Ixx = ", SigFig4(r.Ixx / 1e4), kCm4},
      {"Iyy = ", SigFig4(r.Iyy / 1e4), kCm4},
      {"Rx = ", SigFig3(r.Rx), kMm},
      {"Ry = ", SigFig3(r.Ry), kMm},
      {"x = ", SigFig3(r.ExtremeX), kMm},
      {"y = ", SigFig3(r.ExtremeY), kMm},
  };
  AddModuli(lines, labels, r.Zxx, r.Zyy, r.Sxx, r.Syy, SigFig4);
  lines.insert(lines.end(), {
                                {"K = ", SigFig4(r.K / 1e4), kCm4Torsion},
                                {"t = ", SigFig3(r.TorsionFibre), kMm},
                                {"Inscribed circle = ", SigFig3(r.InscribedCircle), " mm dia"},
                                {"u = ", SigFig3(r.u), ""},
                                {"x = ", SigFig3(r.x), ""},
                                {"H = ", SigFig3(r.H / 1e12), kDm6},
                                {"Weight = ", SigFig3(r.Weight), kKgPerM},
                            });
  return lines;
}

std::vector<ShownValue> JoistShownValues(const JoistResults& r) {
  return {
      AsTyped("Depth = ", r.D),
      AsTyped("Width = ", r.B),
      AsTyped("Web = ", r.t),
      AsTyped("Flange = ", r.T),
      AsTyped("Root Radius = ", r.r1),
      AsTyped("Toe Radius = ", r.r2),
      {"Web Depth = ", SigFig3(r.WebDepth), kMm},
      {"Area = ", SigFig3(r.Area / 100), kCm2},
      {"Ixx = ", SigFig4(r.Ixx / 1e4), kCm4},
      {"Iyy = ", SigFig4(r.Iyy / 1e4), kCm4},
      {"Rx = ", SigFig3(r.Rx), kMm},
      {"Ry = ", SigFig3(r.Ry), kMm},
      {"Zxx = ", SigFig4(r.Zxx / 1e3), kCm3},
      {"Zyy = ", SigFig4(r.Zyy / 1e3), kCm3},
      {"Sxx = ", SigFig4(r.Sxx / 1e3), kCm3},
      {"Syy = ", SigFig4(r.Syy / 1e3), kCm3},
      {"K = ", SigFig4(r.K / 1e4), kCm4Torsion},
      {"t = ", SigFig3(r.TorsionFibre), kMm},
      {"u = ", SigFig3(r.u), ""},
      {"x = ", SigFig3(r.x), ""},
      {"H = ", SigFig3(r.H / 1e12), kDm6},
      {"Inscribed circle = ", SigFig3(r.InscribedCircle), " mm dia"},
      {"x = ", SigFig3(r.ExtremeX), kMm},
      {"y = ", SigFig3(r.ExtremeY), kMm},
      {"Weight = ", SigFig3(r.Weight), kKgPerM},
  };
}

std::vector<ShownValue> ChannelShownValues(const ChannelResults& r, const ModulusLabels& labels) {
  std::vector<ShownValue> lines = {
      AsTyped("Depth = ", r.D),
      AsTyped("Width = ", r.B),
      AsTyped("Web = ", r.t),
      AsTyped("Flange = ", r.T),
      AsTyped("Root Radius = ", r.r1),
      AsTyped("Toe Radius = ", r.r2),
      {"Web Depth = ", SigFig3(r.WebDepth), kMm},
      {"Area = ", SigFig3Dec3(r.Area / 100), kCm2},
      {"Ixx = ", SigFig4Dec3(r.Ixx / 1e4), kCm4},
      {"Iyy = ", SigFig4Dec3(r.Iyy / 1e4), kCm4},
      {"Rx = ", SigFig3Dec3(r.Rx), kMm},
      {"Ry = ", SigFig3Dec3(r.Ry), kMm},
  };
  AddModuli(lines, labels, r.Zxx, r.Zyy, r.Sxx, r.Syy, SigFig4Dec3);
  lines.insert(lines.end(), {
                                {"K = ", SigFig4Dec3(r.K / 1e4), kCm4Torsion},
                                {"t = ", SigFig3(r.TorsionFibre), kMm},
                                {"u = ", SigFig3(r.u), ""},
                                {"x = ", SigFig3(r.x), ""},
                                {"H = ", SigFig3(r.H / 1e12), kDm6},
                                {"Cy = ", SigFig3Dec3(r.Cy), kMm},
                                {"Ceq = ", SigFig3Dec3(r.Ceq), kMm},
                                {"Inscribed circle = ", SigFig3Dec3(r.InscribedCircle), " mm dia"},
                                {"x = ", SigFig3Dec3(r.ExtremeX), kMm},
                                {"y = ", SigFig3Dec3(r.ExtremeY), kMm},
                                {"eo = ", SigFig3(r.eo), kMm},
                                {"Cs = ", SigFig3(r.Cs), kMm},
                                {"Weight = ", SigFig3(r.Weight), kKgPerM},
                            });
  return lines;
}

std::vector<ShownValue> AngleShownValues(const AngleResults& r) {
  return {
      AsTyped("Depth = ", r.d),
      AsTyped("Width = ", r.b),
      AsTyped("Thickness = ", r.t),
      AsTyped("Root Radius = ", r.r1),
      AsTyped("Toe Radius = ", r.r2),
      {"Area = ", SigFig4(r.Area / 100), kCm2},
      {"Ixx = ", SigFig4(r.Ixx / 1e4), kCm4},
      {"Iyy = ", SigFig4(r.Iyy / 1e4), kCm4},
      {"Rx = ", SigFig3(r.Rx), kMm},
      {"Ry = ", SigFig3(r.Ry), kMm},
      {"Zxx = ", SigFig4(r.Zxx / 1e3), kCm3},
      {"Zyy = ", SigFig4(r.Zyy / 1e3), kCm3},
      {"K = ", SigFig4(r.K / 1e4), kCm4Torsion},
      {"t = ", SigFig3(r.TorsionFibre), kMm},
      {"Cx = ", SigFig3(r.Cx), kMm},
      {"Cy = ", SigFig3(r.Cy), kMm},
      {"x = ", SigFig3(r.ExtremeX), kMm},
      {"y = ", SigFig3(r.ExtremeY), kMm},
      {"Iuu = ", SigFig4(r.Iuu / 1e4), kCm4},
      {"Ivv = ", SigFig4(r.Ivv / 1e4), kCm4},
      {"Ru = ", SigFig3(r.Ru), kMm},
      {"Rv = ", SigFig3(r.Rv), kMm},
      {"Alpha = ", SigFig3(r.Alpha), " deg"},
      {"Weight = ", SigFig3(r.Weight), kKgPerM},
  };
}

std::vector<std::string> DesignLines(const CalculatorDesign& design, bool bothAxes) {
  std::vector<std::string> lines = {
      "For grade " + std::to_string(SteelGradeNumber(design.grade)) +
          "   Py = " + SigFig3(design.py) + " N/mm^2",
      "Section Type is " + design.classXX + " for bending about x-x axis",
  };
  if (bothAxes)
    lines.push_back("Section Type is " + design.classYY + " for bending about y-y axis");
  return lines;
}

}  // namespace trabeo
