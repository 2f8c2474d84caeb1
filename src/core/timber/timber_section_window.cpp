#include "timber/timber_section_window.h"

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

void ShowExposureFactors(TimberSectionWindow& w) {
  const K2Factors k2 = K2Factor(w.exposure);
  w.labels.lbl_K1 = FixedPointText(K1Factor(w.exposure), 2);
  w.labels.lbl_K2E = FixedPointText(k2.E, 1);
  w.labels.lbl_K2B = FixedPointText(k2.bending, 1);
  w.labels.lbl_K2S = FixedPointText(k2.shear, 1);
}

void ShowGradeValues(TimberSectionWindow& w, float bending, float E, float shear) {
  w.labels.lbl_Bend = SigFig3(bending);
  w.labels.lbl_E = SigFig3(E);
  w.labels.lbl_Shear = FixedPointText(shear, 2);
}

void LoadGradeValues(TimberSectionWindow& w) {
  const TimberGrade* grade = TimberGradeAt(w.gradeIndex);
  if (grade == nullptr) return;  // a separator leaves the grade in force
  w.gradeName = std::string(grade->name);
  ShowGradeValues(w, grade->bending, BendingModulus(*grade, w.sharing), grade->shear);
  w.labels.lbl_K8 = SigFig3(K8Factor(w.sharing));
}

void Recalculate(TimberSectionWindow& w) {
  const TimberSectionLabels& l = w.labels;
  if (!(TextToNumber(l.lbl_Bend) > 0 && TextToNumber(l.lbl_E) > 0 &&
        TextToNumber(l.lbl_Depth) > 0 && TextToNumber(l.lbl_Width) > 0)) {
    w.lines.clear();
    w.inputs.reset();
    w.values.reset();
    return;
  }
  ShowExposureFactors(w);
  LoadGradeValues(w);
  w.labels.lbl_K3 = FixedPointText(K3Factor(w.duration), 2);
  const K2Factors k2 = K2Factor(w.exposure);
  TimberSectionInputs in;
  in.width = TextToNumber(l.lbl_Width);
  in.depth = TextToNumber(l.lbl_Depth);
  in.gradeBending = TextToNumber(l.lbl_Bend);
  in.gradeShear = TextToNumber(l.lbl_Shear);
  in.gradeE = TextToNumber(l.lbl_E);
  in.K1 = TextToNumber(l.lbl_K1);
  in.K2 = k2.bending;
  in.K2Shear = k2.shear;
  in.K3 = TextToNumber(l.lbl_K3);
  in.K8 = K8Factor(w.sharing);
  w.inputs = in;
  w.values = ComputeTimberSection(in);
  w.lines.clear();
  if (w.values) {
    w.lines = TimberSectionLines(in, *w.values, {w.gradeName, w.exposure, w.duration, w.sharing});
  }
}

// The 16 lines of the beam form's property list, in the user's units.
TextStore<51, 50> TimberPropertyLines(const std::string& description, const TimberSectionInputs& in,
                                      const TimberSectionValues& v, const UnitSettings& units) {
  const auto show = [&](UnitQuantity quantity, double internal, Formatter format) {
    return ShowValueWithUnit(units, quantity, internal, format);
  };
  const std::string lines[] = {
      "Timber",
      description,
      "",
      " Width = " + show(UnitQuantity::SectLength, in.width, SigFig3),
      " Depth = " + show(UnitQuantity::SectLength, in.depth, SigFig3),
      " Ixx = " + show(UnitQuantity::Inertia, v.I * 1e4, SigFig4),
      "",
      " Permissible Stresses",
      " E = " + show(UnitQuantity::E, v.permE, SigFig4),
      " Shear = " + show(UnitQuantity::E, v.permShearStress, SigFig4),
      " Bending = " + show(UnitQuantity::E, v.permBendStress, SigFig4),
      "",
      " Permissible Loads",
      " Shear = " + show(UnitQuantity::Shear, v.permShear * 1e3, SigFig4),
      " Bending = " + show(UnitQuantity::Moment, v.permMoment * 1e6, SigFig4),
      "",
  };
  TextStore<51, 50> store;
  int slot = 0;
  for (const std::string& line : lines)
    store.Set(++slot, line);
  store.SetCount(slot);
  return store;
}

TextStore<51, kTimberLineCapacity> SummaryStore(const std::vector<std::string>& lines) {
  TextStore<51, kTimberLineCapacity> store;
  int slot = 0;
  for (const std::string& line : lines)
    store.Set(++slot, line);
  store.SetCount(slot);
  return store;
}

void KeepTimberValues(const TimberSectionWindow& w, const TimberSectionValues& v,
                      TimberBeamValues& t) {
  t.TimberGradeName = w.gradeName;
  t.TimberSharing = std::string(SharingCode(w.sharing));
  t.TimberExposure = std::string(ExposureCode(w.exposure));
  t.TimberDuration = std::string(DurationCode(w.duration));
  t.TimberGradeBending = static_cast<float>(TextToNumber(w.labels.lbl_Bend));
  t.TimberGradeShear = static_cast<float>(TextToNumber(w.labels.lbl_Shear));
  t.TimberGradeE = static_cast<float>(TextToNumber(w.labels.lbl_E));
  t.TimberPermMoment = static_cast<float>(v.permMoment * 1e6);
  t.TimberPermShear = static_cast<float>(v.permShear * 1e3);
  t.TimberPermBendStress = v.permBendStress;
  t.TimberShearStiffness = v.shearStiffness;
  t.TimberSummaryLines = SummaryStore(w.lines);
}

}  // namespace

