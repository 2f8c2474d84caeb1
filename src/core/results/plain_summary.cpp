#include "results/plain_summary.h"

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
const char* StressLabel(const LoadTable& loads) {
  const LoadRecord* last = nullptr;
  for (const LoadRecord& row : loads.rows) {
    if (row.IsApplied()) last = &row;
  }
  if (last != nullptr && (last->Factor == 1.0f || last->Factor == 0.0f))
    return " Maximum Stress = ";
  return " Maximum Factored Elastic Stress = ";
}

namespace {

// One line per part: the part's length over its largest deflection.
std::vector<std::string> DeflectionRatioLines(const ListingContext& context) {
  const BeamModel& model = context.model();
  std::vector<std::string> ratios;
  if (model.LhCantilever.IsPresent()) {
    ratios.push_back(
        " LHC   deflection/span ratio = 1/" +
        SigFig3(model.LhCantilever.Length / RatioDivisor(context.lhLargestDeflection)));
  }
  ratios.push_back(
      " SPAN  deflection/span ratio = 1/" +
      SigFig3(model.MainSpan.Length / RatioDivisor(context.results.SpanPeakDeflection)));
  if (model.RhCantilever.IsPresent()) {
    ratios.push_back(
        " RHC   deflection/span ratio = 1/" +
        SigFig3(model.RhCantilever.Length / RatioDivisor(context.rhLargestDeflection)));
  }
  return ratios;
}

}  // namespace

void WritePlainSummary(const ListingContext& context, ListingLines& list, ListingStores& stores) {
  const BeamModel& model = context.model();
  const BeamResults& r = context.results;
  const UnitSettings& u = context.units;
  StoreBlock block(list, stores.SummaryPrintLines);

  std::string description = " Beam Description  " + context.project.section.SectionDescription;
  if (IsIxxTypedByUser(model.FibreDistance)) description += "(Properties edited by user)";
  block.Line(description);
  const auto shown = [&](UnitQuantity quantity, double value) {
    return ShowValueWithUnit(u, quantity, value, SigFig4Dec3);
  };
  block.LineThenBlank(" Length = " + shown(UnitQuantity::Length, model.TotalLength) +
                      "         Ixx = " + shown(UnitQuantity::Inertia, model.MainSpan.Ixx) +
                      "         E = " + shown(UnitQuantity::E, model.MainSpan.E));
  block.LineThenBlank(" RESULTS");

  const bool factored = r.FactoredLoadCount != 0;
  const auto shear = [&](double value) { return shown(UnitQuantity::Shear, value); };
  const auto moment = [&](double value) { return shown(UnitQuantity::Moment, value); };
  const auto deflection = [&](double value) { return shown(UnitQuantity::Deflection, value); };
  block.Line((factored ? " Factored LH Reaction = " : " LH Reaction = ") + shear(r.Reactions[0]));
  block.LineThenBlank((factored ? " Factored RH Reaction = " : " RH Reaction = ") +
                      shear(r.Reactions[1]));
  block.LineThenBlank((factored ? " Max Factored Shear = " : " Max Shear = ") +
                      shear(r.ShearExtremes[0]));
  block.Line((factored ? " Max Factored Sagging Moment = " : " Max Sagging Moment = ") +
             moment(r.MomentExtremes[2]));
  block.LineThenBlank((factored ? " Max Factored Hogging Moment = " : " Max Hogging Moment = ") +
                          moment(r.MomentExtremes[1]),
                      " ");
  block.Line(" Maximum +ve deflection = " + deflection(r.DeflectionExtremes[2]));
  block.LineThenBlank(" Maximum -ve deflection = " + deflection(r.DeflectionExtremes[1]), " ");

  // The ratio lines; the last one is followed by a line holding one space.
  const std::vector<std::string> ratios = DeflectionRatioLines(context);
  for (std::size_t i = 0; i + 1 < ratios.size(); ++i)
    block.Line(ratios[i]);
  block.LineThenBlank(ratios.back(), " ");

  // A stress that overflows its formatter (the 1e12 of a failed computation) is left out.
  const std::string stress = ShowValue(u, UnitQuantity::Stress, r.BendingStress, SigFig4Dec3);
  if (stress != kOverflowText) {
    block.LineInPlace(StressLabel(model.Loads) + WithUnit(stress, u.StressUnitName));
    list.emplace_back();
  }
  block.Finish();
}

}  // namespace trabeo
