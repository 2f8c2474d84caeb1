#include "document/restored_listing.h"

#include <algorithm>
#include <cmath>

#include "results/listing_context.h"
#include "results/steel_listing.h"
#include "settings/sig_fig.h"

namespace trabeo {
namespace {

constexpr std::size_t kLhPart = 0;
constexpr std::size_t kSpanPart = 10;
constexpr std::size_t kRhPart = 11;
constexpr int kLastRestrainedLength = 9;
constexpr std::size_t kIntermediateRestraintCount = 9;  // EffectiveLengths[9]

// Lines 1 to the count in slot 0. A count the store cannot hold (a damaged file) is limited to
// its slots.
template <int Slots, int Capacity>
void AppendLines(const TextStore<Slots, Capacity>& store, ListingLines& list) {
  const int count = std::clamp(store.Count(), 0, Slots - 1);
  for (int slot = 1; slot <= count; ++slot)
    list.push_back(store[slot]);
}

// The span's restrained lengths run 1 to n + 1, n being the whole part of the number of
// intermediate restraints; a value the sections cannot hold is limited to them.
int LastRestrainedLength(double intermediateRestraints) {
  if (!(intermediateRestraints >= 0)) return 1;
  const double n = std::min(std::floor(intermediateRestraints), kLastRestrainedLength - 1.0);
  return static_cast<int>(n) + 1;
}

void AppendSteelSections(const BeamProject& project, const ListingStores& stores,
                         ListingLines& list) {
  const auto& sections = stores.SteelListLines;
  AppendLines(stores.SteelSummaryPrintLines(), list);
  if (project.model.LhCantilever.IsPresent()) AppendLines(sections[kLhPart], list);
  AppendLines(sections[kSpanPart], list);
  const SteelRestraints& restraints = project.restraints;
  if (restraints.IntermediateRestraints == 1) {
    const int last = LastRestrainedLength(restraints.EffectiveLengths[kIntermediateRestraintCount]);
    for (int part = 1; part <= last; ++part)
      AppendLines(sections[static_cast<std::size_t>(part)], list);
  }
  if (project.model.RhCantilever.IsPresent()) AppendLines(sections[kRhPart], list);
}

// The check text's listing step, fed from the restored check state.
void ListRestoredCheckText(const ListingContext& context, const SteelCheckState& steel,
                           ListingLines& list) {
  SteelListingInputs inputs;
  inputs.check = &steel;
  WriteSteelCheckText(context, inputs, list);
}

}  // namespace

ListingLines RefillResultsList(const BeamProject& project, const BeamResults& results,
                               const UnitSettings& units, const SteelCheckState& steel,
                               const ListingStores& stores) {
  const BeamModel& model = project.model;
  ListingLines list;
  AppendLines(stores.SummaryPrintLines, list);
  if (model.DesignCode == DesignCode::BS5268) {
    for (int slot = 1; slot <= 3; ++slot)
      list.push_back(stores.TimberPrintLines[slot]);
  }
  if (IsSteelCode(model.DesignCode)) AppendSteelSections(project, stores, list);
  AppendLines(stores.UdlTablePrintLines, list);
  AppendLines(stores.PointTablePrintLines, list);
  AppendLines(stores.IntervalHeadPrintLines, list);
  if (model.LhCantilever.IsPresent()) AppendLines(stores.LhIntervalPrintLines, list);
  AppendLines(stores.SpanIntervalPrintLines, list);
  if (model.RhCantilever.IsPresent()) AppendLines(stores.RhIntervalPrintLines, list);
  if (IsSteelCode(model.DesignCode)) {
    ListRestoredCheckText(MakeListingContext(project, results, units), steel, list);
  }
  list.emplace_back("");
  return list;
}

SectionFormLabels SectionLabelsFromFile(const SectionValues& section) {
  SectionFormLabels labels;
  labels.SectionFamily = section.SectionFamily;
  labels.DesignStrength = SigFig3(section.DesignStrength);
  labels.SectionClass = "Section is " + std::string(SectionClassText(section.SectionClass));
  AppendLines(section.PropertyLines, labels.PropertyLines);
  return labels;
}

}  // namespace trabeo
