#pragma once

#include <string>
#include <string_view>

#include "calculators/calculator_common.h"
#include "model/section_record.h"

#include "model/steel_grade.h"

namespace trabeo {

// A channel with tapered flanges, root and toe fillets, as typed: lengths in mm, the taper in
// degrees. T is measured at the middle of the outstand. The channel calculation refuses to run
// without a description, so the description is part of its input.
struct ChannelInput {
  std::string description;
  TypedDimension B;         // overall width, back of web to toe
  TypedDimension D;         // depth
  TypedDimension T;         // flange thickness
  TypedDimension t;         // web thickness
  TypedDimension r1;        // root radius
  TypedDimension r2;        // toe radius
  TypedDimension thetaDeg;  // flange taper, degrees
  SteelGrade grade = SteelGrade::S275;
};

// Every value the channel calculator shows or saves, unrounded, mm-based.
struct ChannelResults {
  double B = 0, D = 0, T = 0, t = 0, r1 = 0, r2 = 0;  // the dimensions used
  double theta = 0;                                   // taper, radians
  double InscribedCircle = 0;                         // diameter at the corner of web and flange
  double WebDepth = 0;
  double Area = 0;
  double Cy = 0;  // centroid from the back of the web
  double Ixx = 0, Iyy = 0;
  double Zxx = 0, Zyy = 0;
  double Rx = 0, Ry = 0;
  double ExtremeX = 0, ExtremeY = 0;  // B - Cy, D/2
  double Sxx = 0, Syy = 0;
  double Ceq = 0;              // plastic neutral axis about y-y from the back of the web
  char PlasticAxisCase = 'A';  // A: in the web; B: beyond the fillets; C: through them
  double K = 0;
  double TorsionFibre = 0;
  double Cs = 0;  // distance to the shear centre, (1 + D^2 A / (4 Ixx)) (Cy - t/2)
  double eo = 0;  // shear centre from the web's mid-line
  double H = 0;
  double u = 0, x = 0;
  double Weight = 0;
  CalculatorDesign design;
};

CalculatorOutcome<ChannelResults> CalculateChannel(const ChannelInput& input);

// The record "Save to File" appends to Misc.sct.
SectionRecord ChannelSectionRecord(const ChannelResults& results, std::string_view description);

}  // namespace trabeo
