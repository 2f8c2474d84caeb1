#pragma once

#include <optional>

#include "en1993/section_properties.h"

namespace trabeo::en1993 {

// The c/t limits of one row of Table 5.2 for classes 1, 2 and 3.
struct ClassLimits {
  double class1 = 0, class2 = 0, class3 = 0;
};

// One element as Table 5.2 classes it.
struct ElementClass {
  double c = 0, t = 0;
  ClassLimits limits;
  int sectionClass = 1;  // 1 to 4
  double Ratio() const { return c / t; }
};

// Class 1, 2, 3 or 4 of a c/t ratio against its limits (a ratio at a limit is in that class).
int ClassOf(double ratio, const ClassLimits& limits);

ClassLimits OutstandCompression(double epsilon);  // 9, 10, 14 epsilon
ClassLimits InternalCompression(double epsilon);  // 33, 38, 42 epsilon
ClassLimits InternalBending(double epsilon);      // 72, 83, 124 epsilon
ClassLimits TubeLimits(double epsilon);           // d/t: 50, 70, 90 epsilon^2
// An internal part in bending and compression: classes 1 and 2 from alpha (plastic neutral
// axis), class 3 from psi (elastic stress ratio).
ClassLimits InternalCombined(double epsilon, double alpha, double psi);

// The elements of a section, classed with its yield strength and the axial force NEd (N,
// compression positive). A tube has one element, its wall (d/t), in every role.
struct SectionElements {
  ElementClass flange;         // I, channel: the outstand; box: the b walls; in compression
  ElementClass web;            // I, channel: the web; box: the h walls; in compression
  ElementClass webBending;     // the web in bending about y-y alone
  ElementClass webWithAxial;   // the web in bending about y-y with NEd
  ElementClass sideBending;    // box: the b walls as webs in bending about z-z alone
  ElementClass sideWithAxial;  // box: the b walls in bending about z-z with NEd
};

SectionElements ClassifyElements(const Ec3Section& section, double fy, double NEd);

// The classes the checks take. Flanges are always classed in compression; bending about z-z
// does not class the web of an I section or channel.
struct SectionClasses {
  std::optional<int> flange;  // null for tubes
  std::optional<int> web;     // the web under NEd with bending about y-y; null for tubes
  int compression = 1;
  int bendingY = 1;
  int bendingZ = 1;
  std::optional<int> combined;  // under all the actions; null when fewer than two act
};

SectionClasses ClassifySection(const Ec3Section& section, double fy, double NEd, bool myActs,
                               bool mzActs);

}  // namespace trabeo::en1993
