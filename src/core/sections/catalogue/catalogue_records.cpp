#include "sections/catalogue/catalogue_records.h"

#include "sections/section_properties.h"

namespace trabeo::catalogue {
namespace {

float F(double value) {
  return static_cast<float>(value);
}

std::string Designation(std::string_view name, bool padded) {
  std::string text(name);
  if (padded && text.size() < kDesignationCapacity) text.resize(kDesignationCapacity, ' ');
  return text;
}

// The fields every record of the file has, whatever the row holds.
SectionRecord BaseRecord(std::string_view name, int position, const FileStyle& style) {
  SectionRecord record;
  record.Designation = Designation(name, style.padded);
  record.E = kCatalogueE;
  record.RecordNo = position;
  if (!name.empty()) {
    record.Type = std::string(style.type);
    record.Grade = style.grade;
  }
  return record;
}

// A row carries data when it has a width; separators and unavailable sections have none.
template <typename Row>
bool HasData(const Row& row) {
  return row.B != 0;
}
bool HasData(const TubeRow& row) {
  return row.D != 0;
}

// The rows name their values as the record does (CopySectionProperties); each shape adds what
// its rows leave out.
void Fill(SectionRecord& rec, const IBeamRow& row, const FileStyle& style) {
  CopySectionProperties(row, rec);
  rec.Outstand = F(row.B / 2);
  rec.FlgAngle = style.flangeAngle;
  rec.ExtremeX = F(row.B / 2);
  rec.ExtremeY = F(row.D / 2);
}

void Fill(SectionRecord& rec, const ChannelRow& row, const FileStyle&) {
  CopySectionProperties(row, rec);
  rec.Outstand = F(row.B);
  rec.ExtremeY = F(row.D / 2);
}

void Fill(SectionRecord& rec, const AngleRow& row, const FileStyle&) {
  CopySectionProperties(row, rec);
  rec.FlgThk = F(row.t);
}

// Box sections are taken with an inner corner radius equal to the wall; the class limits use
// the flat widths B - 3t and D - 3t.
void Fill(SectionRecord& rec, const BoxRow& row, const FileStyle&) {
  CopySectionProperties(row, rec);
  rec.FlgThk = F(row.t);
  rec.RootRad = F(row.t);
  rec.Outstand = F(row.B - 3 * row.t);
  rec.WebDepth = F(row.D - 3 * row.t);
  rec.ExtremeX = F(row.B / 2);
  rec.ExtremeY = F(row.D / 2);
}

void Fill(SectionRecord& rec, const TubeRow& row, const FileStyle&) {
  CopySectionProperties(row, rec);
  rec.Width = F(row.D);
  rec.FlgThk = F(row.t);
  rec.Ixx = rec.Iyy = F(row.I);
  rec.Rx = rec.Ry = F(row.R);
  rec.ExtremeX = rec.ExtremeY = F(row.D / 2);
  rec.TorsionFibre = F(row.D / 2);
  rec.Sxx = rec.Syy = F(row.S);
}

template <typename Row>
std::vector<SectionRecord> Records(std::span<const Row> rows, const FileStyle& style) {
  std::vector<SectionRecord> records;
  records.reserve(rows.size());
  int position = 0;
  for (const Row& row : rows) {
    SectionRecord record = BaseRecord(row.name, ++position, style);
    if (HasData(row)) Fill(record, row, style);
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace

std::vector<SectionRecord> MakeRecords(std::span<const IBeamRow> rows, const FileStyle& style) {
  return Records(rows, style);
}
std::vector<SectionRecord> MakeRecords(std::span<const ChannelRow> rows, const FileStyle& style) {
  return Records(rows, style);
}
std::vector<SectionRecord> MakeRecords(std::span<const AngleRow> rows, const FileStyle& style) {
  return Records(rows, style);
}
std::vector<SectionRecord> MakeRecords(std::span<const BoxRow> rows, const FileStyle& style) {
  return Records(rows, style);
}
std::vector<SectionRecord> MakeRecords(std::span<const TubeRow> rows, const FileStyle& style) {
  return Records(rows, style);
}

}  // namespace trabeo::catalogue
