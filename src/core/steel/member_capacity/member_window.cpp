#include "steel/member_capacity/member_window.h"

#include <array>

#include "fileio/fixed_text.h"
#include "sections/section_table_file.h"
#include "settings/sig_fig.h"
#include "steel/classification.h"
#include "steel/design_strength.h"
#include "steel/member_capacity/bearing.h"
#include "steel/member_capacity/bending.h"
#include "steel/member_capacity/combined.h"
#include "steel/member_capacity/compression.h"
#include "steel/member_capacity/member_format.h"
#include "steel/member_capacity/torsion.h"

namespace trabeo {
namespace {

constexpr std::array<MemberFamily, 14> kFamilies{{
    {"Universal Beams", "UB.sct", "Universal Beam"},
    {"Universal Columns", "UC.sct", "Universal Column"},
    {"RSJ", "RSJ.sct", "Rolled Steel Joist"},
    {"IPE", "IPE.sct", "IPE Rolled Steel Beam"},
    {"HE", "HE.sct", "HE Rolled Steel Beam"},
    {"W Section Beams", "WsBeam.sct", "W Section Beam"},
    {"W Section Columns", "WsCol.sct", "W Section Column"},
    {"RSC", "RSC.sct", "Rolled Steel Channel"},
    {"PFC", "PFC.sct", "Parallel Flanged Channel"},
    {"UPN", "UPN.sct", "UPN Rolled Steel Channel"},
    {"C Shape", "C.sct", "Rolled Steel Channel"},
    {"RHS", "RHS.sct", "Rolled Hollow Section"},
    {"CHS", "CHS.sct", "Circular Hollow Section"},
    {"Miscellaneous", "Misc.sct", "Miscellaneous"},
}};

MemberContext ContextOf(MemberCapacityWindow& w, Dialogs& dialogs, const UnitSettings& units) {
  return MemberContext{w.state, dialogs, units};
}

// Shows the lists after a calculation: its detail and the rebuilt summaries when it finished;
// nothing new when it stopped, and empty lists when it stopped on an unusable length.
void ShowOutcome(MemberCapacityWindow& w, DetailKind kind) {
  MemberCapacityState& s = w.state;
  if (s.InputError == 0) {
    w.List_Data = s.Detail(kind).InUse();
    w.List_Results = BuildMemberSummaryList(s);
  } else if (s.extra.ListsEmptied) {
    w.List_Data.clear();
    w.List_Results.clear();
  }
}

// Under EN 1993-1-1 the class labels wait for that code's classes: BS 5950's would mislead.
void HideBs5950ClassesUnderEn1993(MemberCapacityState& s) {
  if (s.code != DesignCode::EN1993) return;
  s.texts.lbl_SectionTypeA.clear();
  s.texts.lbl_SectionTypeX.clear();
  s.texts.lbl_SectionTypeY.clear();
}

void ClearResultsKeepingSection(MemberCapacityState& s) {
  for (SummaryList& summary : s.summaries)
    summary.Clear();
  for (int kind = 1; kind < kDetailKinds; ++kind)
    s.details[static_cast<std::size_t>(kind)].Clear();
  s.Mcx = s.Mcy = s.Pcx = s.BearingCapacity = 0;
  s.extra = MemberExtraResults{};
}

// Results worked out from values since typed over.
void ClearShownResults(MemberCapacityWindow& w) {
  ClearResultsKeepingSection(w.state);
  w.List_Data.clear();
  w.List_Results.clear();
  w.fileCommandsEnabled = false;
}

std::string HeadingOf(MemberCalculation calculation) {
  switch (calculation) {
    case MemberCalculation::MomentXX:
      return " MOMENT CAPACITY ABOUT X-X ";
    case MemberCalculation::MomentYY:
      return " MOMENT CAPACITY ABOUT Y-Y ";
    case MemberCalculation::AxialXX:
      return " AXIAL CAPACITY ABOUT X-X ";
    case MemberCalculation::AxialYY:
      return " AXIAL CAPACITY ABOUT Y-Y ";
  }
  return {};
}

DetailKind DetailOf(MemberCalculation calculation) {
  switch (calculation) {
    case MemberCalculation::MomentXX:
      return DetailKind::MomentXX;
    case MemberCalculation::MomentYY:
      return DetailKind::MomentYY;
    case MemberCalculation::AxialXX:
      return DetailKind::AxialXX;
    case MemberCalculation::AxialYY:
      return DetailKind::AxialYY;
  }
  return DetailKind::MomentXX;
}

SummaryKind SummaryOf(MemberCalculation calculation) {
  switch (calculation) {
    case MemberCalculation::MomentXX:
      return SummaryKind::MomentXX;
    case MemberCalculation::MomentYY:
      return SummaryKind::MomentYY;
    case MemberCalculation::AxialXX:
      return SummaryKind::AxialXX;
    case MemberCalculation::AxialYY:
      return SummaryKind::AxialYY;
  }
  return SummaryKind::MomentXX;
}

void FillClassSet(MemberCapacityState& s, const SectionRecord& r, float py) {
  MemberClassSet& set = s.McClassSet;
  set.D = r.Depth;
  set.T = r.FlgThk;
  set.B = r.Width;
  set.t = r.WebThk;
  set.r1 = r.RootRad;
  set.d = r.WebDepth;
  set.py = py;
  set.E = r.E;
  set.b = r.Outstand;
}

// py of the loaded section at the current grade, shown in Edit_Py.
void ComputeDesignStrength(MemberCapacityState& s, Dialogs& dialogs) {
  const DesignStrength strength =
      DesignStrengthForThickness(s.McClassSet.grade, s.McSection.FlgThk);
  if (!strength.message.empty()) dialogs.Message(strength.message);
  s.McClassSet.py = strength.py;
  s.texts.Edit_Py = SigFig3(strength.py);
}

// The BS 5950 help sends the user to buttons that EN 1993-1-1 greys out.
std::vector<std::string> En1993CheckHelp() {
  return {"",
          " Check the grade and the",
          " National Annex.",
          "",
          " Give Lcr,y, Lcr,z and L_LT,",
          " or one length in the",
          " \"Common Effective Length\" box",
          " for all three.",
          "",
          " Enter NEd (compression",
          " positive), the end moments",
          " and VEd, then click",
          " \"Check to EN 1993-1-1\"."};
}

}  // namespace

std::span<const MemberFamily> MemberFamilies() {
  return kFamilies;
}

const MemberFamily* FindMemberFamily(std::string_view fileName) {
  for (const MemberFamily& family : kFamilies) {
    const std::string_view file = family.fileName;
    if (file == fileName || file.substr(0, file.size() - 4) == fileName) return &family;
  }
  return nullptr;
}

MemberSection MemberSectionFromRecord(const SectionRecord& r) {
  MemberSection s;
  s.Width = r.Width;
  s.Depth = r.Depth;
  s.WebThk = r.WebThk;
  s.FlgThk = r.FlgThk;
  s.RootRad = r.RootRad;
  s.WebDepth = r.WebDepth;
  s.Outstand = r.Outstand;
  s.FlgAngle = r.FlgAngle;
  s.E = r.E;
  s.Area = r.Area;
  s.Ixx = r.Ixx;
  s.Iyy = r.Iyy;
  s.Rx = r.Rx;
  s.Ry = r.Ry;
  s.Zxx = r.ExtremeY != 0 ? r.Ixx / r.ExtremeY : 0;
  s.Zyy = r.ExtremeX != 0 ? r.Iyy / r.ExtremeX : 0;
  s.K = r.K;
  s.TorsionFibre = r.TorsionFibre;
  s.Cy = r.Cy;
  s.Cs = r.Cs;
  s.Sxx = r.Sxx;
  s.Syy = r.Syy;
  s.u = r.u;
  s.x = r.x;
  s.H = r.H;
  s.Extra = r.Extra;
  return s;
}

void ClassifyMemberSection(MemberCapacityState& s, float py, Dialogs& dialogs) {
  if (s.InputError != 0) return;
  const MemberSection& sec = s.McSection;
  ClassificationSection c;
  c.Depth = sec.Depth;
  c.Width = sec.Width;
  c.WebThk = sec.WebThk;
  c.FlgThk = sec.FlgThk;
  c.RootRad = sec.RootRad;
  c.WebDepth = sec.WebDepth;
  c.Outstand = sec.Outstand;
  BendingClassification bending;
  AxialClassification axial;
  if (s.McType == SectionKind::Tube) {
    bending = ClassifyTube(c, py);
    axial.classAxial = bending.classXX;
  } else if (s.McType == SectionKind::Box) {
    bending = ClassifyBoxBending(c, py);
    axial = ClassifyBoxCompression(c, py);
  } else if (IsISectionKind(s.McType)) {
    bending = ClassifyISectionBending(c, py);
    axial = ClassifyISectionCompression(c, py);
  } else {
    return;
  }
  // A routine that reports a zero dimension shows its message once.
  if (!bending.message.empty()) {
    dialogs.Message(bending.message);
  } else if (!axial.message.empty()) {
    dialogs.Message(axial.message);
  }
  // py not above 0 (after the thickness message) leaves every class empty.
  if (!(py > 0)) {
    s.ClassXX = s.ClassYY = s.ClassAxial = std::nullopt;
  } else {
    if (bending.classXX) s.ClassXX = bending.classXX;
    if (bending.classYY) s.ClassYY = bending.classYY;
    if (axial.classAxial) s.ClassAxial = axial.classAxial;
  }
  s.texts.lbl_SectionTypeA = SectionClassText(s.ClassAxial);
  s.texts.lbl_SectionTypeX = SectionClassText(s.ClassXX);
  s.texts.lbl_SectionTypeY = SectionClassText(s.ClassYY);
}

std::vector<std::string> LoadSectionHelp() {
  return {" ", " To load section from database,", " click on \"Section Properties\"",
          " from the menu above", " and choose section type."};
}

std::vector<std::string> PickSectionHelp() {
  return {" ", " Click on section required"};
}

std::vector<std::string> CalculationHelp() {
  return {"",
          " Check material grade and ",
          " change if necessary, using",
          " \"Grade\"  from the menu ",
          "",
          " You may change the value",
          " of Py if you wish.",
          "",
          " If the effective length is",
          " the same for all loadings ",
          " Then enter the Le  in the ",
          " \"Common Effective Length\" box",
          "",
          " To check member capacity,",
          " Click a \"...Capacity...\"",
          " Button below  ",
          " or choose from \"Calculate\" on",
          " the menu above. "};
}

std::vector<std::string> SectionHelp(const MemberCapacityState& s) {
  return s.code == DesignCode::EN1993 ? En1993CheckHelp() : CalculationHelp();
}

void ClearMemberResults(MemberCapacityWindow& w) {
  MemberCapacityState& s = w.state;
  s.texts.lbl_SectionTypeA.clear();
  s.texts.lbl_SectionTypeX.clear();
  s.texts.lbl_SectionTypeY.clear();
  s.texts.lbl_Desc.clear();
  w.List_Data.clear();
  w.List_Results.clear();
  ClearResultsKeepingSection(s);
  s.Detail(DetailKind::SectionData).Clear();
  s.asked = MemberAskedFlags{};
  s.McCurveX.clear();
  s.McCurveY.clear();
  s.McN = 1;
  w.fileCommandsEnabled = false;
}

void ShowMemberWindow(MemberCapacityWindow& w, const SectionValues& beamSection,
                      bool returningFromHeader) {
  if (returningFromHeader) return;
  ClearMemberResults(w);
  w.List_Help = LoadSectionHelp();
  w.List_HelpVisible = true;
  // A section picked here earlier is unloaded, and no description shows until one is picked: the
  // beam's section (a timber one, say) is not what this window checks.
  w.state.McSection = MemberSection{};
  w.state.McType = SectionKind::None;
  static constexpr std::array<std::string_view, kSteelGradeCount> kBeamGradeTexts{
      "S 275 (Grade 43)", "S 355 (Grade 50)", "S 460 (Grade 55)"};
  const std::optional<SteelGrade> shown = beamSection.SteelGrade.Shown();
  w.Combo_GradeIndex = shown ? SteelGradeListIndex(*shown) : -1;
  w.Combo_GradeText =
      shown ? std::string(kBeamGradeTexts[static_cast<std::size_t>(w.Combo_GradeIndex)]) : "";
  w.state.McClassSet.grade = shown.value_or(SteelGrade::S275);
}

void PickMemberFamily(MemberCapacityWindow& w, const MemberFamily& family,
                      const std::filesystem::path& startFolder) {
  ClearMemberResults(w);
  w.tableFile = family.fileName;
  w.lbl_Group = family.group;
  w.List_Section = ListSectionTable(startFolder, family.fileName);
  w.List_Help = PickSectionHelp();
  w.List_HelpVisible = true;
}

void PickMemberSectionLine(MemberCapacityWindow& w, std::size_t k,
                           const std::filesystem::path& startFolder, Dialogs& dialogs,
                           const UnitSettings& units) {
  if (w.tableFile.empty()) return;
  const std::optional<SectionRecord> record = PickSectionRecord(startFolder, w.tableFile, k);
  if (record) PickMemberSection(w, *record, dialogs, units);
}

void PickMemberSection(MemberCapacityWindow& w, const SectionRecord& record, Dialogs& dialogs,
                       const UnitSettings& units) {
  MemberCapacityState& s = w.state;
  s.Detail(DetailKind::Combined).Clear();
  ClearMemberResults(w);
  w.cmd_CalcEnabled = true;
  s.texts.lbl_Desc = CutToCapacity(" " + record.Designation, kMemberLineCapacity);
  s.McType = SectionKindFromText(record.Type);
  if (record.IsSeparator()) return;
  s.InputError = 0;
  s.McSection = MemberSectionFromRecord(record);
  s.texts.Edit_E = SigFig4(record.E);
  FillClassSet(s, record, 0);
  ComputeDesignStrength(s, dialogs);
  s.texts.lbl_n1 = DispersionLengthN1(s.McSection);
  s.texts.lbl_n2 = DispersionLengthN2(s.McSection, s.McType);
  ClassifyMemberSection(s, s.McClassSet.py, dialogs);
  HideBs5950ClassesUnderEn1993(s);
  ListMemberSectionData(s, units);
  w.List_Data = s.Detail(DetailKind::SectionData).InUse();
  w.List_Help = SectionHelp(s);
  w.List_HelpVisible = true;
}

void ChangeMemberGrade(MemberCapacityWindow& w, int itemIndex, Dialogs& dialogs,
                       const UnitSettings& units) {
  static constexpr std::array<std::string_view, 3> kGradeLabels{
      "S275  (Grade 43)", "S355  (Grade 50)", "S450  (Grade 55)"};
  const SteelGrade grade = SteelGradeOfListIndex(itemIndex).value_or(SteelGrade::S275);
  const auto item = static_cast<std::size_t>(SteelGradeListIndex(grade));
  MemberCapacityState& s = w.state;
  s.McClassSet.grade = grade;
  w.Combo_GradeIndex = itemIndex >= 0 && itemIndex <= 2 ? itemIndex : -1;
  w.Combo_GradeText = w.Combo_GradeIndex >= 0 ? std::string(kMemberGradeItems[item]) : "";
  w.gradeLabel = kGradeLabels[item];
  // Clearing the results keeps the picked section's description: the section stays loaded.
  const std::string description = s.texts.lbl_Desc;
  ClearMemberResults(w);
  s.texts.lbl_Desc = description;
  if (!s.SectionLoaded()) {
    dialogs.Message(kLoadSectionFirstMessage);
    return;
  }
  s.InputError = 0;
  ComputeDesignStrength(s, dialogs);
  ClassifyMemberSection(s, s.McClassSet.py, dialogs);
  HideBs5950ClassesUnderEn1993(s);
  ListMemberSectionData(s, units);
  w.List_Data = s.Detail(DetailKind::SectionData).InUse();
}

void RunSingleMemberCalculation(MemberCapacityWindow& w, MemberCalculation calculation,
                                Dialogs& dialogs, const UnitSettings& units) {
  MemberCapacityState& s = w.state;
  w.Panel_BearingVisible = false;
  w.cmd_BearingVisible = true;
  s.InputError = 0;
  s.extra.ListsEmptied = false;
  const DetailKind kind = DetailOf(calculation);
  DetailList& out = s.Detail(kind);
  out.Clear();
  w.List_Help = CalculationHelp();
  w.List_HelpVisible = true;
  const bool axial =
      calculation == MemberCalculation::AxialXX || calculation == MemberCalculation::AxialYY;
  const bool xx =
      calculation == MemberCalculation::MomentXX || calculation == MemberCalculation::AxialXX;
  const MemberAxis axis = xx ? MemberAxis::XX : MemberAxis::YY;
  // The class line must name the class the calculation works with: axial calculations classify
  // at the py of the box first.
  if (axial && s.SectionLoaded())
    ClassifyMemberSection(s, static_cast<float>(BoxNumber(s.texts.Edit_Py)), dialogs);
  out.Add(HeadingOf(calculation));
  out.Gap();
  out.Add("  " + s.texts.lbl_Desc);
  out.Gap();
  if (axial) {
    out.Add(" Section is " + std::string(SectionClassText(s.ClassAxial)));
    out.Add(" for axial load with no bending");
  } else {
    out.Add("  Section is " + std::string(SectionClassText(xx ? s.ClassXX : s.ClassYY)));
    out.Add("  for bending with no axial load");
  }
  if (s.SectionLoaded()) {
    MemberContext c = ContextOf(w, dialogs, units);
    SummaryList& summary = s.Summary(SummaryOf(calculation));
    if (axial) {
      const std::optional<StrutResult> result = RunStrutCalculation(c, axis, out);
      if (result) WriteStrutSummary(axis, *result, summary);
    } else {
      RunMomentCalculation(c, axis, out, summary);
    }
  }
  ShowOutcome(w, kind);
  w.fileCommandsEnabled = true;
}

void RunCombinedMemberCalculation(MemberCapacityWindow& w, Dialogs& dialogs,
                                  const UnitSettings& units) {
  MemberCapacityState& s = w.state;
  if (!s.SectionLoaded()) return;
  const MemberInputs in = ReadMemberInputs(s.texts);
  if (in.F == 0 && in.M1x == 0 && in.M1y == 0 && in.M2x == 0 && in.M2y == 0) {
    dialogs.Message(kEnterLoadMessage);
    return;
  }
  w.Panel_BearingVisible = false;
  MemberContext c = ContextOf(w, dialogs, units);
  RunCombinedCalculation(c);
  ShowOutcome(w, DetailKind::Combined);
  w.fileCommandsEnabled = true;
}

void ShowMemberBearingPanel(MemberCapacityWindow& w, Dialogs& dialogs) {
  const SectionKind type = w.state.McType;
  if (!IsISectionKind(type) && type != SectionKind::Box) {
    dialogs.Message(kBearingTypesMessage);
    return;
  }
  w.Panel_BearingVisible = true;
  w.List_HelpVisible = false;
  w.cmd_BearingVisible = false;
}

void RunMemberBearingCalculation(MemberCapacityWindow& w, Dialogs& dialogs,
                                 const UnitSettings& units) {
  MemberCapacityState& s = w.state;
  s.Detail(DetailKind::Bearing).Clear();
  MemberContext c = ContextOf(w, dialogs, units);
  if (RunBearingCalculation(c)) {
    w.List_Data = s.Detail(DetailKind::Bearing).InUse();
    w.List_Results = BuildMemberSummaryList(s);
  }
  w.fileCommandsEnabled = true;
}

void ClickMemberAxialLabel(MemberCapacityWindow& w, Dialogs& dialogs, const UnitSettings& units) {
  if (!AxialBoxAsksForTorsion(w.state.texts) || !w.state.SectionLoaded()) return;
  MemberContext c = ContextOf(w, dialogs, units);
  RunTorsionCalculation(c);
}

void MemberPyOrEEdited(MemberCapacityWindow& w) {
  MemberCapacityState& s = w.state;
  ClearShownResults(w);
  // The note goes in as the second line of the section data; the property lines move down
  // rather than being overwritten.
  DetailList& data = s.Detail(DetailKind::SectionData);
  if (data.count >= 2 && data.lines[1] == kEditedByUserLine) return;
  std::vector<std::string> lines = data.InUse();
  lines.insert(lines.begin() + (lines.empty() ? 0 : 1), std::string(kEditedByUserLine));
  data.Clear();
  for (const std::string& line : lines)
    data.Add(line);
}

void MemberLengthEdited(MemberCapacityWindow& w) {
  // A new length clears the results as a new py does, but the section data gets no note: the
  // design strength and E are still those of the section.
  ClearShownResults(w);
  MemberAskedFlags& asked = w.state.asked;
  asked.StrutLengthAskedX = asked.StrutLengthAskedY = asked.LtbLengthAsked = 0;
}

void MemberLoadsEdited(MemberCapacityWindow& w) {
  w.state.Summary(SummaryKind::Combined).Clear();
  w.state.extra.Ec3Details.clear();
  w.state.extra.Ec3Summary.clear();
  w.List_Results = BuildMemberSummaryList(w.state);
  w.List_Data.clear();
}

std::vector<std::string> BuildMemberSummaryList(const MemberCapacityState& s) {
  std::vector<std::string> list;
  const auto append = [&](SummaryKind kind, std::string_view heading) {
    const SummaryList& summary = s.Summary(kind);
    if (summary.empty()) return;
    if (!heading.empty()) list.emplace_back(heading);
    for (const std::string& line : summary.InUse())
      list.push_back(line);
  };
  append(SummaryKind::MomentXX, "  Bending about x-x axis");
  append(SummaryKind::MomentYY, "  Bending about y-y axis");
  append(SummaryKind::AxialXX, "  Compression about x-x axis");
  append(SummaryKind::AxialYY, "  Compression about y-y axis");
  append(SummaryKind::Combined, "");
  append(SummaryKind::Bearing, "");
  return list;
}

}  // namespace trabeo
