#include "steel/member_capacity/combined.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "settings/sig_fig.h"
#include "steel/member_capacity/bending.h"
#include "steel/member_capacity/combined_class.h"
#include "steel/member_capacity/compression.h"
#include "steel/member_capacity/member_format.h"
#include "steel/member_capacity/reduced_moduli.h"

namespace trabeo {
namespace {

// Zero inputs stand as a vanishing value so that the ratios and beta stay defined.
constexpr double kVanishing = 1e-13;

struct Loads {
  double F, M1x, M2x, M1y, M2y, Mx, My;
};

// Sets the window's "combined check running" flag for as long as the check lasts.
class PassFlag {
 public:
  explicit PassFlag(int32_t& flag) : flag_(flag) { flag_ = 1; }
  ~PassFlag() { flag_ = 0; }
  PassFlag(const PassFlag&) = delete;
  PassFlag& operator=(const PassFlag&) = delete;

 private:
  int32_t& flag_;
};

double OrVanishing(double value) {
  return value == 0 ? kVanishing : value;
}

std::string Verdict(double value, std::string_view ok, std::string_view fails) {
  return std::string(value < 1 ? ok : fails);
}

// The summary verdict of a pair of checks; an exact check not evaluated counts as 0.
std::string PairVerdict(double simplified, double exact, std::string_view ok, std::string_view both,
                        std::string_view simplifiedFails, std::string_view exactFails) {
  if (simplified <= 1 && exact <= 1) return std::string(ok);
  if (simplified > 1 && exact >= 1) return std::string(both);
  return std::string(simplified > 1 ? simplifiedFails : exactFails);
}

void ClassLines(DetailList& out, SectionClass cls, std::string_view axis) {
  out.Add(" Section is " + std::string(SectionClassText(cls)));
  out.Add(" for combined compression and ");
  out.Add(" bending about " + std::string(axis));
}

// The more exact local check, with the reduced plastic moduli; 0 where it does not apply (a
// section that cannot reach its plastic moment, or moduli that cannot be reduced), nothing when
// the calculation stopped.
std::optional<double> ExactLocalCapacity(MemberContext& c, const Loads& L, double py, double Mcx,
                                         double Mcy) {
  MemberCapacityState& s = c.s;
  if (!ReachesPlasticMoment(*s.ClassCombinedXX) || !ReachesPlasticMoment(*s.ClassCombinedYY))
    return 0.0;
  const std::optional<ReducedModuli> reduced = ReducedPlasticModuli(c, L.F, py);
  if (s.InputError != 0) return std::nullopt;
  if (!reduced) return 0.0;
  const double Mrx = std::min(reduced->Srx * py, Mcx);
  const double Mry = std::min(reduced->Sry * py, Mcy);
  const double exact = std::pow(L.Mx / Mrx, reduced->z1) + std::pow(L.My / Mry, reduced->z2);
  DetailList& out = s.Detail(DetailKind::Combined);
  out.Add(" More exact approach");
  out.Add(" Reduced Plastic Moduli");
  out.Add(" Srx = " + CubicCm(reduced->Srx) + " cm^3");
  out.Add(" Sry = " + CubicCm(reduced->Sry) + " cm^3");
  out.Add(" Mx = " + KiloNewtonMetres(L.Mx) + " kN-m");
  out.Add(" Mrx = " + KiloNewtonMetres(Mrx) + " kN-m");
  out.Add(" Z1 = " + SigFig3(reduced->z1));
  out.Add(" My = " + KiloNewtonMetres(L.My) + " kN-m");
  out.Add(" Mry = " + KiloNewtonMetres(Mry) + " kN-m");
  out.Add(" Z2 = " + SigFig3(reduced->z2));
  out.Add(" (Mx/Mrx)^Z1 + (My/Mry)^Z2 = " + SigFig3(exact));
  out.Add(Verdict(exact, " Local Capacity OK", " Local Capacity Check Fails"));
  s.extra.LocalExact = exact;
  return exact;
}

bool LocalCapacityCheck(MemberContext& c, const Loads& L, double py) {
  MemberCapacityState& s = c.s;
  DetailList& out = s.Detail(DetailKind::Combined);
  const MemberSection& sec = s.McSection;
  out.Add(" LOCAL CAPACITY CHECK");
  const double Mcx = SectionMomentCapacity(c, MemberAxis::XX, *s.ClassCombinedXX);
  const double Mcy = SectionMomentCapacity(c, MemberAxis::YY, *s.ClassCombinedYY);
  s.Mcx = static_cast<float>(Mcx);
  s.Mcy = static_cast<float>(Mcy);
  DetailList scratch;
  const std::optional<StrutResult> strutX = RunStrutCalculation(c, MemberAxis::XX, scratch);
  if (!strutX) return false;
  if (L.F > strutX->Pc) c.dialogs.Message(kExceedsColumnCapacityMessage);

  const double simplified = L.F / (sec.Area * py) + L.Mx / Mcx + L.My / Mcy;
  out.Add(" Simplified approach");
  out.Add(" F = " + KiloNewtons(L.F) + " kN");
  out.Add(" Area = " + SquareCm(sec.Area) + " cm^2");
  out.Add(" py = " + Stress(py) + " N/mm^2");
  out.Add(" Mx = " + KiloNewtonMetres(L.Mx) + " kN-m");
  out.Add(" Mcx = " + KiloNewtonMetres(Mcx) + " kN-m");
  out.Add(" My = " + KiloNewtonMetres(L.My) + " kN-m");
  out.Add(" Mcy = " + KiloNewtonMetres(Mcy) + " kN-m");
  out.Add(" F/A py + Mx/Mcx + My/Mcy = " + SigFig3(simplified));
  out.Add(Verdict(simplified, " Local Capacity OK", " Local Capacity Check Fails"));
  s.extra.LocalSimplified = simplified;

  const std::optional<double> exact = ExactLocalCapacity(c, L, py, Mcx, Mcy);
  if (!exact) return false;
  s.Summary(SummaryKind::Combined)
      .Add(PairVerdict(
          simplified, *exact, "  Local Capacity OK", "  Both Local Capacity Checks Fail",
          "  Simplified local capacity check fails ", "  More exact local capacity check fails"));
  return true;
}

// The moment about x-x that the buckling checks divide by. Boxes and tubes do not buckle
// laterally within their length limit: Mb is their moment capacity (by class, with the 1.2 Z py
// limit), not S py, which would overstate a semi-compact or slender wall.
std::optional<double> OverallBucklingMoment(MemberContext& c, double Mcx, DetailList& scratch) {
  MemberCapacityState& s = c.s;
  DetailList& out = s.Detail(DetailKind::Combined);
  if (!IsISectionKind(s.McType)) {
    out.Add(" Mb = " + KiloNewtonMetres(Mcx) + " kN-m");
    return Mcx;
  }
  double le = 0;
  const std::optional<double> Mb =
      BucklingResistanceMoment(c, *s.ClassCombinedXX, false, scratch, le);
  if (!Mb) return std::nullopt;
  s.extra.MbXX = *Mb;
  out.Add(" Mb = " + KiloNewtonMetres(*Mb) + " kN-m (Le = " + Metres(le) + " m)");
  return Mb;
}

struct OverallFactors {
  double mx, my;        // equivalent uniform moment factors
  double Mcx, Mcy, Mb;  // N mm
  StrutResult strutX, strutY;
};

double SimplifiedOverallBuckling(MemberContext& c, const Loads& L, double py,
                                 const OverallFactors& k) {
  MemberCapacityState& s = c.s;
  DetailList& out = s.Detail(DetailKind::Combined);
  const double Pc = std::min(k.strutX.Pc, k.strutY.Pc);
  double simplified = L.F / Pc + k.mx * L.Mx / k.Mb + k.my * L.My / (s.McSection.Zyy * py);
  if (simplified < 0.001) simplified = 0;
  out.Add(" pc = " + Stress(Pc / s.McSection.Area) + " N/mm^2");
  out.Add(" F/Area pc + m Mx/Mb +  ");
  out.Add(" m My/Zy py = " + SigFig3(simplified));
  out.Add(Verdict(simplified, " Overall buckling OK", " Overall buckling check fails"));
  s.extra.OverallSimplified = simplified;
  return simplified;
}

std::optional<double> ExactOverallBuckling(MemberContext& c, const Loads& L,
                                           const OverallFactors& k) {
  MemberCapacityState& s = c.s;
  DetailList& out = s.Detail(DetailKind::Combined);
  out.Add(" More Exact approach");
  out.Add(" Pcx = " + KiloNewtons(k.strutX.Pc) + " kN  (Le = " + Metres(k.strutX.LE) + " m)");
  out.Add(" Pcy = " + KiloNewtons(k.strutY.Pc) + " kN  (Le = " + Metres(k.strutY.LE) + " m)");
  // Past either compression resistance the reduced moments turn negative and the interaction
  // would read as a pass; the load is refused instead.
  if (L.F > k.strutY.Pc || L.F > k.strutX.Pc) {
    c.dialogs.Message(kAppliedAxialTooHighMessage);
    c.Stop(true);
    return std::nullopt;
  }
  const double rx = L.F / k.strutX.Pc;
  const double ry = L.F / k.strutY.Pc;
  const double Max = std::min(k.Mcx * (1 - rx) / (1 + 0.5 * rx), k.Mb * (1 - ry));
  const double May = k.Mcy * (1 - ry) / (1 + 0.5 * ry);
  double exact = k.mx * L.Mx / Max + k.my * L.My / May;
  if (exact < 0.015) exact = 0;
  out.Add(" Max = " + KiloNewtonMetres(Max) + " kN-m");
  out.Add(" May = " + KiloNewtonMetres(May) + " kN-m");
  out.Add(" m Mx/Max + m My/May = " + SigFig3(exact));
  out.Add(Verdict(exact, " Overall Buckling OK", " Overall Buckling Check Fails"));
  s.extra.OverallExact = exact;
  return exact;
}

// Mbs of columns in simple construction, given with I sections for the engineer to use.
bool SimpleConstructionMoment(MemberContext& c, DetailList& scratch) {
  MemberCapacityState& s = c.s;
  DetailList& out = s.Detail(DetailKind::Combined);
  double le = 0;
  const std::optional<double> Mbs =
      BucklingResistanceMoment(c, *s.ClassCombinedXX, true, scratch, le);
  if (!Mbs) return false;
  s.extra.Mbs = *Mbs;
  out.Add(" for columns in \"simple\"");
  out.Add(" construction ");
  out.Add(" (Lambda LT = Lambda / 2)");
  out.Add(" Mbs = " + KiloNewtonMetres(*Mbs) + " kN-m (Le = " + Metres(le) + " m)");
  return true;
}

// A box other than square may be longer than its lateral-torsional buckling limit allows.
bool BoxBeyondLengthLimit(const MemberCapacityState& s, double py, double LE) {
  if (s.McType != SectionKind::Box || s.McSection.Width == s.McSection.Depth) return false;
  const std::optional<double> lmax = BoxLengthLimit(s.McSection, py);
  return lmax && *lmax < LE;
}

bool OverallBucklingCheck(MemberContext& c, const Loads& L, double py) {
  MemberCapacityState& s = c.s;
  DetailList& out = s.Detail(DetailKind::Combined);
  out.Add(" OVERALL BUCKLING CHECK");
  const double betaX = EndMomentRatio(L.M1x, L.M2x);
  const double betaY = EndMomentRatio(L.M1y, L.M2y);
  OverallFactors k{};
  k.mx = EquivalentMomentFactor(betaX);
  k.my = EquivalentMomentFactor(betaY);
  out.Add(" Beta x-x = " + SigFig3(betaX));
  out.Add(" Beta y-y = " + SigFig3(betaY));
  out.Add(" m x-x = " + SigFig3(k.mx));
  out.Add(" m y-y = " + SigFig3(k.my));
  out.Add(" n = 1");
  out.Add(" F = " + KiloNewtons(L.F) + " kN");

  DetailList scratch;
  const std::optional<StrutResult> strutX = RunStrutCalculation(c, MemberAxis::XX, scratch);
  if (!strutX) return false;
  const std::optional<StrutResult> strutY = RunStrutCalculation(c, MemberAxis::YY, scratch);
  if (!strutY) return false;
  if (BoxBeyondLengthLimit(s, py, strutX->LE)) {
    c.dialogs.Message(kOutsideParametersMessage);
    c.Stop(true);
    return false;
  }
  k.strutX = *strutX;
  k.strutY = *strutY;
  k.Mcx = SectionMomentCapacity(c, MemberAxis::XX, *s.ClassCombinedXX);
  k.Mcy = SectionMomentCapacity(c, MemberAxis::YY, *s.ClassCombinedYY);
  out.Add(" Mcx = " + KiloNewtonMetres(k.Mcx) + " kN-m");
  out.Add(" Mcy = " + KiloNewtonMetres(k.Mcy) + " kN-m");
  const std::optional<double> Mb = OverallBucklingMoment(c, k.Mcx, scratch);
  if (!Mb) return false;
  k.Mb = *Mb;

  const double simplified = SimplifiedOverallBuckling(c, L, py, k);
  const std::optional<double> exact = ExactOverallBuckling(c, L, k);
  if (!exact) return false;
  s.Summary(SummaryKind::Combined)
      .Add(PairVerdict(simplified, *exact, "  Overall Buckling OK",
                       "  Both Overall Buckling Checks Fail",
                       "  Simplified Overall Buckling Check Fails",
                       "  More Exact Overall Buckling Check Fails"));
  return !IsISectionKind(s.McType) || SimpleConstructionMoment(c, scratch);
}

bool HasCombinedValues(const MemberSection& sec, const MemberInputs& in) {
  return sec.Area > 0 && in.py > 0 && in.E > 0 && sec.WebThk > 0 && sec.Width > 0;
}

// Shows the message and ends the calculation with nothing listed; false, to end the pass.
bool StopWith(MemberContext& c, std::string_view message) {
  c.dialogs.Message(message);
  c.Stop(false);
  return false;
}

void EchoEndMoments(DetailList& out, const MemberInputs& in) {
  out.Add(" Applied End Moments about x-x");
  out.Add(" End 1 Mxx = " + KiloNewtonMetres(in.M1x) + " kN-m");
  out.Add(" End 2 Mxx = " + KiloNewtonMetres(in.M2x) + " kN-m");
  out.Add(" Applied End Moments about y-y");
  out.Add(" End 1 Myy = " + KiloNewtonMetres(in.M1y) + " kN-m");
  out.Add(" End 2 Myy = " + KiloNewtonMetres(in.M2y) + " kN-m");
}

Loads CombinedLoads(const MemberInputs& in) {
  Loads L{OrVanishing(in.F),
          OrVanishing(in.M1x),
          OrVanishing(in.M2x),
          OrVanishing(in.M1y),
          OrVanishing(in.M2y),
          0,
          0};
  L.Mx = std::max(std::abs(L.M1x), std::abs(L.M2x));
  L.My = std::max(std::abs(L.M1y), std::abs(L.M2y));
  return L;
}

bool RunCombinedPasses(MemberContext& c) {
  MemberCapacityState& s = c.s;
  DetailList& out = s.Detail(DetailKind::Combined);
  const MemberSection& sec = s.McSection;
  out.Add(" COMPRESSION MEMBER ");
  out.Add(" WITH END MOMENTS");
  out.Gap();
  out.Add(" " + s.texts.lbl_Desc);
  out.Gap();
  if (RefuseUncheckedKind(c)) return false;
  const MemberInputs in = ReadMemberInputs(s.texts);
  if (!HasCombinedValues(sec, in)) return StopWith(c, kNoDataMessage);
  const double py = in.py;
  if (s.McType == SectionKind::Box && static_cast<double>(sec.Depth) / sec.Width > 4) {
    out.Add("  Section D/B is greater than 1/4");
    out.Add(" cannot evaluate max effective length");
    return true;
  }
  out.Add(" py = " + Stress(py) + " N/mm^2");
  out.Add(" E = " + Stress(in.E) + " N/mm^2");
  if (in.commonLe != 0) out.Add(" Common Le = " + Metres(in.commonLe) + " m");
  out.Gap();
  if (in.F > py * sec.Area) return StopWith(c, kAxialLoadTooHighMessage);
  out.Add(" Applied Axial Load = " + KiloNewtons(in.F) + " kN");
  if (in.M1x < 0 || in.M1y < 0) return StopWith(c, kEndOnePositiveMessage);
  EchoEndMoments(out, in);
  const Loads L = CombinedLoads(in);
  s.extra.SketchMoments = std::array<double, 4>{in.M1x, in.M2x, in.M1y, in.M2y};
  if (L.F < 0) return StopWith(c, kTensionMessage);
  const std::optional<CombinedClass> combined = ClassifyForCombinedLoad(s, L.F, py);
  if (!combined) return StopWith(c, kNoDataMessage);
  s.ClassCombinedXX = s.ClassCombinedYY = combined->sectionClass;
  s.CombinedWebLimit = static_cast<float>(combined->webLimit);
  ClassLines(out, *s.ClassCombinedXX, "x-x");
  ClassLines(out, *s.ClassCombinedYY, "y-y");
  if (!LocalCapacityCheck(c, L, py)) return false;
  return OverallBucklingCheck(c, L, py);
}

}  // namespace

double EndMomentRatio(double M1, double M2) {
  const bool secondLarger = std::abs(M2) >= std::abs(M1);
  const double large = secondLarger ? M2 : M1;
  const double small = secondLarger ? M1 : M2;
  if (large == 0) return small / 1;
  return small / large;
}

double EquivalentMomentFactor(double beta) {
  return std::max(0.43, 0.57 + 0.33 * beta + 0.1 * beta * beta);
}

bool RunCombinedCalculation(MemberContext& c) {
  MemberCapacityState& s = c.s;
  s.InputError = 0;
  s.extra.ListsEmptied = false;
  s.extra.LocalSimplified.reset();
  s.extra.LocalExact.reset();
  s.extra.OverallSimplified.reset();
  s.extra.OverallExact.reset();
  s.extra.SketchMoments.reset();
  s.Detail(DetailKind::Combined).Clear();
  s.Summary(SummaryKind::Combined).Clear();
  bool complete = false;
  {
    PassFlag combined(s.asked.CombinedRunning);
    complete = RunCombinedPasses(c);
  }
  if (!complete || s.InputError != 0) {
    // A check that stopped leaves no verdict behind.
    s.Summary(SummaryKind::Combined).Clear();
    s.extra.LocalSimplified.reset();
    s.extra.LocalExact.reset();
    s.extra.OverallSimplified.reset();
    s.extra.OverallExact.reset();
    return false;
  }
  return true;
}

}  // namespace trabeo
