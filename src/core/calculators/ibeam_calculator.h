#pragma once

#include <string_view>

#include "calculators/calculator_common.h"
#include "model/section_record.h"

#include "model/steel_grade.h"

namespace trabeo {

// A rolled I-section with root fillets, as typed in mm.
struct IBeamInput {
  TypedDimension D;  // overall depth
  TypedDimension B;  // flange width
  TypedDimension t;  // web thickness
  TypedDimension T;  // flange thickness
  TypedDimension r;  // root radius
  SteelGrade grade = SteelGrade::S275;
};

// Every value the I-beam calculator shows or saves, unrounded, in mm-based units (mm, mm2, mm3,
// mm4, mm6, kg/m, N/mm2).
struct IBeamResults {
  double D = 0, B = 0, t = 0, T = 0, r = 0;  // the dimensions used
  double Area = 0;
  double Ixx = 0, Iyy = 0;
  double Zxx = 0, Zyy = 0;
  double Rx = 0, Ry = 0;
  double ExtremeX = 0, ExtremeY = 0;  // B/2 and D/2
  double K = 0;
  double InscribedCircle = 0;  // diameter at the web-flange junction
  double TorsionFibre = 0;
  double Sxx = 0, Syy = 0;
  double WebDepth = 0;  // between the fillets
  double H = 0;
  double u = 0, x = 0;
  double Weight = 0;
  CalculatorDesign design;
};

// The checks, in order, then the properties; the first failing check's message otherwise.
CalculatorOutcome<IBeamResults> CalculateIBeam(const IBeamInput& input);

// The record "Save to File" appends to Misc.sct (RecordNo is set when it is appended).
SectionRecord IBeamSectionRecord(const IBeamResults& results, std::string_view description);

}  // namespace trabeo
