#pragma once

#include <string_view>

#include "calculators/calculator_common.h"
#include "model/section_record.h"

#include "model/steel_grade.h"

namespace trabeo {

// A rectangular hollow section as typed in mm; corners of inner radius t and outer radius 1.25 t.
struct BoxInput {
  TypedDimension B;  // width, the smaller side
  TypedDimension D;  // depth
  TypedDimension t;  // wall thickness
  SteelGrade grade = SteelGrade::S275;
};

// Every value the box calculator shows or saves, unrounded, mm-based.
struct BoxResults {
  double B = 0, D = 0, t = 0;  // the dimensions used
  double Outstand = 0;         // B - 3t
  double WebDepth = 0;         // D - 3t
  double Area = 0;
  double Ixx = 0, Iyy = 0;
  double Rx = 0, Ry = 0;
  double K = 0;
  double TorsionFibre = 0;
  double Sxx = 0, Syy = 0;
  double Zxx = 0, Zyy = 0;
  double ExtremeX = 0, ExtremeY = 0;  // B/2, D/2
  double Weight = 0;
  CalculatorDesign design;  // classXX and classYY both evaluated
};

CalculatorOutcome<BoxResults> CalculateBox(const BoxInput& input);

// The record "Save to File" appends to Misc.sct.
SectionRecord BoxSectionRecord(const BoxResults& results, std::string_view description);

}  // namespace trabeo
