#pragma once

#include <string_view>

#include "calculators/calculator_common.h"
#include "model/section_record.h"

namespace trabeo {

// An equal or unequal angle as typed in mm; the vertical leg is the longer.
struct AngleInput {
  TypedDimension d;   // vertical leg
  TypedDimension b;   // horizontal leg
  TypedDimension t;   // thickness of both legs
  TypedDimension r1;  // root radius
  TypedDimension r2;  // toe radius
};

// Every value the angle calculator shows or saves, unrounded, mm-based. x-x is parallel to the
// horizontal leg, y-y to the vertical one, both through the centroid.
struct AngleResults {
  double d = 0, b = 0, t = 0, r1 = 0, r2 = 0;  // the dimensions used
  double Area = 0;
  double Cx = 0;  // x-x axis from the back of the horizontal leg
  double Cy = 0;  // y-y axis from the back of the vertical leg
  double Ixx = 0, Iyy = 0;
  double Zxx = 0, Zyy = 0;
  double Rx = 0, Ry = 0;
  double ExtremeX = 0, ExtremeY = 0;  // b - Cy, d - Cx
  double InscribedCircle = 0;         // at the corner; enters K and the torsion fibre
  double K = 0;
  double TorsionFibre = 0;
  double Pxy = 0;  // product moment about the centroid (negative for an angle)
  double Iuu = 0, Ivv = 0;
  double Ru = 0, Rv = 0;
  double Alpha = 0;  // angle of the principal axes, degrees: a point of the sweep's grid
  double Weight = 0;
};

CalculatorOutcome<AngleResults> CalculateAngle(const AngleInput& input);

// The record "Save to File" appends to Misc.sct (grade 0: angles carry none).
SectionRecord AngleSectionRecord(const AngleResults& results, std::string_view description);

}  // namespace trabeo
