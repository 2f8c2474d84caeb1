#include "steel/member_capacity/bending.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "settings/sig_fig.h"
#include "steel/beam_check/buckling_resistance.h"
#include "steel/classification.h"
#include "steel/member_capacity/compression.h"
#include "steel/member_capacity/member_format.h"
#include "steel/slenderness_factor.h"

namespace trabeo {
namespace {

constexpr double kPiSquared = 9.8695877281;  // as the beam check takes it
constexpr double kShapeLimit = 1.2;          // Mc <= 1.2 Z py
constexpr double kWebBucklingRatio = 63;

struct AxisTexts {
  std::string axis;    // "x-x"
  std::string suffix;  // "xx"
};

AxisTexts TextsFor(MemberAxis axis) {
  return axis == MemberAxis::XX ? AxisTexts{"x-x", "xx"} : AxisTexts{"y-y", "yy"};
}

void MayBeIncreasedLines(DetailList& out, bool closedSection) {
  out.Add("  Mb may be increased if  ");
  out.Add("  the average load factor  ");
  out.Add(closedSection ? "  is greater than 1.2." : "  is greater than 1.2");
  out.Add("  See BS 5950 4.2.5 ");
}

// The reduced design strength of a slender I-section in bending (flange 15 eps, web 120 eps).
double SlenderBendingStrength(const MemberSection& sec, double py, DetailList& out,
                              std::string_view flangeLine, std::string_view webLine) {
  const double eps = std::sqrt(275 / py);
  double pyf = py;
  const double flange = static_cast<double>(sec.Outstand) / sec.FlgThk;
  if (flange > 15 * eps) {
    double factor = 11 / (flange / eps - 4);
    if (factor < 0 || factor > 1) factor = 1;
    pyf = py * factor;
    out.Add(flangeLine);
  }
  double pyw = py;
  const double web = static_cast<double>(sec.WebDepth) / sec.WebThk;
  if (web > 120 * eps) {
    pyw = std::min(3.96e6 / (web * web), py);
    out.Add(webLine);
  }
  return std::min(pyf, pyw);
}

void WebBucklingLine(const MemberSection& sec, DetailList& out) {
  if (static_cast<double>(sec.WebDepth) / sec.WebThk > kWebBucklingRatio)
    out.Add("  Check local web buckling");
}

bool HasBendingValues(const MemberSection& sec, const MemberInputs& in, bool iType) {
  if (!(sec.Area > 0) || !(in.py > 0) || !(in.E > 0) || !(sec.WebThk > 0)) return false;
  return !iType || sec.FlgThk > 0;
}

// A box bent about x-x has a length limit when it is deeper than wide (none can be worked out
// past D/B = 4).
bool HasBoxLengthLimit(const MemberSection& sec, MemberAxis axis, double py) {
  const std::optional<double> lmax = BoxLengthLimit(sec, py);
  return axis == MemberAxis::XX && lmax && std::isfinite(*lmax);
}

// The effective length of a box with a length limit, the common one or asked. Beyond the limit
// lateral-torsional buckling would need checking, which the program does not do for closed
// sections: the combined check's message and no capacity. nullopt when the calculation stopped.
std::optional<double> BoxLengthWithinLimit(MemberContext& c) {
  const std::optional<double> LE = LtbEffectiveLength(c);
  if (!LE) return std::nullopt;
  if (*LE > *BoxLengthLimit(c.s.McSection, ReadMemberInputs(c.s.texts).py)) {
    c.dialogs.Message(kOutsideParametersMessage);
    c.Stop(true);
    return std::nullopt;
  }
  return LE;
}

// The length within which a box needs no buckling check (x-x only), the length taken, and the
// web note.
void BoxLengthLines(MemberContext& c, MemberAxis axis, std::optional<double> LE, DetailList& out) {
  const MemberSection& sec = c.s.McSection;
  if (axis == MemberAxis::XX) {
    const std::optional<double> lmax = BoxLengthLimit(sec, ReadMemberInputs(c.s.texts).py);
    const double ratio = static_cast<double>(sec.Depth) / sec.Width;
    if (!lmax) {
      c.dialogs.Message(kBoxProportionMessage);
      out.Add("  and an effective length of ");
      out.Add("  for an effective length of ?");
    } else if (ratio > 1) {
      out.Add("  and an effective length of ");
      out.Add("  less than " + Metres(*lmax) + " m");
    }
  }
  if (LE) out.Add("  Effective Length = " + Metres(*LE) + " m");
  if (static_cast<double>(sec.Depth) / sec.WebThk > kWebBucklingRatio)
    out.Add("  Check local web buckling");
}

// A box or tube: a box with a length limit takes its effective length first and gets no
// capacity beyond the limit. nullopt when the calculation stopped.
std::optional<double> ClosedSectionCalculation(MemberContext& c, MemberAxis axis, SectionClass cls,
                                               DetailList& out) {
  const bool box = c.s.McType == SectionKind::Box;
  std::optional<double> LE;
  if (box && HasBoxLengthLimit(c.s.McSection, axis, ReadMemberInputs(c.s.texts).py)) {
    LE = BoxLengthWithinLimit(c);
    if (!LE) return std::nullopt;
  }
  const double Mc = ClosedSectionMomentCapacity(c, axis, cls, out);
  if (box) BoxLengthLines(c, axis, LE, out);
  return Mc;
}

}  // namespace

std::optional<double> BoxLengthLimit(const MemberSection& sec, double py) {
  const double ratio = static_cast<double>(sec.Depth) / sec.Width;
  if (ratio > 4) return std::nullopt;
  if (!(ratio > 1)) return std::numeric_limits<double>::infinity();
  const double slenderness = ratio > 3 ? 170 : ratio > 2 ? 225 : 350;
  return sec.Ry * slenderness * 275 / py;
}

double RestrainedMomentCapacity(MemberContext& c, MemberAxis axis, SectionClass cls,
                                DetailList& out) {
  const MemberSection& sec = c.s.McSection;
  const double py = ReadMemberInputs(c.s.texts).py;
  const AxisTexts a = TextsFor(axis);
  const bool xx = axis == MemberAxis::XX;
  const double S = xx ? sec.Sxx : sec.Syy;
  const double Z = xx ? sec.Zxx : sec.Zyy;
  const std::string sLabel = "S" + a.suffix;
  const std::string zLabel = "Z" + a.suffix;
  const double shearLimit = 0.6 * (0.6 * sec.Depth * sec.WebThk) * py;
  out.Add("  Beam is fully restrained ");
  double Mc = 0;
  bool limitGoverned = false;
  if (ReachesPlasticMoment(cls)) {
    out.Add("  Py = " + Stress(py) + " N/mm^2");
    out.Add("  " + sLabel + " = " + CubicCm(S) + " cm^3");
    out.Add("  " + zLabel + " = " + CubicCm(Z) + " cm^3");
    out.Add("  Pb = " + Stress(py) + " N/mm^2");
    Mc = S * py;
    limitGoverned = Mc > kShapeLimit * Z * py;
    if (limitGoverned) Mc = kShapeLimit * Z * py;
    out.Add(limitGoverned ? "  Mb = 1.2  x  " + zLabel + " x Py"
                          : "  Mb = " + sLabel + "  x  Py  ");
  } else if (cls == SectionClass::SemiCompact) {
    out.Add("  " + zLabel + " = " + CubicCm(Z) + " cm^3");
    out.Add("  Pb = " + Stress(py) + " N/mm^2");
    Mc = Z * py;
    out.Add("  Mb = " + zLabel + "  x  Py  ");
  } else {
    out.Add("  Epsilon = " + SigFig3(std::sqrt(275 / py)));
    const double pyr =
        SlenderBendingStrength(sec, py, out, "  Flange is slender", "  Web is slender");
    out.Add("  Reduced Py for slender section ");
    out.Add("  Pyr = " + Stress(pyr) + " N/mm^2");
    Mc = Z * pyr;
  }
  out.Add("  Mb " + a.axis + " = " + KiloNewtonMetres(Mc) + " kN-m");
  out.Add("  For shear load of less than  ");
  out.Add("  Fv = " + KiloNewtons(shearLimit) + " kN");
  if (limitGoverned) MayBeIncreasedLines(out, false);
  WebBucklingLine(sec, out);
  return Mc;
}

namespace {

struct LtbSlenderness {
  double lambdaLT = 0;  // equivalent slenderness
  double lambdaLO = 0;  // limiting slenderness
};

// halfLambda: lambda LT = lambda / 2, as for columns in simple construction.
LtbSlenderness LtbSlendernessLines(const MemberSection& sec, double LE, double n, bool halfLambda,
                                   const MemberInputs& in, DetailList& out) {
  out.Add("  Buckling parameter u = " + SigFig3(sec.u));
  const double lambda = LE / sec.Ry;
  const double v = BucklingSlendernessFactorV(sec.x, static_cast<float>(lambda));
  out.Add("  Slenderness factor v = " + SigFig3(v));
  out.Add("  Lambda = " + SigFig3(lambda));
  LtbSlenderness result;
  result.lambdaLT = halfLambda ? lambda / 2 : n * sec.u * v * lambda;
  out.Add("  Lambda LT = " + SigFig3(result.lambdaLT));
  result.lambdaLO = 0.4 * std::sqrt(kPiSquared * in.E / (in.py > 0 ? in.py : 1e-7));
  out.Add("  Lambda LO = " + SigFig3(result.lambdaLO));
  return result;
}

}  // namespace

std::optional<double> BucklingResistanceMoment(MemberContext& c, SectionClass cls, bool halfLambda,
                                               DetailList& out, double& leUsed) {
  const MemberSection& sec = c.s.McSection;
  const MemberInputs in = ReadMemberInputs(c.s.texts);
  const std::optional<double> LE = LtbEffectiveLength(c);
  if (!LE) return std::nullopt;
  const std::optional<double> n = LtbFactorN(c);
  if (!n) return std::nullopt;
  leUsed = *LE;
  const double py = in.py;
  const bool semiCompact = cls == SectionClass::SemiCompact;
  const bool slender = cls == SectionClass::Slender;
  out.Add("  Py = " + Stress(py) + " N/mm^2");
  out.Add("  Effective Length = " + Metres(*LE) + " m");
  out.Add("  Slenderness correction factor ");
  out.Add("  n = " + SigFig3(*n));
  const LtbSlenderness slenderness = LtbSlendernessLines(sec, *LE, *n, halfLambda, in, out);
  const double lambdaLT = slenderness.lambdaLT;
  const double lambdaLO = slenderness.lambdaLO;
  double pyUsed = py;
  if (slender) {
    pyUsed = SlenderBendingStrength(sec, py, out, "  Section flange is slender",
                                    "  Section web is slender");
    out.Add("  Reduced Py for slender section ");
    out.Add("  Pyr = " + Stress(pyUsed) + " N/mm^2");
  }
  const double etaLT = std::max(0.0, 0.007 * (lambdaLT - lambdaLO));
  out.Add("  Neta LT = " + SigFig3(etaLT));
  // The beam check's Perry formula: its elastic critical moment scales with Mp / py, so a
  // slender section's reduced strength lowers it as it does in the beam check.
  const double Mp = sec.Sxx * pyUsed;
  const double perry = ::trabeo::BucklingResistanceMoment(Mp, in.E, py, lambdaLT, etaLT);
  // Buckling can only lower the capacity: at short lengths the restrained capacity of the same
  // class (Z py for a semi-compact section, the 1.2 Z py limit) governs, and the lines say so
  // under the pb the buckling curve gave.
  DetailList scratch;
  const double restrained = RestrainedMomentCapacity(c, MemberAxis::XX, cls, scratch);
  const double Mb = std::min(perry, restrained);
  if (semiCompact) out.Add("  Sxx = " + CubicCm(sec.Sxx) + " cm^3");
  out.Add("  Pb = " + Stress(sec.Sxx > 0 ? perry / sec.Sxx : 0) + " N/mm^2");
  out.Add("  Mb = Sxx x Pb");
  if (restrained < perry) {
    out.Add("  Sxx x Pb = " + KiloNewtonMetres(perry) + " kN-m");
    out.Add(" Moment capacity fully restrained (Mc) = " + KiloNewtonMetres(restrained) + " kN-m");
  }
  out.Add(slender       ? "  Allowable bending moment"
          : semiCompact ? "  Buckling Resistance moment"
                        : "  Buckling resistance moment ");
  out.Add("  Mb x-x = " + KiloNewtonMetres(Mb) + " kN-m");
  if (c.s.McType == SectionKind::RSC) out.Add("  (Assumes load applied at shear centre)");
  out.Add("  For shear load of less than");
  out.Add("  Fv = " + KiloNewtons(0.36 * sec.Depth * sec.WebThk * py) + " kN");
  WebBucklingLine(sec, out);
  return Mb;
}

namespace {

struct ClosedCapacity {
  double Mc = 0;               // N mm
  bool limitGoverned = false;  // the 1.2 Z py limit, not S py
};

// What the capacity of a box or tube about one axis is taken from.
struct ClosedAxis {
  bool xx = true;
  bool tube = false;
  double py = 0, S = 0, Z = 0;  // N/mm2, mm3
  std::string elasticLabel;
};

// The moment capacity of a box or tube by its class, with the lines that say how it was taken.
ClosedCapacity ClosedSectionCapacityByClass(const MemberSection& sec, const ClosedAxis& axis,
                                            SectionClass cls, DetailList& out) {
  const bool xx = axis.xx, tube = axis.tube;
  const double py = axis.py, S = axis.S, Z = axis.Z;
  const std::string& elasticLabel = axis.elasticLabel;
  ClosedCapacity result;
  if (ReachesPlasticMoment(cls)) {
    result.Mc = S * py;
    result.limitGoverned = result.Mc > kShapeLimit * Z * py;
    if (result.limitGoverned) result.Mc = kShapeLimit * Z * py;
    if (tube) {
      out.Add(result.limitGoverned ? "  Mb = 1.2  x  Z  x  Py  " : "  Mb = S  x  Py  ");
      out.Add("  Buckling resistance moment ");
    }
  } else if (cls == SectionClass::SemiCompact) {
    result.Mc = Z * py;
    out.Add(tube ? "  Mb = Z  x  Py  " : "  Mb = " + elasticLabel + "  x  Py ");
    if (tube) out.Add("  Buckling resistance moment ");
  } else if (tube) {
    const double ratio = static_cast<double>(sec.Width) / sec.FlgThk;
    const double reduced = 80 * 275 / ratio;
    const double pyr = reduced < py ? reduced : py;
    out.Add("  pyr = " + Stress(pyr) + " N/mm^2");
    out.Add("  Mb = Z  x  Pyr ");
    out.Add("  Buckling resistance moment ");
    result.Mc = Z * pyr;
  } else {
    const double eps = std::sqrt(275 / py);
    // About y-y the webs are the compressed walls.
    const double ratio = xx ? static_cast<double>(sec.Outstand) / sec.FlgThk
                            : static_cast<double>(sec.WebDepth) / sec.WebThk;
    double factor = 31 / (ratio / eps - 8);
    if (factor < 0 || factor > 1) factor = 1;
    const double pyr = py * factor;
    out.Add("  Reduced Py for slender section ");
    out.Add("  Pyr = " + Stress(pyr) + " N/mm^2");
    out.Gap();
    out.Add("  Mb = " + elasticLabel + "  x  Py ");
    result.Mc = Z * pyr;
  }
  return result;
}

}  // namespace

double ClosedSectionMomentCapacity(MemberContext& c, MemberAxis axis, SectionClass cls,
                                   DetailList& out) {
  const MemberSection& sec = c.s.McSection;
  const double py = ReadMemberInputs(c.s.texts).py;
  const bool xx = axis == MemberAxis::XX;
  const bool tube = c.s.McType == SectionKind::Tube;
  const AxisTexts a = TextsFor(axis);
  const double S = xx ? sec.Sxx : sec.Syy;
  const double Z = xx ? sec.Zxx : sec.Zyy;
  const std::string& plasticLabel = xx ? c.units.PlasticXLabel : c.units.PlasticYLabel;
  const std::string& elasticLabel = xx ? c.units.ElasticXLabel : c.units.ElasticYLabel;
  out.Add("  " + plasticLabel + " = " + SigFig4(S / 1000) + " cm^3");
  out.Add("  " + elasticLabel + " = " + SigFig4(Z / 1000) + " cm^3");
  if (tube) out.Gap();
  // The webs parallel to the load carry the shear: D / (D + B) of a box's area about x-x.
  const double depthShare = xx ? sec.Depth : sec.Width;
  const double shearArea =
      tube ? 0.6 * sec.Area : depthShare / (static_cast<double>(sec.Depth) + sec.Width) * sec.Area;
  const double shearLimit = 0.36 * shearArea * py;
  const ClosedCapacity capacity =
      ClosedSectionCapacityByClass(sec, {xx, tube, py, S, Z, elasticLabel}, cls, out);
  const double Mc = capacity.Mc;
  const bool limitGoverned = capacity.limitGoverned;
  out.Add("  Mb " + a.axis + " = " + KiloNewtonMetres(Mc) + " kN-m");
  if (!tube && (ReachesPlasticMoment(cls))) out.Gap();
  out.Add(tube ? "  for a shear load of " : "  for a shear load of");
  out.Add(std::string(tube ? "  less than = " : "  less than ") + KiloNewtons(shearLimit) + " kN");
  if (limitGoverned) MayBeIncreasedLines(out, true);
  return Mc;
}

double SectionMomentCapacity(MemberContext& c, MemberAxis axis, SectionClass cls) {
  DetailList scratch;
  if (IsISectionKind(c.s.McType)) return RestrainedMomentCapacity(c, axis, cls, scratch);
  return ClosedSectionMomentCapacity(c, axis, cls, scratch);
}

std::optional<double> RunMomentCalculation(MemberContext& c, MemberAxis axis, DetailList& out,
                                           SummaryList& summary) {
  const SectionKind type = c.s.McType;
  const bool iType = IsISectionKind(type);
  const bool xx = axis == MemberAxis::XX;
  if (RefuseUncheckedKind(c)) return std::nullopt;
  if (!HasBendingValues(c.s.McSection, ReadMemberInputs(c.s.texts), iType)) {
    c.dialogs.Message(kNoDataMessage);
    c.Stop(false);
    return std::nullopt;
  }
  const std::optional<SectionClass> evaluated = xx ? c.s.ClassXX : c.s.ClassYY;
  // A section whose class could not be evaluated (an I section without a root radius) would
  // otherwise take the plastic formulas, which may overstate a slender section's capacity.
  if (!evaluated) {
    c.dialogs.Message(kCannotEvaluateSectionTypeMessage);
    c.Stop(false);
    return std::nullopt;
  }
  const SectionClass cls = *evaluated;
  double Mc = 0;
  if (!iType) {
    const std::optional<double> closed = ClosedSectionCalculation(c, axis, cls, out);
    if (!closed) {
      summary.Clear();
      c.s.Mcx = 0;
      return std::nullopt;
    }
    Mc = *closed;
  } else if (!xx || (!c.Combined() && c.dialogs.AskYesNo(kFullyRestrainedQuestion))) {
    Mc = RestrainedMomentCapacity(c, axis, cls, out);
  } else {
    double le = 0;
    const std::optional<double> Mb = BucklingResistanceMoment(c, cls, false, out, le);
    if (!Mb) return std::nullopt;
    Mc = *Mb;
    c.s.extra.MbXX = Mc;
  }
  if (xx) {
    c.s.Mcx = static_cast<float>(Mc);
  } else {
    c.s.Mcy = static_cast<float>(Mc);
  }
  summary.Clear();
  summary.Add("  Mb " + TextsFor(axis).axis + " = " + KiloNewtonMetres(Mc) + " kN-m");
  return Mc;
}

}  // namespace trabeo
