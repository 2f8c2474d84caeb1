#include "document/beam_file_layout.h"
#include "document/beam_file_parts.h"

namespace trabeo {
namespace beam_file {
namespace {

// Version 3 kept nine flags for each cantilever (the tenth came later).
constexpr std::size_t kVersion3CantileverFlags = 9;
constexpr std::array<std::size_t, 10> kVersion3SpanFlags{1, 3, 4, 12, 13, 14, 15, 16, 17, 18};

// Version 3 kept the span flags 1, 3 and 4 and those of the RH end (12 to 18) only; the LH
// end's flags (5 to 11) are taken to be the same as the RH end's.
void ReadVersion3Restraints(FieldReader& io, SteelRestraints& r) {
  for (std::size_t i = 0; i < kVersion3CantileverFlags; ++i)
    io.Int32(r.LhCantRestraintFlags[i]);
  io.Text(r.LhCantLeText, kShortText);
  for (std::size_t flag : kVersion3SpanFlags)
    io.Int32(r.SpanRestraintFlags[flag - 1]);
  for (std::size_t flag = 5; flag <= 11; ++flag)
    r.SpanRestraintFlags[flag - 1] = r.SpanRestraintFlags[flag - 1 + 7];
  io.Text(r.SpanLeText, kShortText);
  for (std::size_t i = 0; i < kVersion3CantileverFlags; ++i)
    io.Int32(r.RhCantRestraintFlags[i]);
  io.Text(r.RhCantLeText, kShortText);
}

}  // namespace
}  // namespace beam_file

BeamFileReading DecodeVersion3(std::span<const uint8_t> bytes, const BeamFileData& data) {
  using namespace beam_file;
  BeamFileReading reading;
  FieldReader io(bytes);
  BeamModel& m = data.project.model;
  auto& effective = data.project.restraints.EffectiveLengths;
  TransferOpening(io, data, reading.markers);
  Code(io, m.DesignCode);
  // Each segment record's fifth double was that segment's effective length.
  TransferSegment(io, m.LhCantilever, effective[0]);
  TransferSegment(io, m.RhCantilever, effective[11]);
  TransferSupports(io, data);
  TransferSegment(io, m.MainSpan, effective[10]);
  TransferLoadTable(io, m.Loads);
  TransferSectionAndTimber(io, data);
  ReadVersion3Restraints(io, data.project.restraints);
  TransferFactorsAndSectionLines(io, data);
  reading.complete = io.ok();
  return reading;
}

}  // namespace trabeo
