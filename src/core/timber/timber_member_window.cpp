#include "timber/timber_member_window.h"

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "timber/timber_member_lines.h"

namespace trabeo {
namespace {

void LoadGradeValues(TimberMemberWindow& w) {
  const TimberGrade* grade = TimberGradeAt(w.gradeIndex);
  if (grade == nullptr) return;  // a separator leaves the grade in force
  w.gradeName = std::string(grade->name);
  w.labels.lbl_BendStress = SigFig3(grade->bending);
  w.labels.lbl_ShearStress = SigFig3(grade->shear);
  w.labels.lbl_AxStress = SigFig3(grade->compression);
  w.labels.lbl_Eb = SigFig3(BendingModulus(*grade, w.sharing));
  w.labels.lbl_Eax = SigFig3(grade->eMin);
  w.labels.lbl_K8 = SigFig2(K8Factor(w.sharing));
}

// K1, K2 and K8 as working values and labels; K2 (E) is then read back as shown.
void RefreshFactors(TimberMemberWindow& w) {
  TimberMemberSection& s = w.section;
  s.K1 = K1Factor(w.exposure);
  s.K2 = K2Factor(w.exposure);
  s.K8 = K8Factor(w.sharing);
  w.labels.lbl_K1 = SigFig3(s.K1);
  w.labels.lbl_K2E = SigFig2(s.K2.E);
  w.labels.lbl_K2B = SigFig2(s.K2.bending);
  w.labels.lbl_K2S = SigFig2(s.K2.shear);
  w.labels.lbl_K2Ax = SigFig2(s.K2.axial);
  s.K2.E = static_cast<float>(TextToNumber(w.labels.lbl_K2E));
}

TimberMemberGrade GradeAsShown(const TimberMemberLabels& l) {
  return {TextToNumber(l.lbl_BendStress), TextToNumber(l.lbl_ShearStress),
          TextToNumber(l.lbl_AxStress), TextToNumber(l.lbl_Eb), TextToNumber(l.lbl_Eax)};
}

void ReadSizes(TimberMemberWindow& w) {
  w.section.b = TextToNumber(w.Edit_Width);
  w.section.d = TextToNumber(w.Edit_Depth);
  w.section.Le = TextToNumber(w.Edit_Le) * 1000;
  w.section.axis = w.axis;
}

void ComputeProperties(TimberMemberWindow& w) {
  ReadSizes(w);
  ComputeTimberMemberProperties(w.section);
  w.propertiesComputed = true;
}

void ClearBending(TimberMemberWindow& w) {
  w.bending.reset();
  w.bendingLines.clear();
  w.summaryLines[2].clear();
  w.summaryLines[3].clear();
}

void ClearAxial(TimberMemberWindow& w) {
  w.axial.reset();
  w.axialLines.clear();
  w.summaryLines[5].clear();
}

void ClearCombined(TimberMemberWindow& w) {
  w.combined.reset();
  w.combinedLines.clear();
  w.summaryLines[7].clear();
  w.summaryLines[8].clear();
}

// A width, depth or effective length that is not above 0 counts as not given: a negative size
// would give negative capacities, and a negative length a buckling factor of 1.
std::string Validate(TimberMemberWindow& w) {
  const TimberMemberGrade grade = GradeAsShown(w.labels);
  if (grade.bending == 0 || grade.shear == 0 || grade.axial == 0 || grade.eBending == 0 ||
      grade.eAxial == 0) {
    return std::string(kClickGradeOption);
  }
  ReadSizes(w);
  if (!(w.section.b > 0)) return std::string(kEnterWidth);
  if (!(w.section.d > 0)) return std::string(kEnterDepth);
  return {};
}

std::string StartCalculation(TimberMemberWindow& w, TimberMemberMode mode) {
  LoadGradeValues(w);
  RefreshFactors(w);
  std::string problem = Validate(w);
  if (!problem.empty()) return problem;
  ComputeProperties(w);
  w.mode = mode;
  return {};
}

bool EffectiveLengthGiven(const TimberMemberWindow& w) {
  return TextToNumber(w.Edit_Le) > 0;
}

void CalculateBending(TimberMemberWindow& w) {
  const float K3 = K3Factor(w.durations.bending);
  w.bending = CalculateTimberBending(w.section, GradeAsShown(w.labels), K3);
  w.bendingLines = TimberBendingBlock(w, *w.bending);
  w.summaryLines[2] = PermissibleMomentLine(*w.bending);
  w.summaryLines[3] = PermissibleShearLine(*w.bending);
}

void CalculateAxial(TimberMemberWindow& w) {
  const float K3 = K3Factor(w.durations.strut);
  w.axial = CalculateTimberAxial(w.section, GradeAsShown(w.labels), K3);
  w.axialLines = TimberAxialBlock(w, *w.axial);
  w.summaryLines[5] = PermissibleAxialLine(*w.axial);
}

void CalculateCombined(TimberMemberWindow& w) {
  const double moment = TextToNumber(w.durations.Edit_Mom);
  const double axialLoad = TextToNumber(w.durations.Edit_Axial);
  w.combined = CheckTimberCombined(w.section, GradeAsShown(w.labels), *w.bending, *w.axial, moment,
                                   axialLoad);
  w.combinedLines = TimberCombinedBlock(w, *w.bending, *w.axial, *w.combined);
  w.summaryLines[7] = CombinedEquationLine(*w.combined);
  w.summaryLines[8] = CombinedVerdictLine(*w.combined);
}

void AppendBlock(const std::vector<std::string>& block, std::vector<std::string>& list) {
  list.insert(list.end(), block.begin(), block.end());
  list.emplace_back("");
  list.emplace_back("");
}

}  // namespace

std::string_view TimberMemberModeName(TimberMemberMode mode) {
  switch (mode) {
    case TimberMemberMode::Beam:
      return "Beam";
    case TimberMemberMode::Strut:
      return "Strut";
    case TimberMemberMode::Comb:
      return "Comb";
  }
  return "Beam";
}

bool BendingDurationEnabled(TimberMemberMode mode) {
  return mode != TimberMemberMode::Strut;
}
bool StrutDurationEnabled(TimberMemberMode mode) {
  return mode != TimberMemberMode::Beam;
}
bool AppliedLoadsVisible(TimberMemberMode mode) {
  return mode == TimberMemberMode::Comb;
}
std::string DurationK3Label(LoadDuration duration) {
  return SigFig3(K3Factor(duration));
}

TimberMemberWindow NewTimberMemberWindow() {
  TimberMemberWindow w;
  LoadGradeValues(w);
  RefreshFactors(w);
  return w;
}

void ChooseTimberMemberGrade(TimberMemberWindow& window, int listIndex) {
  window.gradeIndex = listIndex;
  LoadGradeValues(window);
  RefreshFactors(window);
}

void ChooseTimberMemberSharing(TimberMemberWindow& window, LoadSharing sharing) {
  window.sharing = sharing;
  LoadGradeValues(window);
  RefreshFactors(window);
}

void ChooseTimberMemberExposure(TimberMemberWindow& window, TimberExposure exposure) {
  window.exposure = exposure;
  RefreshFactors(window);
}

void ChooseTimberMemberAxis(TimberMemberWindow& window, TimberAxis axis) {
  window.axis = axis;
  ReadSizes(window);
  ComputeTimberMemberProperties(window.section);
  RefreshFactors(window);
}

void ClearTimberMemberResults(TimberMemberWindow& window) {
  ClearBending(window);
  ClearAxial(window);
  ClearCombined(window);
  window.sectionLines.clear();
  window.summaryLines = {};
}

std::string PressTimberBendingCapacity(TimberMemberWindow& window) {
  ClearBending(window);
  return StartCalculation(window, TimberMemberMode::Beam);
}

std::string PressTimberAxialCapacity(TimberMemberWindow& window) {
  ClearAxial(window);
  if (!EffectiveLengthGiven(window)) return std::string(kEnterEffectiveLength);
  return StartCalculation(window, TimberMemberMode::Strut);
}

std::string PressTimberCombinedLoading(TimberMemberWindow& window) {
  ClearTimberMemberResults(window);
  if (!EffectiveLengthGiven(window)) return std::string(kEnterEffectiveLength);
  return StartCalculation(window, TimberMemberMode::Comb);
}

void ConfirmTimberDuration(TimberMemberWindow& w) {
  w.labels.lbl_K3b.clear();
  w.labels.lbl_K3ax.clear();
  if (w.mode != TimberMemberMode::Strut) {
    CalculateBending(w);
    w.labels.lbl_K3b = DurationK3Label(w.durations.bending);
  }
  if (w.mode != TimberMemberMode::Beam) {
    CalculateAxial(w);
    w.labels.lbl_K3ax = DurationK3Label(w.durations.strut);
  }
  if (w.mode == TimberMemberMode::Comb) CalculateCombined(w);
  w.sectionLines = TimberMemberSectionBlock(w);
  w.summaryLines[0] = "  " + TimberAxisName(w.axis) + " SUMMARY";
}

std::string TimberMemberButtonCaption(TimberAxis axis, TimberMemberButton button) {
  const std::string about = axis == TimberAxis::Major ? "x-x" : "y-y";
  switch (button) {
    case TimberMemberButton::Bending:
      return "Bending Capacity about " + about;
    case TimberMemberButton::Axial:
      return "Axial Capacity about " + about;
    case TimberMemberButton::Combined:
      return "Check Combined Loading about " + about;
  }
  return {};
}

std::vector<std::string> TimberMemberResultsList(const TimberMemberWindow& window) {
  std::vector<std::string> list;
  if (window.sectionLines.empty()) return list;
  list = window.sectionLines;
  AppendBlock(window.bendingLines, list);
  AppendBlock(window.axialLines, list);
  AppendBlock(window.combinedLines, list);
  return list;
}

std::vector<std::string> TimberMemberSummaryList(const TimberMemberWindow& window) {
  if (window.sectionLines.empty()) return {};
  return {window.summaryLines.begin(), window.summaryLines.end()};
}

Color TimberMemberSummaryColor(const TimberMemberWindow& window) {
  const float w = window.combined ? window.combined->w : 0.0f;
  return w >= 0 && w <= 1 ? colors::kBlack : colors::kRed;
}

}  // namespace trabeo
