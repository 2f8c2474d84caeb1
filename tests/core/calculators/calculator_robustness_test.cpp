// Whatever proportions pass a calculator's checks, every saved value is a finite number and the
// areas, second moments, moduli and torsion values are positive.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calculators/angle_calculator.h"
#include "calculators/box_calculator.h"
#include "calculators/channel_calculator.h"
#include "calculators/ibeam_calculator.h"
#include "calculators/joist_calculator.h"
#include "calculators/tube_calculator.h"

namespace trabeo {
namespace {

constexpr int kTrials = 4000;

// The saved record's properties: every one finite, the ones named positive above zero.
void ExpectSoundRecord(const SectionRecord& rec, bool hasPlasticModuli, const std::string& what) {
  const float all[] = {
      rec.Area,     rec.Ixx, rec.Iyy, rec.Rx, rec.Ry, rec.Cx,    rec.Cy,       rec.ExtremeX,
      rec.ExtremeY, rec.Iuu, rec.Ivv, rec.Ru, rec.Rv, rec.Alpha, rec.K,        rec.TorsionFibre,
      rec.Cs,       rec.Sxx, rec.Syy, rec.u,  rec.x,  rec.H,     rec.WebDepth, rec.FlgAngle};
  for (float value : all)
    ASSERT_TRUE(std::isfinite(value)) << what;
  const float positive[] = {rec.Area,     rec.Ixx,      rec.Iyy, rec.Rx,          rec.Ry,
                            rec.ExtremeX, rec.ExtremeY, rec.K,   rec.TorsionFibre};
  for (float value : positive)
    ASSERT_GT(value, 0) << what;
  if (hasPlasticModuli) {
    ASSERT_GT(rec.Sxx, 0) << what;
    ASSERT_GT(rec.Syy, 0) << what;
  }
  ASSERT_GE(rec.WebDepth, 0) << what;
  ASSERT_GE(rec.H, 0) << what;
}

class Dimensions {
 public:
  explicit Dimensions(unsigned seed) : engine_(seed) {}
  double Between(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine_);
  }

 private:
  std::mt19937 engine_;
};

std::string Describe(std::initializer_list<double> values) {
  std::string text;
  for (double v : values)
    text += std::to_string(v) + " ";
  return text;
}

TEST(CalculatorRobustnessTest, IBeams) {
  Dimensions d(1);
  for (int i = 0; i < kTrials; ++i) {
    const double D = d.Between(20, 1000), B = d.Between(10, 500);
    const IBeamInput in{D, B, d.Between(0.5, B / 4), d.Between(0.5, D / 4), d.Between(0.1, B / 4)};
    const auto outcome = CalculateIBeam(in);
    if (!outcome.ok()) continue;
    ExpectSoundRecord(IBeamSectionRecord(*outcome.results, "x"), true,
                      Describe({*in.D, *in.B, *in.t, *in.T, *in.r}));
  }
}

TEST(CalculatorRobustnessTest, Joists) {
  Dimensions d(2);
  for (int i = 0; i < kTrials; ++i) {
    const double D = d.Between(20, 1000), B = d.Between(10, 500), T = d.Between(0.5, D / 8);
    const JoistInput in{B,
                        D,
                        T,
                        d.Between(0.5, B / 5),
                        d.Between(0.1, 2 * T),
                        d.Between(0, T / 1.5),
                        d.Between(0, 20)};
    const auto outcome = CalculateJoist(in);
    if (!outcome.ok()) continue;
    ExpectSoundRecord(JoistSectionRecord(*outcome.results, "x"), true,
                      Describe({*in.B, *in.D, *in.T, *in.t, *in.r1, *in.r2, *in.thetaDeg}));
  }
}

TEST(CalculatorRobustnessTest, Channels) {
  Dimensions d(3);
  for (int i = 0; i < kTrials; ++i) {
    const double D = d.Between(20, 1000), B = d.Between(10, 500), T = d.Between(0.5, D / 4),
                 t = d.Between(0.5, B / 3), theta = d.Between(0, 20);
    const double toeLimit = T - std::tan(theta * 3.14159265358979 / 180) * B / 2;
    if (toeLimit < 0) continue;
    const ChannelInput in{"c", B, D, T, t, d.Between(0.1, T + t), d.Between(0, toeLimit), theta};
    const auto outcome = CalculateChannel(in);
    if (!outcome.ok()) continue;
    ExpectSoundRecord(ChannelSectionRecord(*outcome.results, "x"), true,
                      Describe({*in.B, *in.D, *in.T, *in.t, *in.r1, *in.r2, *in.thetaDeg}));
  }
}

TEST(CalculatorRobustnessTest, Angles) {
  Dimensions d(5);
  for (int i = 0; i < kTrials; ++i) {
    const double b = d.Between(5, 300), t = d.Between(0.2, b / 4);
    const AngleInput in{d.Between(b, 2.5 * b), b, t, d.Between(0.1, b / 4), d.Between(0, t / 1.02)};
    const auto outcome = CalculateAngle(in);
    if (!outcome.ok()) continue;
    const SectionRecord rec = AngleSectionRecord(*outcome.results, "x");
    ExpectSoundRecord(rec, false, Describe({*in.d, *in.b, *in.t, *in.r1, *in.r2}));
    ASSERT_GT(rec.Ivv, 0);
    ASSERT_GE(rec.Iuu, rec.Ivv);
  }
}

TEST(CalculatorRobustnessTest, TubesAndBoxes) {
  Dimensions d(4);
  for (int i = 0; i < kTrials; ++i) {
    const double D = d.Between(10, 1000), B = d.Between(10, D);
    const auto tube = CalculateTube({D, d.Between(0.1, D / 2)});
    if (tube.ok()) ExpectSoundRecord(TubeSectionRecord(*tube.results, "x"), true, "tube");
    const auto box = CalculateBox({B, D, d.Between(0.1, B / 4)});
    if (box.ok()) ExpectSoundRecord(BoxSectionRecord(*box.results, "x"), true, "box");
  }
}

}  // namespace
}  // namespace trabeo
