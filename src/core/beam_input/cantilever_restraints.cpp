#include "beam_input/cantilever_restraints.h"

#include "fileio/fixed_text.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

using enum CantileverOption;

constexpr std::size_t Index(CantileverOption option) {
  return static_cast<std::size_t>(option);
}

constexpr CantileverOption kGroups[][4] = {
    {FullyRestrained, UserValue, UserValue, UserValue},
    {Normal, Destabilising, Destabilising, Destabilising},
    {SupportLateral, SupportBoth, SupportBoth, SupportBoth},
    {TipLateralAndTorsional, TipTorsional, TipTopFlange, TipFree},
};

std::size_t SlotOf(CantileverSide side) {
  return side == CantileverSide::Lh ? 0 : 11;
}

std::string& LeTextOf(SteelRestraints& r, CantileverSide side) {
  return side == CantileverSide::Lh ? r.LhCantLeText : r.RhCantLeText;
}

std::array<int32_t, 10>& FlagsOf(SteelRestraints& r, CantileverSide side) {
  return side == CantileverSide::Lh ? r.LhCantRestraintFlags : r.RhCantRestraintFlags;
}

const SegmentRecord& CantileverOf(const BeamModel& model, CantileverSide side) {
  return side == CantileverSide::Lh ? model.LhCantilever : model.RhCantilever;
}

bool AnyOf(const CantileverFormState& s, std::initializer_list<CantileverOption> options) {
  for (CantileverOption option : options) {
    if (s.is(option)) return true;
  }
  return false;
}

bool LoadingSupportAndTipChosen(const CantileverFormState& s) {
  return AnyOf(s, {Normal, Destabilising}) && AnyOf(s, {SupportLateral, SupportBoth}) &&
         AnyOf(s, {TipLateralAndTorsional, TipTorsional, TipTopFlange, TipFree});
}

void UntickLoadingSupportAndTip(CantileverFormState& s) {
  for (CantileverOption option : {Normal, Destabilising, SupportLateral, SupportBoth,
                                  TipLateralAndTorsional, TipTorsional, TipTopFlange, TipFree})
    s.ticked[Index(option)] = false;
}

std::string DisplayedLength(double mm, const UnitSettings& units, Formatter format) {
  return ShowValue(units, UnitQuantity::Length, mm, format);
}

}  // namespace

CantileverFormTexts CantileverTexts(CantileverSide side) {
  if (side == CantileverSide::Lh) {
    return {"LH Cantilever", "Torsionional restraint", "Lateral and torsional restraint",
            "End Restraint", ""};
  }
  return {"RH Cantilever", "Torsional restaint", "Lateral and torsional retraint",
          " End Restraint ", "Enter effective length if above not applicable"};
}

void TickCantileverOption(CantileverFormState& state, CantileverOption option) {
  for (const auto& group : kGroups) {
    bool inGroup = false;
    for (CantileverOption member : group)
      inGroup = inGroup || member == option;
    if (!inGroup) continue;
    for (CantileverOption member : group)
      state.ticked[Index(member)] = false;
  }
  state.ticked[Index(option)] = true;
}

float CantileverFactor(const CantileverFormState& s) {
  if (!LoadingSupportAndTipChosen(s)) return 0;
  struct Row {
    CantileverOption tip;
    float lateralNormal, lateralDestabilising, bothNormal, bothDestabilising;
  };
  static constexpr Row kRows[] = {
      {TipFree, 3.0f, 7.5f, 1.0f, 2.5f},
      {TipTopFlange, 2.7f, 7.5f, 0.9f, 2.5f},
      {TipTorsional, 2.4f, 4.5f, 0.8f, 1.5f},
      {TipLateralAndTorsional, 2.1f, 3.6f, 0.7f, 1.2f},
  };
  const bool normal = s.is(Normal);
  for (const Row& row : kRows) {
    if (!s.is(row.tip)) continue;
    if (s.is(SupportLateral)) return normal ? row.lateralNormal : row.lateralDestabilising;
    return normal ? row.bothNormal : row.bothDestabilising;
  }
  return 0;
}

void EvaluateCantilever(CantileverFormState& state, double L, const UnitSettings& units) {
  state.factor = CantileverFactor(state);
  if (state.is(FullyRestrained)) {
    state.factorLabel = state.effectiveLengthText = "0";
  } else if (state.factor > 0) {
    state.factorLabel = SigFig3(state.factor);
    state.effectiveLengthText = DisplayedLength(state.factor * L, units, SigFig3);
  } else {
    // No factor is defined until loading, support and tip are all chosen.
    state.factorLabel.clear();
    state.effectiveLengthText.clear();
  }
}

