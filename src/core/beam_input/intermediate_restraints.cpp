#include "beam_input/intermediate_restraints.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

constexpr Color kPictureGrey{128, 128, 128};
constexpr Color kBlue{0, 0, 255};
constexpr int kStepsPerSpan = 200;

int CountOf(const SpanFormState& state) {
  return std::clamp(state.choices.restraintCount, 1, 5);
}

// Steps of 1/200 of the span, to the nearest whole step.
int32_t StationSteps(double interval, double L) {
  if (!(L > 0)) return 0;
  const double steps = std::round(interval * kStepsPerSpan / L);
  return static_cast<int32_t>(std::clamp(steps, -1e9, 1e9));
}

void CentredText(Canvas& canvas, int x, int y, const std::string& text) {
  canvas.TextOut(x - canvas.TextExtent(text).width / 2, y, text);
}

// The n intervals up to the restraints, the remainder to the RH support, the stations and the
// end segments' effective lengths.
void StoreIntervals(SpanFormState& state, const std::array<double, 5>& intervals, double L, float D,
                    const UnitSettings& units, SteelRestraints& restraints) {
  const int n = CountOf(state);
  auto& lengths = restraints.EffectiveLengths;
  lengths = {};
  restraints.RestraintStations = {};
  lengths[9] = n;
  double typed = 0;
  for (int k = 1; k <= n; ++k) {
    const double interval = intervals[static_cast<std::size_t>(k - 1)];
    lengths[static_cast<std::size_t>(k)] = interval;
    restraints.RestraintStations[static_cast<std::size_t>(k - 1)] = StationSteps(interval, L);
    typed += interval;
  }
  const double last = L - typed;
  lengths[static_cast<std::size_t>(n + 1)] = last;
  restraints.RestraintStations[static_cast<std::size_t>(n)] = StationSteps(last, L);
  // The end segments take the mean of their own length and the end condition's effective length
  // over the same length.
  const double first = lengths[1];
  lengths[7] = (first + state.lh.lengthFactor * first + state.lh.depthMultiplier * D) / 2;
  lengths[8] = (last + state.rh.lengthFactor * last + state.rh.depthMultiplier * D) / 2;
  if (L > 1) {
    state.spanLengthLabel =
        "Span Length = " + ShowValueWithUnit(units, UnitQuantity::Length, L, SigFig3Dec3);
  }
}

}  // namespace

void RefillIntervals(SpanFormState& state, double L, const UnitSettings& units) {
  const int n = CountOf(state);
  auto& cells = state.choices.intervalCells;
  const auto shown = [&](double mm) { return ShowValue(units, UnitQuantity::Length, mm, SigFig3); };
  for (int k = 1; k <= n + 1; ++k) {
    double interval = L / (n + 1);
    if (!state.choices.equalSpacing) interval = (k == 1 || k == n + 1) ? L / (2 * n) : L / n;
    cells[static_cast<std::size_t>(k - 1)] = shown(interval);
  }
  state.lhFactorLabel = state.rhFactorLabel = std::to_string(n) + " support(s)";
  state.effectiveLengthLabel = "varies";
}

void ReadIntervals(SpanFormState& state, double L, float D, const UnitSettings& units,
                   SteelRestraints& restraints) {
  std::array<double, 5> intervals{};
  for (int k = 1; k <= CountOf(state); ++k) {
    intervals[static_cast<std::size_t>(k - 1)] = TypedToInternal(
        units, UnitQuantity::Length, state.choices.intervalCells[static_cast<std::size_t>(k - 1)]);
  }
  StoreIntervals(state, intervals, L, D, units, restraints);
}

