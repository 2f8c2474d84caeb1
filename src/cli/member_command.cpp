#include <filesystem>
#include <map>

#include "cli/answer_dialogs.h"
#include "cli/commands.h"
#include "cli/ec3_member_case.h"
#include "cli/ec3_member_json.h"
#include "cli/file_arguments.h"
#include "cli/member_json.h"
#include "cli/section_json.h"
#include "fileio/file_bytes.h"
#include "settings/page_header.h"
#include "steel/member_capacity/member_file_commands.h"
#include "steel/member_capacity/member_window.h"
#include "steel/member_capacity/torsion.h"

namespace trabeo::cli {
namespace {

std::string& BoxText(MemberFormTexts& texts, const std::string& name) {
  static const std::map<std::string, std::string MemberFormTexts::*> kBoxes{
      {"py", &MemberFormTexts::Edit_Py},         {"E", &MemberFormTexts::Edit_E},
      {"Le", &MemberFormTexts::Edit_Le},         {"Axial", &MemberFormTexts::Edit_Axial},
      {"MomAxx", &MemberFormTexts::Edit_MomAxx}, {"MomAyy", &MemberFormTexts::Edit_MomAyy},
      {"MomBxx", &MemberFormTexts::Edit_MomBxx}, {"MomByy", &MemberFormTexts::Edit_MomByy},
      {"b1", &MemberFormTexts::Edit_b1}};
  return texts.*(kBoxes.at(name));
}

// The calculation's detail list, by the name the case uses; nullptr for torsion.
const DetailList* DetailOf(const MemberCapacityState& s, const std::string& calculation) {
  static const std::map<std::string, DetailKind> kDetails{
      {"MomentXX", DetailKind::MomentXX}, {"MomentYY", DetailKind::MomentYY},
      {"AxialXX", DetailKind::AxialXX},   {"AxialYY", DetailKind::AxialYY},
      {"Combined", DetailKind::Combined}, {"Bearing", DetailKind::Bearing}};
  const auto found = kDetails.find(calculation);
  return found == kDetails.end() ? nullptr : &s.Detail(found->second);
}

const SummaryList* SummaryOf(const MemberCapacityState& s, const std::string& calculation) {
  static const std::map<std::string, SummaryKind> kSummaries{
      {"MomentXX", SummaryKind::MomentXX}, {"MomentYY", SummaryKind::MomentYY},
      {"AxialXX", SummaryKind::AxialXX},   {"AxialYY", SummaryKind::AxialYY},
      {"Combined", SummaryKind::Combined}, {"Bearing", SummaryKind::Bearing}};
  const auto found = kSummaries.find(calculation);
  return found == kSummaries.end() ? nullptr : &s.Summary(found->second);
}

void Run(MemberCapacityWindow& w, const std::string& calculation, Dialogs& dialogs,
         const UnitSettings& units) {
  if (calculation == "MomentXX") {
    RunSingleMemberCalculation(w, MemberCalculation::MomentXX, dialogs, units);
  } else if (calculation == "MomentYY") {
    RunSingleMemberCalculation(w, MemberCalculation::MomentYY, dialogs, units);
  } else if (calculation == "AxialXX") {
    RunSingleMemberCalculation(w, MemberCalculation::AxialXX, dialogs, units);
  } else if (calculation == "AxialYY") {
    RunSingleMemberCalculation(w, MemberCalculation::AxialYY, dialogs, units);
  } else if (calculation == "Combined") {
    RunCombinedMemberCalculation(w, dialogs, units);
  } else if (calculation == "Bearing") {
    ShowMemberBearingPanel(w, dialogs);
    if (w.Panel_BearingVisible) RunMemberBearingCalculation(w, dialogs, units);
  } else if (calculation == "Torsion") {
    ClickMemberAxialLabel(w, dialogs, units);
  }
}

nlohmann::ordered_json Lines(const std::vector<std::string>& lines) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const std::string& line : lines)
    list.push_back(line);
  return list;
}

nlohmann::ordered_json Optional(const std::optional<double>& value) {
  return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
}

