#include "steel/member_capacity/strut_curve.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

// BS 5950-1:2000 Table 24, compressive strength pc (N/mm2) for strut curves a, b, c and d,
// as published (E = 205000 N/mm2).
struct PublishedStrength {
  char curve;
  double py;
  double lambda;
  double pc;
};

constexpr PublishedStrength kTable24[] = {
    {'a', 275, 15, 275}, {'a', 275, 50, 251}, {'a', 275, 100, 157}, {'a', 275, 200, 47},
    {'b', 275, 15, 275}, {'b', 275, 50, 237}, {'b', 275, 100, 141}, {'b', 275, 200, 44},
    {'c', 275, 15, 275}, {'c', 275, 50, 220}, {'c', 275, 100, 125}, {'c', 275, 200, 42},
    {'d', 275, 15, 275}, {'d', 275, 50, 204}, {'d', 275, 100, 111}, {'d', 275, 200, 39},
    {'a', 355, 15, 355}, {'a', 355, 50, 318}, {'a', 355, 100, 171}, {'a', 355, 200, 48},
    {'b', 355, 15, 355}, {'b', 355, 50, 298}, {'b', 355, 100, 155}, {'b', 355, 200, 46},
    {'c', 355, 15, 355}, {'c', 355, 50, 275}, {'c', 355, 100, 140}, {'c', 355, 200, 43},
    {'d', 355, 15, 355}, {'d', 355, 50, 253}, {'d', 355, 100, 126}, {'d', 355, 200, 41},
};

TEST(StrutCurve, MatchesPublishedTable24ForEveryCurve) {
  for (const PublishedStrength& row : kTable24) {
    const std::optional<double> a = RobertsonConstant(row.curve);
    ASSERT_TRUE(a);
    // The table is rounded to whole N/mm2.
    EXPECT_NEAR(StrutCompressiveStrength(row.lambda, row.py, 205000, *a), row.pc, 0.5)
        << "curve " << row.curve << ", py " << row.py << ", lambda " << row.lambda;
  }
}

TEST(StrutCurve, OnlyTheFourCurveLettersHaveConstants) {
  EXPECT_FALSE(RobertsonConstant('e'));
  EXPECT_FALSE(RobertsonConstant('A'));
}

TEST(StrutCurve, NoSlendernessOrNoValueGivesPy) {
  EXPECT_EQ(StrutCompressiveStrength(0, 275, 205000, 0.0055), 275);
  EXPECT_EQ(StrutCompressiveStrength(-5, 275, 205000, 0.0055), 275);
}

}  // namespace
}  // namespace trabeo
