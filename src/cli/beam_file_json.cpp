#include "cli/beam_file_json.h"

#include <array>
#include <charconv>
#include <utility>

namespace trabeo::cli {
namespace {

using nlohmann::json;

// The float's shortest decimal text read back as a double: 1.4f gives 1.4, not 1.39999997.
json Single(float value) {
  std::array<char, 32> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
  double shortest = value;
  std::from_chars(text.data(), written.ptr, shortest);
  return shortest;
}

template <class Array>
json Singles(const Array& values) {
  json out = json::array();
  for (float value : values)
    out.push_back(Single(value));
  return out;
}

template <class Array>
json Plain(const Array& values) {
  json out = json::array();
  for (const auto& value : values)
    out.push_back(value);
  return out;
}

template <int SlotCount, int Capacity>
json Slots(const TextStore<SlotCount, Capacity>& store, int last = SlotCount - 1) {
  json out = json::array();
  for (int slot = 0; slot <= last; ++slot)
    out.push_back(store[slot]);
  return out;
}

json Segment(const SegmentRecord& s) {
  return json::array({s.Present, s.Length, s.E, s.Ixx, s.Spare});
}

json Loads(const LoadTable& loads) {
  json out = json::array();
  for (const LoadRecord& r : loads.rows) {
    out.push_back(Singles(std::array<float, 8>{r.Kind, r.Position, r.Intensity, r.EndIntensity,
                                               r.Cover, r.Factor, r.Applied, r.Spare}));
  }
  return out;
}

constexpr std::array<std::pair<const char*, const char*>, kUnitQuantityCount> kUnitNames{{
    {"LengthUnitName", "LengthFactor"},
    {"SectLengthUnitName", "SectLengthFactor"},
    {"PointLoadUnitName", "PointLoadFactor"},
    {"UdlUnitName", "UdlFactor"},
    {"ShearUnitName", "ShearFactor"},
    {"MomentUnitName", "MomentFactor"},
    {"DeflectionUnitName", "DeflectionFactor"},
    {"StressUnitName", "StressFactor"},
    {"EUnitName", "EFactor"},
    {"InertiaUnitName", "InertiaFactor"},
    {"ModulusUnitName", "ModulusFactor"},
    {"AreaUnitName", "AreaFactor"},
    {"WeightUnitName", "WeightFactor"},
    {"WarpingUnitName", "WarpingFactor"},
}};

void AddSettings(const UnitSettings& u, json& out) {
  for (std::size_t i = 0; i < kUnitNames.size(); ++i) {
    out[kUnitNames[i].first] = UnitNameOf(u, kAllUnitQuantities[i]);
    out[kUnitNames[i].second] = Single(UnitFactorOf(u, kAllUnitQuantities[i]));
  }
  out["PlasticXLabel"] = u.PlasticXLabel;
  out["ElasticXLabel"] = u.ElasticXLabel;
  out["PlasticYLabel"] = u.PlasticYLabel;
  out["ElasticYLabel"] = u.ElasticYLabel;
  out["MomentPlotSign"] = u.MomentPlotSign;
  out["NFactorMode"] = u.NFactorMode;
  out["EnableTimber5268"] = u.EnableTimber5268;
  out["EnableSteel5950"] = u.EnableSteel5950;
  out["EnableSteel449"] = u.EnableSteel449;
  out["EnableSteelAISC"] = u.EnableSteelAISC;
  out["EnableSteelLRFD"] = u.EnableSteelLRFD;
}

void AddBeam(const BeamFileData& d, json& out) {
  const BeamModel& m = d.project.model;
  out["DesignCode"] = DesignCodeNumber(m.DesignCode);
  out["LhCantilever"] = Segment(m.LhCantilever);
  out["RhCantilever"] = Segment(m.RhCantilever);
  out["MainSpan"] = Segment(m.MainSpan);
  out["TotalLength"] = m.TotalLength;
  out["UdlDrawnCount"] = d.UdlDrawnCount;
  out["PointLoadDrawnCount"] = d.PointLoadDrawnCount;
  out["LhSupportKind"] = m.LhSupportKind;
  out["RhSupportKind"] = m.RhSupportKind;
  out["LoadTable"] = Loads(m.Loads);
  out["SectionIxx"] = Single(m.SectionIxx);
  out["FibreDistance"] = Single(m.FibreDistance);
  out["LoadRowCount"] = d.project.LoadRowCount;
}

void AddSection(const SectionValues& s, json& out) {
  out["SectionDescription"] = s.SectionDescription;
  out["SectionKind"] = s.SectionKind;
  out["SectionClassText"] = SectionClassText(s.SectionClass);
  out["SectionFamily"] = s.SectionFamily;
  out["DesignStrength"] = Single(s.DesignStrength);
  out["SteelGrade"] = s.SteelGrade.FileNumber();
  const std::array<std::pair<const char*, float>, 13> values{{
      {"SectionDepth", s.SectionDepth},
      {"SectionWidth", s.SectionWidth},
      {"SectionWebThk", s.SectionWebThk},
      {"SectionFlgThk", s.SectionFlgThk},
      {"SectionRootRad", s.SectionRootRad},
      {"SectionWebDepth", s.SectionWebDepth},
      {"SectionArea", s.SectionArea},
      {"SectionSxx", s.SectionSxx},
      {"SectionZxx", s.SectionZxx},
      {"SectionRy", s.SectionRy},
      {"SectionRv", s.SectionRv},
      {"SectionX", s.SectionX},
      {"SectionU", s.SectionU},
  }};
  for (const auto& [name, value] : values)
    out[name] = Single(value);
  out["TimberDepth"] = Single(s.TimberDepth);
  out["TimberWidth"] = Single(s.TimberWidth);
  out["PropertyLines"] = Slots(s.PropertyLines);
}

void AddTimber(const TimberBeamValues& t, json& out) {
  out["TimberDuration"] = t.TimberDuration;
  out["TimberExposure"] = t.TimberExposure;
  out["TimberSharing"] = t.TimberSharing;
  out["TimberGradeName"] = t.TimberGradeName;
  out["TimberGradeShear"] = Single(t.TimberGradeShear);
  out["TimberGradeBending"] = Single(t.TimberGradeBending);
  out["TimberPermBendStress"] = Single(t.TimberPermBendStress);
  out["TimberGradeE"] = Single(t.TimberGradeE);
  out["TimberPermShear"] = Single(t.TimberPermShear);
  out["TimberPermMoment"] = Single(t.TimberPermMoment);
  out["TimberSummaryLines"] = Slots(t.TimberSummaryLines, 40);
  out["TimberShearStiffness"] = Single(t.TimberShearStiffness);
  out["TimberCodeLine"] = t.TimberCodeLine;
  out["TimberVerdict"] = t.TimberVerdict;
  out["TimberTorsionNote"] = t.TimberTorsionNote;
  out["TimberCheckFailed"] = t.TimberCheckFailed;
}

void AddSteel(const SteelRestraints& r, const SteelCheckState& c, json& out) {
  out["ClearSpan"] = Single(r.ClearSpan);
  out["IntermediateRestraints"] = r.IntermediateRestraints;
  out["LhCantRestraintFlags"] = Plain(r.LhCantRestraintFlags);
  out["LhCantLeText"] = r.LhCantLeText;
  out["SpanRestraintFlags"] = Plain(r.SpanRestraintFlags);
  out["SpanLeText"] = r.SpanLeText;
  out["RhCantRestraintFlags"] = Plain(r.RhCantRestraintFlags);
  out["RhCantLeText"] = r.RhCantLeText;
  out["RestraintSpacing"] = r.RestraintSpacing;
  out["EffectiveLengths"] = Plain(r.EffectiveLengths);
  out["ComplianceState"] = c.ComplianceState;
  out["RsaLengths"] = Singles(c.RsaLengths);
  out["PartN"] = Singles(std::array<float, 3>{c.PartN[0], c.PartN[10], c.PartN[11]});
  out["PartM"] = Singles(std::array<float, 3>{c.PartM[0], c.PartM[10], c.PartM[11]});
  json blocks = json::array();
  for (int block = 0; block < kCheckHeaderBlock; ++block)
    blocks.push_back(Slots(c.CheckText[static_cast<std::size_t>(block)]));
  out["CheckText"] = std::move(blocks);
}

void AddResults(const BeamResults& r, json& out) {
  out["ShearExtremes"] = r.ShearExtremes[0];
  out["MomentExtremes"] = r.MomentExtremes[0];
  out["DeflectionExtremes"] = r.DeflectionExtremes[0];
  out["ShearSummary"] = json::array(
      {0.0, r.LhSupportShear, r.SupportShears[0], r.SupportShears[1], r.SupportShears[2], 0.0});
  json moments = json::array({0.0});
  for (double value : r.SpanMomentProfile)
    moments.push_back(value);
  while (moments.size() < 22)
    moments.push_back(0.0);
  out["MomentSummary"] = std::move(moments);
  out["TipDeflections"] = Plain(r.TipDeflections);
  out["Reactions"] = Plain(r.Reactions);
  out["StoredSpanShear"] = Singles(r.StoredSpanShear);
  out["StoredSpanMoment"] = Singles(r.StoredSpanMoment);
  out["StoredSpanDeflection"] = Singles(r.StoredSpanDeflection);
  // The cantilever copies are laid out as one run each, the LH row first.
  json shear = json::array(), moment = json::array(), deflection = json::array();
  for (std::size_t row = 0; row < 2; ++row) {
    for (float value : r.StoredCantShear[row])
      shear.push_back(Single(value));
    for (float value : r.StoredCantMoment[row])
      moment.push_back(Single(value));
    for (float value : r.StoredCantDeflection[row])
      deflection.push_back(Single(value));
  }
  out["StoredCantShear"] = std::move(shear);
  out["StoredCantMoment"] = std::move(moment);
  out["StoredCantDeflection"] = std::move(deflection);
}

void AddListing(const ListingStores& l, json& out) {
  out["SummaryPrintLines"] = Slots(l.SummaryPrintLines);
  out["TimberPrintLines"] = Slots(l.TimberPrintLines);
  json sections = json::array();
  for (const auto& section : l.SteelListLines)
    sections.push_back(Slots(section));
  out["SteelListLines"] = std::move(sections);
  out["UdlTablePrintLines"] = Slots(l.UdlTablePrintLines);
  out["PointTablePrintLines"] = Slots(l.PointTablePrintLines);
  out["IntervalHeadPrintLines"] = Slots(l.IntervalHeadPrintLines);
  out["LhIntervalPrintLines"] = Slots(l.LhIntervalPrintLines);
  out["SpanIntervalPrintLines"] = Slots(l.SpanIntervalPrintLines);
  out["RhIntervalPrintLines"] = Slots(l.RhIntervalPrintLines);
}

}  // namespace

json BeamFileFieldsJson(const BeamFileData& d, const BeamFileMarkers& markers) {
  json out = json::object();
  out["VersionSuffix"] = markers.VersionSuffix;
  out["FileMarker"] = markers.FileMarker;
  const HeaderTexts& h = d.header;
  out["HeaderCompany"] = h.HeaderCompany;
  out["HeaderUser"] = h.HeaderUser;
  out["HeaderProject1"] = h.HeaderProject1;
  out["HeaderProject2"] = h.HeaderProject2;
  out["HeaderJobDesc"] = h.HeaderJobDesc;
  out["HeaderJobRef"] = h.HeaderJobRef;
  AddSettings(d.units, out);
  AddBeam(d, out);
  AddSection(d.project.section, out);
  AddTimber(d.project.timber, out);
  AddSteel(d.project.restraints, d.steel, out);
  AddResults(d.analysis.results, out);
  AddListing(d.listing, out);
  return out;
}

}  // namespace trabeo::cli
