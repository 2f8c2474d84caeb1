#include "results/steel_part_sections.h"

#include <cmath>
#include <cstdio>

#include "results/steel_listing.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "steel/beam_check/check_parts.h"
#include "steel/beam_check/compliance.h"

namespace trabeo {
namespace {

// What changes between the kinds of section.
struct SectionStyle {
  std::string title;
  double length = 0;                // mm
  double effectiveLength = 0;       // mm
  std::string fullyRestrainedLine;  // in place of the effective length when it is 0; "" never
  const char* effectivePrefix = " Effective Length (Le) = ";
  const char* shearPrefix = " Max Factored Shear = ";
  Formatter forceFormat = SigFig4;  // of the shear and its limit
};

// A ratio to three decimals; an unbounded one (no limit or capacity) overflows like a number.
std::string RatioText(double ratio) {
  if (!std::isfinite(ratio) || ratio > 1e9) return kOverflowText;
  char text[32];
  std::snprintf(text, sizeof text, "%1.3f", ratio);
  return text;
}

class PartSectionWriter {
 public:
  PartSectionWriter(const ListingContext& context, const SteelCheckState& check)
      : context_(context), check_(check), units_(context.units) {}

  // Every line of the part's section up to its moment ratio, which is returned for the caller to
  // write with the blank lines that follow it.
  template <int Slots>
  std::string WriteChecks(StoreBlock<Slots>& block, const SectionStyle& style, int p) {
    const auto k = static_cast<std::size_t>(p);
    const PartPeaks peaks = PeaksOfPart(context_.results, check_, p);
    block.Line(style.title);
    block.Line(" Length = " + Length(style.length));
    if (style.effectiveLength == 0 && !style.fullyRestrainedLine.empty()) {
      block.Line(style.fullyRestrainedLine);
    } else {
      block.Line(style.effectivePrefix + Length(style.effectiveLength));
    }
    block.Line(style.shearPrefix + Shear(peaks.shear, style.forceFormat));
    const bool checked = check_.PartChecked[k] == 1;
    const PartRatios ratios = RatiosOfPart(context_.results, check_, p);
    block.Line(" \"Low\" Shear to clause 4.2.5 = " +
               (checked ? Shear(check_.PartShearLimit[k], style.forceFormat)
                        : std::string(kNotCheckedText)));
    block.Line(" Shear = " + RatioLine(checked, ratios.shear, "SHEAR TOO HIGH", "SHEAR OK", 20));
    block.Line(" Max Moment = " + Moment(peaks.moment));
    block.Line(" Max Allowable Moment = " +
               (checked ? Moment(check_.PartMb[k]) : std::string(kNotCheckedText)));
    if (checked) WriteMomentFactorLines(block, p, peaks.moment);
    return " Bending Moment = " +
           RatioLine(checked, ratios.moment, "BENDING MOMENT TOO HIGH", "BENDING MOMENT OK ", 11);
  }

 private:
  // The span's factor m and its equivalent moment; and, where the section's own capacity held
  // fully restrained is what the moment comes closest to, that capacity.
  template <int Slots>
  void WriteMomentFactorLines(StoreBlock<Slots>& block, int p, double moment) {
    const auto k = static_cast<std::size_t>(p);
    const double m = check_.PartM[k];
    if (p == 10 && m != 1) {
      block.Line(" m = " + SigFig4(m));
      block.Line(" Equivalent Max Moment (Mb x m) = " + SigFig4(moment * m * units_.MomentFactor));
    }
    const double Mb = check_.PartMb[k];
    const double Mc = check_.PartMc[k];
    if (Mc > 0 && Mc * m < Mb) block.Line(" Moment capacity fully restrained (Mc) = " + Moment(Mc));
  }

  static std::string RatioLine(bool checked, double ratio, const char* tooHigh, const char* ok,
                               int spaces) {
    if (!checked) return std::string(kNotCheckedText);
    return RatioText(ratio) + " x allowable" + std::string(static_cast<std::size_t>(spaces), ' ') +
           (ratio >= 1 ? tooHigh : ok);
  }

  std::string Length(double mm) const {
    return ShowValueWithUnit(units_, UnitQuantity::Length, mm, SigFig3);
  }
  std::string Shear(double newtons, Formatter format) const {
    return ShowValueWithUnit(units_, UnitQuantity::Shear, newtons, format);
  }
  std::string Moment(double newtonMillimetres) const {
    return ShowValueWithUnit(units_, UnitQuantity::Moment, newtonMillimetres, SigFig4);
  }

