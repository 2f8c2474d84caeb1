#include "sections/catalogue/catalogue_records.h"

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

void Fill(SectionRecord& rec, const IBeamRow& row, const FileStyle& style) {
  rec.Depth = F(row.D);
  rec.Width = F(row.B);
  rec.WebThk = F(row.t);
  rec.FlgThk = F(row.T);
  rec.RootRad = F(row.r1);
  rec.ToeRad = F(row.r2);
  rec.Outstand = F(row.B / 2);
  rec.WebDepth = F(row.WebDepth);
  rec.FlgAngle = style.flangeAngle;
  rec.Area = F(row.Area);
  rec.Ixx = F(row.Ixx);
  rec.Iyy = F(row.Iyy);
  rec.Rx = F(row.Rx);
  rec.Ry = F(row.Ry);
  rec.ExtremeX = F(row.B / 2);
  rec.ExtremeY = F(row.D / 2);
  rec.K = F(row.K);
  rec.TorsionFibre = F(row.TorsionFibre);
  rec.Sxx = F(row.Sxx);
  rec.Syy = F(row.Syy);
  rec.u = F(row.u);
  rec.x = F(row.x);
  rec.H = F(row.H);
}

void Fill(SectionRecord& rec, const ChannelRow& row, const FileStyle&) {
  rec.Depth = F(row.D);
  rec.Width = F(row.B);
  rec.WebThk = F(row.t);
  rec.FlgThk = F(row.T);
  rec.RootRad = F(row.r1);
  rec.ToeRad = F(row.r2);
  rec.Outstand = F(row.B);
  rec.WebDepth = F(row.WebDepth);
  rec.FlgAngle = F(row.FlgAngle);
  rec.Area = F(row.Area);
  rec.Ixx = F(row.Ixx);
  rec.Iyy = F(row.Iyy);
  rec.Rx = F(row.Rx);
  rec.Ry = F(row.Ry);
  rec.Cy = F(row.Cy);
  rec.ExtremeX = F(row.ExtremeX);
  rec.ExtremeY = F(row.D / 2);
  rec.K = F(row.K);
  rec.TorsionFibre = F(row.TorsionFibre);
  rec.Cs = F(row.Cs);
  rec.Sxx = F(row.Sxx);
  rec.Syy = F(row.Syy);
  rec.u = F(row.u);
  rec.x = F(row.x);
  rec.H = F(row.H);
  rec.Extra = F(row.Extra);
}

void Fill(SectionRecord& rec, const AngleRow& row, const FileStyle&) {
  rec.Depth = F(row.D);
  rec.Width = F(row.B);
  rec.WebThk = F(row.t);
  rec.FlgThk = F(row.t);
  rec.RootRad = F(row.r1);
  rec.ToeRad = F(row.r2);
  rec.Area = F(row.Area);
  rec.Ixx = F(row.Ixx);
  rec.Iyy = F(row.Iyy);
  rec.Rx = F(row.Rx);
  rec.Ry = F(row.Ry);
  rec.Cx = F(row.Cx);
  rec.Cy = F(row.Cy);
  rec.ExtremeX = F(row.ExtremeX);
  rec.ExtremeY = F(row.ExtremeY);
  rec.Iuu = F(row.Iuu);
  rec.Ivv = F(row.Ivv);
  rec.Ru = F(row.Ru);
  rec.Rv = F(row.Rv);
  rec.Alpha = F(row.Alpha);
  rec.K = F(row.K);
  rec.TorsionFibre = F(row.TorsionFibre);
}

// Box sections are taken with an inner corner radius equal to the wall; the class limits use
// the flat widths B - 3t and D - 3t.
void Fill(SectionRecord& rec, const BoxRow& row, const FileStyle&) {
  rec.Depth = F(row.D);
  rec.Width = F(row.B);
  rec.WebThk = F(row.t);
  rec.FlgThk = F(row.t);
  rec.RootRad = F(row.t);
  rec.Outstand = F(row.B - 3 * row.t);
  rec.WebDepth = F(row.D - 3 * row.t);
  rec.Area = F(row.Area);
  rec.Ixx = F(row.Ixx);
  rec.Iyy = F(row.Iyy);
  rec.Rx = F(row.Rx);
  rec.Ry = F(row.Ry);
  rec.ExtremeX = F(row.B / 2);
  rec.ExtremeY = F(row.D / 2);
  rec.K = F(row.K);
  rec.TorsionFibre = F(row.TorsionFibre);
  rec.Sxx = F(row.Sxx);
  rec.Syy = F(row.Syy);
}

void Fill(SectionRecord& rec, const TubeRow& row, const FileStyle&) {
  rec.Depth = F(row.D);
  rec.Width = F(row.D);
  rec.WebThk = F(row.t);
  rec.FlgThk = F(row.t);
  rec.Area = F(row.Area);
  rec.Ixx = F(row.I);
  rec.Iyy = F(row.I);
  rec.Rx = F(row.R);
  rec.Ry = F(row.R);
  rec.ExtremeX = F(row.D / 2);
  rec.ExtremeY = F(row.D / 2);
  rec.K = F(row.K);
  rec.TorsionFibre = F(row.D / 2);
  rec.Sxx = F(row.S);
  rec.Syy = F(row.S);
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
