#include <string>
#include <vector>

#include "en1993/buckling_curve.h"
#include "en1993/detail_format.h"
#include "en1993/material.h"
#include "en1993/member_work.h"
#include "settings/sig_fig.h"

namespace trabeo::en1993 {
namespace {

using Lines = std::vector<std::string>;

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

std::string Optional(const std::optional<double>& length) {
  return length ? Metres(*length) : std::string("none");
}

std::string ClassText(const std::optional<int>& sectionClass) {
  return sectionClass ? std::to_string(*sectionClass) : std::string("-");
}

void AddInputs(const MemberInput& in, const MemberWork& w, Lines& out) {
  out.push_back(std::string(in.annex == NationalAnnex::UK ? kUkAnnexLine : kRecommendedValuesLine));
  out.push_back(" Section " + Trimmed(w.section.designation) + " (" +
                std::string(SectionKindText(w.section.kind)) + "), grade " +
                std::string(SteelGradeName(in.grade)));
  if (!in.statedActions.empty()) {
    out.insert(out.end(), in.statedActions.begin(), in.statedActions.end());
    return;
  }
  out.push_back(" NEd = " + Kn(in.NEd) + "   VEd = " + Kn(in.VEd));
  out.push_back(" MyEd1 = " + KnM(in.MyEd1) + "   MyEd2 = " + KnM(in.MyEd2));
  out.push_back(" MzEd1 = " + KnM(in.MzEd1) + "   MzEd2 = " + KnM(in.MzEd2));
  out.push_back(" Lcry = " + Optional(in.Lcry) + "   Lcrz = " + Optional(in.Lcrz) +
                "   LLT = " + Optional(in.LLT));
  out.push_back(std::string(" C1 ") + (in.C1 ? "given = " + Ratio(*in.C1) : "from end moments") +
                "   Destabilising: " + (in.destabilising ? "yes" : "no") +
                "   Restrained: " + (in.restrained ? "yes" : "no"));
}

void AddMaterial(const MemberWork& w, const MemberResult& r, Lines& out) {
  out.push_back(" Material (3.2, EN 10025-2 / -4)");
  out.push_back("  t = " + Mm(w.section.ThickestElement()) + ": fy = " + SigFig3(r.fy) +
                " N/mm^2   eps = sqrt(235/fy) = " + Ratio(r.epsilon));
  out.push_back("  E = 210000 N/mm^2   G = 81000 N/mm^2   gM0 = " + Ratio(w.annex.gammaM0) +
                "   gM1 = " + Ratio(w.annex.gammaM1));
}

void AddElement(const std::string& name, const ElementClass& e, Lines& out) {
  out.push_back("  " + name + " c/t = " + Ratio(e.Ratio()) + " (limits " + Ratio(e.limits.class1) +
                ", " + Ratio(e.limits.class2) + ", " + Ratio(e.limits.class3) + "): class " +
                std::to_string(e.sectionClass));
}

void AddClasses(const MemberWork& w, const MemberResult& r, Lines& out) {
  out.push_back(" Classification (5.5, Table 5.2)");
  const SectionElements& e = w.elements;
  if (w.section.kind == SectionKind::Tube) {
    AddElement("Wall (c = d)", e.flange, out);
  } else if (w.section.kind == SectionKind::Box) {
    AddElement("b walls in compression", e.flange, out);
    AddElement("h walls in compression", e.web, out);
    AddElement("h walls in bending y-y", e.webBending, out);
    AddElement("h walls, y-y with NEd", e.webWithAxial, out);
    AddElement("b walls in bending z-z", e.sideBending, out);
    AddElement("b walls, z-z with NEd", e.sideWithAxial, out);
  } else {
    AddElement("Flange outstand", e.flange, out);
    AddElement("Web in compression", e.web, out);
    AddElement("Web in bending", e.webBending, out);
    AddElement("Web, bending with NEd", e.webWithAxial, out);
  }
  out.push_back("  Class: compression " + std::to_string(r.classCompression) + ", bending y-y " +
                std::to_string(r.classBendingY) + ", bending z-z " +
                std::to_string(r.classBendingZ) + ", combined " + ClassText(r.classCombined));
}

void AddResistances(const MemberWork& w, const MemberResult& r, Lines& out) {
  out.push_back(" Cross-section resistance (6.2)");
  if (r.Aeff) out.push_back("  Aeff = " + SigFig4(*r.Aeff) + " mm^2 (EN 1993-1-5 4.4)");
  out.push_back("  Nc,Rd = " + std::string(r.Aeff ? "Aeff" : "A") + " fy / gM0 = " + Kn(*r.NcRd) +
                " (6.2.4)");
  out.push_back("  Mc,y,Rd = " + (r.McyRd ? KnM(*r.McyRd) : std::string("none (class 4)")) +
                "   Mc,z,Rd = " + (r.MczRd ? KnM(*r.MczRd) : std::string("none (class 4)")) +
                " (6.2.5)");
  out.push_back("  Av = " + SigFig4(w.shearArea) + " mm^2   Vpl,z,Rd = " + Kn(*r.VplzRd) +
                " (6.2.6)");
  if (r.MyVRd)
    out.push_back("  rho = " + Ratio(w.rho) + "   My,V,Rd = " + KnM(*r.MyVRd) + " (6.2.8)");
  if (r.MNyRd)
    out.push_back("  MN,y,Rd = " + KnM(*r.MNyRd) + "   MN,z,Rd = " + KnM(*r.MNzRd) + " (6.2.9.1)");
  if (r.Aeff && r.classCombined && *r.classCombined <= 3)
    out.push_back("  Npl,Rd = A fy / gM0 = " + Kn(w.section.A * r.fy / w.annex.gammaM0) +
                  " in 6.2.9 (class " + std::to_string(*r.classCombined) +
                  " under all the actions)");
  out.push_back("  Cross-section utilisation (6.2.9): " + UtilisationText(r.crossSection));
  out.push_back("  Shear utilisation (6.2.6): " + UtilisationText(r.shear));
}

void AddAxis(const std::string& axis, BucklingCurve curve, const std::optional<double>& lambda,
             const std::optional<double>& chi, const std::optional<double>& Nb, Lines& out) {
  if (!Nb) {
    out.push_back("  " + axis + ": no buckling length");
    return;
  }
  out.push_back("  " + axis + ": curve " + std::string(CurveName(curve)) +
                ", lambda = " + Ratio(*lambda) + ", chi = " + Ratio(*chi) + ", Nb,Rd = " + Kn(*Nb));
}

void AddFlexural(const MemberWork& w, const MemberResult& r, Lines& out) {
  out.push_back(" Flexural buckling (6.3.1, Table 6.2)");
  AddAxis("y-y", w.curves.y, r.lambdaY, r.chiY, r.NbyRd, out);
  AddAxis("z-z", w.curves.z, r.lambdaZ, r.chiZ, r.NbzRd, out);
  out.push_back("  Utilisation y-y: " + UtilisationText(r.bucklingY) +
                "   z-z: " + UtilisationText(r.bucklingZ));
}

void AddLateralTorsional(const MemberWork& w, const MemberResult& r, Lines& out) {
  out.push_back(" Lateral-torsional buckling (6.3.2.3)");
  if (!w.ltbApplies) {
    out.push_back("  Does not apply: section, restraint or length");
    return;
  }
  if (r.MbRd) {
    out.push_back("  L = " + Metres(*w.ltbLength) + "   C1 = " + Ratio(*r.C1) +
                  "   Mcr = " + KnM(*r.Mcr) + " (load at the shear centre)");
    out.push_back("  curve " + std::string(CurveName(*w.ltbCurve)) +
                  ", lambdaLT = " + Ratio(*r.lambdaLT) + ", chiLT = " + Ratio(*r.chiLT) +
                  ", kc = " + Ratio(*r.kc) + ", f = " + Ratio(*r.f));
    out.push_back("  chiLT,mod = " + Ratio(*r.chiLTmod) + "   Mb,Rd = " + KnM(*r.MbRd) +
                  " (6.55, 6.58)");
  }
  out.push_back("  Utilisation: " + UtilisationText(r.ltb));
}

void AddInteraction(const MemberWork& w, const MemberResult& r, Lines& out) {
  if (!w.interactionApplies) return;
  out.push_back(" Interaction (6.3.3, Annex B method 2)");
  if (r.kyy) {
    out.push_back("  Cmy = CmLT = " + Ratio(*w.Cmy) + "   Cmz = " + Ratio(*w.Cmz) +
                  " (Table B.3)   Table " + (w.section.IsOpen() && w.ltbApplies ? "B.2" : "B.1"));
    out.push_back("  kyy = " + Ratio(*r.kyy) + "   kyz = " + Ratio(*r.kyz) +
                  "   kzy = " + Ratio(*r.kzy) + "   kzz = " + Ratio(*r.kzz));
  }
  out.push_back("  6.61: " + UtilisationText(r.eq661) + "   6.62: " + UtilisationText(r.eq662));
}

void AddVerdict(const MemberWork& w, const MemberResult& r, Lines& out) {
  out.push_back(" Verdict: " + r.verdict +
                (r.utilisation ? " (largest utilisation " + UtilisationNumber(*r.utilisation) + ")"
                               : std::string()));
  for (const std::string& reason : w.notChecked)
    out.push_back("  Not checked: " + reason);
  for (const std::string& message : r.messages)
    out.push_back(" " + message);
}

}  // namespace

std::vector<std::string> MemberDetails(const MemberInput& in, const MemberWork& w,
                                       const MemberResult& r) {
  Lines out;
  AddInputs(in, w, out);
  AddMaterial(w, r, out);
  AddClasses(w, r, out);
  if (r.NcRd) {
    AddResistances(w, r, out);
    AddFlexural(w, r, out);
    AddLateralTorsional(w, r, out);
    AddInteraction(w, r, out);
  }
  AddVerdict(w, r, out);
  return out;
}

}  // namespace trabeo::en1993
