#pragma once

#include "beam_input/span_restraints.h"
#include "platform/canvas.h"

namespace trabeo {

// Fills the interval cells 1 ... n + 1 with the default spacing of n restraints in display
// units: equal intervals, or half intervals at the ends; the factor labels read "n support(s)"
// and the effective length "varies".
void RefillIntervals(SpanFormState& state, double L, const UnitSettings& units);

// Reads the interval cells into the effective lengths: the n intervals typed, the remainder to
// the RH support, the restraint stations in 1/200 of the span, and the first and last segments'
// effective lengths from the end conditions last evaluated. The other effective lengths are
// zeroed.
void ReadIntervals(SpanFormState& state, double L, float D, const UnitSettings& units,
                   SteelRestraints& restraints);

// Whether the intervals the restraints hold are still the user's to show: a count of 1 to 5,
// made for this span (ClearSpan, taken before the form evaluates L again) and adding up to it.
// Otherwise the form starts again from the default spacing.
bool KeepsStoredIntervals(const SteelRestraints& restraints, double L);
// The stored intervals in the cells, exactly as they are held, with the stations and the end
// segments' effective lengths from the end conditions last evaluated.
void ShowStoredIntervals(SpanFormState& state, double L, float D, const UnitSettings& units,
                         SteelRestraints& restraints);

// The count box changed (1 to 5): default intervals, read back.
void ChangeRestraintCount(SpanFormState& state, int count, double L, float D,
                          const UnitSettings& units, SteelRestraints& restraints);
// A spacing option was picked: default intervals, read back.
void PickRestraintSpacing(SpanFormState& state, bool equal, double L, float D,
                          const UnitSettings& units, SteelRestraints& restraints);

// The picture of the span and its intermediate restraints, width x height pixels: the beam,
// its end posts, a red mark at each restraint, the interval lengths ("L") and the segments'
// effective lengths ("Le") over them.
void DrawIntermediateRestraints(Canvas& canvas, int width, int height,
                                const SteelRestraints& restraints, double L,
                                const UnitSettings& units);

}  // namespace trabeo
