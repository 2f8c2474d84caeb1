#include "beam_input/load_entry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "beam_input/entry_ranges.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

float Internal(std::string_view typed, const UnitSettings& units, UnitQuantity quantity) {
  return static_cast<float>(TypedToInternal(units, quantity, typed));
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

// Boxes of an unticked row show a zero as empty.
std::string Shown(double value, bool applied) {
  std::string text = SigFig4Dec3(value);
  return !applied && text == "0.000" ? std::string() : text;
}

}  // namespace

std::vector<std::string> ReadLoadForm(LoadFormTexts& form, const UnitSettings& units,
                                      LoadTable& loads) {
  std::vector<std::string> refused;
  for (int number = 1; number <= kUserLoadRows; ++number) {
    LoadRowTexts& texts = form.rows[static_cast<std::size_t>(number - 1)];
    if (texts.type == LoadRowType::None) texts.applied = false;
    const std::vector<std::string> problems = LoadRowRangeProblems(texts, units, number);
    if (!problems.empty()) {
      refused.insert(refused.end(), problems.begin(), problems.end());
      continue;
    }
    loads.row(number) = ReadLoadRow(texts, units, loads.row(number));
  }
  if (std::string problem = SelfWeightRangeProblem(form.selfWeight); !problem.empty()) {
    refused.push_back(std::move(problem));
  } else {
    loads.row(kSelfWeightRow) = ReadSelfWeightRow(form.selfWeight, loads.row(kSelfWeightRow));
  }
  return refused;
}

LoadRecord ReadLoadRow(const LoadRowTexts& texts, const UnitSettings& units,
                       const LoadRecord& previous) {
  LoadRecord row;
  row.Spare = previous.Spare;
  if (texts.type == LoadRowType::None) return row;
  row.Kind = texts.type == LoadRowType::Udl ? kDistributedLoadKind : kPointLoadKind;
  row.Position = Internal(texts.distance, units, UnitQuantity::Length);
  if (texts.type == LoadRowType::Point) {
    row.Intensity = Internal(texts.pointLoad, units, UnitQuantity::PointLoad);
  } else {
    row.Intensity = Internal(texts.startRate, units, UnitQuantity::Udl);
    row.EndIntensity = Internal(texts.finishRate, units, UnitQuantity::Udl);
    row.Cover = Internal(texts.cover, units, UnitQuantity::Length);
  }
  row.Factor = IsBlank(texts.factor) ? 1.0f : static_cast<float>(TextToNumber(texts.factor));
  row.Applied = texts.applied ? 1.0f : 0.0f;
  return row;
}

LoadRecord ReadSelfWeightRow(const SelfWeightTexts& texts, const LoadRecord& previous) {
  LoadRecord row = previous;
  row.Kind = texts.applied ? kDistributedLoadKind : 0.0f;
  row.Position = 0;
  row.Factor = texts.applied ? static_cast<float>(TextToNumber(texts.factor)) : 0.0f;
  row.Applied = texts.applied ? 1.0f : 0.0f;
  return row;
}

std::vector<std::string> ValidateLoadRows(const LoadTable& loads, double totalLength) {
  std::vector<std::string> messages;
  for (int number = 1; number <= kUserLoadRows; ++number) {
    const LoadRecord& row = loads.row(number);
    const double length = row.Kind == kDistributedLoadKind ? row.Cover : 0.0;
    if (row.IsApplied() && row.Position + length > totalLength * 1.0000001) {
      messages.push_back("Load " + std::to_string(number) + " extends past end of beam");
    }
    if (row.Position < 0 || length < 0) messages.emplace_back("Negative lengths not allowed");
  }
  for (std::string& problem : StoredLoadRangeProblems(loads))
    messages.push_back(std::move(problem));
  return messages;
}

std::vector<std::string> NextLoadChecks(const LoadTable& loads) {
  std::vector<std::string> messages;
  double appliedSum = 0;
  bool zeroPoint = false;
  bool zeroUdl = false;
  for (const LoadRecord& row : loads.rows) {
    appliedSum += row.Applied;
    if (!row.IsApplied()) continue;
    if (row.Kind == kPointLoadKind && row.Intensity == 0) zeroPoint = true;
    if (row.Kind == kDistributedLoadKind &&
        ((row.Intensity == 0 && row.EndIntensity == 0) || row.Cover == 0)) {
      zeroUdl = true;
    }
  }
  if (appliedSum == 0) messages.emplace_back("No loads applied to beam");
  if (zeroPoint && zeroUdl) messages.emplace_back("No loads on beam");
  return messages;
}

LoadRowTexts ShowLoadRow(const LoadRecord& row, const UnitSettings& units) {
  LoadRowTexts texts;
  const long kind = std::lround(row.Kind);
  if (kind != 1 && kind != -1) return texts;
  texts.type = kind == 1 ? LoadRowType::Point : LoadRowType::Udl;
  texts.applied = std::lround(row.Applied) == 1;
  const auto shown = [&](UnitQuantity quantity, float internal) {
    return Shown(ToShownUnits(units, quantity, internal), texts.applied);
  };
  texts.distance = shown(UnitQuantity::Length, row.Position);
  if (texts.type == LoadRowType::Point) {
    texts.pointLoad = shown(UnitQuantity::PointLoad, row.Intensity);
  } else {
    texts.startRate = shown(UnitQuantity::Udl, row.Intensity);
    texts.finishRate = shown(UnitQuantity::Udl, row.EndIntensity);
    texts.cover = shown(UnitQuantity::Length, row.Cover);
  }
  const std::string factor = SigFig3Dec3(row.Factor);
  texts.factor = factor == "0.00" ? std::string() : factor;
  return texts;
}

std::string SelfWeightLabel(const LoadRecord& selfWeight, const UnitSettings& units) {
  return " " + ShowValueWithUnit(units, UnitQuantity::Udl, selfWeight.Intensity, SigFig3Dec3);
}

std::string SelfWeightFactorText(const LoadRecord& selfWeight, const UnitSettings& units) {
  if (selfWeight.Factor != 0) return SigFig3Dec3(selfWeight.Factor);
  return SigFig3Dec3(units.FactoredLoads == kSettingOn ? 1.4 : 1.0);
}

int32_t LoadRowsInUseFor(const LoadTable& loads) {
  int32_t rowsInUse = 5;
  for (int number = 1; number <= kUserLoadRows; ++number) {
    if (loads.row(number).Kind != 0) rowsInUse = std::max(rowsInUse, number);
  }
  return rowsInUse;
}

int LoadRowsInUseAtShow(int32_t storedCount) {
  return storedCount != 0 ? storedCount : kLoadRowsAlwaysShown;
}

int LoadRowsInUseAfterPick(int rowsInUse, int picked) {
  return picked >= kLoadRowsAlwaysShown ? std::max(rowsInUse, picked) : rowsInUse;
}

int VisibleLoadRows(int rowsInUse) {
  int visible = 5;
  for (int k = 5; k <= 24; ++k) {
    if (rowsInUse >= k) visible = k + 1;
  }
  return visible;
}

int LoadFormHeight(int rowsInUse) {
  return rowsInUse * 40 + 380;
}

}  // namespace trabeo
