#include <charconv>
#include <memory>
#include <optional>
#include <variant>

#include "beam_input/beam_project.h"
#include "beam_input/udl_outline.h"
#include "cli/beam_json.h"
#include "cli/commands.h"
#include "cli/results_json.h"
#include "engine/analysis.h"
#include "engine/finite_results.h"
#include "fileio/file_bytes.h"
#include "platform/svg_canvas.h"
#include "results/main_picture.h"
#include "results/results_listing.h"
#include "settings/sig_fig.h"
#include "settings/units_file.h"

namespace trabeo::cli {
namespace {

// The main window's size when none is given.
constexpr int kDefaultWindowWidth = 800;
constexpr int kDefaultWindowHeight = 767;
constexpr int kMinWindowWidth = 300;  // room for the 225 px of margins around the beam
constexpr int kMinWindowHeight = 200;
constexpr int kMaxWindowSize = 10000;

struct AnalyseOptions {
  std::string file;
  bool json = false;
  bool listing = false;
  std::optional<std::string> unitsFile;
  std::optional<std::string> diagramFile;
  std::optional<int> width;
  std::optional<int> height;
  std::optional<Tile> tile;
};

std::optional<int> ParseSize(const std::string& text, int least) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < least || value > kMaxWindowSize) return std::nullopt;
  return value;
}

std::optional<Tile> ParseTile(const std::string& text) {
  if (text == "default") return Tile::Default;
  if (text == "diagrams") return Tile::Diagrams;
  if (text == "results") return Tile::Results;
  return std::nullopt;
}

std::variant<AnalyseOptions, std::string> ParseOptions(std::span<const std::string> args) {
  AnalyseOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--units" || arg == "--diagram" || arg == "--width" ||
                            arg == "--height" || arg == "--tile";
    if (takesValue && i + 1 == args.size()) return arg + " needs a value";
    const std::string value = takesValue ? args[++i] : std::string();
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--listing") {
      options.listing = true;
    } else if (arg == "--units") {
      options.unitsFile = value;
    } else if (arg == "--diagram") {
      options.diagramFile = value;
    } else if (arg == "--width") {
      options.width = ParseSize(value, kMinWindowWidth);
      if (!options.width) {
        return "--width must be a whole number of pixels from " + std::to_string(kMinWindowWidth) +
               " to " + std::to_string(kMaxWindowSize);
      }
    } else if (arg == "--height") {
      options.height = ParseSize(value, kMinWindowHeight);
      if (!options.height) {
        return "--height must be a whole number of pixels from " +
               std::to_string(kMinWindowHeight) + " to " + std::to_string(kMaxWindowSize);
      }
    } else if (arg == "--tile") {
      options.tile = ParseTile(value);
      if (!options.tile) return std::string("--tile must be default, diagrams or results");
    } else if (arg.starts_with("--")) {
      return "unknown option " + arg;
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      return "more than one beam file given";
    }
  }
  if (options.file.empty()) return std::string("no beam file given");
  if ((options.width || options.height || options.tile) && !options.diagramFile)
    return std::string("--width, --height and --tile shape the picture of --diagram");
  return options;
}

void PrintSummary(const BeamResults& r, const AnalysisReport& report, std::ostream& out) {
  for (const std::string& message : report.messages)
    out << message << "\n";
  const auto kN = [](double newtons) { return SigFig4(newtons / 1000) + " kN"; };
  const auto kNm = [](double newtonMillimetres) {
    return SigFig4(newtonMillimetres / 1e6) + " kN-m";
  };
  const auto mm = [](double millimetres) { return SigFig4(millimetres) + " mm"; };
  out << "Reactions:          LH " << kN(r.Reactions[0]) << ", RH " << kN(r.Reactions[1]) << "\n";
  out << "Total applied load: " << kN(r.TotalAppliedLoad) << "\n";
  out << "Largest shear:      " << kN(r.ShearExtremes[0]) << " (greatest " << kN(r.ShearExtremes[1])
      << ", least " << kN(r.ShearExtremes[2]) << ")\n";
  out << "Largest moment:     " << kNm(r.MomentExtremes[0]) << " (sagging "
      << kNm(r.MomentExtremes[2]) << ", hogging " << kNm(r.MomentExtremes[1]) << ")\n";
  out << "Largest deflection: " << mm(r.DeflectionExtremes[0]) << " (downward "
      << mm(-r.DeflectionExtremes[1]) << ", upward " << mm(r.DeflectionExtremes[2]) << ")\n";
}

