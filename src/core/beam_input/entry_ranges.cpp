#include "beam_input/entry_ranges.h"

#include <utility>

#include "settings/number_range.h"

namespace trabeo {
namespace {

struct TypedBox {
  const std::string* text;
  float factor;
  const char* field;
};

void AddProblems(std::vector<std::string>& problems, std::initializer_list<TypedBox> boxes,
                 const std::string& prefix) {
  for (const TypedBox& box : boxes) {
    std::string problem = TypedEntryRangeProblem(*box.text, box.factor, prefix + box.field);
    if (!problem.empty()) problems.push_back(std::move(problem));
  }
}

std::string LoadPrefix(int number) {
  return "Load " + std::to_string(number) + " ";
}

// The load form's boxes: text that is not a number is refused, naming the load (its row) and
// the box (its column), before its range is checked.
void AddLoadProblems(std::vector<std::string>& problems, std::initializer_list<TypedBox> boxes,
                     int number) {
  for (const TypedBox& box : boxes) {
    if (!IsNumberText(*box.text)) {
      problems.push_back(
          NotANumberMessage("Load " + std::to_string(number) + ", " + box.field, *box.text));
      continue;
    }
    AddProblems(problems, {box}, LoadPrefix(number));
  }
}

}  // namespace

std::string BeamEntryRangeProblem(const BeamEntryTexts& texts, const UnitSettings& units) {
  const std::string none;
  std::vector<std::string> problems;
  AddProblems(
      problems,
      {{texts.lhCantilever ? &texts.lhLength : &none, units.LengthFactor, "LH cantilever length"},
       {&texts.spanLength, units.LengthFactor, "Span length"},
       {texts.rhCantilever ? &texts.rhLength : &none, units.LengthFactor, "RH cantilever length"},
       {&texts.E, units.EFactor, "E"},
       {&texts.Ixx, units.InertiaFactor, "Ixx"}},
      {});
  return problems.empty() ? std::string() : problems.front();
}

std::vector<std::string> LoadRowRangeProblems(const LoadRowTexts& texts, const UnitSettings& units,
                                              int number) {
  std::vector<std::string> problems;
  if (texts.type == LoadRowType::Point) {
    AddLoadProblems(problems,
                    {{&texts.pointLoad, units.PointLoadFactor, "point load"},
                     {&texts.distance, units.LengthFactor, "distance"}},
                    number);
  } else if (texts.type == LoadRowType::Udl) {
    AddLoadProblems(problems,
                    {{&texts.distance, units.LengthFactor, "distance"},
                     {&texts.startRate, units.UdlFactor, "UDL start rate"},
                     {&texts.finishRate, units.UdlFactor, "UDL finish rate"},
                     {&texts.cover, units.LengthFactor, "cover"}},
                    number);
  }
  if (texts.type != LoadRowType::None)
    AddLoadProblems(problems, {{&texts.factor, 1.0f, "load factor"}}, number);
  return problems;
}

std::string SelfWeightRangeProblem(const SelfWeightTexts& texts) {
  if (!texts.applied) return {};
  if (!IsNumberText(texts.factor))
    return NotANumberMessage("Self-weight, load factor", texts.factor);
  return TypedEntryRangeProblem(texts.factor, 1.0, "Self-weight load factor");
}

std::vector<std::string> StoredLoadRangeProblems(const LoadTable& loads) {
  std::vector<std::string> problems;
  for (int number = 1; number <= kUserLoadRows; ++number) {
    const LoadRecord& row = loads.row(number);
    const std::pair<float, const char*> fields[] = {
        {row.Kind, "kind"},           {row.Position, "distance"},
        {row.Intensity, "intensity"}, {row.EndIntensity, "end intensity"},
        {row.Cover, "cover"},         {row.Factor, "load factor"},
        {row.Applied, "apply"}};
    for (const auto& [value, field] : fields) {
      if (!FitsSinglePrecision(value))
        problems.push_back(OutOfRangeMessage(LoadPrefix(number) + field));
    }
  }
  if (!FitsSinglePrecision(loads.row(kSelfWeightRow).Factor))
    problems.push_back(OutOfRangeMessage("Self-weight load factor"));
  return problems;
}

}  // namespace trabeo
