#include "cli/ec3_member_json.h"

#include "cli/commands.h"
#include "cli/ec3_member_case.h"
#include "cli/section_json.h"

namespace trabeo::cli {
namespace {

template <typename T>
nlohmann::ordered_json OrNull(const std::optional<T>& value) {
  return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
}

nlohmann::ordered_json Texts(const std::vector<std::string>& lines) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const std::string& line : lines)
    list.push_back(line);
  return list;
}

void AddClasses(nlohmann::ordered_json& j, const en1993::MemberResult& r) {
  j["fy"] = r.fy;
  j["epsilon"] = r.epsilon;
  j["ClassFlange"] = OrNull(r.classFlange);
  j["ClassWeb"] = OrNull(r.classWeb);
  j["ClassCompression"] = r.classCompression;
  j["ClassBendingY"] = r.classBendingY;
  j["ClassBendingZ"] = r.classBendingZ;
  j["ClassCombined"] = OrNull(r.classCombined);
}

void AddResistances(nlohmann::ordered_json& j, const en1993::MemberResult& r) {
  j["NcRd"] = OrNull(r.NcRd);
  j["Aeff"] = OrNull(r.Aeff);
  j["McyRd"] = OrNull(r.McyRd);
  j["MczRd"] = OrNull(r.MczRd);
  j["VplzRd"] = OrNull(r.VplzRd);
  j["MyVRd"] = OrNull(r.MyVRd);
  j["MNyRd"] = OrNull(r.MNyRd);
  j["MNzRd"] = OrNull(r.MNzRd);
}

void AddBuckling(nlohmann::ordered_json& j, const en1993::MemberResult& r) {
  j["LambdaY"] = OrNull(r.lambdaY);
  j["LambdaZ"] = OrNull(r.lambdaZ);
  j["ChiY"] = OrNull(r.chiY);
  j["ChiZ"] = OrNull(r.chiZ);
  j["NbyRd"] = OrNull(r.NbyRd);
  j["NbzRd"] = OrNull(r.NbzRd);
  j["C1"] = OrNull(r.C1);
  j["Mcr"] = OrNull(r.Mcr);
  j["LambdaLT"] = OrNull(r.lambdaLT);
  j["ChiLT"] = OrNull(r.chiLT);
  j["kc"] = OrNull(r.kc);
  j["f"] = OrNull(r.f);
  j["ChiLTmod"] = OrNull(r.chiLTmod);
  j["MbRd"] = OrNull(r.MbRd);
}

void AddInteraction(nlohmann::ordered_json& j, const en1993::MemberResult& r) {
  j["kyy"] = OrNull(r.kyy);
  j["kyz"] = OrNull(r.kyz);
  j["kzy"] = OrNull(r.kzy);
  j["kzz"] = OrNull(r.kzz);
  j["UtilisationCrossSection"] = OrNull(r.crossSection);
  j["UtilisationShear"] = OrNull(r.shear);
  j["UtilisationBucklingY"] = OrNull(r.bucklingY);
  j["UtilisationBucklingZ"] = OrNull(r.bucklingZ);
  j["UtilisationLTB"] = OrNull(r.ltb);
  j["Interaction661"] = OrNull(r.eq661);
  j["Interaction662"] = OrNull(r.eq662);
  j["Utilisation"] = OrNull(r.utilisation);
}

}  // namespace

nlohmann::ordered_json Ec3MemberJson(const en1993::MemberResult& r) {
  nlohmann::ordered_json j;
  AddClasses(j, r);
  AddResistances(j, r);
  AddBuckling(j, r);
  AddInteraction(j, r);
  j["Verdict"] = r.verdict;
  j["Messages"] = Texts(r.messages);
  j["Details"] = Texts(r.details);
  return j;
}

int RunEc3MemberCase(const std::string& text, bool json, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseEc3MemberCase(nlohmann::json::parse(text, nullptr, false));
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    err << "trabeo-cli member: " << *problem << "\n";
    return kExitBadInput;
  }
  const en1993::MemberResult result = en1993::CheckMember(std::get<en1993::MemberInput>(parsed));
  if (result.refusal) {
    err << "trabeo-cli member: " << *result.refusal << "\n";
    return kExitBadInput;
  }
  if (json) {
    out << DumpJson(Ec3MemberJson(result)) << "\n";
  } else {
    for (const std::string& line : result.details)
      out << line << "\n";
  }
  return kExitOk;
}

}  // namespace trabeo::cli
