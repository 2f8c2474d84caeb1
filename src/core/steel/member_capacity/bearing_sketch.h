#pragma once

#include "platform/canvas.h"

namespace trabeo {

// The bearing panel's picture on width x height pixels: the end of an I-beam on its stiff
// bearing b1, with the reaction spreading through the flange and root to the web (n2, at 1 to
// 2.5) and to the web's mid-depth (n1, at 45 degrees), labelled as the panel's boxes are.
void DrawBearingSketch(Canvas& canvas, int width, int height);

}  // namespace trabeo
