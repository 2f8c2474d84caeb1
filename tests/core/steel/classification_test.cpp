#include "steel/classification.h"

#include <gtest/gtest.h>

#include <optional>

namespace trabeo {
namespace {

using C = SectionClass;

// An I-section with the flange ratio b/T = Width / 2 / FlgThk and the web ratio d/t.
ClassificationSection ISection(double flangeRatio, double webRatio) {
  ClassificationSection s;
  s.FlgThk = 10;
  s.Width = static_cast<float>(2 * 10 * flangeRatio);
  s.WebThk = 5;
  s.WebDepth = static_cast<float>(5 * webRatio);
  s.RootRad = 8;
  return s;
}

struct RatioCase {
  double flange, web;
  float py;
  std::optional<C> expected;
};

TEST(ClassificationTest, ISectionInBendingAtAndPastItsLimits) {
  const RatioCase cases[] = {
      {8.5, 79, 275, C::Plastic},
      {8.51, 79, 275, C::Compact},
      {8.5, 79.1, 275, C::Compact},
      {9.5, 98, 275, C::Compact},
      {9.51, 98, 275, C::SemiCompact},
      {9.5, 98.1, 275, C::SemiCompact},
      {15, 120, 275, C::SemiCompact},
      {15.01, 120, 275, C::Slender},
      {15, 120.1, 275, C::Slender},
      {8.5, 79, 355, C::SemiCompact},
      {8.5 * 0.88, 79 * 0.88, 355, C::Plastic},
  };
  for (const RatioCase& c : cases) {
    const BendingClassification result = ClassifyISectionBending(ISection(c.flange, c.web), c.py);
    EXPECT_EQ(result.classXX, c.expected) << c.flange << " " << c.web << " " << c.py;
    EXPECT_EQ(result.classYY, c.expected);
    EXPECT_TRUE(result.message.empty());
  }
}

TEST(ClassificationTest, ISectionInCompressionJudgesTheWebAt39Epsilon) {
  const RatioCase cases[] = {
      {8.5, 39, 275, C::Plastic},    {8.5, 39.01, 275, C::Slender}, {9.5, 20, 275, C::Compact},
      {15, 20, 275, C::SemiCompact}, {15.1, 20, 275, C::Slender},
  };
  for (const RatioCase& c : cases) {
    EXPECT_EQ(ClassifyISectionCompression(ISection(c.flange, c.web), c.py).classAxial, c.expected)
        << c.flange << " " << c.web;
  }
}

TEST(ClassificationTest, ZeroDimensionsStopTheRoutines) {
  ClassificationSection noRoot = ISection(8, 30);
  noRoot.RootRad = 0;
  const BendingClassification bend = ClassifyISectionBending(noRoot, 275);
  EXPECT_FALSE(bend.classXX.has_value());
  EXPECT_EQ(bend.message, "Cannot evaluate section type");
  // Compression does not need the root radius.
  EXPECT_EQ(ClassifyISectionCompression(noRoot, 275).classAxial, C::Plastic);
  ClassificationSection noFlange = ISection(8, 50);
  noFlange.FlgThk = 0;
  EXPECT_EQ(ClassifyISectionCompression(noFlange, 275).message, "Cannot evaluate section type");

  // Boxes and tubes return silently.
  ClassificationSection empty;
  EXPECT_TRUE(ClassifyBoxBending(empty, 275).message.empty());
  EXPECT_FALSE(ClassifyBoxBending(empty, 275).classXX.has_value());
  EXPECT_FALSE(ClassifyBoxCompression(empty, 275).classAxial.has_value());
  EXPECT_FALSE(ClassifyTube(empty, 275).classXX.has_value());
  EXPECT_TRUE(ClassifyTube(empty, 275).message.empty());
  EXPECT_EQ(ClassifyAngleBending(empty, 275).message, "Cannot evaluate section type");
}

TEST(ClassificationTest, ZeroDesignStrengthSkipsClassification) {
  EXPECT_FALSE(ClassifyISectionBending(ISection(8, 50), 0).classXX.has_value());
  EXPECT_FALSE(ClassifyISectionCompression(ISection(8, 50), 0).classAxial.has_value());
  ClassificationSection tube;
  tube.Width = 21.3f;
  tube.FlgThk = 3.2f;
  EXPECT_FALSE(ClassifyTube(tube, 0).classXX.has_value());
}

ClassificationSection Box(double flangeRatio, double webRatio) {
  ClassificationSection s;
  s.Depth = 200;
  s.Width = 100;
  s.FlgThk = s.WebThk = 4;
  s.Outstand = static_cast<float>(4 * flangeRatio);
  s.WebDepth = static_cast<float>(4 * webRatio);
  return s;
}

TEST(ClassificationTest, BoxesInBendingExchangeTheRatiosForYY) {
  struct BoxCase {
    double flange, web;
    C xx, yy;
  };
  const BoxCase cases[] = {
      {30, 20, C::Compact, C::Plastic},   {26, 79, C::Plastic, C::Slender},
      {26.1, 79, C::Compact, C::Slender}, {85, 35, C::Slender, C::SemiCompact},
      {32, 98, C::Compact, C::Slender},   {39, 120, C::SemiCompact, C::Slender},
      {39.1, 20, C::Slender, C::Plastic}, {20, 120.1, C::Slender, C::Slender},
  };
  for (const BoxCase& c : cases) {
    const BendingClassification result = ClassifyBoxBending(Box(c.flange, c.web), 275);
    EXPECT_EQ(result.classXX, c.xx) << c.flange << " " << c.web;
    EXPECT_EQ(result.classYY, c.yy) << c.flange << " " << c.web;
  }
}

TEST(ClassificationTest, BoxesInCompressionTakeTheWorseWall) {
  const RatioCase cases[] = {
      {30, 20, 275, C::Compact},     {20, 30, 275, C::Compact},   {26, 26, 275, C::Plastic},
      {39, 10, 275, C::SemiCompact}, {10, 39.1, 275, C::Slender}, {32.1, 32, 275, C::SemiCompact},
  };
  for (const RatioCase& c : cases)
    EXPECT_EQ(ClassifyBoxCompression(Box(c.flange, c.web), c.py).classAxial, c.expected)
        << c.flange << " " << c.web;
}

TEST(ClassificationTest, TubesUseEpsilonSquared) {
  struct TubeCase {
    float diameter, wall, py;
    C expected;
  };
  const TubeCase cases[] = {
      {21.3f, 3.2f, 275, C::Plastic},
      {40, 1, 275, C::Plastic},
      {40.1f, 1, 275, C::Compact},
      {57, 1, 275, C::Compact},
      {80, 1, 275, C::SemiCompact},
      {80.1f, 1, 275, C::Slender},
      // 40 x 275 / 355 = 30.99: a ratio of 31 is no longer plastic in grade 50.
      {31, 1, 355, C::Compact},
  };
  for (const TubeCase& c : cases) {
    ClassificationSection s;
    s.Width = c.diameter;
    s.FlgThk = c.wall;
    const BendingClassification result = ClassifyTube(s, c.py);
    EXPECT_EQ(result.classXX, c.expected) << c.diameter << " / " << c.wall;
    EXPECT_EQ(result.classYY, c.expected);
  }
}

TEST(ClassificationTest, AnglesJudgeEachLegAndBothTogether) {
  struct AngleCase {
    float b, d;
    C expected;
  };
  const AngleCase cases[] = {
      {8.5f, 0, C::Plastic},    {8.5f, 8.5f, C::Plastic}, {8.6f, 0, C::Compact},
      {9.5f, 9.5f, C::Compact}, {15, 0, C::SemiCompact},  {15, 8, C::SemiCompact},
      {15, 8.1f, C::Slender},   {15.1f, 0, C::Slender},
  };
  for (const AngleCase& c : cases) {
    ClassificationSection s;
    s.Width = c.b;
    s.WebDepth = c.d;
    s.WebThk = 1;
    s.RootRad = 1;
    EXPECT_EQ(ClassifyAngleBending(s, 275).classXX, c.expected) << c.b << " " << c.d;
  }
}

TEST(ClassificationTest, ClassTexts) {
  EXPECT_EQ(SectionClassText(C::Plastic), "Plastic");
  EXPECT_EQ(SectionClassText(C::Compact), "Compact");
  EXPECT_EQ(SectionClassText(C::SemiCompact), "Semi-compact");
  EXPECT_EQ(SectionClassText(C::Slender), "Slender");
}

}  // namespace
}  // namespace trabeo
