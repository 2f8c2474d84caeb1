#pragma once

#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "settings/unit_settings.h"
#include "steel/member_capacity/member_state.h"

namespace trabeo {

enum class MemberAxis { XX, YY };

// What a member capacity calculation works with: the window's state, the dialogs that ask for
// missing values, and the preferences (only their modulus labels are used).
struct MemberContext {
  MemberCapacityState& s;
  Dialogs& dialogs;
  const UnitSettings& units;

  bool Combined() const { return s.asked.CombinedRunning != 0; }
  // Ends the calculation: nothing is listed. emptyLists also empties the shown lists, as an
  // unusable length does.
  void Stop(bool emptyLists);
};

inline constexpr std::string_view kAnglesNotCheckedMessage =
    "Angles are not checked in this window";

// The window checks I and H sections, joists, channels, boxes and tubes. For any other kind the
// calculation stops, and for an angle, which the window's own tables do not offer but a
// miscellaneous section or a file can bring, it says why. True when stopped.
bool RefuseUncheckedKind(MemberContext& c);

// The window's boxes as numbers in internal units (N/mm2, mm, N, N mm).
struct MemberInputs {
  double py = 0;
  double E = 0;
  double commonLe = 0;
  double F = 0;
  double M1x = 0;  // End 1
  double M1y = 0;
  double M2x = 0;  // End 2
  double M2y = 0;
};
MemberInputs ReadMemberInputs(const MemberFormTexts& texts);

// The effective length for buckling as a strut about an axis, mm: the common length when given,
// otherwise asked (once in a combined check) and kept. nullopt when the answer is empty, zero,
// negative or not a number; the calculation is then stopped with the lists emptied.
std::optional<double> StrutEffectiveLength(MemberContext& c, MemberAxis axis, bool boxWording);

// The effective length for lateral-torsional buckling about x-x, mm, with the same rules.
std::optional<double> LtbEffectiveLength(MemberContext& c);

// The slenderness correction factor n: 1 in a combined check, otherwise asked, by the beam
// check's rule, until it lies from 0.56 to 1, and kept in McN. nullopt (the calculation stopped)
// when the answer is empty or the question cancelled.
std::optional<double> LtbFactorN(MemberContext& c);

// The strut curve letter about an axis. For an I or H section with 0.8 <= B/D < 0.9 the user is
// asked (once in a combined check) until the answer is a, b, c or d; otherwise the default is
// used. nullopt (the calculation stopped, lists kept) when the question is cancelled or empty.
std::optional<char> StrutCurveLetter(MemberContext& c, MemberAxis axis, char defaultLetter,
                                     bool ask, bool hSection);

}  // namespace trabeo
