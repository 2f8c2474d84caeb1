#include "document/beam_file_layout.h"

#include "document/beam_file_parts.h"

namespace trabeo {
namespace beam_file {
namespace {

constexpr int kPaddingMarkers = 1000;
constexpr int kFamilyCapacity = 12;

// The span flags are laid out 1, 3, 4, ..., 18 and then 2, the user-value flag, last.
template <class Io>
void TransferRestraints(Io& io, const BeamFileData& d) {
  SteelRestraints& r = d.project.restraints;
  for (int32_t& flag : r.LhCantRestraintFlags)
    io.Int32(flag);
  io.Text(r.LhCantLeText, kShortText);
  io.Int32(r.SpanRestraintFlags[0]);
  for (std::size_t flag = 3; flag <= 18; ++flag)
    io.Int32(r.SpanRestraintFlags[flag - 1]);
  io.Int32(r.SpanRestraintFlags[1]);
  io.Text(r.SpanLeText, kShortText);
  for (int32_t& flag : r.RhCantRestraintFlags)
    io.Int32(flag);
  io.Text(r.RhCantLeText, kShortText);
  io.Int32(r.RestraintSpacing);
  Doubles(io, r.EffectiveLengths);
}

// ShearSummary holds LhSupportShear and SupportShears in its entries 1 to 4, MomentSummary
// SpanMomentProfile in its entries 1 to 3; the other entries are written as 0 and read past.
template <class Io>
void TransferSupportSummaries(Io& io, BeamResults& r) {
  double unused = 0;
  io.Double(unused);
  io.Double(r.LhSupportShear);
  Doubles(io, r.SupportShears);
  unused = 0;
  io.Double(unused);
  unused = 0;
  io.Double(unused);
  Doubles(io, r.SpanMomentProfile);
  for (int entry = 4; entry < 22; ++entry) {
    unused = 0;
    io.Double(unused);
  }
}

template <class Io>
void TransferListingStores(Io& io, const BeamFileData& d) {
  ListingStores& l = d.listing;
  TimberBeamValues& t = d.project.timber;
  io.TextSlots(l.SummaryPrintLines, 0, 25);
  io.Text(t.TimberCodeLine, kLine);
  io.Text(t.TimberVerdict, kLine);
  io.Text(t.TimberTorsionNote, kLine);
  io.Int32(t.TimberCheckFailed);
  io.TextSlots(l.TimberPrintLines, 0, 50);
  for (auto& section : l.SteelListLines)
    io.TextSlots(section, 0, 50);
  for (auto* store :
       {&l.UdlTablePrintLines, &l.PointTablePrintLines, &l.IntervalHeadPrintLines,
        &l.LhIntervalPrintLines, &l.SpanIntervalPrintLines, &l.RhIntervalPrintLines}) {
    io.TextSlots(*store, 0, 35);
  }
  for (int block = 0; block < kCheckHeaderBlock; ++block)
    io.TextSlots(d.steel.CheckText[static_cast<std::size_t>(block)], 0, kCheckTextLines - 1);
}

template <class Io>
void TransferStoredResults(Io& io, BeamResults& r) {
  Singles(io, r.StoredSpanShear);
  Singles(io, r.StoredSpanMoment);
  Singles(io, r.StoredSpanDeflection);
  for (auto& row : r.StoredCantShear)
    Singles(io, row);
  for (auto& row : r.StoredCantMoment)
    Singles(io, row);
  for (auto& row : r.StoredCantDeflection)
    Singles(io, row);
}

template <class Io>
void TransferVersion4(Io& io, const BeamFileData& d, BeamFileMarkers& markers) {
  BeamModel& m = d.project.model;
  BeamResults& r = d.analysis.results;
  TransferOpening(io, d, markers);
  io.Int32(d.steel.ComplianceState);
  io.Int32(d.project.timber.TimberCheckFailed);
  Code(io, m.DesignCode);
  io.Single(d.project.restraints.ClearSpan);
  io.Int32(d.project.restraints.IntermediateRestraints);
  TransferSegment(io, m.LhCantilever, m.LhCantilever.Spare);
  TransferSegment(io, m.RhCantilever, m.RhCantilever.Spare);
  TransferSupports(io, d);
  TransferSegment(io, m.MainSpan, m.MainSpan.Spare);
  TransferLoadTable(io, m.Loads);
  TransferSectionAndTimber(io, d);
  TransferRestraints(io, d);
  TransferFactorsAndSectionLines(io, d);
  io.Double(r.ShearExtremes[0]);
  io.Double(r.MomentExtremes[0]);
  io.Double(r.DeflectionExtremes[0]);
  TransferSupportSummaries(io, r);
  Doubles(io, r.TipDeflections);
  Doubles(io, r.Reactions);
  TransferListingStores(io, d);
  TransferStoredResults(io, r);
  io.Text(d.project.section.SectionFamily, kFamilyCapacity);
}

}  // namespace
}  // namespace beam_file

std::vector<uint8_t> EncodeBeamFile(const BeamFileData& data) {
  BeamFileMarkers markers{std::string(kVersionPrefix) + kProgramVersion, kVersionSuffix,
                          std::string(kFileMarker)};
  FieldWriter io;
  beam_file::TransferVersion4(io, data, markers);
  // The padding carries no data; it keeps the file the length earlier readers expect.
  for (int i = 0; i < beam_file::kPaddingMarkers; ++i)
    io.Text(markers.FileMarker, beam_file::kShortText);
  return io.bytes();
}

BeamFileReading DecodeVersion4(std::span<const uint8_t> bytes, const BeamFileData& data) {
  BeamFileReading reading;
  FieldReader io(bytes);
  beam_file::TransferVersion4(io, data, reading.markers);
  reading.complete = io.ok();
  return reading;
}

}  // namespace trabeo
