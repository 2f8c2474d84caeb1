#include "steel/member_capacity/member_file.h"

#include <array>
#include <cstdint>
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

// The design code travels in the text slot of block 10 that BS 5950 files always leave empty and
// that every reader reads and discards: "EN1993 UK" or "EN1993 Recommended" under EN 1993-1-1;
// empty, as in every file written before the choice, for BS 5950. BS 5950 files therefore stay
// byte for byte what they were, and older files open as BS 5950.
constexpr std::string_view kEn1993CodeText = "EN1993";

std::string CodeSlotText(const MemberCapacityState& s) {
  if (s.code != DesignCode::EN1993) return {};
  return std::string(kEn1993CodeText) + " " + std::string(NationalAnnexName(s.ec3.annex));
}

void ReadCodeSlot(const std::string& text, MemberCapacityState& s) {
  if (!text.starts_with(kEn1993CodeText)) {
    s.code = DesignCode::BS5950;
    return;
  }
  s.code = DesignCode::EN1993;
  const std::string_view annex = std::string_view(text).substr(kEn1993CodeText.size());
  s.ec3.annex =
      NationalAnnexFromName(annex.empty() ? annex : annex.substr(1)).value_or(NationalAnnex::UK);
}

// The inputs only EN 1993-1-1 takes go in the first slots of the closing marker block, which no
// reader of today's files reads; a BS 5950 file keeps its whole marker. Switches are "1" or "0";
// the last slot says whether a check was shown, which opening the file shows again.
constexpr int kEc3Slots = 8;

template <typename Fields, typename Inputs>
void VisitEc3Inputs(Fields& f, Inputs& e, std::string& checkShown) {
  std::string destabilising = e.Check_Destabilising ? "1" : "0";
  std::string restrained = e.Check_Restrained ? "1" : "0";
  for (auto* text : {&e.Edit_Lcry, &e.Edit_Lcrz, &e.Edit_LLT, &e.Edit_VEd, &e.Edit_C1})
    f.Text(*text, kShortTextCapacity);
  f.Text(destabilising, kShortTextCapacity);
  f.Text(restrained, kShortTextCapacity);
  f.Text(checkShown, kShortTextCapacity);
  if constexpr (!std::is_const_v<Inputs>) {
    e.Check_Destabilising = destabilising == "1";
    e.Check_Restrained = restrained == "1";
  }
}

template <typename Fields, typename Contents, typename Float, typename Text>
void VisitBody(Fields& f, Contents& c, Float& spareSingle, Text& codeText) {
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
  for (auto* text : {&t.lbl_SectionTypeA, &t.lbl_SectionTypeX, &t.lbl_SectionTypeY, &codeText,
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
  // Five flags of the combined check's passes, set only while a check runs and so always 0
  // in a file: written as zeros and skipped when read.
  std::array<int32_t, 5> passFlags{};
  for (int32_t& flag : passFlags)
    f.Int(flag);
}

}  // namespace

std::vector<uint8_t> EncodeMemberFile(const MemberFileContents& contents) {
  WriteFields f;
  f.Text(std::string(kMemberFileVersion), kVersionCapacity);
  const float pcxAgain = contents.state.Pcx;
  const std::string codeText = CodeSlotText(contents.state);
  VisitBody(f, contents, pcxAgain, codeText);
  // The file ends in a marker block that readers skip.
  int markers = kMarkerCount;
  if (contents.state.code == DesignCode::EN1993) {
    std::string checkShown = contents.state.extra.Ec3Details.empty() ? "0" : "1";
    VisitEc3Inputs(f, contents.state.ec3, checkShown);
    markers -= kEc3Slots;
  }
  for (int i = 0; i < markers; ++i)
    f.Text(std::string(kFileMarker), kShortTextCapacity);
  return f.bytes();
}

MemberFileRead DecodeMemberFile(std::span<const uint8_t> bytes, MemberFileContents& contents) {
  ReadFields f(bytes);
  std::string version;
  f.Text(version, kVersionCapacity);
  if (!f.ok() || version != kMemberFileVersion) return {};
  float spare = 0;
  std::string codeText;
  VisitBody(f, contents, spare, codeText);
  ReadCodeSlot(codeText, contents.state);
  if (f.ok() && contents.state.code == DesignCode::EN1993) {
    std::string checkShown;
    VisitEc3Inputs(f, contents.state.ec3, checkShown);
    contents.ec3CheckShown = f.ok() && checkShown == "1";
  }
  return {true, f.ok()};
}

}  // namespace trabeo
