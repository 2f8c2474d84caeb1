#include "timber/modification_factors.h"

#include <array>
#include <cmath>
#include <numbers>

namespace trabeo {
namespace {

struct DurationTexts {
  float K3;
  std::string_view caption;
  std::string_view suffix;
  std::string_view code;
};

constexpr std::array<DurationTexts, 4> kDurations{{
    {1.0f, "Long Term", "  (Long Term)", "LT"},
    {1.25f, "Medium Term", "  (Medium Term)", "MT"},
    {1.5f, "Short Term", "  (Short Term)", "ST"},
    {1.75f, "V. Short Term", "  (Very Short Term)", "VST"},
}};

const DurationTexts& TextsOf(LoadDuration duration) {
  return kDurations[static_cast<std::size_t>(duration)];
}

}  // namespace

float K1Factor(TimberExposure exposure) {
  return exposure == TimberExposure::Wet ? 1.02f : 1.0f;
}

K2Factors K2Factor(TimberExposure exposure) {
  if (exposure == TimberExposure::Dry) return {};
  return {0.8f, 0.8f, 0.6f, 0.9f};
}

float K3Factor(LoadDuration duration) {
  return TextsOf(duration).K3;
}

double K7Factor(double depth) {
  if (depth <= 72) return 1.17;
  if (depth <= 300) return std::pow(300 / depth, 0.11);
  const double square = depth * depth;
  return 0.81 * (square + 92300) / (square + 56800);
}

float K8Factor(LoadSharing sharing) {
  return sharing == LoadSharing::Share ? 1.1f : 1.0f;
}

double K12Factor(double effectiveLength, double radiusOfGyration, double sigmaC, double E) {
  if (effectiveLength <= 5) return 1;
  const double lambda = effectiveLength / radiusOfGyration;
  const double eta = 0.005 * lambda;
  const double pi2 = std::numbers::pi * std::numbers::pi;
  const double a = ((1 + eta) * pi2 * E) / (3 * lambda * lambda * sigmaC) + 0.5;
  return a - std::sqrt(a * a - pi2 * E / (1.5 * lambda * lambda * sigmaC));
}

float BendingModulus(const TimberGrade& grade, LoadSharing sharing) {
  return sharing == LoadSharing::Share ? grade.eMean : grade.eMin;
}

std::string_view DurationCaption(LoadDuration duration) {
  return TextsOf(duration).caption;
}
std::string_view DurationSuffix(LoadDuration duration) {
  return TextsOf(duration).suffix;
}
std::string_view DurationCode(LoadDuration duration) {
  return TextsOf(duration).code;
}
std::optional<LoadDuration> DurationOfCode(std::string_view code) {
  for (LoadDuration duration : kAllDurations) {
    if (DurationCode(duration) == code) return duration;
  }
  return std::nullopt;
}

std::string_view SharingSuffix(LoadSharing sharing) {
  return sharing == LoadSharing::Share ? "  (Sharing)" : "  (Single)";
}
std::string_view SharingCode(LoadSharing sharing) {
  return sharing == LoadSharing::Share ? "Share" : "Single";
}
std::optional<LoadSharing> SharingOfCode(std::string_view code) {
  if (code == "Single") return LoadSharing::Single;
  if (code == "Share") return LoadSharing::Share;
  return std::nullopt;
}

std::string_view ExposureCode(TimberExposure exposure) {
  return exposure == TimberExposure::Wet ? "Wet" : "Dry";
}
std::optional<TimberExposure> ExposureOfCode(std::string_view code) {
  if (code == "Dry") return TimberExposure::Dry;
  if (code == "Wet") return TimberExposure::Wet;
  return std::nullopt;
}

}  // namespace trabeo
