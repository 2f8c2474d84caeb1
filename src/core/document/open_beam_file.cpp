#include "document/open_beam_file.h"

#include <fstream>
#include <system_error>

#include "document/beam_file_layout.h"
#include "document/file_version.h"
#include "document/restore_results.h"
#include "results/load_diagram.h"
#include "results/results_listing.h"
#include "steel/beam_check/ec3_beam_check.h"
#include "steel/beam_check/steel_beam_check.h"

namespace trabeo {
namespace {

// Readers never go past SectionFamily, so more than a whole file is never needed.
std::optional<std::vector<uint8_t>> ReadFileStart(const std::filesystem::path& path,
                                                  std::size_t limit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes(limit);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

OpenBeamResult Refused(std::string_view message, float version = 0) {
  OpenBeamResult result;
  result.Version = version;
  result.messages.emplace_back(message);
  return result;
}

void EmptyWhatTheFileHolds(const BeamFileData& data) {
  data.analysis.results = BeamResults{};
  data.listing.Clear();
  data.steel = SteelCheckState{};
  data.project.restraints = SteelRestraints{};
  data.project.timber = TimberBeamValues{};
  data.project.timber.TimberShearStiffness = kShearStiffnessNotInFile;
}

bool AnyLoadFactored(const LoadTable& loads) {
  for (const LoadRecord& row : loads.rows) {
    if (row.Factor > 1) return true;
  }
  return false;
}

// The steps that follow the reading of either version.
void TakeBeam(std::string_view fileName, const BeamFileData& data, OpenBeamResult& result) {
  BeamModel& model = data.project.model;
  result.opened = true;
  data.units.FactoredLoads = AnyLoadFactored(model.Loads) ? kSettingOn : kSettingOff;
  data.header.CurrentFileName = std::string(fileName);
  result.caption = data.header.CurrentFileName;
  if (data.project.timber.TimberShearStiffness > 1e17f && model.DesignCode == DesignCode::BS5268)
    result.messages.emplace_back(kPriorToVersion35Message);
  result.udlOutline = BuildUdlOutline(model.Loads);
  const DrawnLoadCounts counts = CountDrawnLoads(model.Loads);
  data.UdlDrawnCount = counts.UdlDrawnCount;
  data.PointLoadDrawnCount = counts.PointLoadDrawnCount;
  result.sectionForm = SectionLabelsFromFile(data.project.section);
}

void OpenVersion4(std::string_view fileName, std::span<const uint8_t> bytes,
                  const BeamFileData& data, OpenBeamResult& result) {
  EmptyWhatTheFileHolds(data);
  result.markers = DecodeVersion4(bytes, data).markers;
  TakeBeam(fileName, data, result);
  const BeamModel& model = data.project.model;
  RestoreSavedResults(model, data.analysis);
  if (model.DesignCode == DesignCode::BS5950) {
    WriteCheckHeaderBlock(data.project.section, data.units, model.MainSpan.E, data.steel);
  } else if (model.DesignCode == DesignCode::EN1993) {
    data.project.SteelAnnex = NationalAnnexOfEc3CheckText(data.steel);
    WriteEc3CheckHeaderBlock(data.project, data.steel);
  }
  result.listing =
      RefillResultsList(data.project, data.analysis.results, data.units, data.steel, data.listing);
  result.listColour = ListingColor(model.DesignCode, data.steel.ComplianceState,
                                   data.project.timber.TimberCheckFailed);
  result.ResultsValid = 1;
  result.printEnabled = true;
}

void OpenVersion3(std::string_view fileName, std::span<const uint8_t> bytes,
                  const BeamFileData& data, OpenBeamResult& result) {
  EmptyWhatTheFileHolds(data);
  result.markers = DecodeVersion3(bytes, data).markers;
  TakeBeam(fileName, data, result);
}

}  // namespace

bool HasBeamFileExtension(std::string_view fileName) {
  if (fileName.size() < 3) return false;
  const std::string_view last = fileName.substr(fileName.size() - 3);
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return lower(last[0]) == 't' && lower(last[1]) == 'r' && lower(last[2]) == 'b';
}

OpenBeamResult OpenBeamFile(const std::filesystem::path& path, const BeamFileData& data) {
  const std::string name = path.string();
  if (!HasBeamFileExtension(name)) return Refused(kNotBeamFileMessage);
  const auto bytes = ReadFileStart(path, kBeamFileSize);
  if (!bytes) return Refused(kUnreadableFileMessage);
  return OpenBeamFileBytes(name, *bytes, data);
}

OpenBeamResult OpenBeamFileBytes(std::string_view fileName, std::span<const uint8_t> bytes,
                                 const BeamFileData& data) {
  if (!HasBeamFileExtension(fileName)) return Refused(kNotBeamFileMessage);
  const std::optional<float> version = ReadFileVersion(bytes);
  if (!version) return Refused(kNotBeamFileMessage);
  const float v = *version;
  OpenBeamResult result;
  result.Version = v;
  if (v >= 3 && v < 4) {
    OpenVersion3(fileName, bytes, data, result);
  } else if (v >= 4 && v < 5) {
    OpenVersion4(fileName, bytes, data, result);
  } else {
    return Refused(kIncompatibleVersionMessage, v);
  }
  // Just below 5 the file is read as version 4 and still reported.
  if (v > 4.99f) result.messages.emplace_back(kIncompatibleVersionMessage);
  return result;
}

}  // namespace trabeo
