#include "steel/member_capacity/member_context.h"

#include <cctype>

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "steel/beam_check/n_factor_question.h"
#include "steel/member_capacity/member_format.h"
#include "steel/member_capacity/strut_curve.h"

namespace trabeo {
namespace {

constexpr double kMillimetresPerMetre = 1000;
constexpr double kNewtonsPerKiloNewton = 1000;
constexpr double kNmmPerKnm = 1e6;

std::string LengthDefault(double millimetres) {
  return EmptyIfZeroText(SigFig4Dec3(millimetres / kMillimetresPerMetre));
}

// A length asked for in a dialog, mm; nullopt for an answer that cannot be a length.
std::optional<double> AskLength(Dialogs& dialogs, std::string_view caption, std::string_view prompt,
                                double lastLength) {
  const std::optional<std::string> answer =
      dialogs.InputBox(caption, prompt, LengthDefault(lastLength));
  if (!answer) return std::nullopt;
  const double metres = BoxNumber(*answer);
  // A negative length is as unusable as none: it would give a negative slenderness.
  if (!(metres > 0)) return std::nullopt;
  return metres * kMillimetresPerMetre;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void MemberContext::Stop(bool emptyLists) {
  s.InputError = 1;
  if (emptyLists) s.extra.ListsEmptied = true;
}

bool RefuseUncheckedKind(MemberContext& c) {
  const SectionKind type = c.s.McType;
  if (IsISectionKind(type) || IsHollowKind(type)) return false;
  if (type == SectionKind::RSA) c.dialogs.Message(kAnglesNotCheckedMessage);
  c.Stop(false);
  return true;
}

MemberInputs ReadMemberInputs(const MemberFormTexts& t) {
  MemberInputs in;
  in.py = static_cast<float>(BoxNumber(t.Edit_Py));
  in.E = static_cast<float>(BoxNumber(t.Edit_E));
  in.commonLe = BoxNumber(t.Edit_Le) * kMillimetresPerMetre;
  in.F = BoxNumber(t.Edit_Axial) * kNewtonsPerKiloNewton;
  in.M1x = BoxNumber(t.Edit_MomAxx) * kNmmPerKnm;
  in.M1y = BoxNumber(t.Edit_MomAyy) * kNmmPerKnm;
  in.M2x = BoxNumber(t.Edit_MomBxx) * kNmmPerKnm;
  in.M2y = BoxNumber(t.Edit_MomByy) * kNmmPerKnm;
  return in;
}

std::optional<double> StrutEffectiveLength(MemberContext& c, MemberAxis axis, bool boxWording) {
  const MemberInputs in = ReadMemberInputs(c.s.texts);
  if (in.commonLe != 0) return in.commonLe;
  const bool xx = axis == MemberAxis::XX;
  float& kept = xx ? c.s.McLeX : c.s.McLeY;
  int32_t& asked = xx ? c.s.asked.StrutLengthAskedX : c.s.asked.StrutLengthAskedY;
  if (c.Combined() && asked != 0 && kept > 0) return kept;
  const std::string axisText = xx ? "x-x" : "y-y";
  const std::string prompt =
      std::string(boxWording ? "Input Effective Length (m) for buckling about "
                             : "Input effective length (m) for buckling about ") +
      axisText;
  const std::optional<double> length =
      AskLength(c.dialogs, " Strut Capacity About " + axisText, prompt, kept);
  if (!length) {
    c.Stop(true);
    return std::nullopt;
  }
  kept = static_cast<float>(*length);
  asked = 1;
  return *length;
}

std::optional<double> LtbEffectiveLength(MemberContext& c) {
  const MemberInputs in = ReadMemberInputs(c.s.texts);
  if (in.commonLe != 0) return in.commonLe;
  if (c.Combined() && c.s.asked.LtbLengthAsked != 0 && c.s.McLeLtb > 0) return c.s.McLeLtb;
  const std::optional<double> length =
      AskLength(c.dialogs, " Beam Bending About x-x",
                "Input Effective Length (m) for bending about x-x ", c.s.McLeLtb);
  if (!length) {
    c.Stop(true);
    return std::nullopt;
  }
  c.s.McLeLtb = static_cast<float>(*length);
  c.s.asked.LtbLengthAsked = 1;
  return *length;
}

std::optional<double> LtbFactorN(MemberContext& c) {
  if (c.Combined()) return 1.0;
  const std::optional<float> n = AskForNInRange(c.dialogs, " Beam Bending About x-x",
                                                "Input value for \"n\"", SigFig3(c.s.McN));
  if (!n) {
    c.Stop(false);
    return std::nullopt;
  }
  c.s.McN = *n;
  return *n;
}

std::optional<char> StrutCurveLetter(MemberContext& c, MemberAxis axis, char defaultLetter,
                                     bool ask, bool hSection) {
  if (!ask) return defaultLetter;
  const bool xx = axis == MemberAxis::XX;
  std::string& kept = xx ? c.s.McCurveX : c.s.McCurveY;
  int32_t& asked = xx ? c.s.asked.CurveAskedX : c.s.asked.CurveAskedY;
  if (c.Combined() && asked != 0 && kept.size() == 1 && RobertsonConstant(kept[0])) return kept[0];
  const std::string caption = xx ? "Strut Capacity about x-x" : "Strut Capacity about y-y";
  const std::string prompt =
      xx ? std::string("Use Table No  27(a) (b) (c) or (d) ?  Enter letter")
         : std::string("Use Table No  27(a) (b) (c) or (d) ?  Enter a letter only\n") +
               "Default value based on section being classified as \n " +
               (hSection ? "H Section" : "I Section") + " in Table 25\n" +
               "( Definition of H and I not clearly defined in BS 5950)";
  const std::string defaultText(1, defaultLetter);
  for (;;) {
    const std::optional<std::string> answer = c.dialogs.InputBox(caption, prompt, defaultText);
    if (!answer) break;
    std::string letter = Trimmed(*answer);
    if (letter.empty()) break;
    for (char& ch : letter)
      ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (letter.size() == 1 && RobertsonConstant(letter[0])) {
      kept = letter;
      asked = 1;
      return letter[0];
    }
  }
  c.Stop(false);
  return std::nullopt;
}

}  // namespace trabeo
