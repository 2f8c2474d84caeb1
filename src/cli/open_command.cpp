#include <filesystem>
#include <memory>
#include <variant>

#include "beam_input/new_project.h"
#include "cli/analysed_case.h"
#include "cli/beam_file_json.h"
#include "cli/commands.h"
#include "document/open_beam_file.h"
#include "settings/units_file.h"

namespace trabeo::cli {
namespace {

struct OpenOptions {
  std::string file;
  bool json = false;
  bool listing = false;
};

std::variant<OpenOptions, std::string> ParseOptions(std::span<const std::string> args) {
  OpenOptions options;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--listing") {
      options.listing = true;
    } else if (arg.starts_with("--")) {
      return "unknown option " + arg;
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      return std::string("more than one beam data file given");
    }
  }
  if (options.file.empty()) return std::string("no beam data file given");
  return options;
}

// The program as it starts in the current folder, after File New.
struct FreshProgram {
  std::filesystem::path startFolder = std::filesystem::current_path();
  BeamProject project;
  UnitSettings units = ReadUnitsFile(startFolder, UnitSettings{}).settings;
  HeaderTexts header;
  SteelCheckState steel;
  AnalysisState analysis;
  ListingStores listing;
  int32_t UdlDrawnCount = 0;
  int32_t PointLoadDrawnCount = 0;

  FreshProgram() { ResetProjectForNew(project, header, units, startFolder); }
  BeamFileData data() {
    return {project, units, header, steel, analysis, listing, UdlDrawnCount, PointLoadDrawnCount};
  }
};

nlohmann::json OpenedJson(const OpenBeamResult& opened, FreshProgram& program) {
  nlohmann::json json = nlohmann::json::object();
  json["Version"] = opened.Version;
  json["Messages"] = opened.messages;
  json["Caption"] = opened.caption.value_or("");
  json["ResultsValid"] = opened.ResultsValid;
  json["ListColour"] = opened.listColour == colors::kRed ? "red" : "black";
  json["Listing"] = opened.listing;
  json["Fields"] = BeamFileFieldsJson(program.data(), opened.markers);
  return json;
}

}  // namespace

int RunOpenCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto options = ParseOptions(args);
  if (const auto* problem = std::get_if<std::string>(&options)) {
    err << "trabeo-cli open: " << *problem << "\n";
    return kExitBadInput;
  }
  const auto& opts = std::get<OpenOptions>(options);
  auto program = std::make_unique<FreshProgram>();
  const OpenBeamResult opened = OpenBeamFile(opts.file, program->data());
  if (!opened.opened) {
    for (const std::string& message : opened.messages)
      err << "trabeo-cli open: " << opts.file << ": " << message << "\n";
    return kExitBadInput;
  }

  if (opts.json) {
    // Texts from a damaged file need not be UTF-8; such bytes are shown replaced.
    out << OpenedJson(opened, *program)
               .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
        << "\n";
  } else if (opts.listing) {
    for (const std::string& message : opened.messages)
      err << message << "\n";
    for (const std::string& line : opened.listing)
      out << line << "\n";
  } else {
    PrintResultsSummary(program->analysis.results, opened.messages, out);
  }
  return kExitOk;
}

}  // namespace trabeo::cli
