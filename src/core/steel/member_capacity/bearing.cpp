#include "steel/member_capacity/bearing.h"

#include <cmath>

#include "settings/sig_fig.h"
#include "steel/member_capacity/bending.h"
#include "steel/member_capacity/member_format.h"
#include "steel/member_capacity/strut_curve.h"

namespace trabeo {
namespace {

constexpr double kCurveC = 0.0055;
constexpr double kNewtonsPerKiloNewton = 1000;

}  // namespace

std::string DispersionLengthN1(const MemberSection& sec) {
  return SigFig4(sec.Depth / 2.0);
}

std::string DispersionLengthN2(const MemberSection& sec, SectionKind type) {
  if (IsISectionKind(type)) return SigFig4((static_cast<double>(sec.Depth) - sec.WebDepth) * 1.25);
  if (type == SectionKind::Box) return SigFig4(sec.WebThk * 2.5);
  return {};
}

bool RunBearingCalculation(MemberContext& c) {
  MemberCapacityState& s = c.s;
  const MemberSection& sec = s.McSection;
  const bool box = s.McType == SectionKind::Box;
  if (!IsISectionKind(s.McType) && !box) return false;
  const double b1 = BoxNumber(s.texts.Edit_b1);
  const double n1 = BoxNumber(s.texts.lbl_n1);
  const double n2 = BoxNumber(s.texts.lbl_n2);
  const double D = sec.Depth, t = sec.WebThk, d = sec.WebDepth;
  if (n1 == 0 || n2 == 0 || D == 0 || t == 0 || d == 0) return false;
  s.InputError = 0;
  const double py = ReadMemberInputs(s.texts).py;
  const double webs = box ? 2 : 1;
  const double bearing = (b1 + n2) * webs * t * py / kNewtonsPerKiloNewton;
  const double lambda = box ? (D - 2 * t) * 1.5 / t * std::sqrt(3.0) : 2.5 * d / t;
  const double pc = StrutCompressiveStrength(lambda, py, sec.E, kCurveC);
  const double buckling = (b1 + n1) * webs * t * pc / kNewtonsPerKiloNewton;

  DetailList& out = s.Detail(DetailKind::Bearing);
  out.Clear();
  out.Add(" END BEARING AND BUCKLING");
  out.Gap();
  if (box) {
    out.Add(" Beam is assumed to not to have  ");
    out.Add(" an end plate and be continuously");
    out.Add(" welded to bearing plate");
    out.Gap();
  }
  out.Add(" " + s.texts.lbl_Desc);
  out.Add(" Web thickness = " + SigFig3(t) + "mm");
  out.Add(" b1 = " + SigFig3(b1) + " mm");
  out.Add(" n1 = " + SigFig3(n1) + " mm");
  out.Add(" n2 = " + SigFig3(n2) + " mm");
  out.Add(" Lambda = " + SigFig4(lambda));
  out.Add(" Compressive strength (27c) ");
  out.Add(" pc = " + Stress(pc) + " N/mm^2");
  out.Gap();
  out.Add(" Bearing capacity = " + SigFig3(bearing) + " kN");
  out.Gap();
  out.Add(" Buckling capacity = " + SigFig3(buckling) + " kN");

  SummaryList& summary = s.Summary(SummaryKind::Bearing);
  summary.Clear();
  summary.Add("  End Bearing and Buckling for b1 = " + SigFig3(b1) + " mm");
  summary.Add("  Bearing capacity = " + SigFig3(bearing) + " kN");
  summary.Add("  Buckling capacity = " + SigFig4(buckling) + " kN");
  s.BearingCapacity = static_cast<float>(bearing);
  s.extra.BucklingCapacity = buckling;
  s.extra.BearingLambda = lambda;
  s.extra.BearingPc = pc;
  return true;
}

}  // namespace trabeo
