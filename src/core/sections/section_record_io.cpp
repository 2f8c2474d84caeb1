#include "sections/section_record_io.h"

namespace trabeo {
namespace {

// The singles from Depth (offset 28) up to and including the four reserved values (offset 64).
std::array<float*, 13> LeadingSingles(SectionRecord& r) {
  return {&r.Depth,       &r.Width,       &r.WebThk,     &r.FlgThk,   &r.RootRad,
          &r.ToeRad,      &r.Outstand,    &r.WebDepth,   &r.FlgAngle, &r.Reserved[0],
          &r.Reserved[1], &r.Reserved[2], &r.Reserved[3]};
}

// The singles from Area (offset 100) up to the reserved value before RecordNo (offset 192).
std::array<float*, 24> TrailingSingles(SectionRecord& r) {
  return {&r.Area,     &r.Ixx, &r.Iyy, &r.Rx, &r.Ry, &r.Cx,    &r.Cy,    &r.ExtremeX,
          &r.ExtremeY, &r.Iuu, &r.Ivv, &r.Ru, &r.Rv, &r.Alpha, &r.K,     &r.TorsionFibre,
          &r.Cs,       &r.Sxx, &r.Syy, &r.u,  &r.x,  &r.H,     &r.Extra, &r.Reserved2};
}

constexpr int kDesignationPadding = 2;  // bytes 26 and 27
constexpr int kTypeSlot = 12;           // bytes 88 to 99: length, 8 characters, 3 spare

}  // namespace

void WriteSectionRecord(BinaryWriter& writer, const SectionRecord& record) {
  SectionRecord copy = record;
  writer.WriteFixedText(copy.Designation, kDesignationCapacity);
  writer.WriteZeros(kDesignationPadding);
  for (float* value : LeadingSingles(copy))
    writer.WriteSingle(*value);
  writer.WriteSingle(copy.Grade);
  writer.WriteSingle(copy.E);
  writer.WriteFixedText(copy.Type, kSectionTypeCapacity);
  writer.WriteZeros(kTypeSlot - kSectionTypeCapacity - 1);
  for (float* value : TrailingSingles(copy))
    writer.WriteSingle(*value);
  writer.WriteInt32(copy.RecordNo);
}

bool ReadSectionRecord(BinaryReader& reader, SectionRecord& record) {
  if (reader.remaining() < static_cast<std::size_t>(kSectionRecordSize)) return false;
  SectionRecord read;
  reader.ReadFixedText(read.Designation, kDesignationCapacity);
  reader.Skip(kDesignationPadding);
  for (float* value : LeadingSingles(read))
    reader.ReadSingle(*value);
  reader.ReadSingle(read.Grade);
  reader.ReadSingle(read.E);
  reader.ReadFixedText(read.Type, kSectionTypeCapacity);
  reader.Skip(kTypeSlot - kSectionTypeCapacity - 1);
  for (float* value : TrailingSingles(read))
    reader.ReadSingle(*value);
  reader.ReadInt32(read.RecordNo);
  record = std::move(read);
  return true;
}

}  // namespace trabeo