void PickCantileverOption(CantileverFormState& state, CantileverOption option, double L,
                          const UnitSettings& units) {
  state.ticked[Index(FullyRestrained)] = false;
  TickCantileverOption(state, option);
  EvaluateCantilever(state, L, units);
}

void PickCantileverFullyRestrained(CantileverFormState& state, double L,
                                   const UnitSettings& units) {
  UntickLoadingSupportAndTip(state);
  TickCantileverOption(state, FullyRestrained);
  EvaluateCantilever(state, L, units);
  state.factorLabel = "Restrained";
}

void ClickCantileverEffectiveLength(CantileverFormState& state) {
  state.factorLabel = kCantileverUserValueText;
}

void ShowCantileverForm(CantileverFormState& state, CantileverSide side, const BeamModel& model,
                        const SteelRestraints& restraints, const UnitSettings& units) {
  const auto& flags = side == CantileverSide::Lh ? restraints.LhCantRestraintFlags
                                                 : restraints.RhCantRestraintFlags;
  for (std::size_t k = 0; k < kCantileverOptionCount; ++k) {
    if (flags[k] == 1) TickCantileverOption(state, static_cast<CantileverOption>(k));
  }
  EvaluateCantilever(state, CantileverOf(model, side).Length, units);
  const std::string& leText =
      side == CantileverSide::Lh ? restraints.LhCantLeText : restraints.RhCantLeText;
  const std::string stored =
      DisplayedLength(restraints.EffectiveLengths[SlotOf(side)], units, SigFig4);
  if (leText == kCantileverUserValueText) {
    state.effectiveLengthText = stored;
    state.factorLabel = kCantileverUserValueText;
  }
  if (state.is(UserValue)) state.effectiveLengthText = stored;
}

std::string_view CantileverNextCaption(CantileverSide side, const BeamModel& model) {
  if (side == CantileverSide::Lh && !model.RhCantilever.IsPresent()) return "Finish >";
  return "Next >";
}

CantileverNextResult CantileverFormNext(CantileverFormState& state, CantileverSide side,
                                        const BeamModel& model, const UnitSettings& units,
                                        SteelRestraints& restraints, Dialogs& dialogs) {
  CantileverNextResult result;
  if (!LoadingSupportAndTipChosen(state) && !state.is(FullyRestrained)) {
    dialogs.Message("Click all appropriate option boxes or\nenter desired effective length in box");
    return result;
  }
  restraints.EffectiveLengths[SlotOf(side)] =
      TypedToInternal(units, UnitQuantity::Length, state.effectiveLengthText);
  LeTextOf(restraints, side) = CutToCapacity(state.factorLabel, kShortTextCapacity);
  auto& flags = FlagsOf(restraints, side);
  for (std::size_t k = 0; k < kCantileverOptionCount; ++k)
    flags[k] = state.ticked[k] ? 1 : 0;
  result.next = side == CantileverSide::Lh ? AfterLhCantileverForm(model) : EntryStep::Analyse;
  result.stays = false;
  return result;
}

void ResetCantileverForm(CantileverFormState& state) {
  UntickLoadingSupportAndTip(state);
  state.ticked[Index(FullyRestrained)] = false;
  state.factorLabel.clear();
  state.effectiveLengthText.clear();
}

void DrawCantileverPicture(Canvas& canvas, int width, int height, CantileverSide side,
                           const CantileverFormState& state) {
  canvas.SetBrush(Color{128, 128, 128});
  canvas.FillRect(0, 0, width, height);
  const int y = height / 2;
  // The LH cantilever runs left from its support, the RH one right.
  const bool lh = side == CantileverSide::Lh;
  const int support = lh ? width - 30 : 30;
  const int tip = lh ? 30 : width - 30;
  canvas.SetPen(colors::kWhite, 4);
  canvas.Line(support, y, tip, y);
  canvas.SetPen(colors::kWhite, 2);
  canvas.Line(support, y + 30, support, y - 30);  // the continuous support
  canvas.SetPen(colors::kRed, 2);
  if (state.is(SupportBoth)) canvas.Line(support - 8, y - 8, support + 8, y + 8);
  if (state.is(TipTopFlange) || state.is(TipLateralAndTorsional))
    canvas.Line(tip - 8, y - 6, tip + 8, y - 6);  // the top flange held at the tip
  if (state.is(TipTorsional) || state.is(TipLateralAndTorsional))
    canvas.Line(tip - 8, y + 8, tip + 8, y - 8);  // twist prevented at the tip
}

}  // namespace trabeo
