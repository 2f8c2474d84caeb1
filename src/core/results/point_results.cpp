#include "results/point_results.h"

#include <cmath>
#include <limits>
#include <memory>

#include "results/point_pass.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

constexpr const char* kPointTitle = "  RESULTS AT A POINT ";

// A value kept in single precision; beyond its range it becomes an infinity rather than an
// undefined conversion (a typed 1e300, or a stress over a vanishing Ixx).
float SingleOf(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  if (value > kLargest) return std::numeric_limits<float>::infinity();
  if (value < -kLargest) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

// The supports and segment lengths of the beam; an absent cantilever counts 0.
struct BeamSpans {
  double Lc = 0;
  double L = 0;
  double Lr = 0;
  bool lh = false;
  bool rh = false;
  double A() const { return Lc; }      // LH support
  double B() const { return Lc + L; }  // RH support
};

BeamSpans SpansOf(const BeamModel& model) {
  BeamSpans s;
  s.lh = model.LhCantilever.IsPresent();
  s.rh = model.RhCantilever.IsPresent();
  s.Lc = s.lh ? model.LhCantilever.Length : 0.0;
  s.L = model.MainSpan.Length;
  s.Lr = s.rh ? model.RhCantilever.Length : 0.0;
  return s;
}

bool NearASupport(const BeamSpans& s, double x) {
  const double A = s.A();
  const double B = s.B();
  return (s.lh && s.Lc - x < s.Lc / 1000 && x <= s.Lc) || (x - A < s.L / 1000 && x - A > 0) ||
         (B - x < s.L / 1000 && x <= B) || (s.rh && x - B < s.Lr / 1000 && x - B >= 0);
}

double SegmentLength(const BeamSpans& s, int32_t segment) {
  if (segment == kLhSegment) return s.Lc;
  if (segment == kRhSegment) return s.Lr;
  return s.L;
}

double SegmentStart(const BeamSpans& s, int32_t segment) {
  if (segment == kLhSegment) return 0;
  if (segment == kRhSegment) return s.B();
  return s.A();
}

// Station k of a segment's service-pass deflections, upward positive.
double ServiceDeflection(const BeamResults& r, int32_t segment, int k) {
  const auto i = static_cast<std::size_t>(k);
  if (segment == kLhSegment) return r.CantDeflection[0][i];
  if (segment == kRhSegment) return -r.CantDeflection[1][i];
  return -r.SpanDeflection[i];
}

std::string ValueLine(std::string_view label, double shown, std::string_view unit) {
  return std::string(label) + WithUnit(SigFig4Dec3(shown), unit);
}

struct ResultLabels {
  const char* shear;
  const char* moment;
  const char* stress;
};

// The labels by the factored-loads setting; other values than 1 and -1 show no results.
std::optional<ResultLabels> LabelsFor(int32_t factoredLoads) {
  if (factoredLoads == kSettingOff) {
    return ResultLabels{"  Shear                   = ", "  Moment                  = ",
                        "  Stress                  = "};
  }
  if (factoredLoads == kSettingOn) {
    return ResultLabels{"  Factored Shear          = ", "  Factored Moment         = ",
                        "  Factored Elastic Stress = "};
  }
  return std::nullopt;
}

std::vector<std::string> BlockLines(const PointResultsState& st, const UnitSettings& u) {
  std::vector<std::string> lines;
  lines.push_back(ValueLine(
      "  Distance along beam     = ", double{st.PointPosition} / u.LengthFactor, u.LengthUnitName));
  if (const auto labels = LabelsFor(u.FactoredLoads)) {
    lines.push_back(
        ValueLine(labels->shear, double{st.PointShear} * u.ShearFactor, u.ShearUnitName));
    lines.push_back(
        ValueLine(labels->moment, double{st.PointMoment} * u.MomentFactor, u.MomentUnitName));
    const std::string stress = SigFig4Dec3(double{st.PointStress} * u.StressFactor);
    if (stress != kOverflowText && stress != "0.000")
      lines.push_back(std::string(labels->stress) + WithUnit(stress, u.StressUnitName));
  }
  if (st.PointDeflection != 0) {
    lines.push_back(
        ValueLine("  Deflection              = ", double{st.PointDeflection} * u.DeflectionFactor,
                  u.DeflectionUnitName));
  }
  return lines;
}

// Writes the block and the empty slot after it; slot 0 names that empty slot, the last in use.
void WriteBlock(PointResultsState& st, const UnitSettings& units) {
  int slot = st.PointStarted == 1 ? st.PointNextSlot : kFirstPointBlockSlot;
  st.PointStarted = 1;
  for (const std::string& line : BlockLines(st, units))
    st.PointLines.Set(slot++, line);
  st.PointLines.Set(slot, "");
  st.PointNextSlot = slot + 1;
  st.PointLines.SetCount(slot);
}

}  // namespace

PointLineStore PointResultsState::TitledPointLines() {
  PointLineStore lines;
  lines.SetCount(0);
  lines.Set(1, kPointTitle);
  lines.Set(2, " ");
  return lines;
}

std::optional<std::string> PointRefusal(const BeamModel& model, double x) {
  if (x > model.TotalLength) return kPointBeyondBeamMessage;
  if (x < 0) return kPointNegativeMessage;
  if (NearASupport(SpansOf(model), x)) return kPointNearSupportMessage;
  return std::nullopt;
}

