#include "en1993/beam_part_check.h"

#include <cmath>
#include <utility>

#include "en1993/detail_format.h"
#include "en1993/member_check.h"

namespace trabeo::en1993 {
namespace {

// The part's actions and lengths as its detail list states them.
std::vector<std::string> PartActions(const BeamPartInput& in) {
  return {
      " MEd = " + KnM(std::abs(in.MEd)) + " (the part's largest)   VEd = " + Kn(std::abs(in.VEd)),
      in.Lcr ? " Lcr = " + Metres(*in.Lcr) + "   C1 = " + Ratio(in.C1)
             : std::string(" Fully restrained: no lateral-torsional buckling")};
}

// The part as a member bent about y-y by a uniform |M_Ed| with its shear, its C1 given.
MemberInput AsMember(const BeamPartInput& in) {
  MemberInput m;
  m.section = in.section;
  m.grade = in.grade;
  m.annex = in.annex;
  m.MyEd1 = m.MyEd2 = std::abs(in.MEd);
  m.VEd = std::abs(in.VEd);
  m.LLT = in.Lcr;
  m.restrained = !in.Lcr;
  m.C1 = in.C1;
  // A part whose section lacks I_t or I_w still has its bending and shear checked, so that a
  // failure there is not hidden behind a refusal.
  m.refuseMissingTorsionConstants = false;
  m.statedActions = PartActions(in);
  return m;
}

}  // namespace

BeamPartResult UncheckedBeamPart(const BeamPartInput& in, std::string reason) {
  BeamPartResult part;
  part.MEd = std::abs(in.MEd);
  part.VEd = std::abs(in.VEd);
  part.Verdict = "NOT CHECKED";
  part.refusal = reason;
  part.whyNotChecked = std::move(reason);
  return part;
}

BeamPartResult CheckBeamPart(const BeamPartInput& in) {
  const MemberResult m = CheckMember(AsMember(in));
  if (m.refusal) return UncheckedBeamPart(in, *m.refusal);
  BeamPartResult part;
  part.MEd = std::abs(in.MEd);
  part.VEd = std::abs(in.VEd);
  part.Lcr = in.Lcr;
  part.C1 = m.C1;
  part.Mcr = m.Mcr;
  part.McRd = m.MyVRd ? m.MyVRd : m.McyRd;
  part.VplRd = m.VplzRd;
  part.MbRd = m.MbRd;
  part.ChiLT = m.chiLT;
  part.ChiLTmod = m.chiLTmod;
  part.UtilisationBending = m.crossSection;
  part.UtilisationShear = m.shear;
  part.UtilisationLTB = m.ltb;
  part.Verdict = m.verdict;
  part.whyNotChecked = m.whyNotChecked;
  part.messages = m.messages;
  part.details = m.details;
  return part;
}

}  // namespace trabeo::en1993
