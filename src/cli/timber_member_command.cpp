#include <optional>
#include <sstream>

#include "cli/commands.h"
#include "cli/file_arguments.h"
#include "cli/json_text.h"
#include "cli/section_json.h"
#include "fileio/file_bytes.h"
#include "timber/timber_member_window.h"

namespace trabeo::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// Thrown only inside this file and turned into the command's message.
struct CaseError {
  std::string message;
};

// A box as typed: a number is written as the shortest text that reads back as it, a text is
// taken as it stands (and read as the box reads it), nothing leaves the box empty.
std::string BoxText(const json& root, const char* name) {
  const auto found = root.find(name);
  if (found == root.end() || found->is_null()) return {};
  if (found->is_string()) return found->get<std::string>();
  if (found->is_number()) {
    std::ostringstream text;
    text.precision(17);
    text << found->get<double>();
    return text.str();
  }
  throw CaseError{std::string(name) + " must be a number"};
}

std::string TitleText(const json& root) {
  const auto found = root.find("Title");
  if (found == root.end() || found->is_null()) return {};
  if (!found->is_string()) throw CaseError{"Title must be a text"};
  return found->get<std::string>();
}

// A choice among named options; nullopt when the case leaves it out.
template <typename T>
std::optional<T> Choice(const json& root, const char* name,
                        std::initializer_list<std::pair<const char*, T>> options) {
  const auto found = root.find(name);
  if (found == root.end() || found->is_null()) return std::nullopt;
  std::string allowed;
  for (const auto& [text, value] : options) {
    if (found->is_string() && found->get<std::string>() == text) return value;
    allowed += allowed.empty() ? "" : ", ";
    allowed += std::string("\"") + text + "\"";
  }
  throw CaseError{std::string(name) + " must be one of " + allowed};
}

std::optional<LoadDuration> Duration(const json& root, const char* name) {
  return Choice<LoadDuration>(root, name,
                              {{"LT", LoadDuration::LongTerm},
                               {"MT", LoadDuration::MediumTerm},
                               {"ST", LoadDuration::ShortTerm},
                               {"VST", LoadDuration::VeryShortTerm}});
}

// The window with the case's boxes and options set as the user would set them; returns the
// calculation asked for.
TimberMemberMode SetUpWindow(const json& root, TimberMemberWindow& w) {
  if (!root.is_object()) throw CaseError{"the case must be a JSON object"};
  w.Edit_Title = TitleText(root);
  w.Edit_Width = BoxText(root, "Width");
  w.Edit_Depth = BoxText(root, "Depth");
  w.Edit_Le = BoxText(root, "Le");
  if (root.contains("Grade")) {
    const json& grade = root["Grade"];
    const int index = grade.is_string() ? TimberGradeListIndex(grade.get<std::string>()) : -1;
    if (index < 0)
      throw CaseError{"Grade must be a strength class, C14 ... C40, D30 ... D70 or SC1 ... SC9"};
    ChooseTimberMemberGrade(w, index);
  }
  if (auto sharing = Choice<LoadSharing>(
          root, "Sharing", {{"Single", LoadSharing::Single}, {"Share", LoadSharing::Share}}))
    ChooseTimberMemberSharing(w, *sharing);
  if (auto exposure = Choice<TimberExposure>(
          root, "Exposure", {{"Dry", TimberExposure::Dry}, {"Wet", TimberExposure::Wet}}))
    ChooseTimberMemberExposure(w, *exposure);
  if (auto axis = Choice<TimberAxis>(root, "Axis",
                                     {{"Major", TimberAxis::Major}, {"Minor", TimberAxis::Minor}}))
    ChooseTimberMemberAxis(w, *axis);
  if (auto bending = Duration(root, "BendingDuration")) w.durations.bending = *bending;
  if (auto strut = Duration(root, "StrutDuration")) w.durations.strut = *strut;
  w.durations.Edit_Axial = BoxText(root, "Axial");
  w.durations.Edit_Mom = BoxText(root, "Moment");
  const auto mode = Choice<TimberMemberMode>(root, "Calculation",
                                             {{"Beam", TimberMemberMode::Beam},
                                              {"Strut", TimberMemberMode::Strut},
                                              {"Comb", TimberMemberMode::Comb}});
  if (!mode) throw CaseError{"Calculation is missing: \"Beam\", \"Strut\" or \"Comb\""};
  return *mode;
}

