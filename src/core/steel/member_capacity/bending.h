#pragma once

#include <optional>
#include <string>

#include "steel/member_capacity/member_context.h"

namespace trabeo {

// The moment capacity of a laterally restrained I-section, joist or channel about an axis, by
// class ("Plastic", "Compact", "Semi-compact", "Slender"), N mm, with its detail lines.
double RestrainedMomentCapacity(MemberContext& c, MemberAxis axis, SectionClass sectionClass,
                                DetailList& out);

// The lateral-torsional buckling resistance about x-x of an I-section, joist or channel by
// class, N mm, never above the restrained capacity of the same class; where that capacity
// governs, the lines show the pb of the buckling curve, Sxx pb and the capacity. halfLambda uses
// lambda LT = lambda / 2 (columns in simple construction). leUsed receives the effective
// length. nullopt when a length or n was not given.
std::optional<double> BucklingResistanceMoment(MemberContext& c, SectionClass sectionClass,
                                               bool halfLambda, DetailList& out, double& leUsed);

// The moment capacity of a box or tube about an axis by class, N mm; the 1.2 limit on S x py
// is never raised here.
double ClosedSectionMomentCapacity(MemberContext& c, MemberAxis axis, SectionClass sectionClass,
                                   DetailList& out);

// The length within which a box under bending about x-x needs no lateral-torsional buckling
// check, mm: from Ry by the proportion D/B (infinite for D/B <= 1, when the box is at least as
// wide as it is deep); nullopt when D/B exceeds 4.
std::optional<double> BoxLengthLimit(const MemberSection& sec, double py);

inline constexpr std::string_view kBoxProportionMessage =
    "Section D/B is greater than 1/4\ncannot evaluate max effective length";
// A box longer than its length limit: its lateral-torsional buckling is not checked here.
inline constexpr std::string_view kOutsideParametersMessage =
    "Beam length is outside program parameters";

// The restrained capacity (I types) or the closed-section capacity about an axis, for the given
// class, without detail lines.
double SectionMomentCapacity(MemberContext& c, MemberAxis axis, SectionClass sectionClass);

// The window's moment capacity calculation about an axis: writes the detail lines, keeps Mcx or
// Mcy and writes the summary. A box bent about x-x that has a length limit takes the effective
// length (the common one, or asked) and gets no capacity beyond the limit. nullopt when it
// stopped.
std::optional<double> RunMomentCalculation(MemberContext& c, MemberAxis axis, DetailList& out,
                                           SummaryList& summary);

inline constexpr std::string_view kFullyRestrainedQuestion =
    "Is the beam fully restrained laterally ?";

}  // namespace trabeo