nlohmann::ordered_json ResultsJson(const MemberCapacityState& s) {
  nlohmann::ordered_json j;
  j["StressPcx"] = s.extra.StressPcx;
  j["StressPcy"] = s.extra.StressPcy;
  j["Pcx"] = s.Pcx;
  j["Pcy"] = s.extra.Pcy;
  j["Mcx"] = s.Mcx;
  j["Mcy"] = s.Mcy;
  j["MbXX"] = s.extra.MbXX;
  j["Mbs"] = s.extra.Mbs;
  j["CombinedLocalRatio"] = Optional(s.extra.LocalSimplified);
  j["CombinedLocalExactRatio"] = Optional(s.extra.LocalExact);
  j["CombinedOverallRatio"] = Optional(s.extra.OverallSimplified);
  j["CombinedOverallExactRatio"] = Optional(s.extra.OverallExact);
  j["BearingCapacity"] = static_cast<double>(s.BearingCapacity) * 1000;
  j["BucklingCapacity"] = s.extra.BucklingCapacity * 1000;
  j["ClassAxial"] = SectionClassText(s.ClassAxial);
  j["ClassXX"] = SectionClassText(s.ClassXX);
  j["ClassYY"] = SectionClassText(s.ClassYY);
  j["ClassCombined"] = SectionClassText(s.ClassCombinedXX);
  j["CurveX"] = s.extra.CurveX;
  j["CurveY"] = s.extra.CurveY;
  return j;
}

// The window's detail and summary lists, as the member commands print them without --json.
void PrintWindowLists(std::ostream& out, const MemberCapacityWindow& w) {
  for (const std::string& line : w.List_Data)
    out << line << "\n";
  out << "\n";
  for (const std::string& line : w.List_Results)
    out << line << "\n";
}

int RunBs5950MemberCase(const std::string& caseText, bool json, std::ostream& out,
                        std::ostream& err) {
  auto parsedCase = ParseMemberCase(caseText);
  if (auto* problem = std::get_if<std::string>(&parsedCase)) {
    err << "trabeo-cli member: " << *problem << "\n";
    return kExitBadInput;
  }
  const MemberCase& memberCase = std::get<MemberCase>(parsedCase);
  const UnitSettings units;
  AnswerDialogs dialogs(memberCase.answers);
  MemberCapacityWindow w;
  w.Combo_GradeIndex = SteelGradeListIndex(memberCase.grade);
  w.state.McClassSet.grade = memberCase.grade;
  PickMemberSection(w, memberCase.section, dialogs, units);
  for (const auto& [name, text] : memberCase.boxes)
    BoxText(w.state.texts, name) = text;

  nlohmann::ordered_json details = nlohmann::ordered_json::object();
  nlohmann::ordered_json summaries = nlohmann::ordered_json::object();
  for (const std::string& calculation : memberCase.calculations) {
    Run(w, calculation, dialogs, units);
    if (const DetailList* detail = DetailOf(w.state, calculation))
      details[calculation] = Lines(detail->InUse());
    if (const SummaryList* summary = SummaryOf(w.state, calculation))
      summaries[calculation] = Lines(summary->InUse());
    if (json) continue;
    out << "[" << calculation << "]\n";
    PrintWindowLists(out, w);
    out << "\n";
  }
  if (!json) {
    for (const std::string& message : dialogs.messages())
      out << "Message: " << message << "\n";
    return kExitOk;
  }
  nlohmann::ordered_json j = ResultsJson(w.state);
  j["Dialogs"] = dialogs.PutsJson();
  nlohmann::ordered_json messages = nlohmann::ordered_json::array();
  for (const std::string& message : dialogs.messages())
    messages.push_back(message);
  j["Messages"] = messages;
  j["Details"] = details;
  j["Summaries"] = summaries;
  out << DumpJson(j) << "\n";
  return kExitOk;
}

using NamedTexts = std::vector<std::pair<std::string, std::string>>;

