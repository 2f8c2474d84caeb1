#include "results/ec3_part_sections.h"

#include <cctype>
#include <cstdio>

#include "results/steel_part_sections.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "steel/beam_check/check_inputs.h"
#include "steel/beam_check/check_parts.h"

namespace trabeo {
namespace {

std::string UtilisationLine(const char* what, const std::optional<double>& utilisation) {
  if (!utilisation) return std::string(" ") + what + " = not checked";
  char text[32];
  std::snprintf(text, sizeof text, "%1.3f", *utilisation);
  return std::string(" ") + what + " = " + text + (*utilisation <= 1 ? "   OK" : "   TOO HIGH");
}

class Ec3PartWriter {
 public:
  explicit Ec3PartWriter(const ListingContext& context) : units_(context.units) {}

  template <int Slots>
  void Write(StoreBlock<Slots>& block, const Ec3PartOutcome& part, double length) {
    const en1993::BeamPartResult& r = part.result;
    block.Line(" " + Upper(part.name) + "  (EN 1993-1-1)");
    block.Line(" Length = " + Length(length));
    if (r.refusal) {
      block.Line(" " + *r.refusal);
      block.Line(" Part NOT CHECKED");
      return;
    }
    block.Line(r.Lcr ? " Lcr = " + Length(*r.Lcr) : std::string(" Fully restrained"));
    block.Line(" MEd = " + Moment(r.MEd) + "   VEd = " + Shear(r.VEd));
    block.Line(" Mc,Rd = " + Optional(r.McRd, &Ec3PartWriter::Moment) +
               "   Vpl,Rd = " + Optional(r.VplRd, &Ec3PartWriter::Shear));
    if (r.MbRd) {
      block.Line(" C1 = " + SigFig3(*r.C1) + "   Mcr = " + Moment(*r.Mcr) +
                 "   chiLT = " + SigFig3(*r.ChiLT));
      block.Line(" chiLT,mod = " + SigFig3(*r.ChiLTmod));
      block.Line(" Mb,Rd = " + Moment(*r.MbRd));
    }
    block.Line(UtilisationLine("Bending", r.UtilisationBending));
    block.Line(UtilisationLine("Shear", r.UtilisationShear));
    if (r.Lcr) block.Line(UtilisationLine("Lateral-torsional buckling", r.UtilisationLTB));
    block.Line(" Part " + r.Verdict);
  }

 private:
  static std::string Upper(std::string text) {
    for (char& c : text)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }
  std::string Optional(const std::optional<double>& value,
                       std::string (Ec3PartWriter::*show)(double) const) const {
    return value ? (this->*show)(*value) : std::string("none");
  }
  std::string Length(double mm) const {
    return ShowValueWithUnit(units_, UnitQuantity::Length, mm, SigFig3);
  }
  std::string Shear(double newtons) const {
    return ShowValueWithUnit(units_, UnitQuantity::Shear, newtons, SigFig4);
  }
  std::string Moment(double newtonMillimetres) const {
    return ShowValueWithUnit(units_, UnitQuantity::Moment, newtonMillimetres, SigFig4);
  }

  const UnitSettings& units_;
};

double PartLength(const ListingContext& context, int p) {
  const BeamModel& model = context.model();
  if (p == kLhCantileverPart) return model.LhCantilever.Length;
  if (p == kRhCantileverPart) return model.RhCantilever.Length;
  if (p == kMainSpanPart) return model.MainSpan.Length;
  // A segment runs between the analysis stations at its restraints.
  const StationRange stations = SpanPartStations(context.project.restraints, p);
  return model.MainSpan.Length * (stations.last - stations.first) / kFactoredStationCount;
}

// The deflection line that closes a part's section, where one does.
std::string ClosingLine(const ListingContext& context, const Ec3BeamCheck& check, std::size_t i) {
  const int p = check.parts[i].p;
  if (p == kLhCantileverPart) return CantileverDeflectionLine(context, true);
  if (p == kRhCantileverPart) return CantileverDeflectionLine(context, false);
  const bool lastOfSpan = i + 1 == check.parts.size() || check.parts[i + 1].p == kRhCantileverPart;
  return lastOfSpan ? SpanDeflectionLine(context) : std::string();
}

}  // namespace

void WriteEc3PartSections(const ListingContext& context, const Ec3BeamCheck& check,
                          ListingLines& list, ListingStores& stores) {
  Ec3PartWriter writer(context);
  for (std::size_t i = 0; i < check.parts.size(); ++i) {
    const Ec3PartOutcome& part = check.parts[i];
    StoreBlock block(list, stores.SteelListLines[static_cast<std::size_t>(part.p)]);
    writer.Write(block, part, PartLength(context, part.p));
    const std::string closing = ClosingLine(context, check, i);
    if (!closing.empty()) {
      block.Line("");
      block.Line(closing);
    }
    block.LineThenBlank("");
    block.Finish();
  }
}

}  // namespace trabeo
