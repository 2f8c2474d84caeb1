#pragma once

#include <optional>
#include <string>
#include <vector>

#include "en1993/beam_part_check.h"
#include "engine/beam_results.h"
#include "model/beam_project.h"
#include "model/steel_beam_state.h"

namespace trabeo {

// One part of the beam as the EN 1993 check found it.
struct Ec3PartOutcome {
  int p = 0;         // the part index: 0 LH cantilever, 1 ... 6 span segments, 10 span, 11 RH
  std::string name;  // "LH cantilever", "Span", "Segment 1" ..., "RH cantilever"
  en1993::BeamPartResult result;
};

// The EN 1993-1-1 check of the analysed beam, part by part, with the verdict on bending and
// shear ("PASS", "FAIL" or "NOT CHECKED"; deflection is listed apart).
struct Ec3BeamCheck {
  std::vector<Ec3PartOutcome> parts;
  std::string verdict;
  std::vector<std::string> messages;  // to show after the results, once each
};

// Checks each part (the LH cantilever, the span or its segments between intermediate
// restraints, the RH cantilever) for its largest factored |M| and |V|, its effective length as
// L_cr (none: fully restrained) and C1 from its moment diagram; cantilevers take C1 = 1. Writes
// the verdict (ComplianceState, with the deflection limits of the BS 5950 check), the part
// blocks of the check text (CheckText[p]) and its header block, which the listing, the report
// and the beam data file take as they take the BS 5950 check's.
Ec3BeamCheck RunEc3BeamCheck(const BeamProject& project, const BeamResults& results,
                             SteelCheckState& check);

// The check's header block (section, annex, grade, E and G, how L_cr and C1 are taken): written
// by the check, and again on opening a file, which does not keep the header block.
void WriteEc3CheckHeaderBlock(const BeamProject& project, SteelCheckState& check);

// The National Annex a check was made with, read from its part blocks (each names the annex it
// used): a beam data file keeps those blocks but not the annex itself.
NationalAnnex NationalAnnexOfEc3CheckText(const SteelCheckState& check);

// C1 of a span part from the factored moments at its stations (the span's 201), by the
// quarter-point formula between the part's first and last station (1-based), the moments at
// the quarter points interpolated linearly between stations.
double SpanPartC1(const BeamResults& results, int firstStation, int lastStation);

}  // namespace trabeo
