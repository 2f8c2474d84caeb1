#include "settings/sig_fig.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace trabeo {
namespace {

// Exact powers of ten for the scales (all well inside the range where doubles hold them exactly).
double PowerOfTen(int exponent) {
  double result = 1.0;
  for (int i = 0; i < exponent; ++i)
    result *= 10.0;
  return result;
}

// Rounds with the scale 10^scaleExponent (negative exponents divide by the exact inverse rather
// than multiply by an inexact fraction), half away from zero by the offset.
double RoundAtScale(double value, int scaleExponent, double offset) {
  const double signedOffset = value >= 0 ? offset : -offset;
  if (scaleExponent >= 0) {
    const double scale = PowerOfTen(scaleExponent);
    return std::trunc(value * scale + signedOffset) / scale;
  }
  const double inverse = PowerOfTen(-scaleExponent);
  return std::trunc(value / inverse + signedOffset) * inverse;
}

std::string PrintFixed(double value, int decimals) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  std::string text(buffer.data(), result.ptr);
  // A value that rounds to zero prints without a sign.
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

// A decimal literal such as 9.995e-5 as the nearest double, built from its digits so that band
// bounds compare exactly as the written constants do.
double DecimalBound(long long digits, int exponent) {
  const std::string text = std::to_string(digits) + "e" + std::to_string(exponent);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

struct SigFigRule {
  int figures;
  int firstExponent;
  int lastExponent;
  double zeroBelow;
  double overflowAbove;
  bool inclusiveBounds;
};

// Band e holds magnitudes above 10^e (1 - 0.5 * 10^-N): for three figures 0.09995, 0.9995, ...
// The bound's digits are 10^(N+1) - 5 (9995 for N = 3) times 10^(e - N - 1).
double BandBound(int figures, int exponent) {
  const long long digits = static_cast<long long>(PowerOfTen(figures + 1)) - 5;
  return DecimalBound(digits, exponent - figures - 1);
}

// A rule with its band bounds worked out once.
struct SigFigTable {
  SigFigRule rule;
  std::array<double, 20> bounds{};
};

SigFigTable MakeTable(const SigFigRule& rule) {
  SigFigTable table{rule};
  for (int e = rule.firstExponent; e <= rule.lastExponent; ++e) {
    table.bounds[static_cast<std::size_t>(e - rule.firstExponent)] = BandBound(rule.figures, e);
  }
  return table;
}

std::string FormatSignificant(double value, const SigFigTable& table) {
  const SigFigRule& rule = table.rule;
  const double magnitude = std::fabs(value);
  if (magnitude < rule.zeroBelow) return "0.0";
  // A value that is not a number shows as an overflow does, never as "nan" or "inf".
  if (!(magnitude <= rule.overflowAbove)) return kOverflowText;
  // Magnitudes between the zero threshold and the first bound take the first band's format.
  int band = rule.firstExponent;
  for (int e = rule.firstExponent; e <= rule.lastExponent; ++e) {
    const double bound = table.bounds[static_cast<std::size_t>(e - rule.firstExponent)];
    const bool inBand = rule.inclusiveBounds ? magnitude >= bound : magnitude > bound;
    if (!inBand) break;
    band = e;
  }
  const int scaleExponent = rule.figures - 1 - band;
  const int decimals = scaleExponent > 0 ? scaleExponent : 0;
  return PrintFixed(RoundAtScale(value, scaleExponent, 0.5), decimals);
}

struct DecimalBand {
  double lowerBound;
  bool inclusive;
  int scaleExponent;
  int decimals;
};

std::string FormatDecimal(double value, double zeroBelow, const char* zeroText,
                          const std::array<DecimalBand, 12>& bands) {
  const double magnitude = std::fabs(value);
  if (magnitude < zeroBelow) return zeroText;
  if (!(magnitude <= 1e9)) return kOverflowText;
  const DecimalBand* chosen = &bands[0];
  for (const auto& band : bands) {
    const bool inBand = band.inclusive ? magnitude >= band.lowerBound : magnitude > band.lowerBound;
    if (inBand) chosen = &band;
  }
  return PrintFixed(RoundAtScale(value, chosen->scaleExponent, 0.5001), chosen->decimals);
}

constexpr std::array<DecimalBand, 12> kSigFig3Dec3Bands{{
    {0.0005, true, 5, 3},
    {0.01, false, 4, 3},
    {0.1, false, 3, 3},
    {1, false, 2, 2},
    {10, false, 1, 1},
    {100, false, 0, 0},
    {1000, false, -1, 0},
    {1e4, false, -2, 0},
    {1e5, false, -3, 0},
    {1e6, false, -4, 0},
    {1e7, false, -5, 0},
    {1e8, false, -6, 0},
}};

constexpr std::array<DecimalBand, 12> kSigFig4Dec3Bands{{
    {0.0005, true, 5, 3},
    {0.01, false, 4, 3},
    {0.1, false, 3, 3},
    {1, false, 3, 3},
    {10, false, 2, 2},
    {100, false, 1, 1},
    {1000, false, 0, 0},
    {1e4, false, -1, 0},
    {1e5, false, -2, 0},
    {1e6, false, -3, 0},
    {1e7, false, -4, 0},
    {1e8, false, -5, 0},
}};

}  // namespace

std::string SigFig2(double value) {
  static const SigFigTable table = MakeTable({2, -4, 9, 9.951e-5, 1e9, false});
  return FormatSignificant(value, table);
}

std::string SigFig3(double value) {
  static const SigFigTable table = MakeTable({3, -4, 9, 9.951e-5, 1e9, false});
  return FormatSignificant(value, table);
}

std::string SigFig4(double value) {
  static const SigFigTable table = MakeTable({4, -4, 12, 9.951e-5, 1e12, false});
  return FormatSignificant(value, table);
}

std::string SigFig5(double value) {
  static const SigFigTable table = MakeTable({5, -6, 9, 5e-6, 1e9, true});
  return FormatSignificant(value, table);
}

std::string SigFig3Dec3(double value) {
  return FormatDecimal(value, 0.005, "0.00", kSigFig3Dec3Bands);
}
std::string SigFig4Dec3(double value) {
  return FormatDecimal(value, 0.0005, "0.000", kSigFig4Dec3Bands);
}

std::string FixedDecimals(double value, int listDecimals) {
  const double magnitude = std::fabs(value);
  if (magnitude < 1e-4) {
    static constexpr std::array<const char*, 4> kZeros{"0", "0.0", "0.00", "0.000"};
    return kZeros[static_cast<std::size_t>(listDecimals < 0   ? 0
                                           : listDecimals > 3 ? 3
                                                              : listDecimals)];
  }
  // NaN goes to SigFig5 too, which shows it as an overflow; what remains converts safely.
  if (!(magnitude <= 1e5)) return SigFig5(value);
  if (listDecimals <= 0) return std::to_string(static_cast<long long>(value));
  std::string text = PrintFixed(value, listDecimals);
  if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
  return text;
}

std::string FixedPointText(double value, int decimals) {
  if (!std::isfinite(value)) return kOverflowText;
  // Room for the 309 integer digits of the largest double and up to 17 decimals.
  std::array<char, 400> buffer{};
  const int places = std::clamp(decimals, 0, 17);
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, places);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace trabeo
