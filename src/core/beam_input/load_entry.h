#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/beam_model.h"
#include "settings/unit_settings.h"

namespace trabeo {

enum class LoadRowType { None, Point, Udl };

// What one row of the load form holds: the picked type, the six boxes as typed, and "Apply".
struct LoadRowTexts {
  LoadRowType type = LoadRowType::None;
  std::string pointLoad;
  std::string distance;
  std::string startRate;
  std::string finishRate;
  std::string cover;
  std::string factor;
  bool applied = false;
};

// The self-weight group: its "Apply" box and its load factor box.
struct SelfWeightTexts {
  bool applied = false;
  std::string factor;
};

// The whole load form: rows 1 to 25 (row n at index n - 1) and the self-weight group.
struct LoadFormTexts {
  std::array<LoadRowTexts, kUserLoadRows> rows{};
  SelfWeightTexts selfWeight;
};

// Reads the form into rows 1 to 26 of `loads`. A row with no type picked applies nothing: its
// "Apply" is cleared in `form` too, for the form to show. A box whose number single precision
// cannot hold is refused by name, and its row (or the self weight) keeps what it held, since the
// value could not be stored. Returns the refusals in row order, the self weight's last.
std::vector<std::string> ReadLoadForm(LoadFormTexts& form, const UnitSettings& units,
                                      LoadTable& loads);

// Reads a row of the form into a load record in internal units. A row with no type is all
// zeros and not applied; an empty factor box reads as 1. Spare is kept from `previous`.
LoadRecord ReadLoadRow(const LoadRowTexts& texts, const UnitSettings& units,
                       const LoadRecord& previous);

// Row 26 as the self-weight group leaves it: kind, position, factor and applied are set (all
// zero when unticked; an empty factor box reads as 0); the intensities and cover are kept.
LoadRecord ReadSelfWeightRow(const SelfWeightTexts& texts, const LoadRecord& previous);

// The messages of the load form's check of rows 1 to 25, in order: a load extending past the
// end of the beam (applied rows only), and negative lengths (every row); then any stored value
// out of the range of single precision (StoredLoadRangeProblems).
std::vector<std::string> ValidateLoadRows(const LoadTable& loads, double totalLength);

// The further checks of "Next >": nothing applied at all, or both a zero point load and a zero
// distributed load among the applied rows.
std::vector<std::string> NextLoadChecks(const LoadTable& loads);

// The boxes of a row as the form shows a stored load.
LoadRowTexts ShowLoadRow(const LoadRecord& row, const UnitSettings& units);

// The self-weight label (" 0.246 kN/m") and the factor box's text for a stored row 26.
std::string SelfWeightLabel(const LoadRecord& selfWeight, const UnitSettings& units);
std::string SelfWeightFactorText(const LoadRecord& selfWeight, const UnitSettings& units);

// The form always shows its first five rows.
inline constexpr int kLoadRowsAlwaysShown = 5;
// The rows in use as the form shows the stored loads: the stored count, five when none is stored.
int LoadRowsInUseAtShow(int32_t storedCount);
// Picking a type in row `picked`: from row 5 on, the rows in use grow to reach it.
int LoadRowsInUseAfterPick(int rowsInUse, int picked);
// Rows shown for the highest row in use: rows 1 to 5 always, then one empty row after it.
int VisibleLoadRows(int rowsInUse);
// The load form's rows in use for a load table entered elsewhere (a batch case): up to the last
// row that holds a load, never fewer than the five the form always shows, so that a file saved
// from it opens with every load in view.
int32_t LoadRowsInUseFor(const LoadTable& loads);
// The form's least height for the rows in use.
int LoadFormHeight(int rowsInUse);

}  // namespace trabeo