// The unit settings: the start-up defaults, or those a units file holds over them.
std::variant<UnitSettings, std::string> LoadUnits(const AnalyseOptions& options) {
  UnitSettings units;
  ApplyStartupDefaults(units);
  if (!options.unitsFile) return units;
  const auto bytes = ReadFileBytes(*options.unitsFile);
  if (!bytes) return "cannot read units file " + *options.unitsFile;
  DecodeUnitsFile(*bytes, units);
  return units;
}

// The main window's picture, showing what the list box leaves visible.
std::string DiagramSvg(const BeamModel& model, const BeamResults& results,
                       const UnitSettings& units, const AnalyseOptions& options) {
  const int width = options.width.value_or(kDefaultWindowWidth);
  const int height = options.height.value_or(kDefaultWindowHeight);
  const Tile tile = options.tile.value_or(Tile::Default);
  const MainWindowGeometry window = GeometryForTile(tile, width, height);
  const UdlOutline outline = BuildUdlOutline(model.Loads);
  SvgCanvas canvas(width, height - window.listHeight);
  DrawMainPictureForTile(canvas, DiagramInputs{model, results, outline, units}, tile, width,
                         height);
  return canvas.Document();
}

}  // namespace

int RunAnalyseCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto options = ParseOptions(args);
  if (const auto* problem = std::get_if<std::string>(&options)) {
    err << "trabeo-cli analyse: " << *problem << "\n";
    return kExitBadInput;
  }
  const auto& opts = std::get<AnalyseOptions>(options);
  const auto bytes = ReadFileBytes(opts.file);
  if (!bytes) {
    err << "trabeo-cli analyse: cannot read " << opts.file << "\n";
    return kExitBadInput;
  }
  const auto parsed = ParseBeamJson(std::string(bytes->begin(), bytes->end()));
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    err << "trabeo-cli analyse: " << opts.file << ": " << *problem << "\n";
    return kExitBadInput;
  }
  const auto units = LoadUnits(opts);
  if (const auto* problem = std::get_if<std::string>(&units)) {
    err << "trabeo-cli analyse: " << *problem << "\n";
    return kExitBadInput;
  }
  const UnitSettings& unitSettings = std::get<UnitSettings>(units);

  // The project is large (its stores hold hundreds of lines); keep it off the stack.
  auto project = std::make_unique<BeamProject>();
  project->model = std::get<BeamModel>(parsed);
  auto state = std::make_unique<AnalysisState>();
  const AnalysisReport report = RunAnalysis(project->model, *state);
  if (!ResultsAreFinite(state->results)) {
    err << "trabeo-cli analyse: " << opts.file << ": " << kResultsNotFiniteMessage << "\n";
    return kExitBadInput;
  }

  if (opts.diagramFile) {
    const std::string svg = DiagramSvg(project->model, state->results, unitSettings, opts);
    const std::string problem = WriteFileAtomically(
        *opts.diagramFile, std::span(reinterpret_cast<const uint8_t*>(svg.data()), svg.size()));
    if (!problem.empty()) {
      err << "trabeo-cli analyse: " << problem << "\n";
      return kExitBadInput;
    }
  }

  ListingLines listing;
  if (opts.listing) {
    auto stores = std::make_unique<ListingStores>();
    CodeCheckListing codeCheck;
    listing = WriteResultsListing(*project, state->results, unitSettings, codeCheck, *stores).lines;
  }

  if (opts.json) {
    nlohmann::json json = ResultsToJson(state->results, report.messages);
    if (opts.listing) json["Listing"] = listing;
    // Valid UTF-8 whatever a file held: a stray byte is replaced, never an exception.
    out << json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
  } else if (opts.listing) {
    // Standard output carries the listing alone; the analysis messages go beside it.
    for (const std::string& message : report.messages)
      err << message << "\n";
    for (const std::string& line : listing)
      out << line << "\n";
  } else {
    PrintSummary(state->results, report, out);
  }
  return kExitOk;
}

}  // namespace trabeo::cli
