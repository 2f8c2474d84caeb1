#include "beam_input/span_restraints.h"

#include <algorithm>
#include <cmath>

#include "beam_input/intermediate_restraints.h"
#include "fileio/fixed_text.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

using enum SpanOption;

constexpr std::size_t Index(SpanOption option) {
  return static_cast<std::size_t>(option);
}

// The options that exclude each other, as option buttons sharing a group do.
constexpr SpanOption kGroups[][3] = {
    {SpanFullyRestrained, UserValue, UserValue},
    {Normal, Destabilising, Destabilising},
    {LhLatUnrestrained, LhLatRestrained, LhLatRestrained},
    {LhBothRestrained, LhBothPartRestrained, LhBothFree},
    {LhBottomRestrained, LhBottomUnRestrained, LhBottomUnRestrained},
    {RhLatUnrestrained, RhLatRestrained, RhLatRestrained},
    {RhBothRestrained, RhBothPartRestrained, RhBothFree},
    {RhBottomRestrained, RhBottomUnRestrained, RhBottomUnRestrained},
};

void Untick(SpanFormChoices& choices, std::initializer_list<SpanOption> options) {
  for (SpanOption option : options)
    choices.ticked[Index(option)] = false;
}

// The five options of one end's flange groups, and its two compression-flange options.
struct EndOptions {
  SpanOption latUnrestrained, latRestrained;
  SpanOption both[3];
  SpanOption bottom[2];
};
constexpr EndOptions kLh{LhLatUnrestrained,
                         LhLatRestrained,
                         {LhBothRestrained, LhBothPartRestrained, LhBothFree},
                         {LhBottomRestrained, LhBottomUnRestrained}};
constexpr EndOptions kRh{RhLatUnrestrained,
                         RhLatRestrained,
                         {RhBothRestrained, RhBothPartRestrained, RhBothFree},
                         {RhBottomRestrained, RhBottomUnRestrained}};

void UntickBoth(SpanFormChoices& c, const EndOptions& end) {
  Untick(c, {end.both[0], end.both[1], end.both[2]});
}
void UntickBottom(SpanFormChoices& c, const EndOptions& end) {
  Untick(c, {end.bottom[0], end.bottom[1]});
}
bool AnyBoth(const SpanFormChoices& c, const EndOptions& end) {
  return c.is(end.both[0]) || c.is(end.both[1]) || c.is(end.both[2]);
}
bool AnyBottom(const SpanFormChoices& c, const EndOptions& end) {
  return c.is(end.bottom[0]) || c.is(end.bottom[1]);
}

// Both ends described: laterally restrained with a both-flanges option, or laterally
// unrestrained with a bottom-flange option.
bool Described(const SpanFormChoices& c, const EndOptions& end) {
  return (c.is(end.latRestrained) && AnyBoth(c, end)) ||
         (c.is(end.latUnrestrained) && AnyBottom(c, end));
}

// Complete for "Next >": a loading chosen, and the end described with its chosen compression
// option enabled.
bool Complete(const SpanFormChoices& c, const EndOptions& end, bool latUnrestrainedEnabled) {
  if (LoadingOf(c) == SpanLoading::None) return false;
  return (c.is(end.latRestrained) && AnyBoth(c, end)) ||
         (c.is(end.latUnrestrained) && latUnrestrainedEnabled && AnyBottom(c, end));
}

void UntickEndOptions(SpanFormChoices& c) {
  for (std::size_t k = Index(LhLatUnrestrained); k < kSpanOptionCount; ++k)
    c.ticked[k] = false;
}

std::string DisplayedLength(double mm, const UnitSettings& units, Formatter format) {
  if (units.LengthFactor == 0) return "";
  return format(mm / units.LengthFactor);
}

// Every interval of the intermediate restraints, the remainder to the RH support included, is of
// zero length or more (a text that reads as no number is refused too).
bool IntervalsWithinSpan(const SpanFormChoices& c, const SteelRestraints& restraints) {
  const int n = std::clamp(c.restraintCount, 1, 5);
  for (int k = 1; k <= n + 1; ++k) {
    if (!(restraints.EffectiveLengths[static_cast<std::size_t>(k)] >= 0)) return false;
  }
  return true;
}

}  // namespace

