#include "steel/member_capacity/compression.h"

#include <algorithm>
#include <cmath>

#include "settings/sig_fig.h"
#include "steel/design_strength.h"
#include "steel/member_capacity/member_format.h"
#include "steel/member_capacity/strut_curve.h"

namespace trabeo {
namespace {

// 39^2 x 275: the reduced strength of a slender plate, py_r = 418275 / (b/t)^2.
constexpr double kSlenderPlateConstant = 418275;
constexpr double kRobertsonA = 0.002;

struct StrutInputs {
  double py = 0;
  double E = 0;
  double r = 0;  // radius of gyration about the axis
  bool xx = true;
};

std::string AxisText(MemberAxis axis) {
  return axis == MemberAxis::XX ? "x-x" : "y-y";
}

// pc with the thickness rule for 40 < T < 50 mm: the mean of pc at py and at the grade's value
// for thin material. The mean is never allowed above py: near squash load the second value is
// the thin-material strength itself, and a column cannot resist more than its own py.
double ThicknessRuleMean(double pc, double lambda, double py, double E, double robertson,
                         std::optional<SteelGrade> grade) {
  const float py16 = DesignStrengthForThickness(grade, 16).py;
  const double pcThin = StrutCompressiveStrength(lambda, py16, E, robertson);
  return std::min((pc + pcThin) / 2, py);
}

bool InThicknessBand(double thickness) {
  return thickness > 40 && thickness < 50;
}

void SlendernessLines(double lambda, DetailList& out, bool beyond250) {
  if (!beyond250) {
    if (lambda > 180) out.Add("  Le/r EXCEEDS 180");
    return;
  }
  if (lambda > 350) {
    out.Add("  Le/r EXCEEDS 350");
  } else if (lambda > 250) {
    out.Add("  Le/r EXCEEDS 250");
  } else if (lambda > 180) {
    out.Add("  Le/r EXCEEDS 180");
  }
}

// The default strut curve of a rolled I or H section (BS 5950 Table 25 as the window reads it).
char DefaultCurve(bool hSection, bool xx, double flangeThickness) {
  const bool thick = flangeThickness >= 40;
  if (!hSection) return xx ? 'a' : 'b';
  if (xx) return thick ? 'c' : 'b';
  return thick ? 'd' : 'c';
}

// py of an I section or channel, reduced when its flange or web is slender.
double SlenderIDesignStrength(const MemberSection& sec, double py, double eps, DetailList& out) {
  double pyf = py;
  const double flange = static_cast<double>(sec.Outstand) / sec.FlgThk;
  if (flange > 15 * eps) {
    double factor = 11 / (flange / eps - 4);
    if (factor < 0 || factor > 1) factor = 1;
    pyf = py * factor;
    out.Add(" Flange is slender");
  }
  double pyw = py;
  const double web = static_cast<double>(sec.WebDepth) / sec.WebThk;
  if (web > 39 * eps) {
    pyw = std::min(kSlenderPlateConstant / (web * web), py);
    out.Add(" Web is slender");
  }
  const double pyr = std::min(pyf, pyw);
  if (pyr < py) {
    out.Add(" Reduced Py for slender section ");
    out.Add(" pyr = " + Stress(pyr) + " N/mm2");
  }
  return pyr;
}

// Channels take curve c; I and H sections their default curve, or the engineer's answer where
// the section's proportions leave it open.
std::optional<char> IStrutCurve(MemberContext& c, MemberAxis axis, bool xx, DetailList& out) {
  const MemberSection& sec = c.s.McSection;
  if (c.s.McType == SectionKind::RSC) {
    out.Add("  Allowable Stress from Table 27c");
    return 'c';
  }
  const double proportion = static_cast<double>(sec.Width) / sec.Depth;
  const bool hSection = proportion >= 0.8;
  const bool ask = proportion >= 0.8 && proportion < 0.9;
  const std::optional<char> letter =
      StrutCurveLetter(c, axis, DefaultCurve(hSection, xx, sec.FlgThk), ask, hSection);
  if (letter) out.Add(" Allowable Stress from Table 27" + std::string(1, *letter));
  return letter;
}

std::optional<StrutResult> IStrut(MemberContext& c, MemberAxis axis, const StrutInputs& in,
                                  DetailList& out) {
  const MemberSection& sec = c.s.McSection;
  const std::optional<double> LE = StrutEffectiveLength(c, axis, false);
  if (!LE) return std::nullopt;
  const double py = in.py;
  const double eps = std::sqrt(275 / py);
  const double pyr = SlenderIDesignStrength(sec, py, eps, out);
  StrutResult result;
  result.LE = *LE;
  result.lambda = *LE / in.r;
  out.Add(" Py " + Stress(py) + " N/mm^2");
  out.Add(" E = " + Stress(in.E) + " N/mm^2");
  out.Add(" Epsilon = " + SigFig3(eps));
  out.Add(" Radius of Gyration = " + Millimetres(in.r) + " mm");
  out.Add(" Effective Length = " + Metres(*LE) + " m");
  out.Add(" Lambda = " + SigFig3(result.lambda));

  const std::optional<char> curve = IStrutCurve(c, axis, in.xx, out);
  if (!curve) return std::nullopt;
  (in.xx ? c.s.extra.CurveX : c.s.extra.CurveY) = std::string(1, *curve);
  const double robertson = *RobertsonConstant(*curve);
  result.pc = StrutCompressiveStrength(result.lambda, pyr, in.E, robertson);
  if (c.s.ClassAxial != SectionClass::Slender && InThicknessBand(sec.FlgThk)) {
    result.pc =
        ThicknessRuleMean(result.pc, result.lambda, py, in.E, robertson, c.s.McClassSet.grade);
    out.Add(" pc increased (Note 1 Table 25)");
  }
  result.Pc = result.pc * sec.Area;
  out.Add(" pc = " + Stress(result.pc) + " N/mm^2");
  out.Add(" Area of section = " + SquareCm(sec.Area) + " cm^2");
  out.Add(" Compression Resistance");
  out.Add(" Pc " + AxisText(axis) + " = " + KiloNewtons(result.Pc) + " kN");
  SlendernessLines(result.lambda, out, false);
  return result;
}

std::optional<StrutResult> BoxStrut(MemberContext& c, MemberAxis axis, const StrutInputs& in,
                                    DetailList& out) {
  const MemberSection& sec = c.s.McSection;
  const std::optional<double> LE = StrutEffectiveLength(c, axis, true);
  if (!LE) return std::nullopt;
  const double py = in.py;
  const double eps = std::sqrt(275 / py);
  out.Add("  Py = " + Stress(py) + " N/mm^2");
  out.Add("  E = " + Stress(in.E) + " N/mm^2");
  out.Add("  Epsilon = " + SigFig3(eps));
  out.Add("  Area of section = " + SquareCm(sec.Area) + " cm^2");
  out.Add(in.xx ? "  Major Axis of Rotation " : "  Minor Axis of Rotation ");
  out.Add(std::string(in.xx ? "  Rx = " : "  Ry = ") + Millimetres(in.r) + " mm");
  out.Add("  Effective Length = " + Metres(*LE) + " m");
  double pyr = py;
  if (c.s.ClassXX != SectionClass::Slender && c.s.ClassYY != SectionClass::Slender) {
    out.Add("  Column section is not ");
    out.Add("  considered as slender");
  } else {
    const double flange = (static_cast<double>(sec.Width) - 3.0 * sec.WebThk) / sec.FlgThk;
    const double web = static_cast<double>(sec.WebDepth) / sec.WebThk;
    const double ratio = std::max(flange, web);
    pyr = std::min(kSlenderPlateConstant / (ratio * ratio), py);
    out.Add("  Reduced Py for slender sect ");
    out.Add("  Pyr = " + Stress(pyr) + " N/mm2");
  }
  StrutResult result;
  result.LE = *LE;
  result.lambda = *LE / in.r;
  out.Add("  Lambda = " + SigFig3(result.lambda));
  out.Add("  Allowable stress from Table 27a");
  (in.xx ? c.s.extra.CurveX : c.s.extra.CurveY) = "a";
  result.pc = StrutCompressiveStrength(result.lambda, pyr, in.E, kRobertsonA);
  if (InThicknessBand(sec.FlgThk)) {
    result.pc =
        ThicknessRuleMean(result.pc, result.lambda, py, in.E, kRobertsonA, c.s.McClassSet.grade);
    out.Add(" py increased (Note 1 Table 25)");
  }
  result.Pc = result.pc * sec.Area;
  out.Add("  pc = " + Stress(result.pc) + " N/mm2");
  out.Add("  Compression Resistance");
  out.Add("  Pc " + AxisText(axis) + " = " + KiloNewtons(result.Pc) + " kN");
  SlendernessLines(result.lambda, out, true);
  return result;
}

std::optional<StrutResult> TubeStrut(MemberContext& c, MemberAxis axis, const StrutInputs& in,
                                     DetailList& out) {
  const MemberSection& sec = c.s.McSection;
  const std::optional<double> LE = StrutEffectiveLength(c, axis, false);
  if (!LE) return std::nullopt;
  const double py = in.py;
  const double eps = std::sqrt(275 / py);
  out.Add(" Py = " + Stress(py) + " N/mm^2");
  out.Add(" E = " + Stress(in.E) + " N/mm^2");
  out.Add(" Epsilon = " + SigFig3(eps));
  out.Add(" Area of section = " + SquareCm(sec.Area) + " cm^2");
  out.Add(" Radius of gyration = " + Millimetres(in.r) + " mm");
  out.Add(" Effective Length = " + Metres(*LE) + " m");
  double pyr = py;
  if (c.s.ClassXX == SectionClass::Slender) {
    out.Add(" Column section is ");
    out.Add(" considered as slender");
    const double ratio = static_cast<double>(sec.Width) / sec.WebThk;
    pyr = std::min(kSlenderPlateConstant / (ratio * ratio), py);
  } else {
    out.Add(" Column section is not");
    out.Add(" considered as slender");
  }
  StrutResult result;
  result.LE = *LE;
  result.lambda = *LE / in.r;
  out.Add(" Lambda = " + SigFig3(result.lambda));
  out.Add(" Allowable stress from Table 27a");
  (in.xx ? c.s.extra.CurveX : c.s.extra.CurveY) = "a";
  result.pc = StrutCompressiveStrength(result.lambda, pyr, in.E, kRobertsonA);
  if (InThicknessBand(sec.FlgThk)) {
    result.pc =
        ThicknessRuleMean(result.pc, result.lambda, py, in.E, kRobertsonA, c.s.McClassSet.grade);
    out.Add(" py increased (Note 1 Table 25)");
  }
  result.Pc = result.pc * sec.Area;
  out.Add(" Pc = " + Stress(result.pc) + " N/mm2");
  out.Add(" Compression Resistance");
  out.Add(" Pc " + AxisText(axis) + " = " + KiloNewtons(result.Pc) + " kN");
  SlendernessLines(result.lambda, out, true);
  return result;
}

// A strut needs an area, a radius of gyration, py, E and the plate dimensions its type reads;
// a record without them (a hand-made miscellaneous row) is refused rather than dividing by 0.
bool HasStrutValues(const MemberSection& sec, const StrutInputs& in, bool tube) {
  if (!(sec.Area > 0) || !(in.r > 0) || !(in.py > 0) || !(in.E > 0)) return false;
  if (!(sec.WebThk > 0)) return false;
  return tube || (sec.FlgThk > 0 && sec.Depth > 0);
}

}  // namespace

std::optional<StrutResult> RunStrutCalculation(MemberContext& c, MemberAxis axis,
                                               DetailList& lines) {
  if (RefuseUncheckedKind(c)) return std::nullopt;
  const bool iType = IsISectionKind(c.s.McType);
  const bool tube = c.s.McType == SectionKind::Tube;
  const MemberInputs inputs = ReadMemberInputs(c.s.texts);
  StrutInputs in;
  in.xx = axis == MemberAxis::XX;
  in.py = inputs.py;
  in.E = inputs.E;
  in.r = in.xx ? c.s.McSection.Rx : c.s.McSection.Ry;
  if (!HasStrutValues(c.s.McSection, in, tube)) {
    c.dialogs.Message(kNoDataMessage);
    c.Stop(false);
    return std::nullopt;
  }
  std::optional<StrutResult> result = iType  ? IStrut(c, axis, in, lines)
                                      : tube ? TubeStrut(c, axis, in, lines)
                                             : BoxStrut(c, axis, in, lines);
  if (!result) return std::nullopt;
  if (in.xx) {
    c.s.Pcx = static_cast<float>(result->Pc);
    c.s.extra.StressPcx = result->pc;
  } else {
    c.s.extra.Pcy = result->Pc;
    c.s.extra.StressPcy = result->pc;
  }
  return result;
}

void WriteStrutSummary(MemberAxis axis, const StrutResult& result, SummaryList& summary) {
  summary.Clear();
  summary.Add("  Effective Length = " + Metres(result.LE) + " m");
  summary.Add("  Pc " + AxisText(axis) + " = " + KiloNewtons(result.Pc) + " kN");
}

}  // namespace trabeo
