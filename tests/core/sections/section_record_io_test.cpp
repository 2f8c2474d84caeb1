#include "sections/section_record_io.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

namespace trabeo {
namespace {

SectionRecord SampleRecord() {
  SectionRecord r;
  r.Designation = "127 x 76 UB 13            ";
  r.Depth = 127;
  r.Width = 76;
  r.WebThk = 4;
  r.FlgThk = 7.6f;
  r.RootRad = 7.6f;
  r.Outstand = 38;
  r.WebDepth = 96.6f;
  r.Grade = 43;
  r.E = 205000;
  r.Type = "Beam";
  r.Area = 1652;
  r.Ixx = 4734400;
  r.H = 1986700000.0f;
  r.Extra = 6.748f;
  r.RecordNo = 7;
  return r;
}

float SingleAt(const std::vector<uint8_t>& bytes, std::size_t offset) {
  uint32_t bits = 0;
  for (int i = 3; i >= 0; --i)
    bits = (bits << 8) | bytes[offset + static_cast<std::size_t>(i)];
  return std::bit_cast<float>(bits);
}

TEST(SectionRecordIoTest, FieldsLieAtTheirFileOffsets) {
  BinaryWriter writer;
  WriteSectionRecord(writer, SampleRecord());
  const auto& bytes = writer.bytes();
  ASSERT_EQ(bytes.size(), 200u);
  EXPECT_EQ(bytes[0], 25);  // designation truncated to its 25-character slot
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 15), "127 x 76 UB 13");
  EXPECT_EQ(SingleAt(bytes, 28), 127.0f);
  EXPECT_EQ(SingleAt(bytes, 32), 76.0f);
  EXPECT_EQ(SingleAt(bytes, 56), 96.6f);
  EXPECT_EQ(SingleAt(bytes, 80), 43.0f);
  EXPECT_EQ(SingleAt(bytes, 84), 205000.0f);
  EXPECT_EQ(bytes[88], 4);
  EXPECT_EQ(std::string(bytes.begin() + 89, bytes.begin() + 93), "Beam");
  EXPECT_EQ(SingleAt(bytes, 100), 1652.0f);
  EXPECT_EQ(SingleAt(bytes, 104), 4734400.0f);
  EXPECT_EQ(SingleAt(bytes, 184), 1986700000.0f);
  EXPECT_EQ(SingleAt(bytes, 188), 6.748f);
  EXPECT_EQ(bytes[196], 7);
  EXPECT_EQ(bytes[199], 0);
}

TEST(SectionRecordIoTest, RoundTripIsByteIdentical) {
  BinaryWriter first;
  WriteSectionRecord(first, SampleRecord());
  BinaryReader reader(first.bytes());
  SectionRecord read;
  ASSERT_TRUE(ReadSectionRecord(reader, read));
  EXPECT_EQ(read.Designation, "127 x 76 UB 13           ");
  EXPECT_EQ(read.Type, "Beam");
  EXPECT_EQ(read.RecordNo, 7);
  BinaryWriter second;
  WriteSectionRecord(second, read);
  EXPECT_EQ(first.bytes(), second.bytes());
}

TEST(SectionRecordIoTest, ShortBufferIsNotARecord) {
  std::vector<uint8_t> bytes(199, 0);
  BinaryReader reader(bytes);
  SectionRecord record;
  record.Designation = "kept";
  EXPECT_FALSE(ReadSectionRecord(reader, record));
  EXPECT_EQ(record.Designation, "kept");
}

}  // namespace
}  // namespace trabeo
