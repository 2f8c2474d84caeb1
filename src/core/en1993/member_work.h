#pragma once

#include <optional>
#include <string>
#include <vector>

#include "en1993/buckling_curve.h"
#include "en1993/classification.h"
#include "en1993/flexural_buckling.h"
#include "en1993/member_check.h"
#include "en1993/national_annex.h"
#include "en1993/section_properties.h"

namespace trabeo::en1993 {

// What the member check works with besides its results: the decoded section, the actions as
// magnitudes, and the choices the detail list states.
struct MemberWork {
  Ec3Section section;
  AnnexParameters annex;
  SectionElements elements;
  double NEd = 0, MyEd = 0, MzEd = 0, VEd = 0;
  bool myActs = false, mzActs = false;
  int bendingClassY = 1, bendingClassZ = 1;  // the classes that decide M_c,Rd
  FlexuralCurves curves;
  double shearArea = 0, rho = 0;
  bool ltbApplies = false;          // the section can buckle laterally and is not restrained
  std::optional<double> ltbLength;  // L_LT as taken, x 1.2 when destabilising
  std::optional<BucklingCurve> ltbCurve;
  bool interactionApplies = false;
  std::optional<double> Cmy, Cmz;
  std::vector<std::string> notChecked;  // the checks that could not be made, and why, once each
  std::optional<std::string> classFourMessage;  // why class 4 leaves the member unchecked
};

// The window's detail list: every input, each formula result with its clause, each utilisation
// and verdict, in kN, kN-m, m, mm and N/mm^2; lines of at most 80 characters.
std::vector<std::string> MemberDetails(const MemberInput& input, const MemberWork& work,
                                       const MemberResult& result);

}  // namespace trabeo::en1993