std::optional<PointLocation> LocatePoint(const BeamModel& model, double x) {
  const BeamSpans s = SpansOf(model);
  PointLocation at;
  if (s.lh && x < s.Lc) {
    at.segment = kLhSegment;
  } else if (x < s.B()) {
    at.segment = kSpanSegment;
  } else if (s.rh && x > s.B()) {
    at.segment = kRhSegment;
  } else {
    return std::nullopt;
  }
  const double length = SegmentLength(s, at.segment);
  at.t = (x - SegmentStart(s, at.segment)) / length;
  if (!(length > 0) || !std::isfinite(at.t)) return std::nullopt;
  return at;
}

double InterpolatedPointDeflection(const BeamResults& results, int32_t segment,
                                   PointFraction fraction) {
  const double stations = kServiceStationCount * static_cast<double>(fraction.p) / fraction.q;
  const int j = static_cast<int>(stations);
  // The last station has no station after it to interpolate towards.
  if (j >= kServiceStationCount) return ServiceDeflection(results, segment, kServiceStationCount);
  const double f = stations - j;
  const double dj = ServiceDeflection(results, segment, j);
  return dj + (ServiceDeflection(results, segment, j + 1) - dj) * f;
}

PointStationResults ComputePointStation(const BeamModel& model, const BeamResults& results,
                                        int32_t segment, PointFraction fraction) {
  const BeamSpans s = SpansOf(model);
  const int p = fraction.p;
  const int q = fraction.q;
  PointStationResults out;
  if (q < 1 || q > kMaxStationCount || p < 0 || p > q) return out;  // not a station of a pass
  out.position = SegmentStart(s, segment) + p * SegmentLength(s, segment) / q;

  auto arrays = std::make_unique<PointPassArrays>();
  const StationArrays& st = RunFactoredPassAt(model, q, *arrays);
  if (segment == kLhSegment) {
    // The LH row runs from the support outwards, its hogging moment negative.
    const auto k = static_cast<std::size_t>(q - p);
    out.shear = -double{st.CantShear[0][k]};
    out.moment = st.CantMoment[0][k];
  } else if (segment == kRhSegment) {
    out.shear = st.CantShear[1][static_cast<std::size_t>(p)];
    out.moment = -double{st.CantMoment[1][static_cast<std::size_t>(p)]};
  } else {
    out.shear = st.SpanShear[static_cast<std::size_t>(p)];
    out.moment = st.SpanMoment[static_cast<std::size_t>(p)];
  }
  out.stress = out.moment * model.FibreDistance / model.MainSpan.Ixx;
  out.deflection = InterpolatedPointDeflection(results, segment, fraction);
  return out;
}

std::string PointInputPrompt(const UnitSettings& units) {
  return "Input Distance along beam (" + units.LengthUnitName + ")";
}

std::string PointInputDefault(const PointResultsState& state, const UnitSettings& units) {
  const std::string text = SigFig4Dec3(double{state.PointPosition} / units.LengthFactor);
  return text == "0.000" ? " " : text;
}

PointCalculation CalculatePointResults(PointResultsState& st, std::string_view typed,
                                       const PointInputs& in) {
  if (in.ResultsValid != 1 || in.model.TotalLength == 0) return {};
  st.PointPosition = SingleOf(TextToNumber(typed) * in.units.LengthFactor);
  const double x = st.PointPosition;
  if (auto refusal = PointRefusal(in.model, x)) return {PointOutcome::Refused, std::move(*refusal)};
  const std::optional<PointLocation> at = LocatePoint(in.model, x);
  if (!at) return {PointOutcome::Refused, kPointBeyondBeamMessage};

  const PointFraction fraction = NearestPointFraction(at->t);
  const PointStationResults r = ComputePointStation(in.model, in.results, at->segment, fraction);
  st.PointSegment = at->segment;
  st.PointNumerator = fraction.p;
  st.PointDenominator = fraction.q;
  st.PointPosition = SingleOf(r.position);
  st.PointShear = SingleOf(r.shear);
  st.PointMoment = SingleOf(r.moment);
  st.PointStress = SingleOf(r.stress);
  st.PointDeflection = SingleOf(r.deflection);
  ClearPointResults(st);
  WriteBlock(st, in.units);
  return {PointOutcome::Calculated, {}};
}

PointCalculation RunPointCalculate(PointResultsState& st, const PointInputs& in, Dialogs& dialogs) {
  if (in.ResultsValid != 1 || in.model.TotalLength == 0) {
    dialogs.Message(kPointNoResultsMessage);
    return {};
  }
  const std::optional<std::string> typed = dialogs.InputBox(
      kPointInputCaption, PointInputPrompt(in.units), PointInputDefault(st, in.units));
  if (!typed) return {PointOutcome::Cancelled, {}};
  PointCalculation calculation = CalculatePointResults(st, *typed, in);
  if (calculation.outcome == PointOutcome::Refused) dialogs.Message(calculation.message);
  return calculation;
}

void ClearPointResults(PointResultsState& st) {
  st.PointNextSlot = kFirstPointBlockSlot;
  st.PointLines.SetCount(0);
  st.PointLines.Clear(kFirstPointBlockSlot, kPointLineSlots - 1);
}

std::vector<std::string> PointMemoLines(const PointResultsState& st) {
  std::vector<std::string> lines;
  for (int slot = 1; slot <= st.PointLines.Count() && slot < kPointLineSlots; ++slot)
    lines.push_back(st.PointLines[slot]);
  return lines;
}

std::vector<std::string> LatestPointBlock(const PointResultsState& st) {
  std::vector<std::string> lines;
  for (int slot = kFirstPointBlockSlot; slot < st.PointLines.Count(); ++slot)
    lines.push_back(st.PointLines[slot]);
  return lines;
}

}  // namespace trabeo
