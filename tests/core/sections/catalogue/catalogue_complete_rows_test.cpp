// The one complete record of each catalogue file, compared field by field as written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/sections/catalogue/record_fields.h"
#include "fileio/binary_writer.h"
#include "sections/catalogue/catalogue.h"
#include "sections/section_record_io.h"

namespace trabeo {
namespace {

struct CompleteRow {
  const char* file;
  SectionRecord record;
};

// clang-format off
const std::vector<CompleteRow>& CompleteRows() {
  static const std::vector<CompleteRow> kRows = {
    {"UB.sct",
     {.Designation = "127 x 76 UB 13           ", .Depth = 127.0f, .Width = 76.0f, .WebThk = 4.0f, .FlgThk = 7.6f, .RootRad = 7.6f, .Outstand = 38.0f, .WebDepth = 96.6f, .Grade = 43.0f, .E = 205000.0f, .Type = "Beam", .Area = 1652.0f, .Ixx = 4734400.0f, .Iyy = 557410.0f, .Rx = 53.534f, .Ry = 18.369f, .ExtremeX = 38.0f, .ExtremeY = 63.5f, .K = 28512.0f, .TorsionFibre = 13.796f, .Sxx = 84604.0f, .Syy = 22498.0f, .u = 0.89764f, .x = 16.267f, .H = 1986700000.0f, .RecordNo = 1}},
    {"UC.sct",
     {.Designation = "152 UC 23                ", .Depth = 152.4f, .Width = 152.2f, .WebThk = 5.8f, .FlgThk = 6.8f, .RootRad = 7.6f, .Outstand = 76.1f, .WebDepth = 123.6f, .Grade = 43.0f, .E = 205000.0f, .Type = "Beam", .Area = 2924.5f, .Ixx = 12498000.0f, .Iyy = 3999200.0f, .Rx = 65.372f, .Ry = 36.979f, .ExtremeX = 76.1f, .ExtremeY = 76.2f, .K = 46348.0f, .TorsionFibre = 14.066f, .Sxx = 182400.0f, .Syy = 80075.0f, .u = 0.84051f, .x = 20.701f, .H = 21195000000.0f, .RecordNo = 1}},
    {"RSJ.sct",
     {.Designation = "76 x 76 x 13 RSJ         ", .Depth = 76.2f, .Width = 76.2f, .WebThk = 5.1f, .FlgThk = 8.4f, .RootRad = 9.4f, .ToeRad = 4.6f, .Outstand = 38.1f, .WebDepth = 38.1f, .FlgAngle = 8.0f, .E = 205000.0f, .Type = "RSJ", .Area = 1628.6f, .Ixx = 1579300.0f, .Iyy = 518460.0f, .Rx = 31.14f, .Ry = 17.84f, .ExtremeX = 38.1f, .ExtremeY = 38.1f, .K = 45955.0f, .TorsionFibre = 17.5f, .Sxx = 48654.0f, .Syy = 22424.0f, .u = 0.85098f, .x = 7.2051f, .H = 592670000.0f, .RecordNo = 1}},
    {"IPE.sct",
     {.Designation = "IPE 100                  ", .Depth = 100.0f, .Width = 55.0f, .WebThk = 4.1f, .FlgThk = 5.7f, .RootRad = 7.0f, .Outstand = 27.5f, .WebDepth = 74.6f, .Grade = 43.0f, .E = 205000.0f, .Type = "Beam", .Area = 1032.3f, .Ixx = 1710100.0f, .Iyy = 159190.0f, .Rx = 40.701f, .Ry = 12.418f, .ExtremeX = 27.5f, .ExtremeY = 50.0f, .K = 11574.0f, .TorsionFibre = 11.525f, .Sxx = 39705.0f, .Syy = 9082.8f, .u = 0.88139f, .x = 15.94f, .H = 353890000.0f, .RecordNo = 2}},
    {"HE.sct",
     {.Designation = "HE 100 AA                ", .Depth = 91.0f, .Width = 100.0f, .WebThk = 4.2f, .FlgThk = 5.5f, .RootRad = 12.0f, .Outstand = 50.0f, .WebDepth = 56.0f, .Grade = 43.0f, .E = 205000.0f, .Type = "Beam", .Area = 1559.6f, .Ixx = 2365100.0f, .Iyy = 920610.0f, .Rx = 38.942f, .Ry = 24.296f, .ExtremeX = 50.0f, .ExtremeY = 45.5f, .K = 23254.0f, .TorsionFibre = 13.746f, .Sxx = 59361.0f, .Syy = 28118.0f, .u = 0.83415f, .x = 12.533f, .H = 1682500000.0f, .RecordNo = 1}},
    {"WsBeam.sct",
     {.Designation = "W 6 x 4 x 9              ", .Depth = 150.0f, .Width = 100.0f, .WebThk = 4.3f, .FlgThk = 5.5f, .RootRad = 6.3f, .Outstand = 50.0f, .WebDepth = 126.4f, .E = 205000.0f, .Type = "Beam", .Area = 1731.77f, .Ixx = 6865220.0f, .Iyy = 918066.0f, .Rx = 62.9625f, .Ry = 23.0246f, .ExtremeX = 50.0f, .ExtremeY = 75.0f, .K = 16997.2f, .TorsionFibre = 11.1847f, .Sxx = 102793.0f, .Syy = 28218.5f, .u = 0.87445f, .x = 26.106f, .H = 4792360000.0f, .RecordNo = 1}},
    {"WsCol.sct",
     {.Designation = "W 6 x 6 x 15             ", .Depth = 152.1f, .Width = 152.1f, .WebThk = 5.8f, .FlgThk = 6.6f, .RootRad = 8.0f, .Outstand = 76.05f, .WebDepth = 122.9f, .E = 205000.0f, .Type = "Beam", .Area = 2868.28f, .Ixx = 12180200.0f, .Iyy = 3874210.0f, .Rx = 65.1653f, .Ry = 36.752f, .ExtremeX = 76.05f, .ExtremeY = 76.05f, .K = 44022.1f, .TorsionFibre = 14.0199f, .Sxx = 178206.0f, .Syy = 77674.4f, .u = 0.83979f, .x = 21.0211f, .H = 20504500000.0f, .RecordNo = 1}},
    {"RSC.sct",
     {.Designation = "76 x 38 RSC              ", .Depth = 76.2f, .Width = 38.1f, .WebThk = 5.1f, .FlgThk = 6.8f, .RootRad = 7.6f, .ToeRad = 2.4f, .Outstand = 38.1f, .WebDepth = 45.8f, .FlgAngle = 5.0f, .Grade = 43.0f, .E = 205000.0f, .Type = "RSC", .Area = 854.69f, .Ixx = 742740.0f, .Iyy = 106600.0f, .Rx = 29.479f, .Ry = 11.168f, .Cy = 12.0f, .ExtremeX = 26.125f, .ExtremeY = 38.1f, .K = 12802.0f, .TorsionFibre = 12.1f, .Cs = 25.167f, .Sxx = 23458.0f, .Syy = 7832.7f, .u = 0.899f, .x = 9.1992f, .H = 105450000.0f, .Extra = 6.748f, .RecordNo = 1}},
    {"PFC.sct",
     {.Designation = "100 x 50 x 10 PFC        ", .Depth = 100.0f, .Width = 50.0f, .WebThk = 5.0f, .FlgThk = 8.5f, .RootRad = 9.0f, .Outstand = 50.0f, .WebDepth = 65.0f, .Grade = 43.0f, .E = 205000.0f, .Type = "RSC", .Area = 1299.8f, .Ixx = 2076800.0f, .Iyy = 323100.0f, .Rx = 39.973f, .Ry = 15.767f, .Cy = 17.3f, .ExtremeX = 32.668f, .ExtremeY = 50.0f, .K = 25293.0f, .TorsionFibre = 13.2f, .Cs = 38.039f, .Sxx = 48872.0f, .Syy = 17635.0f, .u = 0.942f, .x = 10.0f, .H = 491000000.0f, .Extra = 11.796f, .RecordNo = 1}},
    {"UPN.sct",
     {.Designation = "U  100                   ", .Depth = 100.0f, .Width = 50.0f, .WebThk = 6.0f, .FlgThk = 8.5f, .RootRad = 8.5f, .ToeRad = 4.5f, .Outstand = 50.0f, .WebDepth = 63.8f, .FlgAngle = 4.574f, .Grade = 43.0f, .E = 205000.0f, .Type = "RSC", .Area = 1364.5f, .Ixx = 2087400.0f, .Iyy = 296560.0f, .Rx = 39.112f, .Ry = 14.742f, .Cy = 15.7f, .ExtremeX = 34.3f, .ExtremeY = 50.0f, .K = 30168.0f, .TorsionFibre = 14.7f, .Cs = 33.456f, .Sxx = 49788.0f, .Syy = 16633.0f, .u = 0.903f, .x = 9.9752f, .H = 509120000.0f, .Extra = 9.059f, .RecordNo = 10}},
    {"EqRSA.sct",
     {.Designation = "25 x 25 x 3 RSA          ", .Depth = 25.0f, .Width = 25.0f, .WebThk = 3.0f, .FlgThk = 3.0f, .RootRad = 3.5f, .ToeRad = 2.4f, .E = 205000.0f, .Type = "RSA", .Area = 141.16f, .Ixx = 7842.0f, .Iyy = 7842.0f, .Rx = 7.4535f, .Ry = 7.4535f, .Cx = 7.1775f, .Cy = 7.1775f, .ExtremeX = 17.823f, .ExtremeY = 17.823f, .Iuu = 12433.0f, .Ivv = 3250.7f, .Ru = 9.385f, .Rv = 4.7989f, .Alpha = 45.032f, .K = 475.93f, .TorsionFibre = 5.4267f, .RecordNo = 1}},
    {"UnEqRSA.sct",
     {.Designation = "40 x 25 x 4 RSA          ", .Depth = 40.0f, .Width = 25.0f, .WebThk = 4.0f, .FlgThk = 4.0f, .RootRad = 4.0f, .ToeRad = 2.4f, .E = 205000.0f, .Type = "RSA", .Area = 244.96f, .Ixx = 38610.0f, .Iyy = 11495.0f, .Rx = 12.554f, .Ry = 6.8503f, .Cx = 13.601f, .Cy = 6.2062f, .ExtremeX = 18.794f, .ExtremeY = 26.399f, .Iuu = 43200.0f, .Ivv = 6924.8f, .Ru = 13.28f, .Rv = 5.3169f, .Alpha = 20.82f, .K = 1417.4f, .TorsionFibre = 7.0992f, .RecordNo = 4}},
    {"EqL.sct",
     {.Designation = "L 20 x 3                 ", .Depth = 20.0f, .Width = 20.0f, .WebThk = 3.0f, .FlgThk = 3.0f, .RootRad = 3.5f, .ToeRad = 2.0f, .E = 205000.0f, .Type = "RSA", .Area = 111.91f, .Ixx = 3876.8f, .Iyy = 3876.8f, .Rx = 5.8857f, .Ry = 5.8857f, .Cx = 5.9641f, .Cy = 5.9641f, .ExtremeX = 14.036f, .ExtremeY = 14.036f, .Iuu = 6125.6f, .Ivv = 1627.1f, .Ru = 7.3984f, .Rv = 3.813f, .Alpha = 44.991f, .K = 385.93f, .TorsionFibre = 5.3788f, .RecordNo = 1}},
    {"UnEqL.sct",
     {.Designation = "L  30 x 20 x 3           ", .Depth = 30.0f, .Width = 20.0f, .WebThk = 3.0f, .FlgThk = 3.0f, .RootRad = 3.5f, .ToeRad = 2.0f, .E = 205000.0f, .Type = "RSA", .Area = 141.91f, .Ixx = 12449.0f, .Iyy = 4370.8f, .Rx = 9.3661f, .Ry = 5.5497f, .Cx = 9.9278f, .Cy = 5.0204f, .ExtremeX = 14.98f, .ExtremeY = 20.072f, .Iuu = 14273.0f, .Ivv = 2554.4f, .Ru = 10.029f, .Rv = 4.2426f, .Alpha = 23.134f, .K = 475.92f, .TorsionFibre = 5.4276f, .RecordNo = 1}},
    {"RHS.sct",
     {.Designation = "100 x 50 x 5.0 RHS       ", .Depth = 100.0f, .Width = 50.0f, .WebThk = 5.0f, .FlgThk = 5.0f, .RootRad = 5.0f, .Outstand = 35.0f, .WebDepth = 85.0f, .Grade = 43.0f, .E = 205000.0f, .Type = "Box", .Area = 1387.9f, .Ixx = 1698800.0f, .Iyy = 550610.0f, .Rx = 34.985f, .Ry = 19.918f, .ExtremeX = 25.0f, .ExtremeY = 50.0f, .K = 1346200.0f, .TorsionFibre = 36.4f, .Sxx = 43303.0f, .Syy = 26104.0f, .RecordNo = 81}},
    {"CHS.sct",
     {.Designation = "114.3  x  5.0    CHS     ", .Depth = 114.3f, .Width = 114.3f, .WebThk = 5.0f, .FlgThk = 5.0f, .Grade = 43.0f, .E = 205000.0f, .Type = "Tube", .Area = 1716.9f, .Ixx = 2569200.0f, .Iyy = 2569200.0f, .Rx = 38.684f, .Ry = 38.684f, .ExtremeX = 57.15f, .ExtremeY = 57.15f, .K = 5138400.0f, .TorsionFibre = 57.15f, .Sxx = 59716.0f, .Syy = 59716.0f, .RecordNo = 29}},
    {"C.sct",
     {.Designation = "C 75 x 6", .Depth = 76.2f, .Width = 35.8f, .WebThk = 4.3f, .FlgThk = 6.9f, .RootRad = 6.86f, .ToeRad = 2.3f, .Outstand = 35.8f, .WebDepth = 45.5275f, .FlgAngle = 9.462f, .Grade = 43.0f, .E = 205000.0f, .Type = "RSC", .Area = 772.445f, .Ixx = 686288.0f, .Iyy = 81103.0f, .Rx = 29.8071f, .Ry = 10.2467f, .Cy = 11.118f, .ExtremeX = 24.682f, .ExtremeY = 38.1f, .K = 11286.6f, .TorsionFibre = 12.1828f, .Cs = 23.6203f, .Sxx = 21562.3f, .Syy = 6531.48f, .u = 0.897324f, .x = 9.64094f, .H = 85956200.0f, .Extra = 6.91f, .RecordNo = 1}},
  };
  return kRows;
}
// clang-format on

std::vector<uint8_t> Bytes(const SectionRecord& record) {
  BinaryWriter writer;
  WriteSectionRecord(writer, record);
  return writer.bytes();
}

TEST(CatalogueCompleteRows, AreReproducedExactly) {
  ASSERT_EQ(CompleteRows().size(), 17u);
  for (const CompleteRow& row : CompleteRows()) {
    SCOPED_TRACE(std::string(row.file) + " " + row.record.Designation);
    const std::vector<SectionRecord> records = CatalogueRecords(*FindCatalogueFile(row.file));
    ASSERT_LE(row.record.RecordNo, static_cast<int>(records.size()));
    const SectionRecord& actual = records[static_cast<std::size_t>(row.record.RecordNo - 1)];
    EXPECT_EQ(actual.Designation, row.record.Designation);
    EXPECT_EQ(actual.Type, row.record.Type);
    for (const testing::RecordField& field : testing::kRecordFields)
      EXPECT_EQ(actual.*field.member, row.record.*field.member) << field.name;
    // Every byte of the written record, padding and reserved fields included.
    EXPECT_EQ(Bytes(actual), Bytes(row.record));
  }
}

}  // namespace
}  // namespace trabeo
