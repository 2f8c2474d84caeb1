#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "beam_input/beam_project.h"
#include "beam_input/udl_outline.h"
#include "engine/analysis.h"
#include "results/listing_stores.h"
#include "settings/page_header.h"
#include "settings/unit_settings.h"

// Everything the forms share, owned by the application and handed to each form by reference.
struct AppState {
  std::filesystem::path StartFolder;
  trabeo::BeamProject project;
  std::unique_ptr<trabeo::AnalysisState> analysis = std::make_unique<trabeo::AnalysisState>();
  trabeo::UnitSettings units;
  trabeo::HeaderTexts header;     // with CurrentFileName
  int32_t ResultsValid = 0;       // 1 while the shown results belong to the current beam
  trabeo::UdlOutline udlOutline;  // the applied distributed loads as drawn
  trabeo::ListingStores listing;  // the lines of the last results listing
  int32_t UdlDrawnCount = 0;      // loads in the last load diagram
  int32_t PointLoadDrawnCount = 0;
};

inline constexpr const char* kProgramTitle = "Trabeo Professional";
inline constexpr const char* kProgramVersion = "4.0";
inline constexpr const char* kVersionSuffix = ".0";
