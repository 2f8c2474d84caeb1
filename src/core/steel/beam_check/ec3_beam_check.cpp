#include "steel/beam_check/ec3_beam_check.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "en1993/lateral_torsional.h"
#include "en1993/material.h"
#include "en1993/member_check.h"
#include "en1993/section_properties.h"
#include "engine/resultants.h"
#include "engine/segment_loads.h"
#include "engine/stations.h"
#include "steel/beam_check/check_inputs.h"
#include "steel/beam_check/check_parts.h"
#include "steel/beam_check/check_text.h"
#include "steel/beam_check/compliance.h"

namespace trabeo {
namespace {

constexpr const char* kPass = "PASS";
constexpr const char* kFail = "FAIL";
constexpr const char* kNotChecked = "NOT CHECKED";

// A beam typed by its E and Ixx, or a timber section, carries no record to check.
constexpr const char* kNoRecordMessage =
    "EN 1993-1-1 checks a section picked from a section table: pick the section again";

std::string PartName(int p) {
  if (p == kLhCantileverPart) return "LH cantilever";
  if (p == kRhCantileverPart) return "RH cantilever";
  if (p == kMainSpanPart) return "Span";
  return "Segment " + std::to_string(p);
}

std::string PartHeading(int p) {
  if (p == kLhCantileverPart) return " LH CANTILEVER";
  if (p == kRhCantileverPart) return " RH CANTILEVER";
  if (p == kMainSpanPart) return " BEAM SPAN";
  return " SEGMENT " + std::to_string(p);
}

double MomentAtStation(const BeamResults& results, double station) {
  const double clamped = std::clamp(station, 1.0, static_cast<double>(kFactoredStations));
  const auto below = static_cast<std::size_t>(std::floor(clamped)) - 1;
  const std::size_t above = std::min(below + 1, results.SpanMoment.size() - 1);
  const double fraction = clamped - std::floor(clamped);
  return results.SpanMoment[below] +
         fraction * (results.SpanMoment[above] - results.SpanMoment[below]);
}

double PartC1(const BeamProject& project, const BeamResults& results, int p) {
  if (p == kLhCantileverPart || p == kRhCantileverPart) return 1.0;
  const StationRange stations = SpanPartStations(project.restraints, p);
  return SpanPartC1(results, stations.first, stations.last);
}

// The shear just right of a span station. A station holds the shear just left of it, which for a
// station under a point load is the shear before the load: the factored point loads that sit on
// it are taken off. The analysis gives a station the shear left of every load at or beyond it,
// so a load placed on the station but stored a rounding error beyond it counts as on it.
double ShearJustRightOf(const BeamModel& model, const BeamResults& results, int station) {
  const PassResultants factored = BuildResultants(model, ResolveLoads(model), true);
  const ResultantList& span = factored.lists[kSpanSegment];
  std::array<double, kMaxStationCount + 1> scratch{};
  const auto k = static_cast<std::size_t>(station - 1);
  const double x = StationPositions(model.MainSpan.Length, kFactoredStationCount, scratch)[k];
  const double sameStation = 1e-4 * model.MainSpan.Length / kFactoredStationCount;
  double shear = results.SpanShear[k];
  for (int n = 0; n < span.count; ++n) {
    const Resultant& load = span.entries[static_cast<std::size_t>(n)];
    const double beyond = static_cast<double>(load.Offset) - x;
    if (load.LoadType == kPointLoad && beyond >= 0 && beyond <= sameStation) shear -= load.W;
  }
  return shear;
}

// A segment's largest |M_Ed| and |V_Ed|. A point load on a restraint belongs, for the shear, to
// the segment the restraint starts, not to the one it ends: a segment's first station counts
// with the shear just right of it.
PartPeaks SegmentPeaks(const BeamProject& project, const BeamResults& results, int p) {
  const StationRange stations = SpanPartStations(project.restraints, p);
  PartPeaks peaks;
  for (int station = stations.first; station <= stations.last; ++station) {
    const auto k = static_cast<std::size_t>(station - 1);
    peaks.moment = std::max(peaks.moment, std::fabs(results.SpanMoment[k]));
    if (station > stations.first)
      peaks.shear = std::max(peaks.shear, std::fabs(results.SpanShear[k]));
  }
  const double first = stations.first > 1 && stations.first < stations.last
                           ? ShearJustRightOf(project.model, results, stations.first)
                           : results.SpanShear[static_cast<std::size_t>(stations.first - 1)];
  peaks.shear = std::max(peaks.shear, std::fabs(first));
  return peaks;
}

en1993::BeamPartInput PartInput(const BeamProject& project, const BeamResults& results,
                                const PartPeaks& peaks, int p) {
  en1993::BeamPartInput in;
  in.section = project.section.Record;
  in.grade = project.section.SteelGrade.grade().value_or(SteelGrade::S275);
  in.annex = project.SteelAnnex;
  in.MEd = peaks.moment;
  in.VEd = peaks.shear;
  const double Le = PartEffectiveLength(project.restraints, p);
  if (Le > 0) in.Lcr = Le;
  in.C1 = PartC1(project, results, p);
  return in;
}

void WritePartBlock(const Ec3PartOutcome& part, SteelCheckState& check) {
  CheckTextWriter out(check, part.p);
  out.Line(PartHeading(part.p));
  if (part.result.refusal) {
    out.Line("  " + *part.result.refusal);
    return;
  }
  for (const std::string& line : part.result.details)
    out.Line(line);
}

int32_t ComplianceOfParts(const BeamProject& project, const BeamResults& results,
                          const Ec3BeamCheck& ec3) {
  if (ec3.verdict == kFail) return kComplianceFails;
  if (ec3.verdict != kPass) return kComplianceNotChecked;
  return DeflectionCompliance(project.model, results);
}

std::string VerdictOfParts(const std::vector<Ec3PartOutcome>& parts) {
  bool unchecked = parts.empty();
  for (const Ec3PartOutcome& part : parts) {
    if (part.result.Verdict == kFail) return kFail;
    if (part.result.Verdict != kPass) unchecked = true;
  }
  return unchecked ? kNotChecked : kPass;
}

void AddMessageOnce(std::vector<std::string>& messages, const std::string& message) {
  if (std::find(messages.begin(), messages.end(), message) == messages.end())
    messages.push_back(message);
}

}  // namespace

void WriteEc3CheckHeaderBlock(const BeamProject& project, SteelCheckState& check) {
  CheckTextWriter out(check, kCheckHeaderBlock);
  const SectionValues& s = project.section;
  const SteelGrade grade = s.SteelGrade.grade().value_or(SteelGrade::S275);
  out.Line("  " + s.SectionDescription);
  out.Line(project.SteelAnnex == NationalAnnex::UK ? "  EN 1993-1-1 with the UK National Annex"
                                                   : "  EN 1993-1-1 with its recommended values");
  out.Line("  Grade " + std::string(SteelGradeName(grade)));
  out.Line("  E = 210000 N/mm^2   G = 81000 N/mm^2");
  out.Line("  Lcr of each part is its effective length from the restraint forms");
  out.Line("  C1 from the part's moment diagram (quarter points); cantilevers C1 = 1");
  out.Line("  ");
  out.Line("  ");
}

NationalAnnex NationalAnnexOfEc3CheckText(const SteelCheckState& check) {
  for (int block = 0; block < kCheckHeaderBlock; ++block) {
    const auto& lines = check.CheckText[static_cast<std::size_t>(block)];
    for (int line = 1; line < kCheckTextLines; ++line) {
      if (lines[line] == en1993::kRecommendedValuesLine) return NationalAnnex::Recommended;
    }
  }
  return NationalAnnex::UK;
}

double SpanPartC1(const BeamResults& results, int firstStation, int lastStation) {
  double Mmax = 0;
  for (int station = firstStation; station <= lastStation; ++station) {
    const auto k = static_cast<std::size_t>(station - 1);
    Mmax = std::max(Mmax, std::fabs(results.SpanMoment[k]));
  }
  const double run = lastStation - firstStation;
  const auto at = [&](double fraction) {
    return std::fabs(MomentAtStation(results, firstStation + fraction * run));
  };
  return en1993::QuarterPointC1(Mmax, at(0.25), at(0.5), at(0.75));
}

Ec3BeamCheck RunEc3BeamCheck(const BeamProject& project, const BeamResults& results,
                             SteelCheckState& check) {
  check = SteelCheckState{};
  Ec3BeamCheck ec3;
  WriteEc3CheckHeaderBlock(project, check);
  const std::vector<int> parts = PartsOfBeam(project.model, project.restraints, project.section);
  for (int p : parts) {
    Ec3PartOutcome part{p, PartName(p), {}};
    const bool segment = p >= 1 && p <= 9;
    const PartPeaks peaks =
        segment ? SegmentPeaks(project, results, p) : PeaksOfPart(results, check, p);
    const en1993::BeamPartInput input = PartInput(project, results, peaks, p);
    part.result = project.section.Record.IsSeparator()
                      ? en1993::UncheckedBeamPart(input, kNoRecordMessage)
                      : en1993::CheckBeamPart(input);
    if (part.result.whyNotChecked) AddMessageOnce(ec3.messages, *part.result.whyNotChecked);
    if (segment) {
      check.SegmentMaxShear[static_cast<std::size_t>(p)] = static_cast<float>(peaks.shear);
      check.SegmentMaxMoment[static_cast<std::size_t>(p)] = static_cast<float>(peaks.moment);
    }
    WritePartBlock(part, check);
    ec3.parts.push_back(std::move(part));
  }
  ec3.verdict = VerdictOfParts(ec3.parts);
  check.ComplianceState = ComplianceOfParts(project, results, ec3);
  SetCheckTextCounts(check);
  return ec3;
}

}  // namespace trabeo
