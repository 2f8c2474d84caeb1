#pragma once

#include "timber/modification_factors.h"

namespace trabeo {

// The timber member capacity calculations to BS 5268-2 for a solid rectangular member, in the
// member window's fixed units: mm, N/mm2, cm2, cm4, kN and kN m. Values are single precision, as
// the window keeps them.

enum class TimberAxis { Major, Minor };

// The grade values as the window's labels show them.
struct TimberMemberGrade {
  double bending = 0;
  double shear = 0;
  double axial = 0;     // compression parallel to grain
  double eBending = 0;  // E min (single) or E mean (sharing)
  double eAxial = 0;    // E min
};

// The section and its factors for wet exposure and load sharing.
struct TimberMemberSection {
  double b = 0;   // breadth, mm
  double d = 0;   // depth, mm
  double Le = 0;  // effective length, mm
  TimberAxis axis = TimberAxis::Major;
  float K1 = 1;
  K2Factors K2;
  float K8 = 1;
  float A = 0;  // cm2, of the wet-adjusted section
  float I = 0;  // cm4, about the chosen axis
  float r = 0;  // mm

  // The dimension in the plane of bending: the depth about the major axis, the breadth about
  // the minor one; and the other dimension.
  double h() const { return axis == TimberAxis::Major ? d : b; }
  double other() const { return axis == TimberAxis::Major ? b : d; }
};

// Area, second moment about the axis and radius of gyration (0 unless area and I are non-zero).
void ComputeTimberMemberProperties(TimberMemberSection& section);

struct TimberBendingCapacity {
  float K3 = 1;
  float K7 = 1;
  float permBendStress = 0;   // N/mm2
  float permE = 0;            // N/mm2
  float EI = 0;               // kN m2
  float permMoment = 0;       // kN m
  float permShearStress = 0;  // N/mm2
  float permShear = 0;        // kN
  bool torsionNote = false;   // deeper than twice the breadth in the plane of bending
};
TimberBendingCapacity CalculateTimberBending(const TimberMemberSection& section,
                                             const TimberMemberGrade& grade, float K3);

struct TimberAxialCapacity {
  float K3 = 1;
  float permCompStress = 0;  // before buckling, N/mm2
  float permE = 0;           // E min x K2, N/mm2
  float lambda = 0;          // Le / r
  float eta = 0;
  float K12 = 1;
  float permAxialStress = 0;  // x K8, N/mm2
  float permAxial = 0;        // kN
};
TimberAxialCapacity CalculateTimberAxial(const TimberMemberSection& section,
                                         const TimberMemberGrade& grade, float K3);

struct TimberCombinedCheck {
  float appliedMoment = 0;      // kN m
  float appliedAxial = 0;       // kN
  float appliedBendStress = 0;  // N/mm2
  float appliedCompStress = 0;  // N/mm2
  float eulerStress = 0;        // N/mm2
  float w = 0;                  // the combined loading equation
  bool ok = false;
};
// The interaction of bending and compression; OK when w lies from 0 to 1.
TimberCombinedCheck CheckTimberCombined(const TimberMemberSection& section,
                                        const TimberMemberGrade& grade,
                                        const TimberBendingCapacity& bending,
                                        const TimberAxialCapacity& axial, double appliedMoment,
                                        double appliedAxial);

}  // namespace trabeo
