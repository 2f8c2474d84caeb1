#pragma once

#include <optional>
#include <string>
#include <vector>

#include "en1993/national_annex.h"
#include "model/section_record.h"
#include "model/steel_grade.h"

namespace trabeo::en1993 {

// One part of a beam (a cantilever, the span or a segment between restraints) as the beam
// check hands it over: its largest |M_Ed| (N mm) and |V_Ed| (N) from the factored pass, its
// L_cr (mm; nullopt when the part is fully restrained) and its C1 (1 for cantilevers; for spans
// and segments QuarterPointC1 of lateral_torsional.h).
struct BeamPartInput {
  SectionRecord section;
  SteelGrade grade = SteelGrade::S275;
  NationalAnnex annex = NationalAnnex::UK;
  double MEd = 0, VEd = 0;
  std::optional<double> Lcr;
  double C1 = 1;
};

// The part's results under the names of the batch front end's part objects, in N, mm and N mm.
// McRd is the shear-reduced moment resistance; ChiLT the unmodified chi_LT and ChiLTmod the one
// M_b,Rd takes. Lcr, C1, Mcr, MbRd, ChiLT and ChiLTmod are null for a restrained part (and where
// lateral-torsional buckling does not apply).
struct BeamPartResult {
  std::optional<std::string> refusal;  // nothing else is set but the actions
  double MEd = 0, VEd = 0;
  std::optional<double> Lcr, C1, Mcr, McRd, VplRd, MbRd, ChiLT, ChiLTmod;
  std::optional<double> UtilisationBending, UtilisationShear, UtilisationLTB;
  std::string Verdict;                       // "PASS", "FAIL" or "NOT CHECKED"
  std::optional<std::string> whyNotChecked;  // with "NOT CHECKED": the refusal or the reason
  std::vector<std::string> messages;
  std::vector<std::string> details;  // the member check's detail lines, at most 80 characters
};

BeamPartResult CheckBeamPart(const BeamPartInput& input);

// The part left unchecked for `reason`: "NOT CHECKED", with its actions and nothing else.
BeamPartResult UncheckedBeamPart(const BeamPartInput& input, std::string reason);

}  // namespace trabeo::en1993
