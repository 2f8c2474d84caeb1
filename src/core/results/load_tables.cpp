#include "results/load_tables.h"

#include <algorithm>
#include <cmath>

#include "results/listing_columns.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

// Centres of the columns (character positions counted from 0).
constexpr int kUdlDistanceColumn = 11;
constexpr int kUdlStartColumn = 26;
constexpr int kUdlFinishColumn = 41;
constexpr int kUdlCoverColumn = 55;
constexpr int kUdlFactorColumn = 68;

constexpr int kPointLoadColumn = 11;
constexpr int kPointDistanceColumn = 26;
constexpr int kPointFactorColumn = 41;

bool KindRoundsTo(const LoadRecord& row, long kind) {
  return std::lround(row.Kind) == kind;
}

std::string RowLabel(int row, int lastSingleSpaced) {
  return (row <= lastSingleSpaced ? "  " : " ") + std::to_string(row);
}

// Decimals of a column: from the largest magnitude of the shown value over the chosen rows.
template <typename Value, typename Chosen>
int ColumnDecimals(const LoadTable& loads, int lastRow, Value value, Chosen chosen) {
  double largest = 0;
  for (int r = 1; r <= lastRow; ++r) {
    const LoadRecord& row = loads.row(r);
    if (chosen(row)) largest = std::max(largest, std::fabs(value(row)));
  }
  return LengthColumnDecimals(largest);
}

}  // namespace

void WriteUdlTable(const ListingContext& context, ListingLines& list, ListingStores& stores) {
  const LoadTable& loads = context.model().Loads;
  const UnitSettings& u = context.units;
  StoreBlock block(list, stores.UdlTablePrintLines);
  block.Line(" ");
  block.Line(" UDL");
  block.Line(" No     Distance      Start UDL      Finish UDL      Cover       Load");
  std::string units;
  PlaceCentred(units, UnitHeading(u.LengthUnitName), kUdlDistanceColumn);
  PlaceCentred(units, UnitHeading(u.UdlUnitName), kUdlStartColumn);
  PlaceCentred(units, UnitHeading(u.UdlUnitName), kUdlFinishColumn);
  PlaceCentred(units, UnitHeading(u.LengthUnitName), kUdlCoverColumn);
  PlaceCentred(units, "Factor", kUdlFactorColumn);
  block.Line(units);

  const auto position = [&](const LoadRecord& row) {
    return ToShownUnits(u, UnitQuantity::Length, row.Position);
  };
  const auto start = [&](const LoadRecord& row) {
    return ToShownUnits(u, UnitQuantity::Udl, row.Intensity);
  };
  const auto finish = [&](const LoadRecord& row) {
    return ToShownUnits(u, UnitQuantity::Udl, row.EndIntensity);
  };
  const auto cover = [&](const LoadRecord& row) {
    return ToShownUnits(u, UnitQuantity::Length, row.Cover);
  };
  const auto anyRow = [](const LoadRecord&) { return true; };
  const auto udlRow = [](const LoadRecord& row) { return KindRoundsTo(row, -1); };
  const int positionDecimals = ColumnDecimals(loads, kLoadRows, position, anyRow);
  const int startDecimals = ColumnDecimals(loads, kLoadRows, start, udlRow);
  const int finishDecimals = ColumnDecimals(loads, kLoadRows, finish, anyRow);
  const int coverDecimals = ColumnDecimals(loads, kLoadRows, cover, anyRow);

  for (int r = 1; r <= kLoadRows; ++r) {
    const LoadRecord& row = loads.row(r);
    if (!row.IsApplied() || !KindRoundsTo(row, -1)) continue;
    std::string line = r == kSelfWeightRow ? " S/Wt" : RowLabel(r, 9);
    PlaceOnPointOrLastCharacter(line, FixedDecimals(position(row), positionDecimals),
                                kUdlDistanceColumn);
    PlaceOnPoint(line, FixedDecimals(start(row), startDecimals), kUdlStartColumn);
    PlaceOnPoint(line, FixedDecimals(finish(row), finishDecimals), kUdlFinishColumn);
    PlaceOnPoint(line, FixedDecimals(cover(row), coverDecimals), kUdlCoverColumn);
    PlaceOnPoint(line, SigFig3Dec3(row.Factor), kUdlFactorColumn - 1);
    block.Line(line);
  }
  block.Finish();
}

void WritePointLoadTable(const ListingContext& context, ListingLines& list, ListingStores& stores) {
  const LoadTable& loads = context.model().Loads;
  const UnitSettings& u = context.units;
  StoreBlock block(list, stores.PointTablePrintLines);
  block.Line("");
  block.Line(" Point Loads");
  block.Line(" No      Load          Distance       Load");
  std::string units;
  PlaceCentred(units, UnitHeading(u.PointLoadUnitName), kPointLoadColumn);
  PlaceCentred(units, UnitHeading(u.LengthUnitName), kPointDistanceColumn);
  PlaceCentred(units, "Factor", kPointFactorColumn);
  block.Line(units);

  const auto value = [&](const LoadRecord& row) {
    return ToShownUnits(u, UnitQuantity::PointLoad, row.Intensity);
  };
  const auto position = [&](const LoadRecord& row) {
    return ToShownUnits(u, UnitQuantity::Length, row.Position);
  };
  const auto anyRow = [](const LoadRecord&) { return true; };
  const int valueDecimals = ColumnDecimals(loads, kUserLoadRows, value, anyRow);
  const int positionDecimals = ColumnDecimals(loads, kUserLoadRows, position, anyRow);

  for (int r = 1; r <= kUserLoadRows; ++r) {
    const LoadRecord& row = loads.row(r);
    if (!row.IsApplied() || !KindRoundsTo(row, 1)) continue;
    std::string line = RowLabel(r, 10);
    PlaceOnPoint(line, FixedDecimals(value(row), valueDecimals), kPointLoadColumn);
    PlaceOnPoint(line, FixedDecimals(position(row), positionDecimals), kPointDistanceColumn);
    PlaceOnPoint(line, SigFig3Dec3(row.Factor), kPointFactorColumn - 1);
    block.Line(line);
  }
  block.Finish();
}

}  // namespace trabeo
