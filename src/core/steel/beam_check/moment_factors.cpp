#include "steel/beam_check/moment_factors.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "settings/sig_fig.h"

namespace trabeo {
namespace {

constexpr int kMidSpanStation = 100;
constexpr int kLastStation = 200;

// True when the shear is the same at every station: no load acts within the span.
bool NoLoadWithinSpan(const BeamResults& results) {
  const double first = results.SpanShear[0];
  return std::all_of(results.SpanShear.begin(), results.SpanShear.end(),
                     [first](double shear) { return shear == first; });
}

// An end moment below a thousandth of a N mm is the round-off of a zero one: a simply supported
// span under a UDL ends with moments of about 1e-8 N mm, whose ratio means nothing.
double ZeroBelowThousandth(double moment) {
  return std::fabs(moment) < 0.001 ? 0.0 : moment;
}

// The smaller end moment over the larger, signed; the larger is the RH one when they are equal.
double EndMomentRatio(double m1, double m2) {
  double large = m2;
  double small = m1;
  if (std::fabs(m1) > std::fabs(m2)) std::swap(large, small);
  if (large == 0) large = 1;
  return small / large;
}

bool AnyDestabilisingLoad(const SteelRestraints& r) {
  constexpr std::size_t kSpanDestabilising = 3;  // flag 4 of the span form
  constexpr std::size_t kCantDestabilising = 2;  // flag 3 of each cantilever form
  return r.SpanRestraintFlags[kSpanDestabilising] != 0 ||
         r.LhCantRestraintFlags[kCantDestabilising] != 0 ||
         r.RhCantRestraintFlags[kCantDestabilising] != 0;
}

// The moment shape the user reads n against: gamma compares the LH end moment with how far the
// moment at mid-span falls below the mean of the LH and the lesser end moment.
double MomentShapeGamma(const BeamResults& results) {
  const double m1 = results.SpanMoment[0];
  const double m2 = std::min(m1, results.SpanMoment[kLastStation]);
  double f = (m1 + m2) / 2 - results.SpanMoment[kMidSpanStation];
  if (f == 0) f = 1e-5;
  return std::clamp(m1 / f, -50.0, 50.0);
}

// Asks for n until the answer lies from 0.56 to 1; nullopt for an empty or cancelled answer.
std::optional<float> AskForN(Dialogs& dialogs, double gamma, double beta, float previousN) {
  const std::string prompt = std::string("Enter value for \"n\", ") + " Gamma = " + SigFig3(gamma) +
                             "," + " Beta = " + SigFig3(beta);
  return AskForNInRange(dialogs, kNFactorCaption, prompt, SigFig3(previousN));
}

}  // namespace

bool SetMomentFactors(const SteelCheckInputs& in, const CheckedPart& part, SteelCheckState& check) {
  const std::size_t p = part.index();
  if (!part.isMainSpan()) {
    check.PartN[p] = 1;
    check.PartM[p] = 1;
    return true;
  }
  const BeamResults& r = in.results;
  const double m1 = ZeroBelowThousandth(r.SpanMoment[0]);
  const double m2 = ZeroBelowThousandth(r.SpanMoment[kLastStation]);
  const double beta = EndMomentRatio(m1, m2);
  float& m = check.PartM[p];
  float& n = check.PartN[p];
  m = 1;
  if (NoLoadWithinSpan(r)) {
    m = static_cast<float>(std::max(0.43, 0.57 + 0.33 * beta + 0.10 * beta * beta));
    n = 1;
  }
  // A mode other than 2 or 3 (only a damaged units file gives one) counts as mode 1, rather than
  // leaving n at whatever an earlier run set, 0 at first.
  const int32_t mode = in.units.NFactorMode;
  if (mode != kNFactorByLoading && mode != kNFactorRequested) {
    m = 1;
    n = 1;
  }
  if (AnyDestabilisingLoad(in.restraints)) m = 1;
  if (m != 1) {
    n = 1;
    return true;
  }
  if (mode == kNFactorByLoading) {
    n = m1 == 0 && m2 == 0 ? 0.94f : 1.0f;
  } else if (mode == kNFactorRequested) {
    const std::optional<float> asked = AskForN(in.dialogs, MomentShapeGamma(r), beta, n);
    if (!asked) {
      check.InputError = 1;
      return false;
    }
    n = *asked;
  }
  return true;
}

}  // namespace trabeo