void TickSpanOption(SpanFormChoices& choices, SpanOption option) {
  for (const auto& group : kGroups) {
    const bool inGroup = group[0] == option || group[1] == option || group[2] == option;
    if (!inGroup) continue;
    for (SpanOption member : group)
      choices.ticked[Index(member)] = false;
  }
  choices.ticked[Index(option)] = true;
}

SpanGroupsShown GroupsShown(const SpanFormChoices& c) {
  return {c.is(LhLatRestrained), c.is(LhLatUnrestrained), c.is(RhLatRestrained),
          c.is(RhLatUnrestrained)};
}

SpanLoading LoadingOf(const SpanFormChoices& c) {
  if (c.is(Normal)) return SpanLoading::Normal;
  if (c.is(Destabilising)) return SpanLoading::Destabilising;
  return SpanLoading::None;
}

SpanEndRestraint EndRestraintOf(const SpanFormChoices& c, bool lh) {
  const EndOptions& end = lh ? kLh : kRh;
  if (c.is(end.latRestrained)) {
    if (c.is(end.both[0])) return SpanEndRestraint::BothRestrained;
    if (c.is(end.both[1])) return SpanEndRestraint::BothPartRestrained;
    if (c.is(end.both[2])) return SpanEndRestraint::BothFree;
  } else if (c.is(end.latUnrestrained)) {
    if (c.is(end.bottom[0])) return SpanEndRestraint::BottomConnected;
    if (c.is(end.bottom[1])) return SpanEndRestraint::BottomDeadBearing;
  }
  return SpanEndRestraint::None;
}

SpanEndValue EvaluateSpanEnd(SpanLoading loading, SpanEndRestraint restraint, float L, float D) {
  struct Row {
    SpanEndRestraint restraint;
    const char* normalText;
    float normalFactor;
    const char* destabilisingText;
    float destabilisingFactor;
    float depthMultiplier;
  };
  static constexpr Row kRows[] = {
      {SpanEndRestraint::BottomDeadBearing, "1.2L + 2D", 1.2f, "1.4L + 2D", 1.4f, 2},
      {SpanEndRestraint::BottomConnected, "1.0L + 2D", 1.0f, "1.2L + 2D", 1.2f, 2},
      {SpanEndRestraint::BothFree, "1.0L", 1.0f, "1.2L", 1.2f, 0},
      {SpanEndRestraint::BothPartRestrained, "0.85L", 0.85f, "1.0L", 1.0f, 0},
      {SpanEndRestraint::BothRestrained, "0.7L", 0.7f, "0.85L", 0.85f, 0},
  };
  SpanEndValue value;
  if (loading == SpanLoading::None) return value;
  for (const Row& row : kRows) {
    if (row.restraint != restraint) continue;
    const bool normal = loading == SpanLoading::Normal;
    value.text = normal ? row.normalText : row.destabilisingText;
    value.lengthFactor = normal ? row.normalFactor : row.destabilisingFactor;
    value.depthMultiplier = row.depthMultiplier;
    value.effectiveLength = value.lengthFactor * L + value.depthMultiplier * D;
  }
  return value;
}

void EvaluateSpanForm(SpanFormState& state, double L, float D, const UnitSettings& units,
                      SteelRestraints& restraints) {
  const SpanFormChoices& c = state.choices;
  const auto span = static_cast<float>(L);
  state.lh = EvaluateSpanEnd(LoadingOf(c), EndRestraintOf(c, true), span, D);
  state.rh = EvaluateSpanEnd(LoadingOf(c), EndRestraintOf(c, false), span, D);
  const float spanLe = (state.lh.effectiveLength + state.rh.effectiveLength) / 2;
  state.SpanLeParts = {(state.lh.lengthFactor * span + state.rh.lengthFactor * span) / 2.0,
                       (state.lh.depthMultiplier + state.rh.depthMultiplier) / 2.0};
  const bool lhZero = std::fabs(state.lh.effectiveLength) < 1e-12;
  const bool rhZero = std::fabs(state.rh.effectiveLength) < 1e-12;
  state.effectiveLengthLabel =
      (lhZero != rhZero || L == 0) ? "" : DisplayedLength(spanLe, units, SigFig3);
  state.lhFactorLabel = state.lh.text;
  state.rhFactorLabel = state.rh.text;
  state.leText =
      state.lh.text == state.rh.text ? state.lh.text : state.lh.text + " & " + state.rh.text;
  if (c.is(SpanFullyRestrained)) {
    state.lhFactorLabel = state.rhFactorLabel = state.effectiveLengthLabel = "0";
  }
  restraints.ClearSpan = span;
  state.spanLabel = "Clear Span";
}

