#include <optional>
#include <variant>

#include "cli/commands.h"
#include "cli/report_pdf.h"
#include "cli/report_source.h"

namespace trabeo::cli {
namespace {

struct ReportOptions {
  std::string file;  // a beam case (JSON) or a beam data file (.trb)
  std::string output;
  std::optional<std::string> unitsFile;
};

std::variant<ReportOptions, std::string> ParseOptions(std::span<const std::string> args) {
  ReportOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "-o" || arg == "--units";
    if (takesValue && i + 1 == args.size()) return arg + " needs a value";
    if (arg == "-o") {
      options.output = args[++i];
    } else if (arg == "--units") {
      options.unitsFile = args[++i];
    } else if (arg.starts_with("-")) {
      return "unknown option " + arg;
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      return std::string("more than one beam file given");
    }
  }
  if (options.file.empty()) return std::string("no beam file given");
  if (options.output.empty()) return std::string("no output file given (-o OUT.pdf)");
  return options;
}

}  // namespace

// The report goes to its file; standard output stays empty.
int RunReportCommand(std::span<const std::string> args, std::ostream&, std::ostream& err) {
  const auto options = ParseOptions(args);
  if (const auto* problem = std::get_if<std::string>(&options)) {
    err << "trabeo-cli report: " << *problem << "\n";
    return kExitBadInput;
  }
  if (!ReportPdfAvailable()) {
    err << "trabeo-cli report: not available: this trabeo-cli was built without Qt\n";
    return kExitBadInput;
  }
  const auto& opts = std::get<ReportOptions>(options);
  auto source = IsBeamDataFileName(opts.file) ? ReportSourceFromBeamFile(opts.file, opts.unitsFile)
                                              : ReportSourceFromCase(opts.file, opts.unitsFile);
  if (const auto* problem = std::get_if<std::string>(&source)) {
    err << "trabeo-cli report: " << *problem << "\n";
    return kExitBadInput;
  }
  const ReportSource& beam = *std::get<std::unique_ptr<ReportSource>>(source);
  for (const std::string& message : beam.messages)
    err << message << "\n";

  const ReportPdfOutcome pdf = WriteReportPdf(opts.output, beam);
  switch (pdf.result) {
    case ReportPdfResult::Written:
      return kExitOk;
    case ReportPdfResult::NothingToPrint:
      err << pdf.problem << "\n";
      return kExitCheckFailed;
    case ReportPdfResult::Unavailable:
    case ReportPdfResult::Failed:
      break;
  }
  err << "trabeo-cli report: cannot write " << opts.output << ": " << pdf.problem << "\n";
  return kExitBadInput;
}

}  // namespace trabeo::cli