  const ListingContext& context_;
  const SteelCheckState& check_;
  const UnitSettings& units_;
};

template <int Slots>
void FinishWithTwoBlanks(StoreBlock<Slots>& block, const std::string& line) {
  block.LineThenBlank(line, "", 2);
  block.Finish();
}

}  // namespace

std::string SpanDeflectionLine(const ListingContext& context) {
  const BeamResults& r = context.results;
  const double span = context.model().MainSpan.Length;
  std::string line =
      " SPAN deflection/span ratio = 1/" + SigFig3Dec3(span / RatioDivisor(r.SpanPeakDeflection));
  const double ratio = r.SpanPeakDeflection / span;
  if (ratio > 0.005) {
    line += "           SPAN DEFLECTION EXCEEDS 1/200";
  } else if (ratio > 1.0 / 360) {
    line += "           SPAN DEFLECTION EXCEEDS 1/360";
  }
  return line;
}

std::string CantileverDeflectionLine(const ListingContext& context, bool lh) {
  const BeamModel& model = context.model();
  const double length = lh ? model.LhCantilever.Length : model.RhCantilever.Length;
  const double largest = lh ? context.lhLargestDeflection : context.rhLargestDeflection;
  const Formatter format = lh ? SigFig3Dec3 : SigFig3;
  std::string line = std::string(lh ? " LHC" : " RHC") + "  deflection/span ratio = 1/" +
                     format(length / RatioDivisor(largest));
  if (largest / length > 1.0 / 180)
    line += lh ? "           LHC DEFLECTION HIGH" : "           RHC DEFLECTION HIGH";
  return line;
}

void WriteSteelPartSections(const ListingContext& context, const SteelCheckState& check,
                            ListingLines& list, ListingStores& stores) {
  const BeamModel& model = context.model();
  const SteelRestraints& restraints = context.project.restraints;
  PartSectionWriter writer(context, check);
  if (model.LhCantilever.IsPresent()) {
    StoreBlock block(list, stores.SteelListLines[0]);
    block.Line(writer.WriteChecks(
        block,
        {"LHC", model.LhCantilever.Length, restraints.EffectiveLengths[0], " LHC fully restrained"},
        0));
    FinishWithTwoBlanks(block, CantileverDeflectionLine(context, true));
  }
  if (SpanHasIntermediateRestraints(model.DesignCode, restraints, context.project.section)) {
    const int segments = SpanSegmentCount(restraints);
    for (int i = 1; i <= segments; ++i) {
      StoreBlock block(list, stores.SteelListLines[static_cast<std::size_t>(i)]);
      SectionStyle style{"SPAN UNRESTRAINED LENGTH " + std::to_string(i),
                         restraints.EffectiveLengths[static_cast<std::size_t>(i)],
                         PartEffectiveLength(restraints, i), ""};
      style.shearPrefix = " Max Factored Shear := ";
      block.LineThenBlank(writer.WriteChecks(block, style, i));
      if (i < segments) {
        block.Finish();
      } else {
        // The span's deflection follows the last restrained length, in its section.
        FinishWithTwoBlanks(block, SpanDeflectionLine(context));
      }
    }
  } else {
    StoreBlock block(list, stores.SteelListLines[10]);
    SectionStyle style{"SPAN", model.MainSpan.Length, restraints.EffectiveLengths[10],
                       " Span fully restrained"};
    style.shearPrefix = " Max Factored Shear := ";
    block.Line(writer.WriteChecks(block, style, 10));
    FinishWithTwoBlanks(block, SpanDeflectionLine(context));
  }
  if (model.RhCantilever.IsPresent()) {
    StoreBlock block(list, stores.SteelListLines[11]);
    SectionStyle style{"RHC", model.RhCantilever.Length, restraints.EffectiveLengths[11],
                       " RHC fully restrained"};
    style.effectivePrefix = " Effective Length (Le) := ";
    style.forceFormat = SigFig4Dec3;
    block.Line(writer.WriteChecks(block, style, 11));
    FinishWithTwoBlanks(block, CantileverDeflectionLine(context, false));
  }
}

}  // namespace trabeo
