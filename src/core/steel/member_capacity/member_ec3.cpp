#include "steel/member_capacity/member_ec3.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <tuple>

#include "en1993/detail_format.h"
#include "fileio/file_text.h"

namespace trabeo {
namespace {

constexpr double kMmPerM = 1e3;
constexpr double kNPerKn = 1e3;
constexpr double kNmmPerKnm = 1e6;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// A box's number: nullopt when blank, a message naming the box when it is not a finite number.
// Unlike the BS 5950 boxes, which read a text that is not a number as 0, a check engineers sign
// off must not run on a value the user did not type.
std::variant<std::optional<double>, std::string> BoxValue(std::string_view text,
                                                          std::string_view caption) {
  std::string_view number = Trimmed(text);
  if (number.empty()) return std::optional<double>();
  if (number.starts_with('+')) number.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
    return std::string(caption) + ": \"" + ValidUtf8(Trimmed(text)) + "\" is not a number";
  return std::optional<double>(value);
}

std::optional<std::string> ReadLength(std::string_view text, std::string_view caption,
                                      const std::optional<double>& common,
                                      std::optional<double>& length) {
  const auto value = BoxValue(text, caption);
  if (const auto* problem = std::get_if<std::string>(&value)) return *problem;
  const std::optional<double> metres = std::get<std::optional<double>>(value);
  if (metres && *metres < 0) return std::string(caption) + " must not be negative";
  const std::optional<double> taken = metres ? metres : common;
  if (taken) length = *taken * kMmPerM;
  return std::nullopt;
}

std::optional<std::string> ReadAction(std::string_view text, std::string_view caption, double scale,
                                      double& action) {
  const auto value = BoxValue(text, caption);
  if (const auto* problem = std::get_if<std::string>(&value)) return *problem;
  action = std::get<std::optional<double>>(value).value_or(0) * scale;
  return std::nullopt;
}

// The section record the check reads, from the section values the window and its file keep.
// The elastic moduli come back through the extreme fibre distances they were derived from.
SectionRecord RecordOf(const MemberCapacityState& s) {
  const MemberSection& m = s.McSection;
  SectionRecord r;
  r.Designation = std::string(Trimmed(s.texts.lbl_Desc));
  r.Type = std::string(SectionKindText(s.McType));
  r.Depth = m.Depth;
  r.Width = m.Width;
  r.WebThk = m.WebThk;
  r.FlgThk = m.FlgThk;
  r.RootRad = m.RootRad;
  r.Outstand = m.Outstand;
  r.WebDepth = m.WebDepth;
  r.FlgAngle = m.FlgAngle;
  r.E = m.E;
  r.Area = m.Area;
  r.Ixx = m.Ixx;
  r.Iyy = m.Iyy;
  r.Rx = m.Rx;
  r.Ry = m.Ry;
  r.ExtremeY = m.Zxx > 0 ? static_cast<float>(static_cast<double>(m.Ixx) / m.Zxx) : 0;
  r.ExtremeX = m.Zyy > 0 ? static_cast<float>(static_cast<double>(m.Iyy) / m.Zyy) : 0;
  r.K = m.K;
  r.TorsionFibre = m.TorsionFibre;
  r.Cy = m.Cy;
  r.Cs = m.Cs;
  r.Sxx = m.Sxx;
  r.Syy = m.Syy;
  r.u = m.u;
  r.x = m.x;
  r.H = m.H;
  r.Extra = m.Extra;
  return r;
}

std::string ClassLabel(int sectionClass) {
  return "Class " + std::to_string(sectionClass);
}

void ClearEc3Results(MemberCapacityWindow& w) {
  w.state.extra.Ec3Details.clear();
  w.state.extra.Ec3Summary.clear();
  w.List_Results.clear();
  w.List_Data = w.state.Detail(DetailKind::SectionData).InUse();
}

}  // namespace

std::variant<en1993::MemberInput, std::string> Ec3MemberInputOf(const MemberCapacityState& s) {
  en1993::MemberInput in;
  in.section = RecordOf(s);
  in.grade = s.McClassSet.grade.value_or(SteelGrade::S275);
  in.annex = s.ec3.annex;
  const MemberFormTexts& t = s.texts;
  const MemberEc3Inputs& e = s.ec3;
  const auto le = BoxValue(t.Edit_Le, kLeCaption);
  if (const auto* problem = std::get_if<std::string>(&le)) return *problem;
  const std::optional<double> common = std::get<std::optional<double>>(le);
  if (common && *common < 0) return std::string(kLeCaption) + " must not be negative";
  if (auto problem = ReadLength(e.Edit_Lcry, kLcryCaption, common, in.Lcry)) return *problem;
  if (auto problem = ReadLength(e.Edit_Lcrz, kLcrzCaption, common, in.Lcrz)) return *problem;
  if (auto problem = ReadLength(e.Edit_LLT, kLLTCaption, common, in.LLT)) return *problem;
  const std::tuple<const std::string&, std::string_view, double, double&> actions[] = {
      {t.Edit_Axial, kNEdCaption, kNPerKn, in.NEd},
      {t.Edit_MomAxx, kMyEd1Caption, kNmmPerKnm, in.MyEd1},
      {t.Edit_MomBxx, kMyEd2Caption, kNmmPerKnm, in.MyEd2},
      {t.Edit_MomAyy, kMzEd1Caption, kNmmPerKnm, in.MzEd1},
      {t.Edit_MomByy, kMzEd2Caption, kNmmPerKnm, in.MzEd2},
      {e.Edit_VEd, kVEdCaption, kNPerKn, in.VEd}};
  for (const auto& [text, caption, scale, action] : actions) {
    if (auto problem = ReadAction(text, caption, scale, action)) return *problem;
  }
  if (in.NEd < 0)
    return std::string(kNEdCaption) +
           ": tension is not checked to EN 1993-1-1; give compression as positive";
  if (in.VEd < 0) return std::string(kVEdCaption) + " must not be negative";
  const auto c1 = BoxValue(e.Edit_C1, kC1Caption);
  if (const auto* problem = std::get_if<std::string>(&c1)) return *problem;
  in.C1 = std::get<std::optional<double>>(c1);
  if (in.C1 && *in.C1 <= 0) return std::string(kC1Caption) + " must be above 0";
  in.destabilising = e.Check_Destabilising;
  in.restrained = e.Check_Restrained;
  return in;
}

void ChooseMemberCode(MemberCapacityWindow& w, DesignCode code) {
  MemberCapacityState& s = w.state;
  s.code = code == DesignCode::EN1993 ? DesignCode::EN1993 : DesignCode::BS5950;
  // The results of either code, worked out before, no longer stand beside the choice.
  for (SummaryList& summary : s.summaries)
    summary.Clear();
  for (int kind = 1; kind < kDetailKinds; ++kind)
    s.details[static_cast<std::size_t>(kind)].Clear();
  s.Mcx = s.Mcy = s.Pcx = s.BearingCapacity = 0;
  s.extra = MemberExtraResults{};
  ClearEc3Results(w);
  w.Panel_BearingVisible = false;
  w.fileCommandsEnabled = false;
  // The BS 5950 classes stand until the EN 1993 check gives its own.
  const bool bs = s.code == DesignCode::BS5950 && s.SectionLoaded();
  s.texts.lbl_SectionTypeA = bs ? SectionClassText(s.ClassAxial) : "";
  s.texts.lbl_SectionTypeX = bs ? SectionClassText(s.ClassXX) : "";
  s.texts.lbl_SectionTypeY = bs ? SectionClassText(s.ClassYY) : "";
  if (s.SectionLoaded()) {
    w.List_Help = SectionHelp(s);
    w.List_HelpVisible = true;
  }
}

void MemberEc3InputEdited(MemberCapacityWindow& w) {
  ClearEc3Results(w);
  w.List_Data.clear();
}

void RunEc3MemberCheck(MemberCapacityWindow& w, Dialogs& dialogs) {
  MemberCapacityState& s = w.state;
  w.Panel_BearingVisible = false;
  ClearEc3Results(w);
  s.texts.lbl_SectionTypeA.clear();
  s.texts.lbl_SectionTypeX.clear();
  s.texts.lbl_SectionTypeY.clear();
  if (!s.SectionLoaded()) {
    dialogs.Message(kLoadSectionFirstMessage);
    return;
  }
  const auto input = Ec3MemberInputOf(s);
  if (const auto* problem = std::get_if<std::string>(&input)) {
    dialogs.Message(*problem);
    return;
  }
  const en1993::MemberResult result = en1993::CheckMember(std::get<en1993::MemberInput>(input));
  if (result.refusal) {
    dialogs.Message(*result.refusal);
    return;
  }
  s.extra.Ec3Details = result.details;
  s.extra.Ec3Summary = Ec3MemberSummary(result);
  s.texts.lbl_SectionTypeA = ClassLabel(result.classCompression);
  s.texts.lbl_SectionTypeX = ClassLabel(result.classCombined.value_or(result.classBendingY));
  s.texts.lbl_SectionTypeY = ClassLabel(result.classCombined.value_or(result.classBendingZ));
  w.List_Data = s.extra.Ec3Details;
  w.List_Results = s.extra.Ec3Summary;
  w.fileCommandsEnabled = true;
}

std::vector<std::string> Ec3MemberSummary(const en1993::MemberResult& r) {
  // Short lines: the printout sets this summary in a column 60 mm wide.
  std::vector<std::string> lines{"  EN 1993-1-1",
                                 "  Class: compression " + std::to_string(r.classCompression),
                                 "    bending y-y " + std::to_string(r.classBendingY) + ", z-z " +
                                     std::to_string(r.classBendingZ)};
  if (r.classCombined) lines.push_back("    combined " + std::to_string(*r.classCombined));
  const std::pair<std::string_view, const std::optional<double>*> checks[] = {
      {"  Cross-section (6.2)      ", &r.crossSection},
      {"  Shear (6.2.6)            ", &r.shear},
      {"  Buckling y-y (6.3.1)     ", &r.bucklingY},
      {"  Buckling z-z (6.3.1)     ", &r.bucklingZ},
      {"  LTB (6.3.2)              ", &r.ltb},
      {"  Interaction (6.61)       ", &r.eq661},
      {"  Interaction (6.62)       ", &r.eq662}};
  for (const auto& [name, utilisation] : checks) {
    if (*utilisation) lines.push_back(std::string(name) + en1993::UtilisationText(*utilisation));
  }
  lines.push_back("  Verdict: " + r.verdict);
  return lines;
}

}  // namespace trabeo
