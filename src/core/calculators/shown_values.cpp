#include "calculators/shown_values.h"

#include <algorithm>
#include <string>

#include "calculators/typed_number.h"
#include "settings/sig_fig.h"

namespace trabeo {
namespace {

using Q = CalculatorQuantity;

constexpr const char* kMm = " mm";
constexpr const char* kCm2 = " cm^2";
constexpr const char* kCm4 = " cm^4";
constexpr const char* kCm3 = " cm3";
constexpr const char* kCm4Torsion = " cm4";
constexpr const char* kKgPerM = " kg/m";
constexpr const char* kDm6 = " dm^6";

ShownValue AsTyped(const char* label, double value) {
  return {Q::Dimension, label, TypedText(value), kMm};
}

// The moduli under the preference labels: "Zxx = 230.3 cm3".
void AddModuli(std::vector<ShownValue>& lines, const ModulusLabels& labels, double Zxx, double Zyy,
               double Sxx, double Syy, std::string (*format)(double)) {
  lines.push_back({Q::ElasticModulusX, labels.elasticX + " = ", format(Zxx / 1e3), kCm3});
  lines.push_back({Q::ElasticModulusY, labels.elasticY + " = ", format(Zyy / 1e3), kCm3});
  lines.push_back({Q::PlasticModulusX, labels.plasticX + " = ", format(Sxx / 1e3), kCm3});
  lines.push_back({Q::PlasticModulusY, labels.plasticY + " = ", format(Syy / 1e3), kCm3});
}

}  // namespace

std::vector<ShownValue> TubeShownValues(const TubeResults& r) {
  return {
      AsTyped("Outside dia = ", r.D),
      AsTyped("Wall thickness = ", r.t),
      {Q::Area, "Area = ", SigFig3(r.Area / 100), kCm2},
      {Q::Ixx, "Ixx = ", SigFig4(r.I / 1e4), kCm4},
      {Q::Iyy, "Iyy = ", SigFig4(r.I / 1e4), kCm4},
      {Q::Rx, "Rx = ", SigFig3(r.R), kMm},
      {Q::Ry, "Ry = ", SigFig3(r.R), kMm},
      {Q::ExtremeX, "x = ", SigFig3(r.Extreme), kMm},
      {Q::ExtremeY, "y = ", SigFig3(r.Extreme), kMm},
      {Q::ElasticModulusX, "Zxx = ", SigFig4(r.Z / 1e3), kCm3},
      {Q::ElasticModulusY, "Zyy = ", SigFig4(r.Z / 1e3), kCm3},
      {Q::PlasticModulusX, "Sxx = ", SigFig4(r.S / 1e3), kCm3},
      {Q::PlasticModulusY, "Syy = ", SigFig4(r.S / 1e3), kCm3},
      {Q::TorsionConstant, "K = ", SigFig4(r.K / 1e4), kCm4Torsion},
      {Q::TorsionFibre, "t = ", SigFig4(r.TorsionFibre), kMm},
      {Q::Weight, "Weight = ", SigFig3(r.Weight), kKgPerM},
  };
}

std::vector<ShownValue> BoxShownValues(const BoxResults& r) {
  return {
      AsTyped("Depth = ", r.D),
      AsTyped("Width = ", r.B),
      AsTyped("Thickness = ", r.t),
      {Q::Outstand, "Outstand = ", SigFig3(r.Outstand), kMm},
      {Q::WebDepth, "Web Depth = ", SigFig3(r.WebDepth), kMm},
      {Q::Area, "Area = ", SigFig3(r.Area / 100), kCm2},
      {Q::Ixx, "Ixx = ", SigFig4(r.Ixx / 1e4), kCm4},
      {Q::Iyy, "Iyy = ", SigFig4(r.Iyy / 1e4), kCm4},
      {Q::Rx, "Rx = ", SigFig3(r.Rx), kMm},
      {Q::Ry, "Ry = ", SigFig3(r.Ry), kMm},
      {Q::ExtremeX, "x = ", SigFig3(r.ExtremeX), kMm},
      {Q::ExtremeY, "y = ", SigFig3(r.ExtremeY), kMm},
      {Q::ElasticModulusX, "Zxx = ", SigFig4(r.Zxx / 1e3), kCm3},
      {Q::ElasticModulusY, "Zyy = ", SigFig4(r.Zyy / 1e3), kCm3},
      {Q::PlasticModulusX, "Sxx = ", SigFig4(r.Sxx / 1e3), kCm3},
      {Q::PlasticModulusY, "Syy = ", SigFig4(r.Syy / 1e3), kCm3},
      {Q::TorsionConstant, "K = ", SigFig4(r.K / 1e4), kCm4Torsion},
      {Q::TorsionFibre, "t = ", SigFig3(r.TorsionFibre), kMm},
      {Q::Weight, "Weight = ", SigFig3(r.Weight), kKgPerM},
  };
}

std::vector<ShownValue> IBeamShownValues(const IBeamResults& r, const ModulusLabels& labels) {
  std::vector<ShownValue> lines = {
      AsTyped("Depth = ", r.D),
      AsTyped("Width = ", r.B),
      AsTyped("Web = ", r.t),
      AsTyped("Flange = ", r.T),
      AsTyped("Root Radius = ", r.r),
      {Q::WebDepth, "Web Depth = ", SigFig3(r.WebDepth), kMm},
      {Q::Area, "Area = ", SigFig3(r.Area / 100), kCm2},
      {Q::Ixx, "Ixx = ", SigFig4(r.Ixx / 1e4), kCm4},
      {Q::Iyy, "Iyy = ", SigFig4(r.Iyy / 1e4), kCm4},
      {Q::Rx, "Rx = ", SigFig3(r.Rx), kMm},
      {Q::Ry, "Ry = ", SigFig3(r.Ry), kMm},
      {Q::ExtremeX, "x = ", SigFig3(r.ExtremeX), kMm},
      {Q::ExtremeY, "y = ", SigFig3(r.ExtremeY), kMm},
  };
  AddModuli(lines, labels, r.Zxx, r.Zyy, r.Sxx, r.Syy, SigFig4);
  lines.insert(lines.end(), {
                                {Q::TorsionConstant, "K = ", SigFig4(r.K / 1e4), kCm4Torsion},
                                {Q::TorsionFibre, "t = ", SigFig3(r.TorsionFibre), kMm},
                                {Q::InscribedCircle,
                                 "Inscribed circle = ", SigFig3(r.InscribedCircle), " mm dia"},
                                {Q::BucklingParameter, "u = ", SigFig3(r.u), ""},
                                {Q::TorsionalIndex, "x = ", SigFig3(r.x), ""},
                                {Q::WarpingConstant, "H = ", SigFig3(r.H / 1e12), kDm6},
                                {Q::Weight, "Weight = ", SigFig3(r.Weight), kKgPerM},
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
      {Q::WebDepth, "Web Depth = ", SigFig3(r.WebDepth), kMm},
      {Q::Area, "Area = ", SigFig3(r.Area / 100), kCm2},
      {Q::Ixx, "Ixx = ", SigFig4(r.Ixx / 1e4), kCm4},
      {Q::Iyy, "Iyy = ", SigFig4(r.Iyy / 1e4), kCm4},
      {Q::Rx, "Rx = ", SigFig3(r.Rx), kMm},
      {Q::Ry, "Ry = ", SigFig3(r.Ry), kMm},
      {Q::ElasticModulusX, "Zxx = ", SigFig4(r.Zxx / 1e3), kCm3},
      {Q::ElasticModulusY, "Zyy = ", SigFig4(r.Zyy / 1e3), kCm3},
      {Q::PlasticModulusX, "Sxx = ", SigFig4(r.Sxx / 1e3), kCm3},
      {Q::PlasticModulusY, "Syy = ", SigFig4(r.Syy / 1e3), kCm3},
      {Q::TorsionConstant, "K = ", SigFig4(r.K / 1e4), kCm4Torsion},
      {Q::TorsionFibre, "t = ", SigFig3(r.TorsionFibre), kMm},
      {Q::BucklingParameter, "u = ", SigFig3(r.u), ""},
      {Q::TorsionalIndex, "x = ", SigFig3(r.x), ""},
      {Q::WarpingConstant, "H = ", SigFig3(r.H / 1e12), kDm6},
      {Q::InscribedCircle, "Inscribed circle = ", SigFig3(r.InscribedCircle), " mm dia"},
      {Q::ExtremeX, "x = ", SigFig3(r.ExtremeX), kMm},
      {Q::ExtremeY, "y = ", SigFig3(r.ExtremeY), kMm},
      {Q::Weight, "Weight = ", SigFig3(r.Weight), kKgPerM},
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
      {Q::WebDepth, "Web Depth = ", SigFig3(r.WebDepth), kMm},
      {Q::Area, "Area = ", SigFig3Dec3(r.Area / 100), kCm2},
      {Q::Ixx, "Ixx = ", SigFig4Dec3(r.Ixx / 1e4), kCm4},
      {Q::Iyy, "Iyy = ", SigFig4Dec3(r.Iyy / 1e4), kCm4},
      {Q::Rx, "Rx = ", SigFig3Dec3(r.Rx), kMm},
      {Q::Ry, "Ry = ", SigFig3Dec3(r.Ry), kMm},
  };
  AddModuli(lines, labels, r.Zxx, r.Zyy, r.Sxx, r.Syy, SigFig4Dec3);
  lines.insert(lines.end(), {
                                {Q::TorsionConstant, "K = ", SigFig4Dec3(r.K / 1e4), kCm4Torsion},
                                {Q::TorsionFibre, "t = ", SigFig3(r.TorsionFibre), kMm},
                                {Q::BucklingParameter, "u = ", SigFig3(r.u), ""},
                                {Q::TorsionalIndex, "x = ", SigFig3(r.x), ""},
                                {Q::WarpingConstant, "H = ", SigFig3(r.H / 1e12), kDm6},
                                {Q::CentroidY, "Cy = ", SigFig3Dec3(r.Cy), kMm},
                                {Q::PlasticAxisY, "Ceq = ", SigFig3Dec3(r.Ceq), kMm},
                                {Q::InscribedCircle,
                                 "Inscribed circle = ", SigFig3Dec3(r.InscribedCircle), " mm dia"},
                                {Q::ExtremeX, "x = ", SigFig3Dec3(r.ExtremeX), kMm},
                                {Q::ExtremeY, "y = ", SigFig3Dec3(r.ExtremeY), kMm},
                                {Q::ShearCentreFromWeb, "eo = ", SigFig3(r.eo), kMm},
                                {Q::ShearCentre, "Cs = ", SigFig3(r.Cs), kMm},
                                {Q::Weight, "Weight = ", SigFig3(r.Weight), kKgPerM},
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
      {Q::Area, "Area = ", SigFig4(r.Area / 100), kCm2},
      {Q::Ixx, "Ixx = ", SigFig4(r.Ixx / 1e4), kCm4},
      {Q::Iyy, "Iyy = ", SigFig4(r.Iyy / 1e4), kCm4},
      {Q::Rx, "Rx = ", SigFig3(r.Rx), kMm},
      {Q::Ry, "Ry = ", SigFig3(r.Ry), kMm},
      {Q::ElasticModulusX, "Zxx = ", SigFig4(r.Zxx / 1e3), kCm3},
      {Q::ElasticModulusY, "Zyy = ", SigFig4(r.Zyy / 1e3), kCm3},
      {Q::TorsionConstant, "K = ", SigFig4(r.K / 1e4), kCm4Torsion},
      {Q::TorsionFibre, "t = ", SigFig3(r.TorsionFibre), kMm},
      {Q::CentroidX, "Cx = ", SigFig3(r.Cx), kMm},
      {Q::CentroidY, "Cy = ", SigFig3(r.Cy), kMm},
      {Q::ExtremeX, "x = ", SigFig3(r.ExtremeX), kMm},
      {Q::ExtremeY, "y = ", SigFig3(r.ExtremeY), kMm},
      {Q::Iuu, "Iuu = ", SigFig4(r.Iuu / 1e4), kCm4},
      {Q::Ivv, "Ivv = ", SigFig4(r.Ivv / 1e4), kCm4},
      {Q::Ru, "Ru = ", SigFig3(r.Ru), kMm},
      {Q::Rv, "Rv = ", SigFig3(r.Rv), kMm},
      {Q::Alpha, "Alpha = ", SigFig3(r.Alpha), " deg"},
      {Q::Weight, "Weight = ", SigFig3(r.Weight), kKgPerM},
  };
}

const ShownValue* FindShownValue(const std::vector<ShownValue>& lines,
                                 CalculatorQuantity quantity) {
  if (quantity == CalculatorQuantity::Dimension) return nullptr;
  const auto found = std::ranges::find(lines, quantity, &ShownValue::quantity);
  return found == lines.end() ? nullptr : &*found;
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
