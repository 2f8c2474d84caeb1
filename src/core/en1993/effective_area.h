#pragma once

#include "en1993/classification.h"
#include "en1993/section_properties.h"

namespace trabeo::en1993 {

// rho of EN 1993-1-5 4.4 for an element in uniform compression with b-bar = c: an internal part
// (k_sigma = 4, psi = 1) or an outstand (k_sigma = 0.43). At most 1.
double InternalReduction(double cOverT, double epsilon);
double OutstandReduction(double cOverT, double epsilon);

// A_eff of a section in uniform compression: only its class 4 elements are reduced, each by
// (1 - rho) c t; never below 0, even for a record whose area is smaller than its plates. Not
// for tubes, whose class 4 is not checked.
double EffectiveArea(const Ec3Section& section, const SectionElements& elements, double epsilon);

}  // namespace trabeo::en1993