void PickSpanOption(SpanFormState& state, SpanOption option, double L, float D,
                    const UnitSettings& units, SteelRestraints& restraints) {
  SpanFormChoices& c = state.choices;
  Untick(c, {SpanFullyRestrained, UserValue});
  TickSpanOption(c, option);
  for (const EndOptions* end : {&kLh, &kRh}) {
    const bool both = option == end->both[0] || option == end->both[1] || option == end->both[2];
    const bool bottom = option == end->bottom[0] || option == end->bottom[1];
    if (both) TickSpanOption(c, end->latRestrained);
    if (bottom) TickSpanOption(c, end->latUnrestrained);
    if (both || option == end->latRestrained) UntickBottom(c, *end);
    if (bottom || option == end->latUnrestrained) UntickBoth(c, *end);
  }
  EvaluateSpanForm(state, L, D, units, restraints);
}

void PickSpanFullyRestrained(SpanFormState& state, double L, float D, const UnitSettings& units,
                             SteelRestraints& restraints) {
  UntickEndOptions(state.choices);
  TickSpanOption(state.choices, SpanFullyRestrained);
  EvaluateSpanForm(state, L, D, units, restraints);
  state.lhFactorLabel = state.rhFactorLabel = "Restrained";
  state.effectiveLengthLabel = "0";
}

void EnterSpanEffectiveLength(SpanFormState& state, const SteelRestraints& restraints,
                              const UnitSettings& units, Dialogs& dialogs) {
  SpanFormChoices& c = state.choices;
  UntickEndOptions(c);
  Untick(c, {SpanFullyRestrained});
  TickSpanOption(c, Normal);
  c.rhLatUnrestrainedEnabled = false;
  std::string offered = DisplayedLength(restraints.EffectiveLengths[10], units, SigFig3);
  if (offered == "0.0") offered.clear();
  const std::optional<std::string> answer = dialogs.InputBox(
      "Span Effective Length", "Enter effective length (" + units.LengthUnitName + " )", offered);
  const double length = TypedToInternal(units, UnitQuantity::Length, answer.value_or(offered));
  state.effectiveLengthLabel = DisplayedLength(length, units, SigFig3);
  state.leText = state.lhFactorLabel = state.rhFactorLabel = std::string(kSpanUserValueText);
  c.ticked[Index(UserValue)] = length != 0;
}

void ShowSpanForm(SpanFormState& state, const BeamModel& model, float sectionDepth,
                  const UnitSettings& units, SteelRestraints& restraints) {
  SpanFormChoices& c = state.choices;
  c.ticked = {};
  TickSpanOption(c, Normal);
  c.intermediateMode = false;
  for (std::size_t k = 0; k < kSpanOptionCount; ++k) {
    if (restraints.SpanRestraintFlags[k] == 1) TickSpanOption(c, static_cast<SpanOption>(k));
  }
  // The option stays enabled whatever the span: nothing is guarded by disabling it.
  c.rhLatUnrestrainedEnabled = true;
  const double L = model.MainSpan.Length;
  const bool keepIntervals = KeepsStoredIntervals(restraints, L);
  if (restraints.SpanLeText != kSpanUserValueText) {
    EvaluateSpanForm(state, L, sectionDepth, units, restraints);
  } else {
    state.effectiveLengthLabel = DisplayedLength(restraints.EffectiveLengths[10], units, SigFig4);
    state.leText = state.lhFactorLabel = state.rhFactorLabel = std::string(kSpanUserValueText);
  }
  state.spanLabel = "Clear Span";
  if (restraints.IntermediateRestraints != 1) return;
  state.spanLabel = "Intermediate Supports";
  state.effectiveLengthLabel = "varies";
  const double count = restraints.EffectiveLengths[9];
  c.restraintCount = count >= 1 && count <= 5 ? static_cast<int>(count) : 1;
  if (restraints.RestraintSpacing == 1 || restraints.RestraintSpacing == 2) {
    c.equalSpacing = restraints.RestraintSpacing == 1;
    c.halfEndSpacing = restraints.RestraintSpacing == 2;
  }
  c.intermediateMode = true;
  if (keepIntervals) {
    ShowStoredIntervals(state, L, sectionDepth, units, restraints);
    return;
  }
  RefillIntervals(state, L, units);
  ReadIntervals(state, L, sectionDepth, units, restraints);
}

