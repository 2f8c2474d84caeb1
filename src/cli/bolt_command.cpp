#include <nlohmann/json.hpp>
#include <optional>

#include "bolts/bolt_capacity.h"
#include "cli/commands.h"

namespace trabeo::cli {
namespace {

struct BoltOptions {
  BoltChoices choices;
  bool json = false;
};

std::optional<BoltGrade> GradeNamed(const std::string& text) {
  if (text == "4.6") return BoltGrade::Grade46;
  if (text == "8.8") return BoltGrade::Grade88;
  return std::nullopt;
}

std::optional<PlateSteel> SteelNamed(const std::string& text) {
  if (text == "S275") return PlateSteel::S275;
  if (text == "S355") return PlateSteel::S355;
  return std::nullopt;
}

std::string ParseBoltOptions(std::span<const std::string> args, BoltOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue =
        arg == "--size" || arg == "--grade" || arg == "--steel" || arg == "--thickness";
    if (takesValue && i + 1 == args.size()) return arg + " needs a value";
    const std::string value = takesValue ? args[++i] : std::string();
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--shank") {
      options.choices.plane = ShearPlane::Shank;
    } else if (arg == "--size") {
      const auto size = BoltSizeNamed(value);
      if (!size) return "--size must be M6, M8, M10, M12, M14, M16, M20, M24 or M30";
      options.choices.size = size->name;
    } else if (arg == "--grade") {
      const auto grade = GradeNamed(value);
      if (!grade) return "--grade must be 4.6 or 8.8";
      options.choices.grade = *grade;
    } else if (arg == "--steel") {
      const auto steel = SteelNamed(value);
      if (!steel) return "--steel must be S275 or S355";
      options.choices.steel = *steel;
    } else if (arg == "--thickness") {
      options.choices.Edit_Thk = value;
    } else {
      return "unexpected argument " + arg;
    }
  }
  return {};
}

}  // namespace

int RunBoltCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  BoltOptions options;
  if (const std::string problem = ParseBoltOptions(args, options); !problem.empty()) {
    err << "trabeo-cli bolt: " << problem << "\n";
    return kExitBadInput;
  }
  const std::optional<BoltCapacities> c = CalculateBoltCapacities(options.choices);
  if (!c) {
    err << "trabeo-cli bolt: unknown bolt size\n";
    return kExitBadInput;
  }
  if (options.json) {
    nlohmann::ordered_json j;
    j["Tensile"] = c->tensile / 1000;
    j["SingleShear"] = c->singleShear / 1000;
    j["DoubleShear"] = c->doubleShear / 1000;
    j["Bearing"] = c->bearing / 1000;
    j["Shown"] = {{"Tensile", c->lbl_Tensile},
                  {"SingleShear", c->lbl_Shear1},
                  {"DoubleShear", c->lbl_Shear2},
                  {"Bearing", c->lbl_Bearing}};
    j["Note"] = c->Label_BearingNote;
    out << j.dump(2) << "\n";
    return kExitOk;
  }
  const auto line = [&](std::string_view caption, const std::string& value) {
    out << caption << std::string(24 - caption.size(), ' ') << value << " " << kCapacityUnit
        << "\n";
  };
  line(kTensileCaption, c->lbl_Tensile);
  line(kSingleShearCaption, c->lbl_Shear1);
  line(kDoubleShearCaption, c->lbl_Shear2);
  line(kBearingCaption, c->lbl_Bearing);
  out << kBearingAssumption << "\n";
  if (!c->Label_BearingNote.empty()) out << c->Label_BearingNote << "\n";
  return kExitOk;
}

}  // namespace trabeo::cli
