#include "steel/beam_check/angle_check.h"

#include <optional>
#include <string>

#include "settings/sig_fig.h"
#include "steel/beam_check/restrained_i_section.h"
#include "steel/beam_check/slender_strength.h"

namespace trabeo {
namespace {

// The caption of the length question and the slot of RsaLengths, by part.
struct AnglePartNames {
  const char* caption;
  std::size_t slot;
};

AnglePartNames NamesOf(const CheckedPart& part) {
  if (part.p == kLhCantileverPart) return {"LHC", 0};
  if (part.p == kRhCantileverPart) return {"RHC", 2};
  return {"Span", 1};
}

// The effective length slot that lists the length an angle part was checked with.
std::size_t EffectiveLengthSlot(std::size_t rsaSlot) {
  constexpr std::size_t kSlots[] = {0, 10, 11};
  return kSlots[rsaSlot];
}

// The unrestrained length in mm; nullopt for an empty, cancelled or negative answer.
std::optional<double> AskUnrestrainedLength(const SteelCheckInputs& in, const AnglePartNames& names,
                                            const SteelCheckState& check) {
  const UnitSettings& u = in.units;
  const std::string prompt =
      "Enter unrestrained length (" + u.LengthUnitName + ")" + " for " + names.caption;
  const std::string defaultText = SigFig3Dec3(check.RsaLengths[names.slot] / u.LengthFactor);
  const std::optional<std::string> answer = in.dialogs.InputBox(names.caption, prompt, defaultText);
  if (!answer || answer->empty()) return std::nullopt;
  const double length = TypedToInternal(u, UnitQuantity::Length, *answer);
  if (length < 0) return std::nullopt;  // no length of an angle is negative
  return length;
}

struct AngleCapacity {
  double factor = 0;  // of py Zxx
  const char* text = "";
};

// By L / rvv; nullopt above 300, where the angle is too slender to check.
std::optional<AngleCapacity> CapacityBand(double slenderness) {
  if (slenderness == 0) return AngleCapacity{1.0, "  Moment capacity = py x Zxx = "};
  if (slenderness <= 100)
    return AngleCapacity{0.8, "  Buckling resistance moment = 0.8 x py x Zxx = "};
  if (slenderness <= 180)
    return AngleCapacity{0.7, "  Buckling resistance moment = 0.7 x py x Zxx = "};
  if (slenderness <= 300)
    return AngleCapacity{0.6, "  Buckling resistance moment = 0.6 x py x Zxx = "};
  return std::nullopt;
}

// Works out and writes the capacity; false when the angle is abandoned.
bool CheckAngleCapacity(const SteelCheckInputs& in, const CheckedPart& part, double shearLimit,
                        SteelCheckState& check, CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const CheckValues values(in.units);
  const AnglePartNames names = NamesOf(part);
  const std::optional<double> length = AskUnrestrainedLength(in, names, check);
  if (!length) {
    check.InputError = 1;
    return false;
  }
  // The length entered is kept, as the next question's default and as the length the listing
  // shows for the part, whether or not the angle proves checkable.
  check.RsaLengths[names.slot] = static_cast<float>(*length);
  in.restraints.EffectiveLengths[EffectiveLengthSlot(names.slot)] = *length;
  const double slenderness = *length == 0 ? 0.0 : SectionRatio(*length, s.SectionRv);
  out.Line("  Unrestrained Length = " + values.Length(*length));
  out.Line(slenderness > 0 ? "  L/rvv = " + SigFig4(slenderness) : "  RSA fully restrained");
  const std::optional<AngleCapacity> band = CapacityBand(slenderness);
  if (!band) {
    check.ComplianceState = kComplianceAngleTooSlender;
    check.InputError = 1;
    return false;
  }
  const double Mb = band->factor * s.DesignStrength * s.SectionZxx;
  out.Line(band->text + values.Moment(Mb, SigFig4));
  out.Line("  (Assumes load applied at shear centre)");
  out.Line("  for shear load of less than " + values.Shear(shearLimit));
  check.PartMb[part.index()] = static_cast<float>(Mb);
  check.PartMc[part.index()] = static_cast<float>(Mb);
  return true;
}

}  // namespace

bool CheckAngle(const SteelCheckInputs& in, const CheckedPart& part, SteelCheckState& check,
                CheckTextWriter& out) {
  const SectionValues& s = in.section;
  const CheckValues values(in.units);
  const double D = s.SectionDepth;
  const double t = s.SectionWebThk;
  check.PartM[part.index()] = 1;
  out.Line("  For  " + s.SectionDescription);
  out.Line("  with " + values.SectionLength(D, SigFig3Dec3) +
           " leg parallel to the direction of the load");
  const double shearLimit = 0.54 * t * (D - 2 * t) * s.DesignStrength;
  check.PartShearLimit[part.index()] = static_cast<float>(shearLimit);

  bool checked = false;
  if (in.results.SegmentPeaks[0][part.index()] > shearLimit) {
    check.CheckWarnings[1] = std::string(kAngleShearWarning);
  } else {
    checked = CheckAngleCapacity(in, part, shearLimit, check, out);
    if (!checked) return false;
  }
  if (s.SectionClass == SectionClass::Slender)
    check.CheckWarnings[4] = std::string(kSlenderAngleWarning);
  WriteWebBucklingNote(D - t, t, out);
  return checked;
}

}  // namespace trabeo
