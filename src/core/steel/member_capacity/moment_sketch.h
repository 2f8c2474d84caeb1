#pragma once

#include "platform/canvas.h"
#include "steel/member_capacity/member_context.h"

namespace trabeo {

// The window's moment sketch for one axis on a picture of width x height pixels: the member
// with its end-moment arrows, the title, and the moment diagram from End 1 (M1) to End 2 (M2)
// on a base line at 75 % of the height, the larger end 25 pixels high and labelled "M", the
// other scaled and labelled with beta (character 223 of Windows-1252, shown as "ß").
void DrawMomentSketch(Canvas& canvas, int width, int height, MemberAxis axis, double M1, double M2);

}  // namespace trabeo