bool KeepsStoredIntervals(const SteelRestraints& restraints, double L) {
  const auto& lengths = restraints.EffectiveLengths;
  const double count = lengths[9];
  if (!(count >= 1 && count <= 5) || count != std::trunc(count)) return false;
  if (restraints.ClearSpan != static_cast<float>(L)) return false;
  const auto n = static_cast<std::size_t>(count);
  double sum = 0;
  for (std::size_t k = 1; k <= n + 1; ++k)
    sum += lengths[k];
  return std::isfinite(sum) && std::fabs(sum - L) <= 1e-6 * L;
}

void ShowStoredIntervals(SpanFormState& state, double L, float D, const UnitSettings& units,
                         SteelRestraints& restraints) {
  const auto n = static_cast<std::size_t>(restraints.EffectiveLengths[9]);
  state.choices.restraintCount = static_cast<int>(n);
  std::array<double, 5> intervals{};
  for (std::size_t k = 1; k <= n; ++k) {
    intervals[k - 1] = restraints.EffectiveLengths[k];
    state.choices.intervalCells[k - 1] =
        ShowValue(units, UnitQuantity::Length, intervals[k - 1], SigFig3);
  }
  state.lhFactorLabel = state.rhFactorLabel = std::to_string(n) + " support(s)";
  state.effectiveLengthLabel = "varies";
  StoreIntervals(state, intervals, L, D, units, restraints);
}

void ChangeRestraintCount(SpanFormState& state, int count, double L, float D,
                          const UnitSettings& units, SteelRestraints& restraints) {
  state.choices.restraintCount = std::clamp(count, 1, 5);
  RefillIntervals(state, L, units);
  ReadIntervals(state, L, D, units, restraints);
  state.spanLabel = std::to_string(state.choices.restraintCount) + " Intermediate Supports";
}

void PickRestraintSpacing(SpanFormState& state, bool equal, double L, float D,
                          const UnitSettings& units, SteelRestraints& restraints) {
  state.choices.equalSpacing = equal;
  state.choices.halfEndSpacing = !equal;
  RefillIntervals(state, L, units);
  ReadIntervals(state, L, D, units, restraints);
}

void DrawIntermediateRestraints(Canvas& canvas, int width, int height,
                                const SteelRestraints& restraints, double L,
                                const UnitSettings& units) {
  canvas.SetBrush(kPictureGrey);
  canvas.FillRect(0, 0, width, height);
  if (!(L > 0)) return;
  const int y = height / 2 + 8;
  const double scale = (width - 100) / L;
  canvas.SetPen(colors::kWhite, 4);
  canvas.Line(25, y, width - 25, y);
  canvas.SetPen(colors::kWhite, 3);
  canvas.Line(50, y + 40, 50, y - 7);
  canvas.Line(width - 50, y + 40, width - 50, y - 7);

  const auto& lengths = restraints.EffectiveLengths;
  const int n = std::clamp(static_cast<int>(lengths[9]), 0, 5);
  const auto shown = [&](double mm) {
    return ShowValue(units, UnitQuantity::Length, mm, SigFig3Dec3);
  };
  Font font;
  font.color = colors::kYellow;
  canvas.SetFont(font);
  canvas.TextOut(12, 32, "L");
  font.color = kBlue;
  canvas.SetFont(font);
  canvas.TextOut(12, 60, "Le");
  canvas.SetPen(colors::kRed, 2);
  int x = 50;
  for (int k = 1; k <= n + 1; ++k) {
    const double interval = lengths[static_cast<std::size_t>(k)];
    const int next = x + static_cast<int>(std::lround(interval * scale));
    if (k <= n) canvas.Line(next, y + 20, next, y - 20);
    const double segmentLe = k == n + 1 ? lengths[8] : (k == 1 ? lengths[7] : interval);
    font.color = colors::kYellow;
    canvas.SetFont(font);
    CentredText(canvas, (x + next) / 2, 32, shown(interval));
    font.color = kBlue;
    canvas.SetFont(font);
    CentredText(canvas, (x + next) / 2, 60, shown(segmentLe));
    x = next;
  }
}

}  // namespace trabeo
