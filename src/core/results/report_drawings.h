#pragma once

#include "platform/print_job.h"
#include "results/beam_report.h"
#include "settings/report_page.h"

namespace trabeo {

// The first page's drawings, below the header: the beam with its supports and loads (the
// factored distributed-load profile with its rate labels, the point loads as arrows), then the
// shear, bending moment and deflection diagrams, each 10 mm high for its largest value, with a
// value scale on the left and labels at the supports, mid-span and tips. Placed in millimetres
// from the page's top-left corner; the beam runs from 55 mm to 185 mm.
void DrawReportDiagrams(Canvas& canvas, const PageGeometry& geometry, const BeamReportInputs& in);

}  // namespace trabeo
