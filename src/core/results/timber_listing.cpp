#include "results/timber_listing.h"

#include <cmath>

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "timber/timber_check.h"

namespace trabeo {
namespace {

// Part indices of the three segments in SegmentPeaks.
constexpr std::size_t kLhPart = 0;
constexpr std::size_t kSpanPart = 10;
constexpr std::size_t kRhPart = 11;

constexpr int kTorsionNoteIndent = 41;

// The check sections go to the list and to TimberPrintLines with different blank lines, so the
// two are written side by side: a line goes to both, a blank to one of them.
class CheckLines {
 public:
  CheckLines(ListingLines& list, PrintLineStore<51>& store) : list_(list), store_(store) {}

  void Line(const std::string& text) {
    list_.push_back(text);
    store_.Set(next_++, text);
  }
  void ListBlank(const char* text) { list_.emplace_back(text); }
  void StoreBlanks(int count) {
    for (int i = 0; i < count; ++i)
      store_.Set(next_++, "");
  }
  void Finish() { store_.SetCount(next_); }

 private:
  ListingLines& list_;
  PrintLineStore<51>& store_;
  int next_ = 1;
};

// One segment's largest shear, moment and deflection, its length and its deflection limit.
struct SegmentCheck {
  const char* name;
  float shear;
  float moment;
  double deflection;  // 0 counts as 1e-16
  double length;
  double limit;  // deflection / length allowed
  const char* momentLabel;
  const char* deflectionLabel;
  const char* deflectionHigh;
};

std::string ShearText(double internal, const UnitSettings& u) {
  return ShowValueWithUnit(u, UnitQuantity::Shear, internal, SigFig4);
}
std::string MomentText(double internal, const UnitSettings& u) {
  return ShowValueWithUnit(u, UnitQuantity::Moment, internal, SigFig4);
}

void WriteSegment(const ListingContext& context, const TimberListingInputs& timber,
                  const SegmentCheck& s, CheckLines& out) {
  const UnitSettings& u = context.units;
  const TimberBeamValues& t = context.project.timber;
  const SectionValues& section = context.project.section;
  out.Line(s.name);
  out.Line(" Max Shear = " + ShearText(s.shear, u));
  out.Line(" Max Permissible Shear = " + ShearText(t.TimberPermShear, u));
  out.Line(" Shear = " + FixedPointText(static_cast<double>(s.shear) / t.TimberPermShear, 3) +
           " x permissible" +
           (s.shear >= t.TimberPermShear ? "                 SHEAR TOO HIGH"
                                         : "                 SHEAR OK"));
  out.StoreBlanks(1);
  out.Line(s.momentLabel + MomentText(s.moment, u));
  out.Line(" Max Permissible Moment = " + MomentText(t.TimberPermMoment, u));
  const double momentRatio = static_cast<double>(s.moment) / t.TimberPermMoment;
  out.Line(" Bending Moment = " +
           (std::isfinite(momentRatio) ? SigFig3Dec3(momentRatio) : std::string(kOverflowText)) +
           " x permissible" +
           (s.moment >= t.TimberPermMoment ? "        BENDING MOMENT TOO HIGH"
                                           : "        BENDING MOMENT OK "));
  if (timber.TimberCheckFailed == 0 &&
      IsNarrowTimberSection(section.TimberWidth, section.TimberDepth)) {
    out.Line(std::string(kTorsionNoteIndent, ' ') + kTimberTorsionNote);
  }
  const double deflection = RatioDivisor(s.deflection);
  out.Line(s.deflectionLabel +
           ShowValueWithUnit(u, UnitQuantity::Deflection, deflection, SigFig3Dec3));
  std::string ratio = " deflection/span ratio = 1/" + SigFig3(s.length / deflection);
  if (deflection / s.length > s.limit) ratio += s.deflectionHigh;
  out.Line(ratio);
}

void WriteTimberCheckLines(const ListingContext& context, const TimberListingInputs& timber,
                           ListingLines& list, ListingStores& stores) {
  const BeamModel& model = context.model();
  const auto& peaks = context.results.SegmentPeaks;
  CheckLines out(list, stores.TimberPrintLines);
  out.Line(" CODE CHECK DATA");
  if (model.LhCantilever.IsPresent()) {
    WriteSegment(context, timber,
                 {"LHC", peaks[0][kLhPart], peaks[1][kLhPart], context.lhLargestDeflection,
                  model.LhCantilever.Length, 1.0 / 180, " Max bending Moment = ", " Deflection =  ",
                  "               LHC DEFLECTION HIGH"},
                 out);
    out.StoreBlanks(2);
  }
  out.ListBlank(" ");
  // The span's deflection is its largest including the shear deflection, as the results at
  // twentieths show it: the deflection limit is on the whole deflection of a timber beam.
  WriteSegment(context, timber,
               {"SPAN", peaks[0][kSpanPart], peaks[1][kSpanPart], peaks[2][kSpanPart],
                model.MainSpan.Length, 1.0 / 360,
                " Max Bending Moment = ", " Deflection =  ", "               SPAN DEFLECTION HIGH"},
               out);
  out.ListBlank("");
  out.StoreBlanks(2);
  if (model.RhCantilever.IsPresent()) {
    WriteSegment(context, timber,
                 {"RHC", peaks[0][kRhPart], peaks[1][kRhPart], context.rhLargestDeflection,
                  model.RhCantilever.Length, 1.0 / 180, " Max bending Moment = ", " deflection =  ",
                  "               RHC DEFLECTION HIGH"},
                 out);
  }
  out.ListBlank(" ");
  out.ListBlank(" ");
  out.Finish();
}

}  // namespace

void WriteTimberSummaryBlock(const ListingContext& context, TimberListingInputs& timber,
                             ListingLines& list, ListingStores& stores) {
  const BeamResults& r = context.results;
  const UnitSettings& u = context.units;
  const SectionValues& section = context.project.section;
  const TimberVerdictTexts verdict =
      EvaluateTimberVerdict(context.project.timber, section.TimberWidth, section.TimberDepth, r);
  timber.TimberCodeLine = verdict.TimberCodeLine;
  timber.TimberVerdict = verdict.TimberVerdict;
  timber.TimberTorsionNote = verdict.TimberTorsionNote;
  timber.TimberCheckFailed = verdict.TimberCheckFailed;

  const auto deflection = [&](double value) {
    return ShowValueWithUnit(u, UnitQuantity::Deflection, value, SigFig4);
  };
  StoreBlock block(list, stores.SummaryPrintLines);
  block.LineThenBlank(" BEAM   " + section.SectionDescription);
  block.Line(timber.TimberCodeLine);
  block.Line(timber.TimberVerdict);
  if (timber.TimberTorsionNote.empty()) {
    block.Line(timber.TimberTorsionNote);
  } else {
    block.LineThenBlank(timber.TimberTorsionNote);
  }
  block.Line(" LH Reaction = " + ShearText(r.Reactions[0], u));
  block.LineThenBlank(" RH Reaction = " + ShearText(r.Reactions[1], u));
  block.LineThenBlank(" Max Shear = " + ShearText(r.ShearExtremes[0], u), " ");
  block.Line(" Max Sagging Moment = " + MomentText(r.MomentExtremes[2], u));
  block.LineThenBlank(" Max Hogging Moment = " + MomentText(r.MomentExtremes[1], u), " ");
  block.Line(" Maximum +ve deflection = " + deflection(r.DeflectionExtremes[2]));
  block.LineThenBlank(" Maximum -ve deflection = " + deflection(r.DeflectionExtremes[1]), " ");
  block.Finish();

  WriteTimberCheckLines(context, timber, list, stores);
}

void WriteTimberSectionLines(const ListingContext& context, const TimberListingInputs&,
                             ListingLines& list) {
  const auto& lines = context.project.timber.TimberSummaryLines;
  for (int slot = 1; slot <= lines.Count() && slot < lines.kSlots; ++slot)
    list.push_back(lines[slot]);
}

void StoreTimberVerdict(const TimberListingInputs& timber, TimberBeamValues& values) {
  values.TimberCodeLine = timber.TimberCodeLine;
  values.TimberVerdict = timber.TimberVerdict;
  values.TimberTorsionNote = timber.TimberTorsionNote;
  values.TimberCheckFailed = timber.TimberCheckFailed;
}

}  // namespace trabeo
