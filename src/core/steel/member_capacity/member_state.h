#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design_code.h"
#include "model/national_annex.h"
#include "model/section_class.h"
#include "model/section_kind.h"
#include "model/steel_grade.h"

namespace trabeo {

inline constexpr int kMemberLineCapacity = 50;  // every detail and summary line
inline constexpr int kMemberDetailLines = 100;
inline constexpr int kMemberSummaryLines = 10;
inline constexpr int kMemberBoxTextCapacity = 20;  // box and label texts kept in the file
inline constexpr int kCurveLetterCapacity = 10;

// A list of result lines of at most 50 characters with the count of lines in use. Lines past
// the list's size are dropped rather than written out of bounds.
template <int N>
struct MemberLines {
  std::array<std::string, N> lines{};
  int32_t count = 0;

  void Add(std::string_view text);
  void Gap() { Add(""); }
  void Clear();
  bool empty() const { return count <= 0; }
  // The lines in use, in order.
  std::vector<std::string> InUse() const;

  friend bool operator==(const MemberLines&, const MemberLines&) = default;
};

using DetailList = MemberLines<kMemberDetailLines>;
using SummaryList = MemberLines<kMemberSummaryLines>;

// The detail lists in the order the member file keeps them.
enum class DetailKind { SectionData, MomentXX, MomentYY, AxialXX, AxialYY, Bearing, Combined };
inline constexpr int kDetailKinds = 7;
// The summary lists in the order the member file keeps them.
enum class SummaryKind { MomentXX, MomentYY, AxialXX, AxialYY, Combined, Bearing };
inline constexpr int kSummaryKinds = 6;

// The picked section's values (McSection), single precision as the section record holds them,
// in the member file's order. Zxx and Zyy are derived from the second moments when picked.
struct MemberSection {
  float Width = 0;
  float Depth = 0;
  float WebThk = 0;
  float FlgThk = 0;
  float RootRad = 0;
  float WebDepth = 0;
  float Outstand = 0;
  float FlgAngle = 0;  // degrees
  float E = 0;
  float Area = 0;
  float Ixx = 0;
  float Iyy = 0;
  float Rx = 0;
  float Ry = 0;
  float Zxx = 0;
  float Zyy = 0;
  float K = 0;
  float TorsionFibre = 0;
  float Cy = 0;
  float Cs = 0;
  float Sxx = 0;
  float Syy = 0;
  float u = 0;
  float x = 0;
  float H = 0;
  float Extra = 0;

  friend bool operator==(const MemberSection&, const MemberSection&) = default;
};

// The classification set "Mc": the values the design strength and class routines work from.
struct MemberClassSet {
  float D = 0;
  float T = 0;
  std::optional<SteelGrade> grade = SteelGrade::S275;  // none for a file's unknown number
  float B = 0;
  float t = 0;
  float r1 = 0;
  float d = 0;
  float py = 0;
  float E = 0;
  float b = 0;

  friend bool operator==(const MemberClassSet&, const MemberClassSet&) = default;
};

// The texts of the window's boxes and labels, under the controls' names. The calculations read
// their inputs from these texts, as the window does.
struct MemberFormTexts {
  std::string lbl_Desc;  // " " + the picked designation, up to 50 characters
  std::string lbl_SectionTypeA;
  std::string lbl_SectionTypeX;
  std::string lbl_SectionTypeY;
  std::string Edit_Py;
  std::string Edit_E;
  std::string Edit_b1;
  std::string lbl_n1;
  std::string lbl_n2;
  std::string Edit_Le;      // m
  std::string Edit_Axial;   // kN, or "T" for the torsion calculation
  std::string Edit_MomAxx;  // kN-m, End 1
  std::string Edit_MomAyy;
  std::string Edit_MomBxx;  // End 2
  std::string Edit_MomByy;

  friend bool operator==(const MemberFormTexts&, const MemberFormTexts&) = default;
};

// The inputs only the EN 1993-1-1 check takes; it shares the grade, the common effective length,
// the axial load and the end moments with BS 5950. Lengths in m, the shear in kN, as typed.
struct MemberEc3Inputs {
  NationalAnnex annex = NationalAnnex::UK;
  std::string Edit_Lcry;  // blank: the common effective length
  std::string Edit_Lcrz;
  std::string Edit_LLT;
  std::string Edit_VEd;
  std::string Edit_C1;  // blank: from the end moments about y-y
  bool Check_Destabilising = false;
  bool Check_Restrained = false;

