#pragma once

#include <memory>
#include <string>

#include "core/engine/beam_builder.h"
#include "model/beam_project.h"
#include "results/results_listing.h"
#include "settings/unit_settings.h"

namespace trabeo::testing {

// A beam analysed and listed, everything on the heap (the results and stores are large).
struct Listed {
  std::unique_ptr<BeamProject> project = std::make_unique<BeamProject>();
  std::unique_ptr<AnalysisState> state = std::make_unique<AnalysisState>();
  std::unique_ptr<ListingStores> stores = std::make_unique<ListingStores>();
  CodeCheckListing codeCheck;
  ResultsListing listing;

  explicit Listed(const BeamModel& model, const UnitSettings& units = UnitSettings{},
                  const std::string& description = "") {
    project->model = model;
    project->section.SectionDescription = description;
    RunAnalysis(project->model, *state);
    listing = WriteResultsListing(*project, state->results, units, codeCheck, *stores);
  }

  const ListingLines& lines() const { return listing.lines; }
  bool Has(const std::string& line) const {
    for (const std::string& listed : listing.lines) {
      if (listed == line) return true;
    }
    return false;
  }
  // The first listed line starting with prefix, or "".
  std::string Find(const std::string& prefix) const {
    for (const std::string& listed : listing.lines) {
      if (listed.starts_with(prefix)) return listed;
    }
    return "";
  }
};

// Every unit in millimetres and newtons, each factor 1.
inline UnitSettings MillimetreUnits() {
  UnitSettings units;
  units.LengthUnitName = "mm";
  units.LengthFactor = 1;
  units.PointLoadUnitName = "N";
  units.PointLoadFactor = 1;
  units.UdlUnitName = "N/mm";
  units.UdlFactor = 1;
  units.ShearUnitName = "N";
  units.ShearFactor = 1;
  units.MomentUnitName = "N-mm";
  units.MomentFactor = 1;
  units.InertiaUnitName = "mm^4";
  units.InertiaFactor = 1;
  return units;
}

}  // namespace trabeo::testing
