#include "results/steel_listing.h"

#include "results/ec3_part_sections.h"
#include "results/steel_part_sections.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "steel/beam_check/check_parts.h"

namespace trabeo {
namespace {

constexpr const char* kVerdictIndent = "              ";  // 14 spaces

std::string DeflectionVerdict(bool anyCantilever, bool over200) {
  if (anyCantilever) {
    return over200 ? " DEFLECTION EXCEEDS 1/200 FOR SPAN OR 1/100 FOR CANTILEVER"
                   : " DEFLECTION EXCEEDS 1/360 FOR SPAN OR 1/180 FOR CANTILEVER";
  }
  return over200 ? " SPAN DEFLECTION EXCEEDS 1/200 " : " SPAN DEFLECTION EXCEEDS 1/360 ";
}

void WriteCheckBlock(const TextStore<kCheckTextLines, kResultLineCapacity>& block,
                     ListingLines& list) {
  const int n = block.Count();
  for (int line = 1; line <= n + 2; ++line)
    list.push_back(block[line]);
}

}  // namespace

std::array<std::string, 3> SteelVerdictLines(int32_t complianceState, const BeamModel& model) {
  std::array<std::string, 3> lines;
  const bool eurocode = model.DesignCode == DesignCode::EN1993;
  const std::string code = eurocode ? "EN 1993-1-1" : "BS 5950";
  lines[0] = eurocode ? " CODE CHECK TO EN 1993-1-1 CLAUSES 6.2 AND 6.3.2"
                      : " CODE CHECK TO BS 5950 CLAUSE 4.2.5 \"Low Shear\"";
  // With one cantilever the deflection line names the cantilever limit too: the verdict covers
  // whichever of span and cantilever went over.
  const bool anyCantilever = model.LhCantilever.IsPresent() || model.RhCantilever.IsPresent();
  switch (complianceState) {
    case kComplianceFails:
      lines[1] = " BEAM DOES NOT COMPLY WITH " + code;
      break;
    case kComplies:
    case kCompliesDeflectionOver360:
    case kCompliesDeflectionOver200:
      lines[1] = " BEAM COMPLIES WITH " + code + " FOR BENDING AND SHEAR";
      if (complianceState != kComplies) {
        lines[2] = DeflectionVerdict(anyCantilever, complianceState == kCompliesDeflectionOver200);
      }
      break;
    case kComplianceAngleTooSlender:
      lines[1] = kAngleTooSlenderVerdict;
      break;
    default:
      lines[1] = kNotCheckedVerdict;
      break;
  }
  return lines;
}

void WriteSteelSummaryBlock(const ListingContext& context, const SteelListingInputs& steel,
                            ListingLines& list, ListingStores& stores) {
  if (steel.check == nullptr) return;
  const BeamResults& r = context.results;
  const UnitSettings& u = context.units;
  stores.SteelVerdictLines = SteelVerdictLines(steel.ComplianceState(), context.model());
  StoreBlock block(list, stores.SteelSummaryPrintLines());
  block.LineThenBlank(" Beam Description   " + context.project.section.SectionDescription);
  block.Line(kVerdictIndent + stores.SteelVerdictLines[0]);
  block.Line(kVerdictIndent + stores.SteelVerdictLines[1]);
  block.LineThenBlank(kVerdictIndent + stores.SteelVerdictLines[2]);
  const auto shear = [&](double value) {
    return ShowValueWithUnit(u, UnitQuantity::Shear, value, SigFig4);
  };
  const auto moment = [&](double value) {
    return ShowValueWithUnit(u, UnitQuantity::Moment, value, SigFig4);
  };
  const auto deflection = [&](double value) {
    return ShowValueWithUnit(u, UnitQuantity::Deflection, value, SigFig4);
  };
  block.Line(" Factored LH Reaction = " + shear(r.Reactions[0]));
  block.LineThenBlank(" Factored RH Reaction = " + shear(r.Reactions[1]));
  block.Line(" Max Factored Shear = " + shear(r.ShearExtremes[0]));
  block.LineThenBlank(" Max Factored Moment = " + moment(r.MomentExtremes[0]), " ");
  block.Line(" Maximum +ve deflection = " + deflection(r.DeflectionExtremes[2]));
  block.LineThenBlank(" Maximum -ve deflection = " + deflection(r.DeflectionExtremes[1]), " ");
  list.emplace_back("");
  block.Finish();
  if (steel.ec3 != nullptr) {
    WriteEc3PartSections(context, *steel.ec3, list, stores);
  } else {
    WriteSteelPartSections(context, *steel.check, list, stores);
  }
}

bool WriteSteelCheckText(const ListingContext& context, const SteelListingInputs& steel,
                         ListingLines& list) {
  if (steel.check == nullptr) return false;
  const SteelCheckState& check = *steel.check;
  if (!check.CheckWarnings[1].empty()) {
    list.assign(check.CheckWarnings.begin(), check.CheckWarnings.end());
    return true;
  }
  const auto& header = check.CheckText[kCheckHeaderBlock];
  for (int line = 1; line <= 8; ++line)
    list.push_back(header[line]);
  const BeamModel& model = context.model();
  if (model.LhCantilever.IsPresent()) WriteCheckBlock(check.CheckText[0], list);
  if (SpanHasIntermediateRestraints(model.DesignCode, context.project.restraints,
                                    context.project.section)) {
    for (int block = 1; block <= 6; ++block)
      WriteCheckBlock(check.CheckText[static_cast<std::size_t>(block)], list);
  } else {
    WriteCheckBlock(check.CheckText[10], list);
  }
  if (model.RhCantilever.IsPresent()) WriteCheckBlock(check.CheckText[11], list);
  return false;
}

}  // namespace trabeo
