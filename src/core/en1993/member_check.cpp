#include "en1993/member_check.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "en1993/cross_section.h"
#include "en1993/effective_area.h"
#include "en1993/interaction.h"
#include "en1993/lateral_torsional.h"
#include "en1993/material.h"
#include "en1993/member_input_check.h"
#include "en1993/member_work.h"
#include "en1993/utilisation.h"

namespace trabeo::en1993 {
namespace {

constexpr double kDestabilisingFactor = 1.2;

// W fy / gamma_M0 by class: plastic for classes 1 and 2, elastic for 3, none for 4.
std::optional<double> MomentResistance(int sectionClass, double Wpl, double Wel, double fy,
                                       double gamma) {
  if (sectionClass <= 2) return Wpl * fy / gamma;
  if (sectionClass == 3) return Wel * fy / gamma;
  return std::nullopt;
}

// Notes a check that could not be made, once however many actions it leaves unchecked.
void NoteNotChecked(MemberWork& w, std::string reason) {
  if (std::find(w.notChecked.begin(), w.notChecked.end(), reason) == w.notChecked.end())
    w.notChecked.push_back(std::move(reason));
}

// 0 when the action is 0; null, with the reason noted, when it acts without a resistance.
std::optional<double> Checked(double action, const std::optional<double>& resistance, MemberWork& w,
                              const std::string& reason) {
  if (action == 0) return 0.0;
  if (resistance) return Utilisation(action, *resistance);
  NoteNotChecked(w, reason);
  return std::nullopt;
}

bool TubeIsClass4(const MemberWork& w, const MemberResult& r) {
  return w.section.kind == SectionKind::Tube && r.classCompression == 4;
}

void SetActions(const MemberInput& in, MemberWork& w) {
  w.NEd = in.NEd;
  w.MyEd = std::max(std::abs(in.MyEd1), std::abs(in.MyEd2));
  w.MzEd = std::max(std::abs(in.MzEd1), std::abs(in.MzEd2));
  w.VEd = in.VEd;
  w.myActs = w.MyEd > 0;
  w.mzActs = w.MzEd > 0;
}

void SetClasses(MemberWork& w, MemberResult& r) {
  const SectionClasses c = ClassifySection(w.section, r.fy, w.NEd, w.myActs, w.mzActs);
  w.elements = ClassifyElements(w.section, r.fy, w.NEd);
  r.classFlange = w.section.kind == SectionKind::Tube ? std::nullopt : c.flange;
  r.classWeb = w.section.kind == SectionKind::Tube ? std::nullopt : c.web;
  r.classCompression = c.compression;
  r.classBendingY = c.bendingY;
  r.classBendingZ = c.bendingZ;
  r.classCombined = c.combined;
  w.bendingClassY = c.combined.value_or(c.bendingY);
  w.bendingClassZ = c.combined.value_or(c.bendingZ);
  if (TubeIsClass4(w, r)) {
    w.classFourMessage = "Tube is class 4: not checked";
  } else if (c.combined == 4) {
    w.classFourMessage = "Class 4 under combined actions is not checked";
  } else if ((w.myActs && c.bendingY == 4) || (w.mzActs && c.bendingZ == 4)) {
    w.classFourMessage = "Section is class 4 in bending: not checked";
  }
  if (w.classFourMessage) r.messages.push_back(*w.classFourMessage);
}

// A class 4 tube: every action that acts is left unchecked.
void SetNothingChecked(MemberWork& w, MemberResult& r) {
  const std::string reason = "class 4 tube";
  r.crossSection = Checked(w.NEd + w.MyEd + w.MzEd, std::nullopt, w, reason);
  r.shear = Checked(w.VEd, std::nullopt, w, reason);
  r.bucklingY = Checked(w.NEd, std::nullopt, w, reason);
  r.bucklingZ = Checked(w.NEd, std::nullopt, w, reason);
  if (!w.myActs) r.ltb = 0.0;
  NoteNotChecked(w, reason);
}

// N_pl,Rd of the whole section. Under combined actions of class 1 to 3 every element is fully
// effective, so 6.2.9 takes n on A even where N_Ed alone would make the web class 4.
double GrossAxialResistance(const MemberWork& w, const MemberResult& r) {
  return w.section.A * r.fy / w.annex.gammaM0;
}

void SetResistances(MemberWork& w, MemberResult& r) {
  const Ec3Section& s = w.section;
  const double g0 = w.annex.gammaM0;
  if (r.classCompression == 4) r.Aeff = EffectiveArea(s, w.elements, r.epsilon);
  r.NcRd = r.Aeff.value_or(s.A) * r.fy / g0;
  r.McyRd = MomentResistance(w.bendingClassY, s.Wply, s.Wely, r.fy, g0);
  r.MczRd = MomentResistance(w.bendingClassZ, s.Wplz, s.Welz, r.fy, g0);
  w.shearArea = ShearArea(s, w.annex.eta);
  r.VplzRd = ShearResistance(s, r.fy, w.annex);
  if (WebMayBuckleInShear(s, r.epsilon, w.annex.eta))
    r.messages.push_back(
        "Web may buckle in shear (hw/tw > 72 eps/eta): shear buckling not checked");
  w.rho = ShearInteractionRho(w.VEd, *r.VplzRd);
  if (w.rho > 0 && r.McyRd)
    r.MyVRd = ShearReducedMomentY(s, w.bendingClassY, r.fy, w.rho, *r.McyRd, g0);
  if (w.NEd > 0 && (w.myActs || w.mzActs) && r.classCombined && *r.classCombined <= 2) {
    const double n = w.NEd / GrossAxialResistance(w, r);
    const AxialReducedMoments m = AxialReduced(s, n, r.MyVRd.value_or(*r.McyRd), *r.MczRd);
    r.MNyRd = m.y;
    r.MNzRd = m.z;
  }
}

// (6.41) with M_N (or, without axial force, the moment resistances themselves).
double PlasticInteraction(const MemberWork& w, const MemberResult& r) {
  const double Mny = r.MNyRd.value_or(r.MyVRd.value_or(*r.McyRd));
  const double Mnz = r.MNzRd.value_or(*r.MczRd);
  const double Npl = GrossAxialResistance(w, r);
  const NMExponents e = InteractionExponents(w.section, w.NEd / Npl);
  const double criterion =
      std::pow(Utilisation(w.MyEd, Mny), e.alpha) + std::pow(Utilisation(w.MzEd, Mnz), e.beta);
  return std::max(Utilisation(w.NEd, Npl), std::min(kNoResistance, criterion));
}

std::optional<double> CrossSectionUtilisation(const MemberWork& w, const MemberResult& r) {
  const int count = (w.NEd > 0) + w.myActs + w.mzActs;
  if (count == 0) return 0.0;
  const std::optional<double> My = r.MyVRd ? r.MyVRd : r.McyRd;
  if (count == 1) {
    if (w.NEd > 0) return Utilisation(w.NEd, *r.NcRd);
    if (w.myActs) return My ? std::optional(Utilisation(w.MyEd, *My)) : std::nullopt;
    return r.MczRd ? std::optional(Utilisation(w.MzEd, *r.MczRd)) : std::nullopt;
  }
  if (*r.classCombined == 4) return std::nullopt;
  if (*r.classCombined <= 2) return PlasticInteraction(w, r);
  return Utilisation(w.NEd, GrossAxialResistance(w, r)) + Utilisation(w.MyEd, *My) +
         Utilisation(w.MzEd, *r.MczRd);
}

void SetCrossSectionChecks(MemberWork& w, MemberResult& r) {
  r.crossSection = CrossSectionUtilisation(w, r);
  if (!r.crossSection) NoteNotChecked(w, "cross-section resistance");
  r.shear = Utilisation(w.VEd, *r.VplzRd);
}

void SetFlexuralBuckling(const MemberInput& in, MemberWork& w, MemberResult& r) {
  const Ec3Section& s = w.section;
  w.curves = FlexuralBucklingCurves(s, in.grade);
  const double area = r.Aeff.value_or(s.A);
  if (in.Lcry) {
    const FlexuralBuckling y = BuckleAbout(area, s.Iy, r.fy, *in.Lcry, w.curves.y, w.annex.gammaM1);
    r.lambdaY = y.lambdaBar;
    r.chiY = y.chi;
    r.NbyRd = y.NbRd;
  }
  if (in.Lcrz) {
    const FlexuralBuckling z = BuckleAbout(area, s.Iz, r.fy, *in.Lcrz, w.curves.z, w.annex.gammaM1);
    r.lambdaZ = z.lambdaBar;
    r.chiZ = z.chi;
    r.NbzRd = z.NbRd;
  }
  r.bucklingY = Checked(w.NEd, r.NbyRd, w, "flexural buckling about y-y (no Lcry)");
  r.bucklingZ = Checked(w.NEd, r.NbzRd, w, "flexural buckling about z-z (no Lcrz)");
  if (s.IsChannel() && w.NEd > 0)
    r.messages.push_back("Torsional-flexural buckling of the channel is not checked");
}

// The message, and the check left undone, when lateral-torsional buckling must be computed and
// the section lacks a property.
struct MissingProperty {
  std::string message, notChecked;
};
std::optional<MissingProperty> MissingTorsionProperty(const Ec3Section& s) {
  if (s.It <= 0)
    return MissingProperty{"No torsion constant for this section",
                           "lateral-torsional buckling (no torsion constant)"};
  if (s.IsOpen() && s.Iw <= 0)
    return MissingProperty{"No warping constant for this section",
                           "lateral-torsional buckling (no warping constant)"};
  return std::nullopt;
}

void ComputeLateralTorsional(const MemberInput& in, MemberWork& w, MemberResult& r) {
  w.ltbLength = *in.LLT * (in.destabilising ? kDestabilisingFactor : 1.0);
  w.ltbCurve = LateralTorsionalCurve(w.section, in.annex);
  const double C1 = in.C1 ? std::min(kMaxC1, *in.C1) : C1FromEndMoments(in.MyEd1, in.MyEd2);
  const double Mcr = ElasticCriticalMoment(w.section, C1, *w.ltbLength);
  const double W = w.bendingClassY <= 2 ? w.section.Wply : w.section.Wely;
  const LateralTorsional ltb = LateralTorsionalBuckling(W * r.fy, C1, Mcr, *w.ltbCurve, w.annex);
  r.C1 = ltb.C1;
  r.Mcr = ltb.Mcr;
  r.lambdaLT = ltb.lambdaLT;
  r.chiLT = ltb.chiLT;
  r.kc = ltb.kc;
  r.f = ltb.f;
  r.chiLTmod = ltb.chiLTmod;
  r.MbRd = ltb.MbRd;
}

std::optional<std::string> SetLateralTorsional(const MemberInput& in, MemberWork& w,
                                               MemberResult& r) {
  const bool lengthZero = in.LLT && *in.LLT == 0;
  w.ltbApplies = CanBuckleLaterally(w.section) && !in.restrained && !lengthZero;
  const bool computable = w.ltbApplies && in.LLT && w.bendingClassY <= 3;
  const std::optional<MissingProperty> missing =
      computable ? MissingTorsionProperty(w.section) : std::nullopt;
  if (missing && in.refuseMissingTorsionConstants) return missing->message;
  if (missing) {
    r.messages.push_back(missing->message);
  } else if (computable) {
    ComputeLateralTorsional(in, w, r);
  }
  if (!w.ltbApplies) {
    r.ltb = w.myActs ? std::nullopt : std::optional(0.0);
  } else {
    const std::string reason = missing  ? missing->notChecked
                               : in.LLT ? "lateral-torsional buckling (class 4)"
                                        : "lateral-torsional buckling (no LLT)";
    r.ltb = Checked(w.MyEd, r.MbRd, w, reason);
  }
  return std::nullopt;
}

InteractionInputs InteractionOf(const MemberWork& w, const MemberResult& r) {
  const Ec3Section& s = w.section;
  const int c = *r.classCombined;
  InteractionInputs x;
  x.NEd = w.NEd;
  x.MyEd = w.MyEd;
  x.MzEd = w.MzEd;
  x.NbyRd = *r.NbyRd;
  x.NbzRd = *r.NbzRd;
  x.lambdaY = *r.lambdaY;
  x.lambdaZ = *r.lambdaZ;
  x.MyRd = (c <= 2 ? s.Wply : s.Wely) * r.fy / w.annex.gammaM1;
  x.MzRd = (c <= 2 ? s.Wplz : s.Welz) * r.fy / w.annex.gammaM1;
  x.chiLT = r.chiLTmod.value_or(1.0);
  x.Cmy = *w.Cmy;
  x.Cmz = *w.Cmz;
  x.CmLT = *w.Cmy;
  x.sectionClass = c;
  x.susceptibleToTorsion = s.IsOpen() && w.ltbApplies;
  x.hollow = IsHollowKind(s.kind);
  return x;
}

void SetInteraction(const MemberInput& in, MemberWork& w, MemberResult& r) {
  w.interactionApplies = (w.NEd > 0 && (w.myActs || w.mzActs)) || (w.myActs && w.mzActs);
  if (!w.interactionApplies) return;
  w.Cmy = EquivalentMomentFactor(in.MyEd1, in.MyEd2);
  w.Cmz = EquivalentMomentFactor(in.MzEd1, in.MzEd2);
  const bool needsLtb = w.ltbApplies && w.myActs;
  if (*r.classCombined == 4) {
    NoteNotChecked(w, "interaction 6.61 and 6.62 (class 4)");
    return;
  }
  if (!r.NbyRd || !r.NbzRd || (needsLtb && !r.chiLTmod)) {
    NoteNotChecked(w, needsLtb ? "interaction 6.61 and 6.62 (needs Lcry, Lcrz and LLT)"
                               : "interaction 6.61 and 6.62 (needs Lcry and Lcrz)");
    return;
  }
  const InteractionResult x = MemberInteraction(InteractionOf(w, r));
  r.kyy = x.k.kyy;
  r.kyz = x.k.kyz;
  r.kzy = x.k.kzy;
  r.kzz = x.k.kzz;
  r.eq661 = x.eq661;
  r.eq662 = x.eq662;
}

std::string Joined(const std::vector<std::string>& reasons) {
  std::string text;
  for (const std::string& reason : reasons)
    text += (text.empty() ? "" : "; ") + reason;
  return text;
}

void SetVerdict(const MemberWork& w, MemberResult& r) {
  bool fails = false;
  double largest = 0;
  for (const auto& u :
       {r.crossSection, r.shear, r.bucklingY, r.bucklingZ, r.ltb, r.eq661, r.eq662}) {
    if (!u) continue;
    largest = std::max(largest, *u);
    fails = fails || !Passes(*u);
  }
  if (fails) {
    r.verdict = "FAIL";
  } else {
    r.verdict = w.notChecked.empty() ? "PASS" : "NOT CHECKED";
  }
  // Unchecked, with only the zeros of actions that do not act given: no utilisation to show.
  if (!(r.verdict == "NOT CHECKED" && largest == 0)) r.utilisation = largest;
  if (r.verdict == "NOT CHECKED")
    r.whyNotChecked = w.classFourMessage.value_or("Not checked: " + Joined(w.notChecked));
}

// Lengths and section properties far beyond any member's can carry a slenderness past what a
// double holds; the reductions then read as no reduction at all, so such a result is refused
// rather than shown.
std::optional<std::string> BeyondComputation(const MemberResult& r) {
  const auto finite = [](const std::optional<double>& value) {
    return !value || std::isfinite(*value);
  };
  if (!finite(r.lambdaY))
    return "Lcry is too long for this section: no slenderness can be computed";
  if (!finite(r.lambdaZ))
    return "Lcrz is too long for this section: no slenderness can be computed";
  if (!finite(r.lambdaLT) || !finite(r.Mcr) || (r.Mcr && !(*r.Mcr > 0)))
    return "LLT is too long for this section: no slenderness can be computed";
  for (const std::optional<double>* value :
       {&r.NcRd,      &r.Aeff,      &r.McyRd, &r.MczRd, &r.VplzRd,       &r.MyVRd,
        &r.MNyRd,     &r.MNzRd,     &r.chiY,  &r.chiZ,  &r.NbyRd,        &r.NbzRd,
        &r.C1,        &r.chiLT,     &r.kc,    &r.f,     &r.chiLTmod,     &r.MbRd,
        &r.kyy,       &r.kyz,       &r.kzy,   &r.kzz,   &r.crossSection, &r.shear,
        &r.bucklingY, &r.bucklingZ, &r.ltb,   &r.eq661, &r.eq662}) {
    if (!finite(*value))
      return std::string("The section's properties are beyond what this check can compute");
  }
  return std::nullopt;
}

MemberResult Refused(std::string message) {
  MemberResult r;
  r.refusal = std::move(message);
  return r;
}

}  // namespace

MemberResult CheckMember(const MemberInput& in) {
  if (auto problem = MemberInputProblem(in)) return Refused(*problem);
  auto decoded = DecodeSection(in.section);
  if (auto* problem = std::get_if<std::string>(&decoded)) return Refused(*problem);
  MemberWork w;
  w.section = std::get<Ec3Section>(decoded);
  w.annex = ParametersOf(in.annex);
  const std::optional<double> fy = YieldStrength(in.grade, w.section.ThickestElement());
  if (!fy) return Refused("An element thicker than 100 mm has no tabulated yield strength");
  MemberResult r;
  r.fy = *fy;
  r.epsilon = Epsilon(*fy);
  SetActions(in, w);
  SetClasses(w, r);
  if (TubeIsClass4(w, r)) {
    SetNothingChecked(w, r);
  } else {
    SetResistances(w, r);
    SetCrossSectionChecks(w, r);
    SetFlexuralBuckling(in, w, r);
    if (auto problem = SetLateralTorsional(in, w, r)) return Refused(*problem);
    SetInteraction(in, w, r);
    if (auto problem = BeyondComputation(r)) return Refused(*problem);
  }
  if (w.section.IsChannel())
    r.messages.insert(r.messages.begin(), "Channel taken as loaded through its shear centre");
  SetVerdict(w, r);
  r.details = MemberDetails(in, w, r);
  return r;
}

}  // namespace trabeo::en1993
