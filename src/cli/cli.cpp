#include <string_view>

#include "cli/commands.h"

namespace trabeo::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: trabeo-cli COMMAND [ARGS]\n"
    "  analyse FILE.json [--json] [--listing] [--units FILE] [--diagram OUT.svg\n"
    "          [--width W] [--height H] [--tile default|diagrams|results]]\n"
    "  analyse --batch FILE.jsonl [--units FILE]   (one case per line, one JSON line each)\n"
    "  sections FILE.sct [--json]\n"
    "  calc SHAPE key=value ... [--json]   (tube, box, ibeam, joist, channel, angle)\n"
    "  catalogue --dir DIR\n"
    "  member FILE.json [--json]   (\"Code\": \"BS5950\", the default, or \"EN1993\")\n"
    "  member-file FILE.trm [--json]\n"
    "  save CASE.json OUT.trb [--units FILE]\n"
    "  open FILE.trb [--json] [--listing]\n"
    "  timber-section CASE.json [--json]\n"
    "  timber-member FILE.json [--json]\n"
    "  bolt [--size M6...M30] [--grade 4.6|8.8] [--steel S275|S355] [--shank]\n"
    "       [--thickness T] [--json]\n"
    "  point FILE.json X [--units FILE] [--json]   (X in the display length unit)\n"
    "  report FILE.json|FILE.trb -o OUT.pdf [--units FILE]\n";

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           CommandFunction report) {
  if (args.empty()) {
    err << kUsage;
    return kExitBadInput;
  }
  const std::string_view command = args.front();
  const auto rest = args.subspan(1);
  if (command == "analyse") return RunAnalyseCommand(rest, out, err);
  if (command == "sections") return RunSectionsCommand(rest, out, err);
  if (command == "calc") return RunCalcCommand(rest, out, err);
  if (command == "catalogue") return RunCatalogueCommand(rest, out, err);
  if (command == "member") return RunMemberCommand(rest, out, err);
  if (command == "member-file") return RunMemberFileCommand(rest, out, err);
  if (command == "save") return RunSaveCommand(rest, out, err);
  if (command == "open") return RunOpenCommand(rest, out, err);
  if (command == "timber-section") return RunTimberSectionCommand(rest, out, err);
  if (command == "timber-member") return RunTimberMemberCommand(rest, out, err);
  if (command == "bolt") return RunBoltCommand(rest, out, err);
  if (command == "point") return RunPointCommand(rest, out, err);
  if (command == "report") return report(rest, out, err);
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kExitOk;
  }
  err << "trabeo-cli: unknown command '" << command << "'\n" << kUsage;
  return kExitBadInput;
}

}  // namespace trabeo::cli
