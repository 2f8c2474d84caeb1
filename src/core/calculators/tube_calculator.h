#pragma once

#include <string_view>

#include "calculators/calculator_common.h"
#include "model/section_record.h"

#include "model/steel_grade.h"

namespace trabeo {

// A circular hollow section as typed in mm.
struct TubeInput {
  TypedDimension D;  // outside diameter
  TypedDimension t;  // wall thickness
  SteelGrade grade = SteelGrade::S275;
};

// Every value the tube calculator shows or saves, unrounded, mm-based.
struct TubeResults {
  double D = 0, t = 0;  // the dimensions used
  double Area = 0;
  double I = 0;  // Ixx = Iyy
  double R = 0;  // Rx = Ry
  double K = 0;
  double TorsionFibre = 0;  // D/2
  double S = 0;             // Sxx = Syy
  double Z = 0;             // Zxx = Zyy
  double Extreme = 0;       // ExtremeX = ExtremeY = D/2
  double Weight = 0;
  CalculatorDesign design;
};

CalculatorOutcome<TubeResults> CalculateTube(const TubeInput& input);

// The record "Save to File" appends to Misc.sct.
SectionRecord TubeSectionRecord(const TubeResults& results, std::string_view description);

}  // namespace trabeo
