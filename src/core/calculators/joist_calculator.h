#pragma once

#include <string_view>

#include "calculators/calculator_common.h"
#include "model/section_record.h"

#include "model/steel_grade.h"

namespace trabeo {

// A rolled steel joist (I-section with tapered flanges, root and toe fillets) as typed: lengths
// in mm, the flange taper in degrees. T is measured at the middle of the outstand.
struct JoistInput {
  TypedDimension B;         // flange width
  TypedDimension D;         // overall depth
  TypedDimension T;         // flange thickness
  TypedDimension t;         // web thickness
  TypedDimension r1;        // root radius
  TypedDimension r2;        // toe radius
  TypedDimension thetaDeg;  // flange taper, degrees
  SteelGrade grade = SteelGrade::S275;
};

// Every value the joist calculator shows or saves, unrounded, mm-based.
struct JoistResults {
  double B = 0, D = 0, T = 0, t = 0, r1 = 0, r2 = 0;  // the dimensions used
  double theta = 0;  // taper in radians (a zero taper is held as 1e-8)
  double Area = 0;
  double Ixx = 0, Iyy = 0;
  double Zxx = 0, Zyy = 0;
  double Sxx = 0, Syy = 0;
  double Rx = 0, Ry = 0;
  double ExtremeX = 0, ExtremeY = 0;  // B/2, D/2
  double K = 0;
  double TorsionFibre = 0;
  double InscribedCircle = 0;  // diameter at the web-flange junction
  double WebDepth = 0;         // straight web between the root fillets
  double H = 0;
  double u = 0, x = 0;
  double Weight = 0;
  CalculatorDesign design;
};

// The checks in order (a negative taper stops without a message), then the properties.
CalculatorOutcome<JoistResults> CalculateJoist(const JoistInput& input);

// The record "Save to File" appends to Misc.sct.
SectionRecord JoistSectionRecord(const JoistResults& results, std::string_view description);

}  // namespace trabeo
