#include "steel/member_capacity/member_file.h"

#include <type_traits>

#include "fileio/binary_reader.h"
#include "fileio/binary_writer.h"
#include "fileio/fixed_text.h"

namespace trabeo {
namespace {

constexpr int kVersionCapacity = 10;
constexpr int kMarkerCount = 1000;
constexpr std::string_view kFileMarker = "Rubbish";

// One routine serves writing and reading, so the two can never disagree on the layout: each
// field is visited in file order, written by the writer or read by the reader. A read that
// fails stops every later field.
class WriteFields {
 public:
  void Text(const std::string& text, int capacity) { w_.WriteFixedText(text, capacity); }
  void Single(const float& value) { w_.WriteSingle(value); }
  void Int(const int32_t& value) { w_.WriteInt32(value); }
  bool ok() const { return true; }
  std::vector<uint8_t> bytes() const { return w_.bytes(); }

 private:
  BinaryWriter w_;
};

class ReadFields {
 public:
  explicit ReadFields(std::span<const uint8_t> bytes) : r_(bytes) {}
  void Text(std::string& text, int capacity) { ok_ = ok_ && r_.ReadFixedText(text, capacity); }
  void Single(float& value) { ok_ = ok_ && r_.ReadSingle(value); }
  void Int(int32_t& value) { ok_ = ok_ && r_.ReadInt32(value); }
  bool ok() const { return ok_; }

 private:
  BinaryReader r_;
  bool ok_ = true;
};

template <typename Fields, typename Lines>
void VisitLines(Fields& f, Lines& list) {
  for (auto& line : list.lines)
    f.Text(line, kMemberLineCapacity);
  f.Int(list.count);
}

// The grade travels as its number (0 for none).
template <typename Fields, typename Grade>
void VisitGrade(Fields& f, Grade& grade) {
  int32_t number = grade ? SteelGradeNumber(*grade) : 0;
  f.Int(number);
  if constexpr (!std::is_const_v<Grade>) grade = SteelGradeFromNumber(number);
}

// A section class travels as its text, empty when there is none.
template <typename Fields, typename Class>
void VisitClass(Fields& f, Class& sectionClass) {
  std::string text(SectionClassText(sectionClass));
  f.Text(text, kShortTextCapacity);
  if constexpr (!std::is_const_v<Class>) sectionClass = SectionClassFromText(text);
}

// The section kind travels as its Type text.
template <typename Fields, typename Kind>
void VisitKind(Fields& f, Kind& kind) {
  std::string text(SectionKindText(kind));
  f.Text(text, kShortTextCapacity);
  if constexpr (!std::is_const_v<Kind>) kind = SectionKindFromText(text);
}

template <typename Fields, typename Contents, typename Float>
void VisitBody(Fields& f, Contents& c, Float& spareSingle) {
  auto& s = c.state;
  auto& h = c.header;
  for (auto* text : {&h.HeaderCompany, &h.HeaderUser, &h.HeaderProject1, &h.HeaderProject2,
                     &h.HeaderJobDesc, &h.HeaderJobRef})
    f.Text(*text, kHeaderTextCapacity);
  f.Text(s.texts.lbl_Desc, kMemberLineCapacity);
  VisitKind(f, s.McType);
  auto& set = s.McClassSet;
  f.Single(set.D);
  f.Single(set.T);
  VisitGrade(f, set.grade);
  for (auto* value : {&set.B, &set.t, &set.r1, &set.d, &set.py, &set.E, &set.b})
    f.Single(*value);
  for (auto* sectionClass :
       {&s.ClassAxial, &s.ClassXX, &s.ClassYY, &s.ClassCombinedXX, &s.ClassCombinedYY})
    VisitClass(f, *sectionClass);
  f.Single(s.CombinedWebLimit);
  f.Single(c.beamSectionArea);
  for (auto& label : c.modulusLabels)
    f.Text(label, kShortTextCapacity);
  auto& t = s.texts;
  std::conditional_t<std::is_const_v<Contents>, const std::string, std::string> alwaysEmpty{};
  for (auto* text : {&t.lbl_SectionTypeA, &t.lbl_SectionTypeX, &t.lbl_SectionTypeY, &alwaysEmpty,
                     &t.Edit_Py, &t.Edit_E, &t.Edit_b1, &t.lbl_n1, &t.lbl_n2, &t.Edit_Le,
                     &t.Edit_Axial, &t.Edit_MomAxx, &t.Edit_MomAyy, &t.Edit_MomBxx, &t.Edit_MomByy})
    f.Text(*text, kMemberBoxTextCapacity);
  auto& m = s.McSection;
  for (auto* value : {&m.Width,    &m.Depth,    &m.WebThk, &m.FlgThk, &m.RootRad, &m.WebDepth,
                      &m.Outstand, &m.FlgAngle, &m.E,      &m.Area,   &m.Ixx,     &m.Iyy,
                      &m.Rx,       &m.Ry,       &m.Zxx,    &m.Zyy,    &m.K,       &m.TorsionFibre,
                      &m.Cy,       &m.Cs,       &m.Sxx,    &m.Syy,    &m.u,       &m.x,
                      &m.H,        &m.Extra})
    f.Single(*value);
  for (auto* value : {&s.McLeLtb, &s.McLeSpare, &s.McLeX, &s.McLeY, &s.McN})
    f.Single(*value);
  for (auto& summary : s.summaries)
    VisitLines(f, summary);
  // Pcx is kept twice: the second slot is read into a spare, so Pcy is not restored.
  for (auto* value : {&s.Mcx, &s.Mcy, &s.Pcx, &spareSingle, &s.BearingCapacity})
    f.Single(*value);
  for (auto& detail : s.details)
    VisitLines(f, detail);
  auto& a = s.asked;
  for (auto* flag : {&a.CombinedRunning, &a.Spare1, &a.CurveAskedY, &a.CurveAskedX,
                     &a.StrutLengthAskedX, &a.StrutLengthAskedY, &a.LtbLengthAsked, &a.Spare2})
    f.Int(*flag);
  f.Text(s.McCurveX, kCurveLetterCapacity);
  f.Text(s.McCurveY, kCurveLetterCapacity);
  auto& p = s.passes;
  for (auto* flag : {&p.OverallCheckRunning, &p.YyMomentPass, &p.NOnePass, &p.HalfLambdaPass,
                     &p.LocalCheckRunning})
    f.Int(*flag);
}

}  // namespace

std::vector<uint8_t> EncodeMemberFile(const MemberFileContents& contents) {
  WriteFields f;
  f.Text(std::string(kMemberFileVersion), kVersionCapacity);
  const float pcxAgain = contents.state.Pcx;
  VisitBody(f, contents, pcxAgain);
  // The file ends in a marker block that readers skip.
  for (int i = 0; i < kMarkerCount; ++i)
    f.Text(std::string(kFileMarker), kShortTextCapacity);
  return f.bytes();
}

MemberFileRead DecodeMemberFile(std::span<const uint8_t> bytes, MemberFileContents& contents) {
  ReadFields f(bytes);
  std::string version;
  f.Text(version, kVersionCapacity);
  if (!f.ok() || version != kMemberFileVersion) return {};
  float spare = 0;
  VisitBody(f, contents, spare);
  return {true, f.ok()};
}

}  // namespace trabeo