TimberSectionWindow ShowTimberSectionWindow(const BeamProject& project) {
  TimberSectionWindow w;
  const TimberBeamValues& t = project.timber;
  w.labels.lbl_Width = SigFig4(project.section.TimberWidth);
  w.labels.lbl_Depth = SigFig4(project.section.TimberDepth);
  w.duration = DurationOfCode(t.TimberDuration).value_or(LoadDuration::LongTerm);
  w.exposure = ExposureOfCode(t.TimberExposure).value_or(TimberExposure::Dry);
  w.sharing = SharingOfCode(t.TimberSharing).value_or(LoadSharing::Single);
  w.labels.lbl_K8 = w.sharing == LoadSharing::Share ? "1.1" : "1";
  ShowExposureFactors(w);
  w.labels.lbl_K3 = FixedPointText(K3Factor(w.duration), 2);

  const int stored = TimberGradeListIndex(t.TimberGradeName);
  if (stored < 0) {
    w.gradeIndex = kDefaultTimberGradeIndex;
    LoadGradeValues(w);
    return w;
  }
  w.gradeIndex = stored;
  w.gradeName = t.TimberGradeName;
  ShowGradeValues(w, t.TimberGradeBending, t.TimberGradeE, t.TimberGradeShear);
  for (int slot = 1; slot <= t.TimberSummaryLines.Count(); ++slot)
    w.lines.push_back(t.TimberSummaryLines[slot]);
  return w;
}

void ChooseTimberSectionGrade(TimberSectionWindow& window, int listIndex) {
  window.gradeIndex = listIndex;
  LoadGradeValues(window);
  Recalculate(window);
}

void ChooseTimberSectionSharing(TimberSectionWindow& window, LoadSharing sharing) {
  window.sharing = sharing;
  LoadGradeValues(window);
  Recalculate(window);
}

void ChooseTimberSectionExposure(TimberSectionWindow& window, TimberExposure exposure) {
  window.exposure = exposure;
  ShowExposureFactors(window);
  Recalculate(window);
}

void ChooseTimberSectionDuration(TimberSectionWindow& window, LoadDuration duration) {
  window.duration = duration;
  Recalculate(window);
}

void CalculateTimberSection(TimberSectionWindow& window) {
  LoadGradeValues(window);
  Recalculate(window);
}

std::optional<TimberHandOver> NextFromTimberSection(TimberSectionWindow& window,
                                                    const UnitSettings& units,
                                                    BeamProject& project) {
  CalculateTimberSection(window);
  if (!window.values || !window.inputs) return std::nullopt;
  const TimberSectionInputs& in = *window.inputs;
  const TimberSectionValues& v = *window.values;

  SectionValues& section = project.section;
  section.SectionKind = SectionKind::Timber;
  section.SectionFamily = "Timber";
  section.SectionDescription = ShowValue(units, UnitQuantity::SectLength, in.width, SigFig3) +
                               " x " +
                               ShowValue(units, UnitQuantity::SectLength, in.depth, SigFig3) + " " +
                               window.gradeName + " Timber";
  // The self weight the beam form works out is that of a steel section; a timber beam has none
  // (a steel section picked earlier would otherwise lend it its weight).
  section.SectionArea = 0;
  section.TimberWidth = static_cast<float>(in.width);
  section.TimberDepth = static_cast<float>(in.depth);
  KeepTimberValues(window, v, project.timber);
  project.model.FibreDistance = static_cast<float>(in.depth * in.K1 / 2);
  section.PropertyLines = TimberPropertyLines(section.SectionDescription, in, v, units);

  TimberHandOver handOver;
  handOver.Edit_Desc = section.SectionDescription;
  handOver.Edit_Span_Ixx = ShowValue(units, UnitQuantity::Inertia, v.I * 1e4, SigFig4);
  handOver.Edit_Span_E = ShowValue(units, UnitQuantity::E, v.permE, SigFig4);
  handOver.timberOptionEnabled = units.EnableTimber5268 == kSettingOn;
  handOver.codeOption = handOver.timberOptionEnabled ? DesignCode::BS5268 : DesignCode::None;
  // The model follows the option the form checks, which its "Next >" takes as the code.
  project.model.DesignCode = handOver.codeOption;
  return handOver;
}

void TakeTimberStiffness(const TimberHandOver& handOver, const UnitSettings& units,
                         BeamModel& model) {
  model.MainSpan.E = TypedToInternal(units, UnitQuantity::E, handOver.Edit_Span_E);
  model.MainSpan.Ixx = TypedToInternal(units, UnitQuantity::Inertia, handOver.Edit_Span_Ixx);
  model.SectionIxx = static_cast<float>(model.MainSpan.Ixx);
}

}  // namespace trabeo
