#include "cli/results_json.h"

#include "cli/json_number.h"

#include <charconv>
#include <cmath>
#include <concepts>
#include <string_view>

namespace trabeo::cli {
namespace {

using nlohmann::json;

// Every result under its name, with the messages, in the order of the names: the order in
// which a JSON object keeps its fields and writes them. A number is written as a double, but a
// whole-number count stays whole; lists hold doubles.
template <typename Visit>
void ForEachResult(const BeamResults& r, const std::vector<std::string>& messages, Visit&& visit) {
  visit("BendingStress", r.BendingStress);
  visit("CantDeflection", r.CantDeflection);
  visit("CantMoment", r.CantMoment);
  visit("CantShear", r.CantShear);
  visit("DeflectionExtremes", r.DeflectionExtremes);
  visit("EndMomentL", r.EndMomentL);
  visit("EndMomentR", r.EndMomentR);
  visit("EndRotation", r.EndRotation);
  visit("FactoredLoadCount", r.FactoredLoadCount);
  visit("LhSupportShear", r.LhSupportShear);
  visit("Messages", messages);
  visit("MomentExtremes", r.MomentExtremes);
  visit("Reactions", r.Reactions);
  visit("SegmentPeaks", r.SegmentPeaks);
  visit("ShearExtremes", r.ShearExtremes);
  visit("SpanDeflection", r.SpanDeflection);
  visit("SpanMoment", r.SpanMoment);
  visit("SpanMomentProfile", r.SpanMomentProfile);
  visit("SpanPeakDeflection", r.SpanPeakDeflection);
  visit("SpanShear", r.SpanShear);
  visit("SupportShears", r.SupportShears);
  visit("TipDeflections", r.TipDeflections);
  visit("TotalAppliedLoad", r.TotalAppliedLoad);
  visit("TotalReactions", r.TotalReactions);
}

template <std::floating_point T>
json ToJson(T value) {
  return static_cast<double>(value);
}

template <std::integral T>
json ToJson(T value) {
  return value;
}

json ToJson(const std::vector<std::string>& texts) {
  return texts;
}

template <typename T, std::size_t N>
json ToJson(const std::array<T, N>& values) {
  json out = json::array();
  for (const T& value : values) {
    if constexpr (std::is_arithmetic_v<T>) {
      out.push_back(static_cast<double>(value));
    } else {
      out.push_back(ToJson(value));
    }
  }
  return out;
}

// Writes as nlohmann's serializer writes: its shortest round-trip form of a double (with ".0"
// on whole numbers), null for what is not finite, and strings escaped with invalid UTF-8
// replaced.
class CompactWriter {
 public:
  explicit CompactWriter(std::string& line) : line_(line) {}

  void operator()(std::string_view name, const auto& value) {
    line_ += first_ ? "{\"" : ",\"";
    first_ = false;
    line_ += name;
    line_ += "\":";
    Write(value);
  }
  void Close() { line_ += first_ ? "{}" : "}"; }

 private:
  template <std::floating_point T>
  void Write(T value) {
    Double(static_cast<double>(value));
  }
  template <std::integral T>
  void Write(T value) {
    char buffer[24];
    line_.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  }
  void Write(const std::vector<std::string>& texts) {
    line_ += json(texts).dump(-1, ' ', false, json::error_handler_t::replace);
  }
  template <typename T, std::size_t N>
  void Write(const std::array<T, N>& values) {
    line_ += '[';
    for (std::size_t i = 0; i < N; ++i) {
      if (i > 0) line_ += ',';
      if constexpr (std::is_arithmetic_v<T>) {
        Double(static_cast<double>(values[i]));
      } else {
        Write(values[i]);
      }
    }
    line_ += ']';
  }
  void Double(double value) {
    if (!std::isfinite(value)) {
      line_ += "null";
      return;
    }
    AppendJsonNumber(line_, value);
  }

  std::string& line_;
  bool first_ = true;
};

}  // namespace

json ResultsToJson(const BeamResults& r, const std::vector<std::string>& messages) {
  json out;
  ForEachResult(r, messages,
                [&out](const char* name, const auto& value) { out[name] = ToJson(value); });
  return out;
}

void AppendResultsJson(std::string& line, const BeamResults& r,
                       const std::vector<std::string>& messages) {
  CompactWriter writer(line);
  ForEachResult(r, messages, writer);
  writer.Close();
}

}  // namespace trabeo::cli
