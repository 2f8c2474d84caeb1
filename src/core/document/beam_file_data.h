#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/analysis.h"
#include "model/beam_project.h"
#include "model/steel_beam_state.h"
#include "results/listing_stores.h"
#include "settings/page_header.h"
#include "settings/program_version.h"
#include "settings/unit_settings.h"

namespace trabeo {

// Every beam data file the program writes begins "Version " and kProgramVersion, then the
// version suffix and the marker.
inline constexpr std::string_view kFileMarker = "1";
inline constexpr std::string_view kVersionPrefix = "Version ";

// Sizes of the layouts: version 4 as written, version 3 as saved from 3.5 on and before it.
inline constexpr std::size_t kBeamFileSize = 215763;
inline constexpr std::size_t kVersion3FileSize = 7323;
inline constexpr std::size_t kVersion3Before35FileSize = 7319;

// Everything a beam data file holds, wherever the program keeps it. The members refer to the
// owner's own state, so a session passes its members and the file reads and writes them in place.
struct BeamFileData {
  BeamProject& project;  // model, section, load rows in use, restraints, timber values
  UnitSettings& units;
  HeaderTexts& header;
  SteelCheckState& steel;
  AnalysisState& analysis;  // the results with their stored single-precision copies
  ListingStores& listing;
  int32_t& UdlDrawnCount;  // loads in the last load diagram
  int32_t& PointLoadDrawnCount;
};

// The three texts at the head of a file, as read: they identify the file and carry no data.
struct BeamFileMarkers {
  std::string Header;  // "Version 4.0"
  std::string VersionSuffix;
  std::string FileMarker;
};

}  // namespace trabeo