SpanNextResult SpanFormNext(SpanFormState& state, const BeamModel& model, const UnitSettings& units,
                            SteelRestraints& restraints, Dialogs& dialogs) {
  const SpanFormChoices& c = state.choices;
  const bool valid = (Complete(c, kLh, true) && Complete(c, kRh, c.rhLatUnrestrainedEnabled)) ||
                     c.is(SpanFullyRestrained) || c.is(UserValue) || c.intermediateMode;
  restraints.IntermediateRestraints = c.intermediateMode ? 1 : 0;
  SpanNextResult result;
  if (valid && restraints.ClearSpan != static_cast<float>(model.MainSpan.Length)) {
    dialogs.Message(kSpanLengthChangedMessage);
    return result;
  }
  const bool withinSpan = !c.intermediateMode || IntervalsWithinSpan(c, restraints);
  if (valid && !withinSpan) {
    dialogs.Message(kRestraintsOutsideSpanMessage);
  } else if (valid) {
    restraints.SpanLeText = CutToCapacity(state.leText, kShortTextCapacity);
    restraints.EffectiveLengths[10] =
        TypedToInternal(units, UnitQuantity::Length, state.effectiveLengthLabel);
    result.next = AfterSpanForm(model);
    result.stays = false;
  } else {
    dialogs.Message(kSpanIncompleteMessage);
  }
  for (std::size_t k = 0; k < kSpanOptionCount; ++k)
    restraints.SpanRestraintFlags[k] = c.ticked[k] ? 1 : 0;
  if (c.equalSpacing) restraints.RestraintSpacing = 1;
  if (c.halfEndSpacing && !c.equalSpacing) restraints.RestraintSpacing = 2;
  return result;
}

void SwitchSpanView(SpanFormState& state, double L, float D, const UnitSettings& units,
                    SteelRestraints& restraints, Dialogs& dialogs) {
  SpanFormChoices& c = state.choices;
  if (!Described(c, kLh) || !Described(c, kRh)) {
    dialogs.Message(kSelectEndRestraintsMessage);
    c.intermediateMode = false;
    return;
  }
  if (!c.intermediateMode) {
    c.intermediateMode = true;
    RefillIntervals(state, L, units);
    ReadIntervals(state, L, D, units, restraints);
  } else {
    c.intermediateMode = false;
    EvaluateSpanForm(state, L, D, units, restraints);
  }
}

std::string_view SwitchViewCaption(const SpanFormState& state) {
  return state.choices.intermediateMode ? "Set end restraints" : "Intermediate Supports";
}

void ResetSpanForm(SpanFormState& state) {
  state.lhFactorLabel.clear();
  state.rhFactorLabel.clear();
  state.effectiveLengthLabel.clear();
  for (std::string& cell : state.choices.intervalCells)
    cell.clear();
}

void ResetRestraintsForNew(SteelRestraints& restraints) {
  const int32_t spacing = restraints.RestraintSpacing;  // File New leaves the spacing chosen
  restraints = SteelRestraints{};
  restraints.RestraintSpacing = spacing;
}

}  // namespace trabeo