  friend bool operator==(const MemberEc3Inputs&, const MemberEc3Inputs&) = default;
};

// Questions already answered, so that a combined calculation asks each one once.
struct MemberAskedFlags {
  int32_t CombinedRunning = 0;
  int32_t Spare1 = 0;
  int32_t CurveAskedY = 0;
  int32_t CurveAskedX = 0;
  int32_t StrutLengthAskedX = 0;
  int32_t StrutLengthAskedY = 0;
  int32_t LtbLengthAsked = 0;
  int32_t Spare2 = 0;

  friend bool operator==(const MemberAskedFlags&, const MemberAskedFlags&) = default;
};

// Results that the window and the batch front end show but the member file does not keep.
struct MemberExtraResults {
  double StressPcx = 0;  // pc about x-x, N/mm2
  double StressPcy = 0;
  double Pcy = 0;   // N; the file keeps Pcx in its place
  double MbXX = 0;  // lateral-torsional buckling resistance about x-x, N mm
  double Mbs = 0;   // for columns in simple construction, N mm
  std::optional<double> LocalSimplified;
  std::optional<double> LocalExact;
  std::optional<double> OverallSimplified;
  std::optional<double> OverallExact;
  double BucklingCapacity = 0;  // web buckling at the bearing, kN
  double BearingLambda = 0;
  double BearingPc = 0;
  std::string CurveX;  // the strut curve letter last used about x-x
  std::string CurveY;
  bool ListsEmptied = false;  // the last calculation stopped and emptied the shown lists
  // The end moments the window sketches (N mm: End 1 and End 2 about x-x, then about y-y) as
  // typed, once a combined check has accepted them; empty until then and after a check stopped
  // before. A moment left at 0 is sketched as none, not as the vanishing value the check uses.
  std::optional<std::array<double, 4>> SketchMoments;
  // The last EN 1993-1-1 check: its detail lines and its summary; empty until one is shown.
  std::vector<std::string> Ec3Details;
  std::vector<std::string> Ec3Summary;

  friend bool operator==(const MemberExtraResults&, const MemberExtraResults&) = default;
};

// Everything the member capacity window keeps between calculations and saves in its file.
struct MemberCapacityState {
  DesignCode code = DesignCode::BS5950;  // BS5950 or EN1993
  MemberEc3Inputs ec3;
  SectionKind McType = SectionKind::None;  // the section record's Type
  MemberClassSet McClassSet;
  // The classes as last evaluated; none where a class could not be evaluated.
  std::optional<SectionClass> ClassAxial;
  std::optional<SectionClass> ClassXX;
  std::optional<SectionClass> ClassYY;
  std::optional<SectionClass> ClassCombinedXX;
  std::optional<SectionClass> ClassCombinedYY;
  float CombinedWebLimit = 0;  // semi-compact web limit of the class under combined load
  MemberFormTexts texts;
  MemberSection McSection;
  float McLeLtb = 0;  // mm
  float McLeSpare = 0;
  float McLeX = 0;
  float McLeY = 0;
  float McN = 1;
  std::array<SummaryList, kSummaryKinds> summaries{};
  float Mcx = 0;  // N mm
  float Mcy = 0;
  float Pcx = 0;              // N
  float BearingCapacity = 0;  // kN
  std::array<DetailList, kDetailKinds> details{};
  MemberAskedFlags asked;
  std::string McCurveX;  // strut curve letters, "a" to "d"
  std::string McCurveY;
  int32_t InputError = 0;
  MemberExtraResults extra;

  DetailList& Detail(DetailKind kind) { return details[static_cast<std::size_t>(kind)]; }
  const DetailList& Detail(DetailKind kind) const {
    return details[static_cast<std::size_t>(kind)];
  }
  SummaryList& Summary(SummaryKind kind) { return summaries[static_cast<std::size_t>(kind)]; }
  const SummaryList& Summary(SummaryKind kind) const {
    return summaries[static_cast<std::size_t>(kind)];
  }
  bool SectionLoaded() const { return McSection.Width != 0; }

  friend bool operator==(const MemberCapacityState&, const MemberCapacityState&) = default;
};

}  // namespace trabeo