std::string Press(TimberMemberWindow& w, TimberMemberMode mode) {
  switch (mode) {
    case TimberMemberMode::Beam:
      return PressTimberBendingCapacity(w);
    case TimberMemberMode::Strut:
      return PressTimberAxialCapacity(w);
    case TimberMemberMode::Comb:
      return PressTimberCombinedLoading(w);
  }
  return {};
}

ordered_json WorkingValuesJson(const TimberMemberWindow& w) {
  const TimberMemberSection& s = w.section;
  ordered_json j;
  if (w.propertiesComputed) {
    j["A"] = SingleAsDecimal(s.A);
    j["I"] = SingleAsDecimal(s.I);
    j["r"] = SingleAsDecimal(s.r);
  }
  j["K1"] = SingleAsDecimal(s.K1);
  j["K2"] = {{"E", SingleAsDecimal(s.K2.E)},
             {"Bending", SingleAsDecimal(s.K2.bending)},
             {"Shear", SingleAsDecimal(s.K2.shear)},
             {"Axial", SingleAsDecimal(s.K2.axial)}};
  if (w.bending) j["K3Bending"] = SingleAsDecimal(w.bending->K3);
  if (w.axial) j["K3Axial"] = SingleAsDecimal(w.axial->K3);
  if (w.bending) j["K7"] = SingleAsDecimal(w.bending->K7);
  j["K8"] = SingleAsDecimal(s.K8);
  if (w.axial) j["K12"] = SingleAsDecimal(w.axial->K12);
  if (w.bending) {
    j["PermBendingStress"] = SingleAsDecimal(w.bending->permBendStress);
    j["PermShearStress"] = SingleAsDecimal(w.bending->permShearStress);
  }
  if (w.axial) j["PermCompressionStress"] = SingleAsDecimal(w.axial->permCompStress);
  // The working permissible E is that of the calculation made last: the axial one (E min)
  // when both were made.
  if (w.axial) {
    j["PermE"] = SingleAsDecimal(w.axial->permE);
  } else if (w.bending) {
    j["PermE"] = SingleAsDecimal(w.bending->permE);
  }
  if (w.bending) {
    j["PermMoment"] = SingleAsDecimal(w.bending->permMoment);
    j["PermShear"] = SingleAsDecimal(w.bending->permShear);
  }
  if (w.axial) j["PermAxial"] = SingleAsDecimal(w.axial->permAxial);
  if (w.combined) {
    j["CombinedValue"] = SingleAsDecimal(w.combined->w);
    j["Verdict"] = w.summaryLines[8];
  }
  j["Lists"] = {{"List_Results", TimberMemberResultsList(w)},
                {"List_Sum", TimberMemberSummaryList(w)}};
  return j;
}

}  // namespace

int RunTimberMemberCommand(std::span<const std::string> args, std::ostream& out,
                           std::ostream& err) {
  const std::optional<FileArguments> arguments =
      ParseFileArguments(args, "timber-member", "member file", err);
  if (!arguments) return kExitBadInput;
  const std::string& file = arguments->file;
  const bool asJson = arguments->json;
  const auto bytes = ReadFileBytes(file);
  if (!bytes) {
    err << "trabeo-cli timber-member: cannot read " << file << "\n";
    return kExitBadInput;
  }
  const auto parsed =
      ParseJsonText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (const auto* why = std::get_if<std::string>(&parsed)) {
    err << "trabeo-cli timber-member: " << file << ": the file is not valid JSON (" << *why
        << ")\n";
    return kExitBadInput;
  }
  const nlohmann::json& root = std::get<nlohmann::json>(parsed);
  TimberMemberWindow window = NewTimberMemberWindow();
  TimberMemberMode mode = TimberMemberMode::Beam;
  try {
    mode = SetUpWindow(root, window);
  } catch (const CaseError& error) {
    err << "trabeo-cli timber-member: " << file << ": " << error.message << "\n";
    return kExitBadInput;
  }
  // A failed check of the inputs shows its message, as the window's message box does.
  if (const std::string message = Press(window, mode); !message.empty()) {
    err << "trabeo-cli timber-member: " << file << ": " << message << "\n";
    return kExitBadInput;
  }
  ConfirmTimberDuration(window);
  if (asJson) {
    out << DumpJson(WorkingValuesJson(window)) << "\n";
    return kExitOk;
  }
  for (const std::string& line : TimberMemberResultsList(window))
    out << line << "\n";
  for (const std::string& line : TimberMemberSummaryList(window))
    out << line << "\n";
  return kExitOk;
}

}  // namespace trabeo::cli
