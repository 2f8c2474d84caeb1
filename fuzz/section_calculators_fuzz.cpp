// The section property calculators fed any dimensions: the first byte picks the shape and grade,
// the rest is the text of the boxes, one per line, read as the calculator windows read them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/shown_values.h"
#include "calculators/typed_number.h"
#include "fuzz_support.h"

namespace {

using namespace trabeo;

struct Boxes {
  std::vector<TypedDimension> values;
  TypedDimension operator[](std::size_t i) const {
    return i < values.size() ? values[i] : TypedDimension{};
  }
};

Boxes ReadBoxes(std::string_view text) {
  Boxes boxes;
  while (!text.empty() && boxes.values.size() < 7) {
    const std::size_t end = text.find('\n');
    boxes.values.push_back(ReadTypedNumber(text.substr(0, end)));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return boxes;
}

void RequireSound(const SectionRecord& record, const std::vector<ShownValue>& values,
                  const CalculatorDesign* design) {
  fuzz::Require(CalculationIsFinite(record, {}), "a calculated section is finite");
  std::vector<std::string> lines;
  for (const ShownValue& value : values)
    lines.push_back(value.Text());
  if (design) {
    for (const std::string& line : DesignLines(*design, true))
      lines.push_back(line);
  }
  fuzz::RequireShowable(lines);
}

// A refusal (with or without a message) is always a sound outcome; results must be showable.
template <typename Outcome, typename ToRecord, typename ToLines>
void Check(const Outcome& outcome, ToRecord record, ToLines lines) {
  if (!outcome.ok()) return;
  const auto& r = *outcome.results;
  if constexpr (requires { r.design; }) {
    RequireSound(record(r), lines(r), &r.design);
  } else {
    RequireSound(record(r), lines(r), nullptr);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int shape = data[0] % 6;
  const SteelGrade grade = *SteelGradeOfListIndex(data[0] / 6 % kSteelGradeCount);
  const Boxes b = ReadBoxes(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  switch (shape) {
    case 0:
      Check(
          CalculateTube({b[0], b[1], grade}),
          [](const auto& r) { return TubeSectionRecord(r, "f"); },
          [](const auto& r) { return TubeShownValues(r); });
      break;
    case 1:
      Check(
          CalculateBox({b[0], b[1], b[2], grade}),
          [](const auto& r) { return BoxSectionRecord(r, "f"); },
          [](const auto& r) { return BoxShownValues(r); });
      break;
    case 2:
      Check(
          CalculateIBeam({b[0], b[1], b[2], b[3], b[4], grade}),
          [](const auto& r) { return IBeamSectionRecord(r, "f"); },
          [](const auto& r) { return IBeamShownValues(r, {}); });
      break;
    case 3:
      Check(
          CalculateJoist({b[0], b[1], b[2], b[3], b[4], b[5], b[6], grade}),
          [](const auto& r) { return JoistSectionRecord(r, "f"); },
          [](const auto& r) { return JoistShownValues(r); });
      break;
    case 4:
      Check(
          CalculateChannel({"f", b[0], b[1], b[2], b[3], b[4], b[5], b[6], grade}),
          [](const auto& r) { return ChannelSectionRecord(r, "f"); },
          [](const auto& r) { return ChannelShownValues(r, {}); });
      break;
    default:
      Check(
          CalculateAngle({b[0], b[1], b[2], b[3], b[4]}),
          [](const auto& r) { return AngleSectionRecord(r, "f"); },
          [](const auto& r) { return AngleShownValues(r); });
      break;
  }
  return 0;
}