NamedTexts MemberFileBoxes(const MemberFormTexts& t) {
  return {{"lbl_Desc", t.lbl_Desc},
          {"lbl_SectionTypeA", t.lbl_SectionTypeA},
          {"lbl_SectionTypeX", t.lbl_SectionTypeX},
          {"lbl_SectionTypeY", t.lbl_SectionTypeY},
          {"Edit_Py", t.Edit_Py},
          {"Edit_E", t.Edit_E},
          {"Edit_b1", t.Edit_b1},
          {"lbl_n1", t.lbl_n1},
          {"lbl_n2", t.lbl_n2},
          {"Edit_Le", t.Edit_Le},
          {"Edit_Axial", t.Edit_Axial},
          {"Edit_MomAxx", t.Edit_MomAxx},
          {"Edit_MomAyy", t.Edit_MomAyy},
          {"Edit_MomBxx", t.Edit_MomBxx},
          {"Edit_MomByy", t.Edit_MomByy}};
}

nlohmann::ordered_json MemberFileJson(const MemberCapacityWindow& w, const HeaderTexts& header,
                                      const NamedTexts& boxes) {
  nlohmann::ordered_json j;
  for (const auto& [name, text] : boxes)
    j[name] = text;
  j["McType"] = w.state.McType;
  j["Header"] = {
      {"HeaderCompany", header.HeaderCompany},   {"HeaderUser", header.HeaderUser},
      {"HeaderProject1", header.HeaderProject1}, {"HeaderProject2", header.HeaderProject2},
      {"HeaderJobDesc", header.HeaderJobDesc},   {"HeaderJobRef", header.HeaderJobRef}};
  j["Mcx"] = w.state.Mcx;
  j["Mcy"] = w.state.Mcy;
  j["Pcx"] = w.state.Pcx;
  j["BearingCapacity"] = static_cast<double>(w.state.BearingCapacity) * 1000;
  j["List_Data"] = Lines(w.List_Data);
  j["List_Results"] = Lines(w.List_Results);
  nlohmann::ordered_json details = nlohmann::ordered_json::object();
  nlohmann::ordered_json summaries = nlohmann::ordered_json::object();
  for (const std::string name :
       {"MomentXX", "MomentYY", "AxialXX", "AxialYY", "Combined", "Bearing"}) {
    details[name] = Lines(DetailOf(w.state, name)->InUse());
    summaries[name] = Lines(SummaryOf(w.state, name)->InUse());
  }
  details["SectionData"] = Lines(w.state.Detail(DetailKind::SectionData).InUse());
  j["Details"] = details;
  j["Summaries"] = summaries;
  return j;
}

}  // namespace

int RunMemberCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<FileArguments> parsed = ParseFileArguments(args, "member", "file", err);
  if (!parsed) return kExitBadInput;
  const auto bytes = ReadFileBytes(parsed->file);
  if (!bytes) {
    err << "trabeo-cli member: cannot read " << parsed->file << "\n";
    return kExitBadInput;
  }
  const std::string caseText(bytes->begin(), bytes->end());
  const auto code = MemberCaseCode(caseText);
  if (const auto* problem = std::get_if<std::string>(&code)) {
    err << "trabeo-cli member: " << *problem << "\n";
    return kExitBadInput;
  }
  if (std::get<MemberCode>(code) == MemberCode::EN1993)
    return RunEc3MemberCase(caseText, parsed->json, out, err);
  return RunBs5950MemberCase(caseText, parsed->json, out, err);
}

int RunMemberFileCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<FileArguments> parsed = ParseFileArguments(args, "member-file", "file", err);
  if (!parsed) return kExitBadInput;
  MemberCapacityWindow w;
  HeaderTexts header;
  AnswerDialogs dialogs({});
  if (!OpenMemberFileAt(w, header, parsed->file, dialogs)) {
    const std::string reason =
        dialogs.messages().empty() ? "cannot read the file" : dialogs.messages().front();
    err << "trabeo-cli member-file: " << parsed->file << ": " << reason << "\n";
    return kExitBadInput;
  }
  const NamedTexts boxes = MemberFileBoxes(w.state.texts);
  if (parsed->json) {
    out << DumpJson(MemberFileJson(w, header, boxes)) << "\n";
    return kExitOk;
  }
  for (const auto& [name, text] : boxes)
    out << name << ": " << text << "\n";
  out << "\n";
  PrintWindowLists(out, w);
  return kExitOk;
}

}  // namespace trabeo::cli
