// Typed boxes as any text: the number readers of the forms and calculators, the range check, the
// formatters, and the beam section form's "Next >" and picture with the text in every box.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "beam_input/beam_entry.h"
#include "beam_input/entry_ranges.h"
#include "beam_input/load_entry.h"
#include "calculators/typed_number.h"
#include "fileio/file_text.h"
#include "fuzz_support.h"
#include "platform/svg_canvas.h"
#include "settings/number_range.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace {

using namespace trabeo;

void RequireFormatted(double value) {
  for (auto format : {SigFig2, SigFig3, SigFig4, SigFig5, SigFig3Dec3, SigFig4Dec3}) {
    const std::string text = format(value);
    fuzz::RequireShowable(std::span(&text, 1));
  }
  for (int decimals = 0; decimals <= 3; ++decimals) {
    const std::string text = FixedDecimals(value, decimals);
    fuzz::RequireShowable(std::span(&text, 1));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string typed(reinterpret_cast<const char*>(data), size);

  const double number = TextToNumber(typed);
  fuzz::Require(std::isfinite(number), "a typed number is finite");
  RequireFormatted(number);
  const TypedDimension dimension = ReadTypedNumber(typed);
  if (dimension) RequireFormatted(*dimension);
  if (TypedEntryRangeProblem(typed, 1000.0, "Span").empty())
    fuzz::Require(FitsSinglePrecision(number * 1000.0), "an accepted box fits a single");

  // The same text in every box of the beam section form.
  BeamEntryTexts texts;
  texts.lhCantilever = texts.rhCantilever = texts.rhFixed = true;
  texts.lhLength = texts.spanLength = texts.rhLength = texts.E = texts.Ixx = typed;
  BeamProject project;
  const BeamEntryOutcome outcome = ApplyBeamEntry(texts, UnitSettings{}, project);
  if (outcome.status == BeamEntryStatus::Accepted) {
    fuzz::Require(FitsSinglePrecision(project.model.MainSpan.Length), "a stored span fits");
  }
  SvgCanvas canvas(545, 90);
  const double length = TypedToInternal(UnitSettings{}, UnitQuantity::Length, typed);
  DrawBeamEntryPicture(canvas, {545, 90, length, length, length, false, true}, UnitSettings{});
  const std::string picture = canvas.Document();
  fuzz::RequireShowable(std::span(&picture, 1));

  // And in every box of a load row.
  LoadRowTexts row{LoadRowType::Udl, typed, typed, typed, typed, typed, typed, true};
  LoadTable loads;
  loads.row(1) = ReadLoadRow(row, UnitSettings{}, {});
  // A box that is not a number is refused with its text quoted: what the user typed ("nan"
  // included) is not a number the program shows.
  std::vector<std::string> problems = LoadRowRangeProblems(row, UnitSettings{}, 1);
  const std::string quoted = "\"" + ValidUtf8(typed) + "\"";
  for (std::string& problem : problems) {
    if (const std::size_t at = problem.find(quoted); at != std::string::npos)
      problem.erase(at, quoted.size());
  }
  fuzz::RequireShowable(problems);
  fuzz::RequireShowable(ValidateLoadRows(loads, 6000));
  const LoadRowTexts shown = ShowLoadRow(loads.row(1), UnitSettings{});
  fuzz::RequireShowable(std::vector{shown.distance, shown.startRate, shown.cover, shown.factor});
  return 0;
}
