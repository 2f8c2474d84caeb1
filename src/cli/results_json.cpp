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
// replaced. The text gathers in a buffer on the stack and joins the line some kilobytes at a
// time: a line holds over a thousand numbers.
class CompactWriter {
 public:
  explicit CompactWriter(std::string& line) : line_(line) {}

  void operator()(std::string_view name, const auto& value) {
    Put(first_ ? "{\"" : ",\"");
    first_ = false;
    Put(name);
    Put("\":");
    Write(value);
  }
  void Close() {
    Put(first_ ? "{}" : "}");
    Flush();
  }

 private:
  template <std::floating_point T>
  void Write(T value) {
    Double(static_cast<double>(value));
  }
  template <std::integral T>
  void Write(T value) {
    MakeRoom(24);
    at_ = std::to_chars(at_, end(), value).ptr;
  }
  void Write(const std::vector<std::string>& texts) {
    Put(json(texts).dump(-1, ' ', false, json::error_handler_t::replace));
  }
  template <typename T, std::size_t N>
  void Write(const std::array<T, N>& values) {
    Put("[");
    if constexpr (std::is_arithmetic_v<T>) {
      Doubles(values);
    } else {
      for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) Put(",");
        Write(values[i]);
      }
    }
    Put("]");
  }
  // A list of numbers in one call, which writes them faster than one by one.
  template <typename T, std::size_t N>
  void Doubles(const std::array<T, N>& values) {
    static_assert(N * (kJsonNumberMaxLength + 1) <= kBufferSize, "a list fits the buffer");
    std::array<double, N> asDoubles;
    for (std::size_t i = 0; i < N; ++i)
      asDoubles[i] = static_cast<double>(values[i]);
    MakeRoom(N * (kJsonNumberMaxLength + 1));
    at_ = WriteJsonNumberList(at_, asDoubles);
  }
  void Double(double value) {
    MakeRoom(kJsonNumberMaxLength);
    at_ = WriteJsonNumber(at_, value);
  }

  void Put(std::string_view text) {
    if (text.size() > kBufferSize) {
      Flush();
      line_ += text;
      return;
    }
    MakeRoom(text.size());
    text.copy(at_, text.size());
    at_ += text.size();
  }
  void MakeRoom(std::size_t count) {
    if (static_cast<std::size_t>(end() - at_) < count) Flush();
  }
  void Flush() {
    line_.append(buffer_, at_);
    at_ = buffer_;
  }
  char* end() { return buffer_ + kBufferSize; }

  static constexpr std::size_t kBufferSize = 16384;
  std::string& line_;
  char buffer_[kBufferSize];
  char* at_ = buffer_;
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
