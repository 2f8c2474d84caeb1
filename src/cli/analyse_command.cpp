#include <charconv>
#include <memory>
#include <optional>
#include <variant>

#include "cli/analysed_case.h"
#include "cli/analysed_case_json.h"
#include "cli/batch_analysis.h"
#include "cli/commands.h"
#include "engine/analysis.h"
#include "fileio/file_bytes.h"
#include "model/beam_project.h"
#include "platform/svg_canvas.h"
#include "results/main_picture.h"
#include "session/project_session.h"

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
  bool batch = false;  // the file holds one case per line
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
    } else if (arg == "--batch") {
      options.batch = true;
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
  if (options.batch && (options.listing || options.diagramFile))
    return std::string("--batch writes one JSON line per case: no --listing, no --diagram");
  return options;
}

// The main window's picture, showing what the list box leaves visible.
std::string DiagramSvg(const ProjectSession& session, const AnalyseOptions& options) {
  const int width = options.width.value_or(kDefaultWindowWidth);
  const int height = options.height.value_or(kDefaultWindowHeight);
  const Tile tile = options.tile.value_or(Tile::Default);
  const MainWindowGeometry window = GeometryForTile(tile, width, height);
  SvgCanvas canvas(width, height - window.listHeight);
  DrawMainPictureForTile(canvas, session.DiagramInputs(), tile, width, height);
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
  if (opts.batch) return RunAnalyseBatch(opts.file, opts.unitsFile, out, err);
  // Without --listing or a diagram the listing is written only where a code check needs it, as
  // in a batch.
  const auto listing = opts.listing || opts.diagramFile
                           ? ProjectSession::Listing::Written
                           : ProjectSession::Listing::OnlyForCodeChecks;
  const auto analysed = AnalyseCaseFile(opts.file, opts.unitsFile, listing);
  if (const auto* problem = std::get_if<std::string>(&analysed)) {
    err << "trabeo-cli analyse: " << *problem << "\n";
    return kExitBadInput;
  }
  const AnalysedCase& analysedCase = std::get<AnalysedCase>(analysed);
  const ProjectSession& session = *analysedCase.session;
  const AnalysisOutcome& outcome = analysedCase.outcome;
  const std::vector<std::string>& messages = analysedCase.messages;

  if (opts.diagramFile) {
    const std::string svg = DiagramSvg(session, opts);
    const std::string problem = WriteFileAtomically(
        *opts.diagramFile, std::span(reinterpret_cast<const uint8_t*>(svg.data()), svg.size()));
    if (!problem.empty()) {
      err << "trabeo-cli analyse: " << problem << "\n";
      return kExitBadInput;
    }
  }

  if (opts.json) {
    nlohmann::json json = AnalysedCaseJson(analysedCase);
    if (opts.listing) json["Listing"] = outcome.listing;
    // Valid UTF-8 whatever a file held: a stray byte is replaced, never an exception.
    out << json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
  } else if (opts.listing) {
    // Standard output carries the listing alone; the analysis messages go beside it.
    for (const std::string& message : messages)
      err << message << "\n";
    for (const std::string& line : outcome.listing)
      out << line << "\n";
  } else {
    PrintResultsSummary(session.results(), messages, out);
  }
  return kExitOk;
}

}  // namespace trabeo::cli
