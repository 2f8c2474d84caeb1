#pragma once

#include <string>
#include <vector>

#include "calculators/angle_calculator.h"
#include "calculators/box_calculator.h"
#include "calculators/channel_calculator.h"
#include "calculators/ibeam_calculator.h"
#include "calculators/joist_calculator.h"
#include "calculators/tube_calculator.h"

namespace trabeo {

// What a line of a calculator's results shows. The windows find the value of each of their labels
// by it, whatever the line's place in the printout.
enum class CalculatorQuantity {
  Dimension,  // a dimension as typed, which the window shows in its box
  Outstand,
  WebDepth,
  Area,
  Ixx,
  Iyy,
  Rx,
  Ry,
  ExtremeX,
  ExtremeY,
  ElasticModulusX,  // under the preference labels where the shape takes them
  ElasticModulusY,
  PlasticModulusX,
  PlasticModulusY,
  TorsionConstant,  // K
  TorsionFibre,     // t
  InscribedCircle,
  BucklingParameter,   // u
  TorsionalIndex,      // x
  WarpingConstant,     // H
  CentroidX,           // Cx
  CentroidY,           // Cy
  PlasticAxisY,        // Ceq
  ShearCentreFromWeb,  // eo
  ShearCentre,         // Cs
  Iuu,
  Ivv,
  Ru,
  Rv,
  Alpha,
  Weight,
};

// One line of a calculator's results as the window shows, prints and copies it: what it shows,
// label, value through the window's formatter, unit ("Area = " "14.9" " cm^2").
struct ShownValue {
  CalculatorQuantity quantity = CalculatorQuantity::Dimension;
  std::string label;
  std::string value;
  std::string unit;

  std::string Text() const { return label + value + unit; }
};

// The names of the four section moduli chosen in the preferences.
struct ModulusLabels {
  std::string elasticX = "Zxx";
  std::string elasticY = "Zyy";
  std::string plasticX = "Sxx";
  std::string plasticY = "Syy";
};

// Each calculator's lines in the order of its printout, from the dimensions (as typed) to the
// weight; the grade, py and section type lines follow from DesignLines.
std::vector<ShownValue> TubeShownValues(const TubeResults& r);
std::vector<ShownValue> BoxShownValues(const BoxResults& r);
std::vector<ShownValue> IBeamShownValues(const IBeamResults& r, const ModulusLabels& labels);
std::vector<ShownValue> JoistShownValues(const JoistResults& r);
std::vector<ShownValue> ChannelShownValues(const ChannelResults& r, const ModulusLabels& labels);
std::vector<ShownValue> AngleShownValues(const AngleResults& r);

// The line of that quantity; nullptr where the shape shows none. A dimension is no line to find.
const ShownValue* FindShownValue(const std::vector<ShownValue>& lines, CalculatorQuantity quantity);

// "For grade 43   Py = 275 N/mm^2", "Section Type is Plastic for bending about x-x axis", and
// with bothAxes (the box) the same for the y-y axis.
std::vector<std::string> DesignLines(const CalculatorDesign& design, bool bothAxes);

}  // namespace trabeo
