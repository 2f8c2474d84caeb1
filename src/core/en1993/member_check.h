#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "en1993/national_annex.h"
#include "model/section_record.h"
#include "model/steel_grade.h"

namespace trabeo::en1993 {

// The first line of every detail list: the annex the check was made with.
inline constexpr std::string_view kUkAnnexLine = " EN 1993-1-1 with the UK National Annex";
inline constexpr std::string_view kRecommendedValuesLine =
    " EN 1993-1-1 with its recommended values";

// One member as the member capacity window takes it, in N, mm and N mm. Forces and moments are
// design values; NEd is compression positive; end moments are signed (the same sign bends the
// member in single curvature). A length left out gives no buckling result.
struct MemberInput {
  SectionRecord section;
  SteelGrade grade = SteelGrade::S275;
  NationalAnnex annex = NationalAnnex::UK;
  std::optional<double> Lcry, Lcrz, LLT;
  double NEd = 0;
  double MyEd1 = 0, MyEd2 = 0;
  double MzEd1 = 0, MzEd2 = 0;
  double VEd = 0;
  std::optional<double> C1;    // overrides the end-moment formula; at most 2.70 is taken
  bool destabilising = false;  // L_LT x 1.2
  bool restrained = false;     // fully restrained against lateral-torsional buckling
  // Whether a section without the I_t or I_w that lateral-torsional buckling needs is refused, or
  // checked with that check left undone.
  bool refuseMissingTorsionConstants = true;
  // When given, stated in the detail list in place of the forces, lengths and C1: for actions
  // that are not a member's end moments (a beam part's largest moment).
  std::vector<std::string> statedActions;
};

// Every result of the check, in N, mm, N mm and N/mm2; nullopt where it does not apply or could
// not be made.
struct MemberResult {
  // A refusal: the input cannot be checked at all, and nothing else is set.
  std::optional<std::string> refusal;

  double fy = 0, epsilon = 0;
  std::optional<int> classFlange, classWeb;
  int classCompression = 1, classBendingY = 1, classBendingZ = 1;
  std::optional<int> classCombined;

  std::optional<double> NcRd, Aeff, McyRd, MczRd, VplzRd;
  std::optional<double> MyVRd, MNyRd, MNzRd;

  std::optional<double> lambdaY, lambdaZ, chiY, chiZ, NbyRd, NbzRd;

  std::optional<double> C1, Mcr, lambdaLT, chiLT, kc, f, chiLTmod, MbRd;

  std::optional<double> kyy, kyz, kzy, kzz;

  std::optional<double> crossSection, shear, bucklingY, bucklingZ, ltb, eq661, eq662;
  // The largest of those given; none when the member is not checked and no action that acts was.
  std::optional<double> utilisation;

  std::string verdict;                       // "PASS", "FAIL" or "NOT CHECKED"
  std::optional<std::string> whyNotChecked;  // with "NOT CHECKED": the reason, in one line
  std::vector<std::string> messages;
  std::vector<std::string> details;  // the window's list, lines of at most 80 characters
};

// Checks the member to EN 1993-1-1 with the National Annex's values: classification (Table 5.2),
// cross-section resistances (6.2), flexural buckling (6.3.1), lateral-torsional buckling
// (6.3.2.3) and the interaction of 6.3.3 with the factors of Annex B.
MemberResult CheckMember(const MemberInput& input);

}  // namespace trabeo::en1993
