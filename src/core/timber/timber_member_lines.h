#pragma once

#include <string>
#include <vector>

#include "timber/timber_member_window.h"

namespace trabeo {

// The result lines of the timber member window, in its fixed units.

inline constexpr const char* kCombinedLoadingOk = "  Combined Loading OK";
inline constexpr const char* kCombinedLoadingTooHigh = "  Combined Loading Too High";

std::string TimberAxisName(TimberAxis axis);  // "MAJOR AXIS" or "MINOR AXIS"

// The section block: description, size and grade, effective length, properties, grade values
// and factors, two blank lines.
std::vector<std::string> TimberMemberSectionBlock(const TimberMemberWindow& window);
std::vector<std::string> TimberBendingBlock(const TimberMemberWindow& window,
                                            const TimberBendingCapacity& bending);
std::vector<std::string> TimberAxialBlock(const TimberMemberWindow& window,
                                          const TimberAxialCapacity& axial);
std::vector<std::string> TimberCombinedBlock(const TimberMemberWindow& window,
                                             const TimberBendingCapacity& bending,
                                             const TimberAxialCapacity& axial,
                                             const TimberCombinedCheck& combined);

// The lines the summary repeats.
std::string PermissibleMomentLine(const TimberBendingCapacity& bending);
std::string PermissibleShearLine(const TimberBendingCapacity& bending);
std::string PermissibleAxialLine(const TimberAxialCapacity& axial);
std::string CombinedEquationLine(const TimberCombinedCheck& combined);
std::string CombinedVerdictLine(const TimberCombinedCheck& combined);

}  // namespace trabeo
