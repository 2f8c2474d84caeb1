#include "timber/timber_member_lines.h"

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

std::string Stress(double value) {
  return SigFig3(value) + " N/mm^2";
}

std::string Metres(double millimetres) {
  return SigFig3(millimetres / 1000) + " m";
}

std::string Heading(const TimberMemberWindow& w, const char* title) {
  return "  " + TimberAxisName(w.axis) + title;
}

std::string Exposed(const TimberMemberWindow& w, const char* gap) {
  return gap + std::string("(") + std::string(ExposureCode(w.exposure)) + ")";
}

std::string DurationText(float K3, LoadDuration duration) {
  return "  K3 = " + SigFig3(K3) + std::string(DurationSuffix(duration));
}

}  // namespace

std::string TimberAxisName(TimberAxis axis) {
  return axis == TimberAxis::Major ? "MAJOR AXIS" : "MINOR AXIS";
}

std::vector<std::string> TimberMemberSectionBlock(const TimberMemberWindow& w) {
  const TimberMemberSection& s = w.section;
  const TimberMemberLabels& l = w.labels;
  const auto label = [](const std::string& text) { return TextToNumber(text); };
  return {
      " " + w.Edit_Title,
      " " + SigFig3(s.b) + " x " + SigFig3(s.d) + " " + w.gradeName,
      s.Le == 0 ? std::string() : "  Effective length = " + Metres(s.Le),
      "  Area = " + SigFig3(s.A) + " cm^2",
      std::string("  ") + (s.axis == TimberAxis::Major ? "Ixx " : "Iyy ") + SigFig3(s.I) + " cm^4",
      "  r = " + SigFig3(s.r) + " mm",
      "  Grade \"E\" (bending) = " + Stress(label(l.lbl_Eb)),
      "  Grade \"E\" (axial) = " + Stress(label(l.lbl_Eax)),
      "  Grade Bending Stress = " + Stress(label(l.lbl_BendStress)),
      "  Grade Shear Stress = " + Stress(label(l.lbl_ShearStress)),
      "  Grade Axial Stress = " + Stress(label(l.lbl_AxStress)),
      "  K1 = " + SigFig3(s.K1) + Exposed(w, "  "),
      "  K2 (E) = " + SigFig2(s.K2.E) + Exposed(w, " "),
      "  K2 (bending Stress) = " + SigFig2(s.K2.bending) + Exposed(w, "  "),
      "  K2 (shear Stress) = " + SigFig2(s.K2.shear) + Exposed(w, "  "),
      "  K2 (Axial Stress) = " + SigFig2(s.K2.axial) + Exposed(w, " "),
      "  K8 = " + SigFig2(s.K8) + std::string(SharingSuffix(w.sharing)),
      "",
      "",
  };
}

std::string PermissibleMomentLine(const TimberBendingCapacity& c) {
  return "  Permissible Bending Moment = " + SigFig3(c.permMoment) + " kN-m";
}

std::string PermissibleShearLine(const TimberBendingCapacity& c) {
  return "  Permissible Shear Load = " + SigFig3(c.permShear) + " kN";
}

std::string PermissibleAxialLine(const TimberAxialCapacity& c) {
  return "  Permissible Axial Load = " + SigFig4(c.permAxial) + " kN";
}

std::string CombinedEquationLine(const TimberCombinedCheck& c) {
  return "  Combined Loading Equation = " + SigFig3(c.w);
}

std::string CombinedVerdictLine(const TimberCombinedCheck& c) {
  return c.ok ? kCombinedLoadingOk : kCombinedLoadingTooHigh;
}

std::vector<std::string> TimberBendingBlock(const TimberMemberWindow& w,
                                            const TimberBendingCapacity& c) {
  const TimberMemberSection& s = w.section;
  std::vector<std::string> lines{
      Heading(w, " BENDING"),
      "",
      "  K2 (bending stress) = " + SigFig2(s.K2.bending),
      DurationText(c.K3, w.durations.bending),
      "  K7 = " + SigFig4(c.K7),
      "  Permissible Bending Stress ",
      "    = Grade Stress x K2 x K3 x K7 x K8",
      "    = " + Stress(c.permBendStress),
      "  K2 (shear stress) = " + SigFig2(s.K2.shear),
      "  Permissible Shear Stress ",
      "    = Grade Stress x K2 x K3 x K8",
      "    = " + Stress(c.permShearStress),
      "  K2 (E) = " + SigFig2(s.K2.E),
      "  Permissible E = Grade E x K2",
      "  Permissible E = " + Stress(c.permE),
      "  EI = " + SigFig3(c.EI) + " kN-m^2",
      "",
      "  PERMISSIBLE LOADINGS ",
      PermissibleMomentLine(c),
  };
  if (c.torsionNote) lines.emplace_back("  (assuming adequate torsional restraint)");
  lines.emplace_back("");
  lines.push_back(PermissibleShearLine(c));
  return lines;
}

std::vector<std::string> TimberAxialBlock(const TimberMemberWindow& w,
                                          const TimberAxialCapacity& c) {
  const TimberMemberSection& s = w.section;
  return {
      Heading(w, " AXIAL LOADING"),
      "",
      "  K2 (axial stress) = " + SigFig2(s.K2.axial),
      DurationText(c.K3, w.durations.strut),
      "  Permissible Stress for K12 ",
      "    = Grade Stress x K2 x K3",
      "    = " + Stress(c.permCompStress),
      "  K2 (E) = " + SigFig2(s.K2.E),
      "  Permissible E =  Grade E x K2",
      "    = " + Stress(c.permE),
      "  Effective Length = " + Metres(s.Le),
      "  Lambda = " + SigFig3(c.lambda),
      "  Neta = " + SigFig3(c.eta),
      "  K12 = " + SigFig4(c.K12),
      "  Permissible Axial Stress x K8 = " + Stress(c.permAxialStress),
      "",
      "  PERMISSIBLE LOADINGS",
      PermissibleAxialLine(c),
  };
}

std::vector<std::string> TimberCombinedBlock(const TimberMemberWindow& w,
                                             const TimberBendingCapacity& bending,
                                             const TimberAxialCapacity& axial,
                                             const TimberCombinedCheck& c) {
  return {
      Heading(w, " COMBINED LOADING CHECK"),
      "",
      "  Applied Bending Moment = " + SigFig3(c.appliedMoment) + " kN-m",
      "  Permissible Bending Stress = " + Stress(bending.permBendStress),
      "  Applied Bending Stress = " + Stress(c.appliedBendStress),
      "  Applied Compressive Load = " + SigFig3(c.appliedAxial) + " kN",
      "  Permissible Compressive Stress = " + Stress(axial.permAxialStress),
      "  Applied Compressive Stress = " + Stress(c.appliedCompStress),
      CombinedEquationLine(c),
      "",
      CombinedVerdictLine(c),
  };
}

}  // namespace trabeo
