// The batch front end's JSON beam as any text: read, analysed, and when the results are finite,
// listed, dumped as JSON and drawn, as `trabeo-cli analyse --json --listing --diagram` does.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <variant>

#include "cli/beam_json.h"
#include "cli/results_json.h"
#include "engine/analysis.h"
#include "engine/finite_results.h"
#include "fuzz_support.h"
#include "model/udl_outline.h"
#include "platform/svg_canvas.h"
#include "results/main_picture.h"
#include "results/results_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace trabeo;
  const auto parsed =
      cli::ParseBeamJson(std::string_view(reinterpret_cast<const char*>(data), size));
  if (std::holds_alternative<std::string>(parsed)) return 0;

  auto project = std::make_unique<BeamProject>();
  project->model = std::get<BeamModel>(parsed);
  auto state = std::make_unique<AnalysisState>();
  const AnalysisReport report = RunAnalysis(project->model, *state);
  // Results that are not finite are refused with a message and shown nowhere.
  if (!ResultsAreFinite(state->results)) return 0;

  UnitSettings units;
  ApplyStartupDefaults(units);
  auto stores = std::make_unique<ListingStores>();
  CodeCheckListing codeCheck;
  const ResultsListing listing =
      WriteResultsListing(*project, state->results, units, codeCheck, *stores);
  fuzz::RequireShowable(listing.lines);
  fuzz::RequireShowable(report.messages);

  nlohmann::json json = cli::ResultsToJson(state->results, report.messages);
  json["Listing"] = listing.lines;
  const std::string dumped = json.dump(-1, ' ', false, nlohmann::json::error_handler_t::strict);
  fuzz::Require(dumped.find("null") == std::string::npos, "finite results dump as numbers");

  const MainWindowGeometry window = GeometryForTile(Tile::Default, 800, 767);
  SvgCanvas canvas(800, 767 - window.listHeight);
  const UdlOutline outline = BuildUdlOutline(project->model.Loads);
  DrawMainPictureForTile(canvas, DiagramInputs{project->model, state->results, outline, units},
                         Tile::Default, 800, 767);
  const std::string svg = canvas.Document();
  fuzz::RequireShowable(std::span(&svg, 1));
  return 0;
}
