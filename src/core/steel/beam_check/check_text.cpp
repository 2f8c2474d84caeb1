#include "steel/beam_check/check_text.h"

#include "settings/sig_fig.h"

namespace trabeo {
namespace {

constexpr int kCountedLines = 50;

Formatter OrSigFig3(Formatter format) {
  return format != nullptr ? format : SigFig3;
}

}  // namespace

CheckTextWriter::CheckTextWriter(SteelCheckState& check, int block)
    : block_(check.CheckText[static_cast<std::size_t>(block)]) {}

void CheckTextWriter::Line(std::string_view text) {
  block_.Set(checkLine_, text);
  ++checkLine_;
}

void CheckTextWriter::LineThenGap(std::string_view text) {
  Line(text);
  Gap();
}

void SetCheckTextCounts(SteelCheckState& check) {
  for (auto& block : check.CheckText) {
    int last = 0;
    for (int line = 1; line <= kCountedLines; ++line) {
      if (!block[line].empty()) last = line;
    }
    block.SetCount(last);
  }
}

std::string CheckValues::Length(double mm, Formatter format) const {
  return ShowValueWithUnit(units_, UnitQuantity::Length, mm, OrSigFig3(format));
}

std::string CheckValues::SectionLength(double mm, Formatter format) const {
  return ShowValueWithUnit(units_, UnitQuantity::SectLength, mm, OrSigFig3(format));
}

std::string CheckValues::Stress(double newtonsPerMm2) const {
  return ShowValueWithUnit(units_, UnitQuantity::Stress, newtonsPerMm2, SigFig3);
}

std::string CheckValues::Modulus(double mm3, Formatter format) const {
  return ShowValueWithUnit(units_, UnitQuantity::Modulus, mm3, OrSigFig3(format));
}

std::string CheckValues::Moment(double newtonMillimetres, Formatter format) const {
  return ShowValueWithUnit(units_, UnitQuantity::Moment, newtonMillimetres, OrSigFig3(format));
}

std::string CheckValues::Shear(double newtons) const {
  return ShowValueWithUnit(units_, UnitQuantity::Shear, newtons, SigFig3);
}

std::string CheckValues::E(double newtonsPerMm2) const {
  return ShowValueWithUnit(units_, UnitQuantity::E, newtonsPerMm2, SigFig3);
}

}  // namespace trabeo
