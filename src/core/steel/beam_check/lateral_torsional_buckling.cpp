#include "steel/beam_check/lateral_torsional_buckling.h"

#include "settings/sig_fig.h"
#include "steel/beam_check/buckling_resistance.h"
#include "steel/beam_check/moment_factors.h"
#include "steel/beam_check/restrained_i_section.h"
#include "steel/beam_check/slender_strength.h"

namespace trabeo {
namespace {

// What every class writes, worked out once.
struct BucklingPart {
  double n = 1;
  BucklingSlenderness slenderness;
  double Mb = 0;
  double pb = 0;
  double shearLimit = 0;
};

std::string MLine(const CheckedPart& part, const SteelCheckState& check) {
  return part.isMainSpan() ? "  m = " + SigFig3(check.PartM[part.index()]) : "  m = 1";
}

void WriteCommonTail(const SteelCheckInputs& in, const BucklingPart& b, const char* shearPrefix,
                     CheckTextWriter& out) {
  const CheckValues values(in.units);
  if (in.section.SectionKind == SectionKind::RSC)
    out.Line("  (Assumes load applied at shear centre)");
  out.Line(shearPrefix + values.Shear(b.shearLimit));
  WriteWebBucklingNote(in.section.SectionWebDepth, in.section.SectionWebThk, out);
}

// Plastic and compact sections.
void WritePlasticOrCompact(const SteelCheckInputs& in, const CheckedPart& part,
                           const SteelCheckState& check, const BucklingPart& b,
                           CheckTextWriter& out) {
  const CheckValues values(in.units);
  out.Line("  n = " + SigFig3(b.n));
  out.Line(MLine(part, check));
  out.Line("  Buckling parameter u = " + SigFig3(in.section.SectionU));
  out.Line("  Slenderness factor v = " + SigFig3(b.slenderness.v));
  out.Line("  Lambda = " + SigFig3(b.slenderness.lambda));
  out.Line("  Lambda LT = " + SigFig3(b.slenderness.lambdaLT));
  out.Line("  Lambda LO = " + SigFig3(b.slenderness.lambdaLO));
  out.Line("  Neta LT = " + SigFig3(b.slenderness.etaLT));
  out.Line("  Pb = " + values.Stress(b.pb));
  out.Line("  Mb = Sxx x Pb");
  out.Line("  Buckling resistance moment = " + values.Moment(b.Mb, SigFig4Dec3));
  WriteCommonTail(in, b, "  for shear load of less than ", out);
}

void WriteSemiCompact(const SteelCheckInputs& in, const CheckedPart& part,
                      const SteelCheckState& check, const BucklingPart& b, CheckTextWriter& out) {
  const CheckValues values(in.units);
  out.Line("  n = " + SigFig3(b.n));
  out.Line(MLine(part, check));
  out.Line("  Buckling parameter u = " + SigFig3(in.section.SectionU));
  out.Line("  Slenderness factor v = " + SigFig3(b.slenderness.v));
  out.Line("  Effective Length = " + values.Length(part.Le));
  out.Line("  Lambda = " + SigFig3(b.slenderness.lambda));
  out.Line("  Lambda LT = " + SigFig3(b.slenderness.lambdaLT));
  out.Line("  Lambda LO = " + SigFig3(b.slenderness.lambdaLO));
  out.Line("  Neta LT = " + SigFig3(b.slenderness.etaLT));
  out.Line("  Sxx = " + values.Modulus(in.section.SectionSxx));
  out.Line("  Pb = " + values.Stress(b.pb));
  out.Line("  Mb = Sxx x Pb");
  out.Line("  Mb x-x = " + values.Moment(b.Mb));
  WriteCommonTail(in, b, "  for shear load of less than  ", out);
}

// Slender sections: the lines of their reduced py stand among the slenderness lines.
void WriteSlender(const SteelCheckInputs& in, const CheckedPart& part, const SteelCheckState& check,
                  const BucklingPart& b, const SlenderStrength& reduced, CheckTextWriter& out) {
  const CheckValues values(in.units);
  out.Line("  n = " + SigFig3(b.n));
  out.Line(MLine(part, check));
  out.Line("  Buckling parameter u = " + SigFig3(in.section.SectionU));
  out.Line("  Slenderness factor v = " + SigFig3(b.slenderness.v));
  out.Line("  Lambda = " + SigFig3(b.slenderness.lambda));
  out.Line("  Lambda LT = " + SigFig3(b.slenderness.lambdaLT));
  out.Line("  Lambda LO = " + SigFig3(b.slenderness.lambdaLO));
  WriteSlenderElements(reduced, out);
  out.Line("  Pyr = " + values.Stress(reduced.pyr));
  out.Line("  Neta LT = " + SigFig3(b.slenderness.etaLT));
  out.Line("  Pb = " + values.Stress(b.pb));
  out.Line("  Sxx = " + values.Modulus(in.section.SectionSxx));
  out.Line("  Mb = Sxx x Pb");
  out.Line("  Mb x-x = " + values.Moment(b.Mb));
  WriteCommonTail(in, b, "  for shear load of less than  ", out);
}

}  // namespace

bool CheckLateralTorsionalBuckling(const SteelCheckInputs& in, const CheckedPart& part,
                                   SectionClass sectionClass, SteelCheckState& check,
                                   CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const CheckValues values(in.units);
  const double py = s.DesignStrength;
  const double E = in.model.MainSpan.E;
  const bool slender = sectionClass == SectionClass::Slender;
  SlenderStrength reduced;
  if (slender) {
    reduced = SlenderISectionStrength(s, py);
    out.Line("  Epsilon = " + SigFig3(reduced.epsilon));
    out.LineThenGap("  Effective length = " + values.Length(part.Le));
  } else if (sectionClass != SectionClass::SemiCompact) {
    out.Line("  Effective Length = " + values.Length(part.Le));
  }
  if (!SetMomentFactors(in, part, check)) return false;

  BucklingPart b;
  b.n = check.PartN[part.index()];
  b.slenderness =
      LateralTorsionalSlenderness(part.Le, s.SectionRy, s.SectionU, s.SectionX, b.n, E, py);
  // The buckling curve starts from the section's moment at its (reduced) design strength; the
  // limiting slenderness and the elastic critical moment keep the unreduced py.
  const double Mp = s.SectionSxx * (slender ? reduced.pyr : py);
  b.Mb = BucklingResistanceMoment(Mp, E, py, b.slenderness.lambdaLT, b.slenderness.etaLT);
  b.pb = SectionRatio(b.Mb, s.SectionSxx);
  b.shearLimit = 0.36 * s.SectionDepth * s.SectionWebThk * py;

  if (sectionClass == SectionClass::SemiCompact) {
    WriteSemiCompact(in, part, check, b, out);
  } else if (!slender) {
    WritePlasticOrCompact(in, part, check, b, out);
  } else {
    WriteSlender(in, part, check, b, reduced, out);
  }
  const std::size_t p = part.index();
  check.PartMb[p] = static_cast<float>(b.Mb);
  check.PartMc[p] =
      static_cast<float>(RestrainedISectionCapacity(s, sectionClass, check.AvgLoadFactor));
  check.PartShearLimit[p] = static_cast<float>(b.shearLimit);
  return true;
}

}  // namespace trabeo
