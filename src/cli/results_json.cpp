#include "cli/results_json.h"

namespace trabeo::cli {
namespace {

using nlohmann::json;

template <typename T, std::size_t N>
json Array(const std::array<T, N>& values) {
  json out = json::array();
  for (const T& value : values)
    out.push_back(static_cast<double>(value));
  return out;
}

template <typename T, std::size_t RowCount, std::size_t Columns>
json Rows(const std::array<std::array<T, Columns>, RowCount>& table) {
  json out = json::array();
  for (const auto& row : table)
    out.push_back(Array(row));
  return out;
}

}  // namespace

json ResultsToJson(const BeamResults& r, const std::vector<std::string>& messages) {
  json out;
  out["Reactions"] = Array(r.Reactions);
  out["TotalAppliedLoad"] = static_cast<double>(r.TotalAppliedLoad);
  out["TotalReactions"] = static_cast<double>(r.TotalReactions);
  out["ShearExtremes"] = Array(r.ShearExtremes);
  out["MomentExtremes"] = Array(r.MomentExtremes);
  out["DeflectionExtremes"] = Array(r.DeflectionExtremes);
  out["SpanPeakDeflection"] = r.SpanPeakDeflection;
  out["SegmentPeaks"] = Rows(r.SegmentPeaks);
  out["LhSupportShear"] = r.LhSupportShear;
  out["SupportShears"] = Array(r.SupportShears);
  out["SpanMomentProfile"] = Array(r.SpanMomentProfile);
  out["TipDeflections"] = Array(r.TipDeflections);
  out["EndMomentL"] = r.EndMomentL;
  out["EndMomentR"] = r.EndMomentR;
  out["EndRotation"] = Array(r.EndRotation);
  out["BendingStress"] = static_cast<double>(r.BendingStress);
  out["FactoredLoadCount"] = r.FactoredLoadCount;
  out["SpanShear"] = Array(r.SpanShear);
  out["SpanMoment"] = Array(r.SpanMoment);
  out["SpanDeflection"] = Array(r.SpanDeflection);
  out["CantShear"] = Rows(r.CantShear);
  out["CantMoment"] = Rows(r.CantMoment);
  out["CantDeflection"] = Rows(r.CantDeflection);
  out["Messages"] = messages;
  return out;
}

}  // namespace trabeo::cli
