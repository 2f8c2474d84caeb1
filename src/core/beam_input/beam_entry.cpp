#include "beam_input/beam_entry.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "beam_input/entry_ranges.h"
#include "model/steel_density.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

void ZeroUsedFields(SegmentRecord& segment) {
  segment.Present = 0;
  segment.Length = 0;
  segment.E = 0;
  segment.Ixx = 0;
}

// A ticked cantilever needs a length above 0.
bool ReadCantilever(bool ticked, const std::string& text, const UnitSettings& units,
                    SegmentRecord& segment) {
  if (!ticked) return true;
  segment.Present = 1.0;
  segment.Length = TypedToInternal(units, UnitQuantity::Length, text);
  return segment.Length > 0;
}

BeamEntryOutcome Fail(std::string message) {
  return {BeamEntryStatus::Failed, std::move(message), false};
}

std::string LastCharacters(const std::string& text, std::size_t count) {
  return text.size() <= count ? text : text.substr(text.size() - count);
}

}  // namespace

double TotalLengthFromTexts(const BeamEntryTexts& texts, const UnitSettings& units) {
  const auto length = [&](bool counted, const std::string& text) {
    return counted ? static_cast<float>(TypedToInternal(units, UnitQuantity::Length, text)) : 0.0f;
  };
  // Summed in single precision, as the total is kept.
  float total = length(texts.lhCantilever, texts.lhLength);
  total += length(true, texts.spanLength);
  total += length(texts.rhCantilever, texts.rhLength);
  return total;
}

BeamEndTicks AfterEndBoxClick(BeamEndTicks end, BeamEndBox clicked) {
  if (clicked == BeamEndBox::Cantilever && end.cantilever) end.fixed = false;
  if (clicked == BeamEndBox::Fixed && end.fixed) end.cantilever = false;
  return end;
}

double SelfWeightOfArea(double area) {
  return area * kSteelDensity / 1000000 * 9.81;
}

namespace {

// Why the chosen code cannot check this section, if it cannot.
std::optional<std::string> CodeRefusal(const BeamModel& model, const SectionValues& section) {
  if (IsSteelKind(section.SectionKind) && model.DesignCode == DesignCode::BS5268)
    return "Cannot check steel beam to timber code";
  if (section.SectionKind == SectionKind::Timber && IsSteelCode(model.DesignCode))
    return "Cannot check timber beam to steel code";
  if ((model.DesignCode == DesignCode::BS5268 || IsSteelCode(model.DesignCode)) &&
      IsIxxTypedByUser(model.FibreDistance))
    return "Cannot code check section with value of Ixx edited by user";
  if (model.DesignCode == DesignCode::EN1993 && section.Record.IsSeparator())
    return std::string(kEN1993NeedsTableSectionMessage);
  return std::nullopt;
}

// The self weight row: the section's weight, uniform over the whole beam.
void SetSelfWeightRow(BeamModel& model, double area) {
  const auto weight = static_cast<float>(SelfWeightOfArea(area));
  LoadRecord& selfWeight = model.Loads.row(kSelfWeightRow);
  selfWeight.Kind = kDistributedLoadKind;
  selfWeight.Position = 0;
  selfWeight.Intensity = weight;
  selfWeight.EndIntensity = weight;
  selfWeight.Cover = static_cast<float>(model.TotalLength);
}

}  // namespace

BeamEntryOutcome ApplyBeamEntry(const BeamEntryTexts& texts, const UnitSettings& units,
                                BeamProject& project) {
  if (std::string problem = BeamEntryRangeProblem(texts, units); !problem.empty())
    return Fail(std::move(problem));
  BeamModel& model = project.model;
  const SectionValues& section = project.section;
  ZeroUsedFields(model.LhCantilever);
  ZeroUsedFields(model.MainSpan);
  ZeroUsedFields(model.RhCantilever);
  model.LhSupportKind = texts.lhFixed ? kFixedSupport : kPinnedSupport;
  model.RhSupportKind = texts.rhFixed ? kFixedSupport : kPinnedSupport;
  model.TotalLength = TotalLengthFromTexts(texts, units);

  if (!ReadCantilever(texts.lhCantilever, texts.lhLength, units, model.LhCantilever)) {
    return Fail("Enter length for LH Cantilever");
  }
  model.MainSpan.Present = 1.0;
  model.MainSpan.Length = TypedToInternal(units, UnitQuantity::Length, texts.spanLength);
  if (!(model.MainSpan.Length > 0)) return Fail(" Enter Length for Beam");
  model.MainSpan.E = TypedToInternal(units, UnitQuantity::E, texts.E);
  if (!(model.MainSpan.E > 0)) return Fail(" Enter E for Beam");
  model.MainSpan.Ixx = TypedToInternal(units, UnitQuantity::Inertia, texts.Ixx);
  model.SectionIxx = static_cast<float>(model.MainSpan.Ixx);
  if (!(model.MainSpan.Ixx > 0)) return Fail(" Enter Ixx for Beam");
  // EN 1993 takes its own yield strength by the grade (S275 without one), not BS 5950's py.
  if (section.SectionKind != SectionKind::Timber && texts.code != DesignCode::None &&
      texts.code != DesignCode::EN1993 && !(section.DesignStrength > 0)) {
    return Fail(" Select grade and check value of py");
  }
  if (!ReadCantilever(texts.rhCantilever, texts.rhLength, units, model.RhCantilever)) {
    return Fail("Enter length for RH Cantilever");
  }

  model.DesignCode = texts.code;
  if (std::optional<std::string> refusal = CodeRefusal(model, section))
    return {BeamEntryStatus::CodeRefused, std::move(*refusal), false};
  SetSelfWeightRow(model, section.SectionArea);

  BeamEntryOutcome outcome{BeamEntryStatus::Accepted, {}, false};
  outcome.askTimberWithSteelE = TextToNumber(texts.E) > 200000 &&
                                LastCharacters(" " + section.SectionDescription, 6) == "Timber";
  return outcome;
}

BeamPictureInput BeamPictureFromTexts(const BeamEntryTexts& texts, const UnitSettings& units,
                                      int width, int height) {
  const auto length = [&](bool counted, const std::string& text) {
    return counted ? TypedToInternal(units, UnitQuantity::Length, text) : 0.0;
  };
  BeamPictureInput beam;
  beam.width = width;
  beam.height = height;
  beam.lhLength = length(texts.lhCantilever, texts.lhLength);
  beam.spanLength = length(true, texts.spanLength);
  beam.rhLength = length(texts.rhCantilever, texts.rhLength);
  beam.lhFixed = texts.lhFixed;
  beam.rhFixed = texts.rhFixed;
  return beam;
}

}  // namespace trabeo
