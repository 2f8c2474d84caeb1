#include "timber/timber_section.h"

#include <cmath>

#include "settings/sig_fig.h"

namespace trabeo {
namespace {

std::string Stress(double value) {
  return SigFig3(value) + " N/mm^2";
}

std::string Exposed(std::string_view exposure) {
  return "  (" + std::string(exposure) + ")";
}

}  // namespace

std::optional<TimberSectionValues> ComputeTimberSection(const TimberSectionInputs& in) {
  if (!(in.width > 0 && in.depth > 0 && in.gradeBending > 0 && in.gradeE > 0)) return std::nullopt;
  const double b = in.width;
  const double d = in.depth;
  const double K1 = in.K1;
  TimberSectionValues v;
  v.I = static_cast<float>(std::pow(K1, 4) * b * d * d * d / 12 / 1e4);
  v.A = static_cast<float>(K1 * K1 * b * d / 100);
  v.r = static_cast<float>(10 * std::sqrt(static_cast<double>(v.I) / v.A));
  v.K7 = static_cast<float>(K7Factor(d));
  v.permBendStress = static_cast<float>(in.gradeBending * in.K2 * in.K3 * v.K7 * in.K8);
  v.permE = static_cast<float>(in.gradeE * in.K2);
  v.EI = static_cast<float>(static_cast<double>(v.permE) * v.I / 1e5);
  v.permMoment = static_cast<float>(static_cast<double>(v.I) * v.permBendStress * 2 / d / K1 / 100);
  v.permShearStress = static_cast<float>(in.gradeShear * in.K2Shear * in.K3 * in.K8);
  v.permShear = static_cast<float>(K1 * K1 * v.permShearStress * b * d / 1000 / 1.5);
  v.shearStiffness = static_cast<float>(static_cast<double>(v.A) * v.permE / 16 / 1.2 * 100);
  return v;
}

std::vector<std::string> TimberSectionLines(const TimberSectionInputs& in,
                                            const TimberSectionValues& v,
                                            const TimberSectionTexts& texts) {
  const std::string grade(texts.gradeName);
  const std::string exposure = Exposed(ExposureCode(texts.exposure));
  return {
      " " + SigFig3(in.width) + " x " + SigFig3(in.depth) + "  " + grade + " Timber",
      "  Grade = " + grade,
      "  Depth = " + SigFig3(in.depth) + " mm",
      "  Width = " + SigFig3(in.width) + " mm",
      "  Area = " + SigFig3(v.A) + " cm^2",
      "  Ixx = " + SigFig4(v.I) + " cm^4",
      "  E = " + Stress(in.gradeE),
      "  Grade Bending Stress = " + Stress(in.gradeBending),
      "  Grade Shear Stress = " + Stress(in.gradeShear),
      "  K1 = " + FixedPointText(in.K1, 2) + exposure,
      "  K2 = " + FixedPointText(in.K2, 1) + exposure,
      "  K2(Shear) = " + FixedPointText(in.K2Shear, 1) + exposure,
      "  K3 = " + SigFig3(in.K3) + std::string(DurationSuffix(texts.duration)),
      "  K7 = " + SigFig3(v.K7),
      "  K8 = " + SigFig3(in.K8) + std::string(SharingSuffix(texts.sharing)),
      "  Permissible Bending Stress ",
      "    = Grade Stress x K2 x K3 x K7 x K8",
      "    = " + Stress(v.permBendStress),
      "  Permissible Shear Stress ",
      "    = Grade Stress x K2 x K3 x K8",
      "    = " + Stress(v.permShearStress),
      "  Permissible E = E x K2",
      "  Permissible E = " + Stress(v.permE),
      "  EI = " + SigFig4(v.EI) + " kN-m^2",
      "  GA/Kform = E / 16 * Area / Kform (1.2)",
      "  GA/Kform = " + SigFig4(v.shearStiffness / 1000.0) + " kN",
      "",
      "  Permissible  Bending Moment = " + SigFig4(v.permMoment) + " kN-m",
      "  (assuming adequate torsional restraint)",
      "",
      "  Permissible Shear Load = " + SigFig4(v.permShear) + " kN",
  };
}

}  // namespace trabeo
