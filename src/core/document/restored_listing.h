#pragma once

#include <string>
#include <vector>

#include "engine/beam_results.h"
#include "model/beam_project.h"
#include "model/steel_beam_state.h"
#include "results/listing_stores.h"
#include "results/listing_writer.h"
#include "settings/unit_settings.h"

namespace trabeo {

// The results list of an opened beam, refilled from the stored lines without a new analysis:
// the summary; for timber the first three lines of the timber store; for steel the steel
// summary and the check section of each part the beam has; the load tables and the results at
// twentieths; for steel the listing of the restored check text; and one empty line.
ListingLines RefillResultsList(const BeamProject& project, const BeamResults& results,
                               const UnitSettings& units, const SteelCheckState& steel,
                               const ListingStores& stores);

// What the section form shows of an opened beam.
struct SectionFormLabels {
  std::string SectionFamily;   // the section table to list; "Timber" shows the timber group
  std::string DesignStrength;  // py, as shown
  std::string SectionClass;    // "Section is " and the class
  std::vector<std::string> PropertyLines;

  friend bool operator==(const SectionFormLabels&, const SectionFormLabels&) = default;
};

SectionFormLabels SectionLabelsFromFile(const SectionValues& section);

}  // namespace trabeo
