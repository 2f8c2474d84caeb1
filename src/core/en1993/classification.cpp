#include "en1993/classification.h"

#include <algorithm>
#include <cmath>

#include "en1993/material.h"

namespace trabeo::en1993 {
namespace {

// alpha of Table 5.2: the compressed fraction of the web at the plastic neutral axis, which
// N_Ed moves by N_Ed / (2 t fy) from mid-depth, t being the thickness of all the webs together.
double PlasticAlpha(double NEd, double c, double websThickness, double fy) {
  return std::min(1.0, 0.5 + NEd / (2 * c * websThickness * fy));
}

// psi of Table 5.2 from the elastic stresses of the whole section.
double ElasticPsi(double NEd, double area, double fy) {
  return std::min(1.0, 2 * NEd / (area * fy) - 1);
}

ElementClass Element(double c, double t, const ClassLimits& limits) {
  ElementClass e;
  e.c = c;
  e.t = t;
  e.limits = limits;
  e.sectionClass = ClassOf(c / t, limits);
  return e;
}

// A web of thickness t bent with N_Ed, which `webs` such webs carry side by side.
ElementClass InternalUnderAxial(double c, double t, int webs, double NEd, const Ec3Section& s,
                                double fy) {
  const double eps = Epsilon(fy);
  const double alpha = PlasticAlpha(NEd, c, webs * t, fy);
  return Element(c, t, InternalCombined(eps, alpha, ElasticPsi(NEd, s.A, fy)));
}

SectionElements OpenElements(const Ec3Section& s, double fy, double NEd) {
  const double eps = Epsilon(fy);
  const double outstand = s.IsChannel() ? s.b - s.tw - s.r : (s.b - s.tw - 2 * s.r) / 2;
  const double web = s.h - 2 * s.tf - 2 * s.r;
  SectionElements e;
  e.flange = Element(outstand, s.tf, OutstandCompression(eps));
  e.web = Element(web, s.tw, InternalCompression(eps));
  e.webBending = Element(web, s.tw, InternalBending(eps));
  e.webWithAxial = InternalUnderAxial(web, s.tw, 1, NEd, s, fy);
  e.sideBending = e.flange;
  e.sideWithAxial = e.flange;
  return e;
}

// A box's walls are all internal parts; about z-z the b walls are the webs.
SectionElements BoxElements(const Ec3Section& s, double fy, double NEd) {
  const double eps = Epsilon(fy);
  const double t = s.tw;
  const double side = s.b - 3 * t;
  const double web = s.h - 3 * t;
  SectionElements e;
  e.flange = Element(side, t, InternalCompression(eps));
  e.web = Element(web, t, InternalCompression(eps));
  e.webBending = Element(web, t, InternalBending(eps));
  e.webWithAxial = InternalUnderAxial(web, t, 2, NEd, s, fy);
  e.sideBending = Element(side, t, InternalBending(eps));
  e.sideWithAxial = InternalUnderAxial(side, t, 2, NEd, s, fy);
  return e;
}

SectionElements TubeElements(const Ec3Section& s, double fy) {
  const ElementClass wall = Element(s.h, s.tw, TubeLimits(Epsilon(fy)));
  return {wall, wall, wall, wall, wall, wall};
}

int ActionCount(double NEd, bool myActs, bool mzActs) {
  return (NEd > 0 ? 1 : 0) + (myActs ? 1 : 0) + (mzActs ? 1 : 0);
}

SectionClasses TubeClasses(const SectionElements& e, bool combined) {
  SectionClasses c;
  c.compression = c.bendingY = c.bendingZ = e.flange.sectionClass;
  if (combined) c.combined = e.flange.sectionClass;
  return c;
}

SectionClasses OpenClasses(const SectionElements& e, double NEd, bool myActs, bool combined) {
  const int flange = e.flange.sectionClass;
  SectionClasses c;
  c.flange = flange;
  c.web = myActs || NEd <= 0 ? e.webWithAxial.sectionClass : e.web.sectionClass;
  c.compression = std::max(flange, e.web.sectionClass);
  c.bendingY = std::max(flange, e.webBending.sectionClass);
  c.bendingZ = flange;
  if (combined) c.combined = std::max(flange, *c.web);
  return c;
}

// Under combined actions a wall that is a flange of an acting moment, or that only the axial
// force loads, is in compression; a wall that is a web only is under its moment with NEd.
SectionClasses BoxClasses(const SectionElements& e, double NEd, bool myActs, bool mzActs,
                          bool combined) {
  SectionClasses c;
  c.flange = e.flange.sectionClass;
  c.web = myActs || NEd <= 0 ? e.webWithAxial.sectionClass : e.web.sectionClass;
  c.compression = std::max(e.flange.sectionClass, e.web.sectionClass);
  c.bendingY = std::max(e.flange.sectionClass, e.webBending.sectionClass);
  c.bendingZ = std::max(e.web.sectionClass, e.sideBending.sectionClass);
  if (combined) {
    const int sides = !myActs && mzActs ? e.sideWithAxial.sectionClass : e.flange.sectionClass;
    const int webs = !mzActs && myActs ? e.webWithAxial.sectionClass : e.web.sectionClass;
    c.combined = std::max(sides, webs);
  }
  return c;
}

}  // namespace

int ClassOf(double ratio, const ClassLimits& limits) {
  if (ratio <= limits.class1) return 1;
  if (ratio <= limits.class2) return 2;
  if (ratio <= limits.class3) return 3;
  return 4;
}

ClassLimits OutstandCompression(double epsilon) {
  return {9 * epsilon, 10 * epsilon, 14 * epsilon};
}

ClassLimits InternalCompression(double epsilon) {
  return {33 * epsilon, 38 * epsilon, 42 * epsilon};
}

ClassLimits InternalBending(double epsilon) {
  return {72 * epsilon, 83 * epsilon, 124 * epsilon};
}

ClassLimits TubeLimits(double epsilon) {
  const double e2 = epsilon * epsilon;
  return {50 * e2, 70 * e2, 90 * e2};
}

ClassLimits InternalCombined(double epsilon, double alpha, double psi) {
  ClassLimits limits;
  if (alpha > 0.5) {
    limits.class1 = 396 * epsilon / (13 * alpha - 1);
    limits.class2 = 456 * epsilon / (13 * alpha - 1);
  } else {
    limits.class1 = 36 * epsilon / alpha;
    limits.class2 = 41.5 * epsilon / alpha;
  }
  limits.class3 =
      psi > -1 ? 42 * epsilon / (0.67 + 0.33 * psi) : 62 * epsilon * (1 - psi) * std::sqrt(-psi);
  return limits;
}

SectionElements ClassifyElements(const Ec3Section& section, double fy, double NEd) {
  if (section.kind == SectionKind::Tube) return TubeElements(section, fy);
  if (section.kind == SectionKind::Box) return BoxElements(section, fy, NEd);
  return OpenElements(section, fy, NEd);
}

SectionClasses ClassifySection(const Ec3Section& section, double fy, double NEd, bool myActs,
                               bool mzActs) {
  const SectionElements e = ClassifyElements(section, fy, NEd);
  const bool combined = ActionCount(NEd, myActs, mzActs) >= 2;
  if (section.kind == SectionKind::Tube) return TubeClasses(e, combined);
  if (section.kind == SectionKind::Box) return BoxClasses(e, NEd, myActs, mzActs, combined);
  return OpenClasses(e, NEd, myActs, combined);
}

}  // namespace trabeo::en1993
