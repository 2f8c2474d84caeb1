#include "results/interval_tables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "results/listing_columns.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

constexpr int kRows = 21;  // the twentieths, both ends included
constexpr int kStationsPerRow = kFactoredStationCount / (kRows - 1);  // 10

constexpr int kDistanceColumn = 16;
constexpr int kShearColumn = 30;
constexpr int kMomentColumn = 45;
constexpr int kDeflectionColumn = 60;

// One segment's values in display units: by factored-pass station for shear and moment, by
// service-pass station for deflection.
struct SegmentValues {
  double length = 0;  // display units
  std::function<double(int)> shear;
  std::function<double(int)> moment;
  std::function<double(int)> deflection;
  // Whether every factored-pass station, or only the listed ones, set the shear and moment
  // decimals.
  bool decimalsFromEveryStation = false;
};

template <typename Value>
double Largest(int count, int step, Value value) {
  double largest = 0;
  for (int i = 0; i < count; ++i)
    largest = std::max(largest, std::fabs(value(i * step)));
  return largest;
}

std::string UnitLine(const UnitSettings& u) {
  std::string line;
  PlaceCentred(line, UnitHeading(u.LengthUnitName), kDistanceColumn);
  PlaceCentred(line, UnitHeading(u.ShearUnitName), kShearColumn);
  PlaceCentred(line, UnitHeading(u.MomentUnitName), kMomentColumn);
  PlaceCentred(line, UnitHeading(u.DeflectionUnitName), kDeflectionColumn);
  return line;
}

template <int Slots>
void WriteBlock(std::string_view title, const SegmentValues& segment, const UnitSettings& u,
                ListingLines& list, PrintLineStore<Slots>& store, bool spaceAfter) {
  const int count = segment.decimalsFromEveryStation ? kFactoredStations : kRows;
  const int step = segment.decimalsFromEveryStation ? 1 : kStationsPerRow;
  const int distanceDecimals = LengthColumnDecimals(segment.length);
  const int shearDecimals = ForceColumnDecimals(Largest(count, step, segment.shear));
  const int momentDecimals = ForceColumnDecimals(Largest(count, step, segment.moment));
  const int deflectionDecimals = LengthColumnDecimals(Largest(kRows, 1, segment.deflection));

  StoreBlock block(list, store);
  block.Line(title);
  block.Line(" Interval    Dist          Shear         Moment       Deflection");
  block.Line(UnitLine(u));
  for (int i = 1; i <= kRows; ++i) {
    std::string line = (i <= 9 ? "  " : " ") + std::to_string(i);
    const double distance = (i - 1) / 20.0 * segment.length;
    const int station = kStationsPerRow * (i - 1);
    PlaceOnPoint(line, FixedDecimals(distance, distanceDecimals), kDistanceColumn);
    PlaceOnPoint(line, FixedDecimals(segment.shear(station), shearDecimals), kShearColumn);
    PlaceOnPoint(line, FixedDecimals(segment.moment(station), momentDecimals), kMomentColumn);
    PlaceOnPoint(line, FixedDecimals(segment.deflection(i - 1), deflectionDecimals),
                 kDeflectionColumn);
    if (i == kRows && spaceAfter) {
      block.LineThenBlank(line, " ");
    } else {
      block.Line(line);
    }
  }
  block.Finish();
}

std::size_t At(int index) {
  return static_cast<std::size_t>(index);
}

}  // namespace

void WriteIntervalTables(const ListingContext& context, ListingLines& list, ListingStores& stores) {
  const BeamModel& model = context.model();
  const BeamResults& r = context.results;
  const UnitSettings& u = context.units;

  // Of the heading only its last line is stored.
  list.emplace_back("");
  list.emplace_back("");
  list.emplace_back(" RESULTS AT 1/20th SPAN INTERVALS");
  StoreBlock head(list, stores.IntervalHeadPrintLines);
  head.Line(model.DesignCode == DesignCode::BS5268 ? " (deflection values include shear deflection)"
                                                   : "");
  head.Finish();

  const auto length = [&](double value) { return ToShownUnits(u, UnitQuantity::Length, value); };
  const auto shear = [&](double value) { return ToShownUnits(u, UnitQuantity::Shear, value); };
  const auto moment = [&](double value) { return ToShownUnits(u, UnitQuantity::Moment, value); };
  const auto deflection = [&](double value) {
    return ToShownUnits(u, UnitQuantity::Deflection, value);
  };

  if (model.LhCantilever.IsPresent()) {
    SegmentValues lh;
    lh.length = length(model.LhCantilever.Length);
    lh.shear = [&](int k) { return shear(r.CantShear[0][At(k)]); };
    lh.moment = [&](int k) { return moment(-r.CantMoment[0][At(k)]); };
    lh.deflection = [&](int i) { return deflection(r.CantDeflection[0][At(i)]); };
    WriteBlock(" LH Cantilever ", lh, u, list, stores.LhIntervalPrintLines, false);
    list.emplace_back(" ");
  }

  SegmentValues span;
  span.length = length(model.MainSpan.Length);
  span.shear = [&](int k) { return shear(r.SpanShear[At(k)]); };
  span.moment = [&](int k) { return moment(r.SpanMoment[At(k)]); };
  span.deflection = [&](int i) { return deflection(-r.SpanDeflection[At(i)]); };
  span.decimalsFromEveryStation = true;
  WriteBlock(" SPAN", span, u, list, stores.SpanIntervalPrintLines, true);

  if (model.RhCantilever.IsPresent()) {
    SegmentValues rh;
    rh.length = length(model.RhCantilever.Length);
    rh.shear = [&](int k) { return shear(r.CantShear[1][At(k)]); };
    rh.moment = [&](int k) { return moment(-r.CantMoment[1][At(k)]); };
    rh.deflection = [&](int i) { return deflection(-r.CantDeflection[1][At(i)]); };
    WriteBlock(" RH Cantilever", rh, u, list, stores.RhIntervalPrintLines, false);
  }
}

}  // namespace trabeo
