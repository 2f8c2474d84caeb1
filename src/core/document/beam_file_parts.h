#pragma once

#include <array>
#include <cstddef>

#include "document/beam_file_data.h"
#include "document/beam_file_fields.h"

// The runs of fields that the version 3 and version 4 layouts share, in file order, for the
// writer and the readers alike (Io is FieldWriter or FieldReader).
namespace trabeo::beam_file {

inline constexpr int kShortText = kShortTextCapacity;  // 25
inline constexpr int kLine = kResultLineCapacity;      // 80

template <class Io, class Array>
void Singles(Io& io, Array& values) {
  for (auto& value : values)
    io.Single(value);
}

template <class Io, class Array>
void Doubles(Io& io, Array& values) {
  for (auto& value : values)
    io.Double(value);
}

// A design code travels as its number.
template <class Io>
void Code(Io& io, DesignCode& code) {
  int32_t number = DesignCodeNumber(code);
  io.Int32(number);
  code = DesignCodeFromNumber(number);
}

// A section kind travels as its Type text.
template <class Io>
void Kind(Io& io, SectionKind& kind) {
  std::string text(SectionKindText(kind));
  io.Text(text, kShortText);
  kind = SectionKindFromText(text);
}

// The beam's grade travels as its number.
template <class Io>
void Grade(Io& io, AppliedGrade& grade) {
  int32_t number = grade.FileNumber();
  io.Int32(number);
  grade = AppliedGrade::FromFileNumber(number);
}

// A section class travels as its text, empty when there is none.
template <class Io>
void ClassText(Io& io, std::optional<SectionClass>& sectionClass) {
  std::string text(SectionClassText(sectionClass));
  io.Text(text, kShortText);
  sectionClass = SectionClassFromText(text);
}

// Writes the units in file order: the fourteen names, the fourteen factors, the four modulus
// labels.
void TransferUnits(FieldWriter& io, const UnitSettings& units);
// Reads them. A unit is taken with its factor, and only when the factor can convert values
// (finite and above zero), so a damaged file never pairs a name with another unit's factor or
// turns every typed value into nonsense.
void TransferUnits(FieldReader& io, UnitSettings& units);

// From the header to the code switches (offsets 0 to 1157).
template <class Io>
void TransferOpening(Io& io, const BeamFileData& d, BeamFileMarkers& markers) {
  io.Text(markers.Header, kShortText);
  io.Text(markers.VersionSuffix, kShortText);
  io.Text(markers.FileMarker, kShortText);
  HeaderTexts& h = d.header;
  for (std::string* text : {&h.HeaderCompany, &h.HeaderUser, &h.HeaderProject1, &h.HeaderProject2,
                            &h.HeaderJobDesc, &h.HeaderJobRef}) {
    io.Text(*text, kHeaderTextCapacity);
  }
  SectionValues& s = d.project.section;
  io.Text(s.SectionDescription, kDescriptionCapacity);
  Kind(io, s.SectionKind);
  io.Single(s.SectionArea);
  TransferUnits(io, d.units);
  UnitSettings& u = d.units;
  for (int32_t* setting :
       {&u.MomentPlotSign, &u.NFactorMode, &u.EnableTimber5268, &u.EnableSteel5950,
        &u.EnableSteel449, &u.EnableSteelAISC, &u.EnableSteelLRFD}) {
    io.Int32(*setting);
  }
}

// Four doubles of the record, then a fifth: the record's own spare in version 4, the
// segment's effective length in version 3.
template <class Io>
void TransferSegment(Io& io, SegmentRecord& segment, double& fifth) {
  io.Double(segment.Present);
  io.Double(segment.Length);
  io.Double(segment.E);
  io.Double(segment.Ixx);
  io.Double(fifth);
}

template <class Io>
void TransferLoadTable(Io& io, LoadTable& loads) {
  for (LoadRecord& row : loads.rows) {
    for (float* field : {&row.Kind, &row.Position, &row.Intensity, &row.EndIntensity, &row.Cover,
                         &row.Factor, &row.Applied, &row.Spare}) {
      io.Single(*field);
    }
  }
}

// From TotalLength (after the LH and RH cantilever records) to the main span's record.
template <class Io>
void TransferSupports(Io& io, const BeamFileData& d) {
  BeamModel& m = d.project.model;
  io.Double(m.TotalLength);
  io.Int32(d.UdlDrawnCount);
  io.Int32(d.PointLoadDrawnCount);
  io.Int32(m.LhSupportKind);
  io.Int32(m.RhSupportKind);
}

// From SectionIxx to RsaLengths (offsets 2153 to 2425 in version 4).
template <class Io>
void TransferSectionAndTimber(Io& io, const BeamFileData& d) {
  BeamModel& m = d.project.model;
  SectionValues& s = d.project.section;
  TimberBeamValues& t = d.project.timber;
  io.Single(m.SectionIxx);
  io.Single(m.FibreDistance);
  io.Int32(d.project.LoadRowCount);
  for (std::string* text :
       {&t.TimberDuration, &t.TimberExposure, &t.TimberSharing, &t.TimberGradeName}) {
    io.Text(*text, kShortText);
  }
  for (float* value :
       {&s.TimberDepth, &s.TimberWidth, &t.TimberGradeShear, &t.TimberGradeBending,
        &t.TimberPermBendStress, &t.TimberGradeE, &t.TimberPermShear, &t.TimberPermMoment}) {
    io.Single(*value);
  }
  Kind(io, s.SectionKind);
  ClassText(io, s.SectionClass);
  io.Single(s.DesignStrength);
  Grade(io, s.SteelGrade);
  for (float* value : {&s.SectionDepth, &s.SectionWidth, &s.SectionWebThk, &s.SectionFlgThk,
                       &s.SectionRootRad, &s.SectionWebDepth, &s.SectionArea, &s.SectionSxx,
                       &s.SectionZxx, &s.SectionRy, &s.SectionRv, &s.SectionX, &s.SectionU}) {
    io.Single(*value);
  }
  Singles(io, d.steel.RsaLengths);
}

// The parts whose n and m the file keeps: LH cantilever, span, RH cantilever.
inline constexpr std::array<std::size_t, 3> kSavedFactorParts{0, 10, 11};

// From the second NFactorMode to TimberShearStiffness: where a version 3 file ends.
template <class Io>
void TransferFactorsAndSectionLines(Io& io, const BeamFileData& d) {
  io.Int32(d.units.NFactorMode);
  for (std::size_t part : kSavedFactorParts)
    io.Single(d.steel.PartN[part]);
  for (std::size_t part : kSavedFactorParts)
    io.Single(d.steel.PartM[part]);
  io.TextSlots(d.project.timber.TimberSummaryLines, 0, 40);
  io.TextSlots(d.project.section.PropertyLines, 0, 50);
  io.Single(d.project.timber.TimberShearStiffness);
}

}  // namespace trabeo::beam_file
